// The commands that work on files only: new, show, pack, unpack.
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/DocumentTable.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/Defaults.h"
#include "codeplug/FileIo.h"
#include "codeplug/MemoryImage.h"

namespace k7x::cli {
namespace {

const OptionSpec kModeOption{"--mode", "0|1|2", "country mode: 0 CB, 1 HF, 2 HAM (default 0)"};

// The country mode of --mode; false (after reporting) when it is not 0, 1 or 2.
bool ReadMode(const Arguments& args, CliContext& ctx, Int& mode) {
    const std::string text = args.value("--mode").value_or("0");
    if (text != "0" && text != "1" && text != "2") {
        UsageProblem(ctx, "--mode takes 0, 1 or 2, not \"" + text + "\"");
        return false;
    }
    mode = static_cast<Int>(text[0] - '0');
    return true;
}

// The output file of -o; false (after reporting) when it is missing.
bool ReadOutput(const Arguments& args, CliContext& ctx, std::string& path) {
    path = args.value("-o").value_or("");
    if (path.empty()) {
        UsageProblem(ctx, "the output file is missing (-o FILE)");
        return false;
    }
    return true;
}

// Opens a .dat file as the desktop program's Open command does; on refusal the messages
// have been shown and the reason, when the content is damaged, is added.
bool OpenDocument(DocumentState& doc, const std::string& path, CliContext& ctx) {
    const OpenResult result = OpenFile(doc, path, ctx.versions, ctx.prompts, ctx.launch);
    if (result == OpenResult::Opened) return true;
    std::string reason = path + " was not opened";
    if (const auto bytes = ReadFileBytes(path, kFileSize); !bytes) {
        reason += ": it cannot be read";
    } else if (const auto damage = FindFileDamage(*bytes)) {
        reason += ": " + *damage;
    }
    Failure(ctx, reason);
    return false;
}

int RunNew(const Arguments& args, CliContext& ctx) {
    Int mode = 0;
    std::string output;
    if (!ReadMode(args, ctx, mode) || !ReadOutput(args, ctx, output)) return kExitUsage;

    DocumentState doc;
    doc.CurrentCountryMode = mode;
    InitNewDocument(doc, ctx.programFolder, false);
    if (!SaveFile(doc, output, ctx.prompts)) return Failure(ctx, "cannot write " + output);
    return kExitOk;
}

int RunShow(const Arguments& args, CliContext& ctx) {
    DocumentState doc;
    if (!OpenDocument(doc, args.positional[0], ctx)) return kExitFailed;
    WriteDocument(ctx.out, doc, ctx.prompts);
    return kExitOk;
}

int RunPack(const Arguments& args, CliContext& ctx) {
    std::string output;
    if (!ReadOutput(args, ctx, output)) return kExitUsage;

    DocumentState doc;
    if (!OpenDocument(doc, args.positional[0], ctx)) return kExitFailed;
    PackImage(doc);
    if (const auto failure = WriteFileAtomically(output, doc.MemImage))
        return Failure(ctx, *failure);
    return kExitOk;
}

int RunUnpack(const Arguments& args, CliContext& ctx) {
    Int mode = 0;
    std::string output;
    if (!ReadMode(args, ctx, mode) || !ReadOutput(args, ctx, output)) return kExitUsage;

    const std::string& input = args.positional[0];
    const auto bytes = ReadFileBytes(input, kImageSize + 1);
    if (!bytes) return Failure(ctx, "cannot read " + input);
    if (bytes->size() != kImageSize) {
        return Failure(ctx,
                       input + " is not a memory image: it holds " +
                           (bytes->size() > kImageSize ? "more than " + std::to_string(kImageSize)
                                                       : std::to_string(bytes->size())) +
                           " bytes instead of exactly " + std::to_string(kImageSize));
    }

    // The image lands in a fresh document, as after a read from the radio.
    DocumentState doc;
    doc.CurrentCountryMode = mode;
    InitNewDocument(doc, ctx.programFolder, false);
    std::copy(bytes->begin(), bytes->end(), doc.MemImage.begin());
    doc.RadioCountryMode = mode;
    if (!UnpackImage(doc, ctx.prompts)) return Failure(ctx, "the image could not be unpacked");
    doc.CurrentFilePath = kUntitledName;
    doc.IsUntitled = true;
    if (!SaveFile(doc, output, ctx.prompts)) return Failure(ctx, "cannot write " + output);
    return kExitOk;
}

}  // namespace

std::vector<Command> FileCommands() {
    const OptionSpec datOutput{"-o", "FILE.dat", "the codeplug file to write"};
    return {
        {"new",
         "",
         0,
         "Writes a new codeplug file with the defaults of a country mode.",
         {kModeOption, datOutput},
         RunNew},
        {"show",
         "FILE.dat",
         1,
         "Shows the header, the settings and every channel of a file.",
         {},
         RunShow},
        {"pack",
         "FILE.dat",
         1,
         "Writes the 7424-byte radio memory image of a codeplug file.",
         {{"-o", "IMAGE.bin", "the image file to write"}},
         RunPack},
        {"unpack",
         "IMAGE.bin",
         1,
         "Turns a 7424-byte radio memory image into a codeplug file.",
         {kModeOption, datOutput},
         RunUnpack},
    };
}

}  // namespace k7x::cli

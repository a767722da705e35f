// The commands that work on files only: new, show (as a table or as text), pack, unpack.
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliTexts.h"
#include "cli/CommandFiles.h"
#include "cli/DocumentTable.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugText.h"
#include "codeplug/DamagedFrequency.h"
#include "codeplug/Defaults.h"
#include "codeplug/FileIo.h"
#include "codeplug/MemoryImage.h"

namespace k7x::cli {
namespace {

const OptionSpec kModeOption{"--mode", "0|1|2", kTextModeOption};

// The country mode of --mode; false (after reporting) when it is not 0, 1 or 2.
bool ReadMode(const Arguments& args, CliContext& ctx, Int& mode) {
    const std::string text = args.value("--mode").value_or("0");
    if (text != "0" && text != "1" && text != "2") {
        UsageProblem(ctx, Text(ctx.prompts, kTextBadMode, {text}));
        return false;
    }
    mode = static_cast<Int>(text[0] - '0');
    return true;
}

int RunNew(const Arguments& args, CliContext& ctx) {
    Int mode = 0;
    std::string output;
    if (!ReadMode(args, ctx, mode) || !ReadOutput(args, ctx, output)) return kExitUsage;

    DocumentState doc;
    doc.CurrentCountryMode = mode;
    InitNewDocument(doc, ctx.programFolder, false);
    if (!SaveFile(doc, output, ctx.prompts)) {
        return Failure(ctx, Text(ctx.prompts, kTextCannotWrite, {output}));
    }
    return kExitOk;
}

int RunShow(const Arguments& args, CliContext& ctx) {
    DocumentState doc;
    if (!OpenDocument(doc, args.positional[0], ctx)) return kExitFailed;
    if (args.has("--yaml") || args.has("--json")) {
        // The text form that convert reads back.
        ctx.out << WriteCodeplugText(doc, args.has("--json") ? TextForm::Json : TextForm::Yaml);
    } else {
        WriteDocument(ctx.out, doc, ctx.prompts);
    }
    return kExitOk;
}

int RunPack(const Arguments& args, CliContext& ctx) {
    std::string output;
    if (!ReadOutput(args, ctx, output)) return kExitUsage;

    DocumentState doc;
    if (!OpenDocument(doc, args.positional[0], ctx)) return kExitFailed;
    if (auto refusal = DamagedFrequencyRefusal(doc, ctx.prompts)) return Failure(ctx, *refusal);
    PackImage(doc);
    if (WriteFileAtomically(output, doc.MemImage)) {
        return Failure(ctx, Text(ctx.prompts, kTextCannotWrite, {output}));
    }
    return kExitOk;
}

int RunUnpack(const Arguments& args, CliContext& ctx) {
    Int mode = 0;
    std::string output;
    if (!ReadMode(args, ctx, mode) || !ReadOutput(args, ctx, output)) return kExitUsage;

    const std::string& input = args.positional[0];
    const auto bytes = ReadFileBytes(input, kImageSize + 1);
    if (!bytes) return Failure(ctx, Text(ctx.prompts, kTextCannotRead, {input}));
    if (bytes->size() != kImageSize) {
        return Failure(ctx,
                       Text(ctx.prompts, kTextNotAnImage, {input, std::to_string(kImageSize)}));
    }

    // The image lands in a fresh document, as after a read from the radio.
    DocumentState doc;
    doc.CurrentCountryMode = mode;
    InitNewDocument(doc, ctx.programFolder, false);
    std::copy(bytes->begin(), bytes->end(), doc.MemImage.begin());
    doc.RadioCountryMode = mode;
    if (!TakeImageAsUntitledDocument(doc, ctx.prompts))
        return Failure(ctx, ctx.prompts.text(kTextNotUnpacked));
    if (!SaveFile(doc, output, ctx.prompts)) {
        return Failure(ctx, Text(ctx.prompts, kTextCannotWrite, {output}));
    }
    return kExitOk;
}

}  // namespace

std::vector<Command> FileCommands() {
    const OptionSpec datOutput{"-o", "FILE.dat", kTextDatOutputOption};
    return {
        {"new", "", 0, kTextNewCommand, {kModeOption, datOutput}, RunNew},
        {"show",
         "FILE.dat",
         1,
         kTextShowCommand,
         {{"--yaml", "", kTextYamlOption}, {"--json", "", kTextJsonOption}},
         RunShow},
        {"pack",
         "FILE.dat",
         1,
         kTextPackCommand,
         {{"-o", "IMAGE.bin", kTextImageOutputOption}},
         RunPack},
        {"unpack", "IMAGE.bin", 1, kTextUnpackCommand, {kModeOption, datOutput}, RunUnpack},
    };
}

}  // namespace k7x::cli

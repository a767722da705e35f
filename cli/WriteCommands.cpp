// The commands that write the radio and make sure of it: write (which may first show what it
// will change and afterwards check what the radio took), compare and verify.
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliTexts.h"
#include "cli/CommandFiles.h"
#include "cli/DifferenceLines.h"
#include "cli/RadioCommandSupport.h"
#include "cli/RadioSession.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/DamagedFrequency.h"
#include "codeplug/ImageCompare.h"
#include "link/LinkTexts.h"

namespace k7x::cli {
namespace {

// Exit status of compare and verify, as diff has it.
constexpr int kExitSame = 0;
constexpr int kExitDifferent = 1;
constexpr int kExitTrouble = 2;

const OptionSpec kPreviewOption{"--preview", "", kTextPreviewOption};
const OptionSpec kYesOption{"--yes", "", kTextYesOption};
const OptionSpec kVerifyOption{"--verify", "", kTextVerifyOption};

// One file against one radio.
struct RadioCheck {
    const Arguments& args;
    CliContext& ctx;
    RadioSessionSettings settings;
    CliBackups backups{args};
    DocumentState doc;
    MemoryImage image{};  // the document as a write sends it
    RadioSessionResult session;

    RadioCheck(const Arguments& a, CliContext& c) : args(a), ctx(c) {}

    // Reads the session settings and opens the file; the exit status when either fails.
    std::optional<int> prepare(bool forWrite) {
        int exitCode = kExitOk;
        if (!ReadSessionSettings(args, ctx, settings, exitCode)) return exitCode;
        const std::string& input = args.positional[0];
        if (forWrite) {
            if (OpenFile(doc, input, ctx.programFolder, ctx.versions, ctx.prompts, ctx.launch) !=
                OpenResult::Opened)
                return Failure(ctx, Text(ctx.prompts, kTextNotOpenedNotWritten, {input}));
        } else if (!OpenDocument(doc, input, ctx)) {
            return kExitTrouble;
        }
        if (auto refusal = DamagedFrequencyRefusal(doc, ctx.prompts)) {
            Failure(ctx, *refusal);
            return forWrite ? kExitFailed : kExitTrouble;
        }
        EventLoopApplication();
        settings.backups = backups.keeper();
        image = ImageToWrite(doc);
        return std::nullopt;
    }

    // Reads the radio, leaving the document as it is, and compares; nullopt when the radio
    // could not be read (`session` says why).
    std::optional<ImageComparison> readAndCompare(ReadUse use) {
        DocumentState radio = doc;
        radio.listeners.clear();
        settings.readUse = use;
        session = RunRadioSession(Operation::ImageRead, radio, settings, ctx);
        backups.finish(ctx);
        if (!session.outcome.completed) return std::nullopt;
        return CompareWithRadio(doc, image, radio.MemImage, radio.RadioCountryMode);
    }

    void list(std::ostream& out, const ImageComparison& c) const {
        WriteDifferences(out, c.differences, args.positional[0], ctx.prompts.text(kTextTheRadio),
                         ctx.prompts);
    }

    // After a write: the radio's image against the image written.
    int reportCheck(const ImageComparison& c) const {
        if (c.same()) {
            ctx.out << ctx.prompts.text(kTextWrittenAndChecked) << '\n';
            return kExitSame;
        }
        list(ctx.err, c);
        return Failure(ctx,
                       Text(ctx.prompts, kTextWriteDidNotTake, {BlockAddressesText(c.blocks)}));
    }

    // The transfer that failed; a stop by a signal keeps its own status.
    int readFailure(int status) {
        const int reported = TransferFailure(ctx, kTextReadingRadio, session);
        return session.stopSignal != 0 ? reported : status;
    }
};

// Whether the write goes ahead after the preview: the changes are listed and the user asked.
bool PreviewAllowsWrite(RadioCheck& check, const ImageComparison& c) {
    CliContext& ctx = check.ctx;
    check.list(ctx.out, c);
    if (c.same()) ctx.out << ctx.prompts.text(kTextRadioHoldsDocument) << '\n';
    // --yes answers the question beforehand, also whether to write what the radio already holds.
    if (check.args.has("--yes")) return true;
    return ctx.prompts.message(c.same() ? kTextWriteAnyway : kTextWriteTheseChanges, Buttons::YesNo,
                               Icon::Question) == Answer::Yes;
}

int RunWrite(const Arguments& args, CliContext& ctx) {
    RadioCheck check(args, ctx);
    if (const std::optional<int> status = check.prepare(true)) return *status;
    if (args.has("--preview")) {
        const std::optional<ImageComparison> before = check.readAndCompare(ReadUse::BeforeWrite);
        if (!before) return check.readFailure(kExitFailed);
        if (!PreviewAllowsWrite(check, *before)) {
            ctx.err << kProgramName << ": " << ctx.prompts.text(kTextNothingWritten) << '\n';
            return before->same() ? kExitOk : kExitFailed;
        }
    }
    check.settings.readUse = ReadUse::Document;
    const RadioSessionResult r =
        RunRadioSession(Operation::ImageWrite, check.doc, check.settings, ctx);
    check.backups.finish(ctx);
    if (!r.outcome.completed) return TransferFailure(ctx, kTextWritingRadio, r);
    if (!args.has("--verify")) return kExitOk;
    const std::optional<ImageComparison> after = check.readAndCompare(ReadUse::Compare);
    if (!after) return check.readFailure(kExitFailed);
    return check.reportCheck(*after);
}

int RunCompare(const Arguments& args, CliContext& ctx) {
    RadioCheck check(args, ctx);
    if (const std::optional<int> status = check.prepare(false)) return *status;
    const std::optional<ImageComparison> c = check.readAndCompare(ReadUse::Compare);
    if (!c) return check.readFailure(kExitTrouble);
    check.list(ctx.out, *c);
    if (c->same()) ctx.err << ctx.prompts.text(kTextRadioHoldsDocument) << '\n';
    return c->same() ? kExitSame : kExitDifferent;
}

int RunVerify(const Arguments& args, CliContext& ctx) {
    RadioCheck check(args, ctx);
    if (const std::optional<int> status = check.prepare(false)) return *status;
    const std::optional<ImageComparison> c = check.readAndCompare(ReadUse::Compare);
    if (!c) return check.readFailure(kExitTrouble);
    return check.reportCheck(*c);
}

std::vector<OptionSpec> WithBackups(std::vector<OptionSpec> options) {
    options.push_back(kNoBackupOption);
    return options;
}

}  // namespace

std::vector<Command> WriteCommands() {
    std::vector<OptionSpec> writeOptions = WithBackups(TransferOptions());
    writeOptions.insert(writeOptions.end(), {kPreviewOption, kYesOption, kVerifyOption});
    return {
        {"write", "FILE.dat", 1, kTextWriteCommand, writeOptions, &RunWrite},
        {"compare", "FILE.dat", 1, kTextCompareCommand, WithBackups(TransferOptions()),
         &RunCompare},
        {"verify", "FILE.dat", 1, kTextVerifyCommand, WithBackups(TransferOptions()), &RunVerify},
    };
}

}  // namespace k7x::cli

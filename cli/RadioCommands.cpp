// The commands that talk to the radio: read, info, and ports to see what is there; the write
// commands (WriteCommands.cpp) are listed after read.
#include <unistd.h>

#include <QCoreApplication>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliTexts.h"
#include "cli/PortSetup.h"
#include "cli/RadioCommandSupport.h"
#include "cli/RadioSession.h"
#include "codeplug/Backups.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/DamagedFrequency.h"
#include "codeplug/Defaults.h"
#include "codeplug/FileIo.h"
#include "link/BackupKeeper.h"
#include "link/serial/PortCheck.h"
#include "link/serial/PortListing.h"
#include "link/serial/PortOpenFailure.h"
#include "shell/Models.h"

namespace k7x::cli {
namespace {

constexpr int kMaxRetries = 1000;

const OptionSpec kPortOption{"--port", "P", kTextPortOption};
const OptionSpec kTraceOption{"--trace", "FILE", kTextTraceOption};
const OptionSpec kPasswordFileOption{"--password-file", "FILE", kTextPasswordFileOption};
const OptionSpec kPasswordOption{"--password", "TEXT", kTextPasswordOption};
const OptionSpec kRetriesOption{"--retries", "N", kTextRetriesOption};
const OptionSpec kCheckOption{"--check", "", kTextCheckOption};
const OptionSpec kCheckedPortOption{"--port", "P", kTextCheckedPortOption};

}  // namespace

std::vector<OptionSpec> TransferOptions() {
    return {kPortOption, kTraceOption, kPasswordFileOption, kPasswordOption, kRetriesOption};
}

// A Qt event loop for the serial port and the timers; one per process.
QCoreApplication& EventLoopApplication() {
    static int argc = 1;
    static char name[] = "korvan7x-cli";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

namespace {

// The first line of a file, without its line end.
std::optional<std::string> ReadPasswordFile(const std::string& path) {
    const std::optional<std::vector<Byte>> bytes = ReadFileBytes(path, 4096);
    if (!bytes) return std::nullopt;
    std::string text(bytes->begin(), bytes->end());
    text = text.substr(0, text.find('\n'));
    if (!text.empty() && text.back() == '\r') text.pop_back();
    return text;
}

}  // namespace

// The settings shared by read, write, compare and info.
bool ReadSessionSettings(const Arguments& args, CliContext& ctx, RadioSessionSettings& s,
                         int& exitCode) {
    const PortSetup setup = ReadPortSetup(ctx.programFolder);
    s.configuredPorts = setup.configured;
    std::string problem;
    const std::string port = args.value("--port").value_or(std::to_string(setup.comPort));
    const std::optional<PortChoice> choice = ParsePortChoice(port, problem);
    if (!choice) {
        exitCode = UsageProblem(ctx, Text(ctx.prompts, kTextBadPort, {port}));
        return false;
    }
    s.port = *choice;
    s.traceFile = args.value("--trace").value_or("");

    if (const auto retries = args.value("--retries")) {
        const char* end = retries->data() + retries->size();
        const auto [ptr, ec] = std::from_chars(retries->data(), end, s.retries);
        if (ec != std::errc() || ptr != end || s.retries < 0 || s.retries > kMaxRetries) {
            exitCode = UsageProblem(ctx, Text(ctx.prompts, kTextNumberRange,
                                              {"--retries", "0", std::to_string(kMaxRetries)}));
            return false;
        }
    }

    if (args.has("--password-file") && args.has("--password")) {
        exitCode = UsageProblem(ctx, ctx.prompts.text(kTextTwoPasswords));
        return false;
    }
    if (const auto file = args.value("--password-file")) {
        s.password = ReadPasswordFile(*file);
        if (!s.password) {
            exitCode = Failure(ctx, Text(ctx.prompts, kTextCannotReadPasswordFile, {*file}));
            return false;
        }
    }
    if (const auto text = args.value("--password")) {
        ctx.err << kProgramName << ": " << ctx.prompts.text(kTextPasswordVisible) << '\n';
        s.password = *text;
    }

    s.interactive = ::isatty(STDIN_FILENO) == 1;
    s.progressTerminal = ::isatty(STDERR_FILENO) == 1;
    return true;
}

namespace {

// The language text of why a transfer did not complete.
int FailureReasonText(FailureReason reason) {
    switch (reason) {
        case FailureReason::PortError:
            return kTextReasonPortError;
        case FailureReason::PortLost:
            return kTextReasonPortLost;
        case FailureReason::Cancelled:
            return kTextReasonCancelled;
        case FailureReason::NoAnswer:
            return kTextReasonNoAnswer;
        case FailureReason::PasswordFailure:
            return kTextReasonPassword;
        case FailureReason::OtherModel:
            return kTextReasonOtherModel;
        case FailureReason::CountryModeMismatch:
            return kTextReasonModeMismatch;
        case FailureReason::CountryModeError:
            return kTextReasonUnknownMode;
        case FailureReason::OtherVersion:
            return kTextReasonOtherVersion;
        case FailureReason::None:
            break;
    }
    return kTextReasonIncomplete;
}

}  // namespace

int TransferFailure(CliContext& ctx, int what, const RadioSessionResult& r) {
    const std::string why =
        r.problem.empty() ? ctx.prompts.text(FailureReasonText(r.outcome.reason)) : r.problem;
    const int status = Failure(ctx, Text(ctx.prompts, kTextFailed, {ctx.prompts.text(what), why}));
    return r.stopSignal != 0 ? 128 + r.stopSignal : status;
}

namespace {

// A file can be created or replaced at path (its folder exists and is writable).
bool CanCreate(const std::string& path) {
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty()) folder = ".";
    std::error_code ec;
    return std::filesystem::is_directory(folder, ec) && ::access(folder.c_str(), W_OK) == 0;
}

// A document to read into: the defaults of a new one, as the desktop program starts with.
void PrepareNewDocument(DocumentState& doc, CliContext& ctx) {
    InitNewDocument(doc, ctx.programFolder, false);
}

int RunRead(const Arguments& args, CliContext& ctx) {
    RadioSessionSettings settings;
    int exitCode = kExitOk;
    if (!ReadSessionSettings(args, ctx, settings, exitCode)) return exitCode;
    const std::string output = args.value("-o").value_or("");
    if (output.empty()) return UsageProblem(ctx, ctx.prompts.text(kTextOutputMissing));
    // Found out now rather than after the whole transfer.
    if (!CanCreate(output)) return Failure(ctx, Text(ctx.prompts, kTextCannotWrite, {output}));

    EventLoopApplication();
    DocumentState doc;
    PrepareNewDocument(doc, ctx);
    CliBackups backups(args);
    settings.backups = backups.keeper();
    const RadioSessionResult r = RunRadioSession(Operation::ImageRead, doc, settings, ctx);
    backups.finish(ctx);
    if (!r.outcome.completed) return TransferFailure(ctx, kTextReadingRadio, r);
    if (!r.imageUnpacked) return Failure(ctx, ctx.prompts.text(kTextNotUnpacked));
    if (!SaveFile(doc, output, ctx.prompts)) {
        return Failure(ctx, Text(ctx.prompts, kTextCannotWrite, {output}));
    }
    return kExitOk;
}

void PrintInformation(std::ostream& out, const RadioInfoRecord& info) {
    const int mode = info.InfoCountryMode;
    const std::optional<std::string> band = BandTextOfMode(mode);
    out << "InfoCountryMode: " << mode;
    if (band) {
        out << " (" << CountryModeName(mode) << ", " << *band << ")\n";
    } else {
        out << " (not a valid country mode)\n";
    }
    out << "InfoModel: " << TrimField(info.InfoModel) << '\n'
        << "SalesAreaCode: " << TrimField(info.SalesAreaCode) << '\n'
        << "SerialNumber: " << info.SerialNumber.str() << '\n'
        << "FactoryDate: " << info.FactoryDate.str() << '\n'
        << "RepairDate: " << info.RepairDate.str() << '\n'
        << "RepairReason: " << info.RepairReason.str() << '\n'
        << "InfoVersion: " << TrimField(info.InfoVersion) << '\n'
        << "BatchNumber: " << info.BatchNumber.str() << '\n'
        << "CustomerCode: " << info.CustomerCode.str() << '\n'
        << "DealerCode: " << info.DealerCode.str() << '\n'
        << "StockInTime: " << info.StockInTime.str() << '\n'
        << "SaleTime: " << info.SaleTime.str() << '\n'
        << "HandledBy: " << info.HandledBy.str() << '\n';
}

int RunInfo(const Arguments& args, CliContext& ctx) {
    RadioSessionSettings settings;
    int exitCode = kExitOk;
    if (!ReadSessionSettings(args, ctx, settings, exitCode)) return exitCode;

    EventLoopApplication();
    DocumentState doc;
    PrepareNewDocument(doc, ctx);
    const RadioSessionResult r = RunRadioSession(Operation::InformationRead, doc, settings, ctx);
    if (!r.outcome.completed) return TransferFailure(ctx, kTextReadingInformation, r);
    PrintInformation(ctx.out, doc.RadioInfo);
    return kExitOk;
}

TextLookup TextsOf(const CliContext& ctx) {
    return [&prompts = ctx.prompts](int number) { return prompts.text(number); };
}

// Prints the findings of a port check below the line that names the port.
void PrintFindings(CliContext& ctx, const std::vector<Finding>& findings, const char* indent) {
    const TextLookup text = TextsOf(ctx);
    for (const std::string& line : FormatFindings(text, findings))
        ctx.out << indent << line << '\n';
}

// ports --check --port P: the one port given, by number or path.
int CheckOnePort(const Arguments& args, CliContext& ctx, const PortMap& map,
                 const SystemView& view) {
    const std::string port = *args.value("--port");
    std::string problem;
    const std::optional<PortChoice> choice = ParsePortChoice(port, problem);
    if (!choice) return UsageProblem(ctx, Text(ctx.prompts, kTextBadPort, {port}));
    std::string path = choice->path;
    if (choice->number != 0) {
        const std::optional<PortMap::Entry> entry = map.entry(choice->number);
        if (!entry) {
            ctx.out << DescribeMissingPort(TextsOf(ctx), choice->number) << '\n';
            return kExitFailed;
        }
        path = entry->path;
        ctx.out << PortDisplayName(TextsOf(ctx), choice->number, path) << '\n';
    } else {
        ctx.out << Text(ctx.prompts, kTextDevice, {path}) << '\n';
    }
    const std::vector<Finding> findings = CheckPort(path, view);
    PrintFindings(ctx, findings, kFindingIndent);
    const std::vector<Finding> services = CheckServices(view);
    PrintFindings(ctx, services, "");
    return HasProblem(findings) || HasProblem(services) ? kExitFailed : kExitOk;
}

int RunPorts(const Arguments& args, CliContext& ctx) {
    EventLoopApplication();
    const bool check = args.has("--check");
    if (args.has("--port") && !check)
        return UsageProblem(ctx, Text(ctx.prompts, kTextOptionGoesWith, {"--port", "--check"}));
    const PortSetup setup = ReadPortSetup(ctx.programFolder);
    const PortMap map(setup.configured, PresentSerialDevices());
    const SystemView view = ThisSystem();
    if (check && args.has("--port")) return CheckOnePort(args, ctx, map, view);

    const PortListing listing =
        ListPorts(TextsOf(ctx), {map, setup.comPort, setup.setupFile,
                                 ctx.prompts.text(kTextDevicePathHint), check ? &view : nullptr});
    for (const std::string& line : listing.lines) ctx.out << line << '\n';
    return listing.problem ? kExitFailed : kExitOk;
}

}  // namespace

std::vector<Command> RadioCommands() {
    std::vector<OptionSpec> readOptions = TransferOptions();
    readOptions.insert(readOptions.begin() + 1, {"-o", "FILE.dat", kTextDatOutputOption});
    readOptions.push_back(kNoBackupOption);
    std::vector<Command> commands = {{"read", "", 0, kTextReadCommand, readOptions, &RunRead}};
    // Writing, and making sure of what was written, follow reading.
    for (Command& c : WriteCommands()) commands.push_back(std::move(c));
    commands.push_back({"info", "", 0, kTextInfoCommand, TransferOptions(), &RunInfo});
    commands.push_back(
        {"ports", "", 0, kTextPortsCommand, {kCheckOption, kCheckedPortOption}, &RunPorts});
    return commands;
}

}  // namespace k7x::cli

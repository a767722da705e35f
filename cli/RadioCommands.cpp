// The commands that talk to the radio: read, write, info, and ports to see what is there.
#include <unistd.h>

#include <QCoreApplication>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/PortSetup.h"
#include "cli/RadioSession.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/Defaults.h"
#include "codeplug/FileIo.h"
#include "shell/Models.h"

namespace k7x::cli {
namespace {

const OptionSpec kPortOption{"--port", "P",
                             "port number 1-16 or device path (default: the port chosen in the "
                             "desktop program, else 1)"};
const OptionSpec kTraceOption{"--trace", "FILE", "write every byte on the line to FILE"};
const OptionSpec kPasswordFileOption{"--password-file", "FILE",
                                     "the radio password, first line of FILE"};
const OptionSpec kPasswordOption{"--password", "TEXT",
                                 "the radio password (visible to other users; prefer "
                                 "--password-file)"};
const OptionSpec kRetriesOption{"--retries", "N",
                                "without a terminal: try again N times when the radio stops "
                                "answering (default 0)"};

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

// The first line of a file, without its line end.
std::optional<std::string> ReadPasswordFile(const std::string& path) {
    const std::optional<std::vector<Byte>> bytes = ReadFileBytes(path, 4096);
    if (!bytes) return std::nullopt;
    std::string text(bytes->begin(), bytes->end());
    text = text.substr(0, text.find('\n'));
    if (!text.empty() && text.back() == '\r') text.pop_back();
    return text;
}

// The settings shared by read, write and info; false (after reporting) on a misuse.
bool ReadSessionSettings(const Arguments& args, CliContext& ctx, RadioSessionSettings& s,
                         int& exitCode) {
    const PortSetup setup = ReadPortSetup(ctx.programFolder);
    s.configuredPorts = setup.configured;
    std::string problem;
    const std::string port = args.value("--port").value_or(std::to_string(setup.comPort));
    const std::optional<PortChoice> choice = ParsePortChoice(port, problem);
    if (!choice) {
        exitCode = UsageProblem(ctx, problem);
        return false;
    }
    s.port = *choice;
    s.traceFile = args.value("--trace").value_or("");

    if (const auto retries = args.value("--retries")) {
        const char* end = retries->data() + retries->size();
        const auto [ptr, ec] = std::from_chars(retries->data(), end, s.retries);
        if (ec != std::errc() || ptr != end || s.retries < 0 || s.retries > 1000) {
            exitCode = UsageProblem(ctx, "--retries takes a whole number from 0 to 1000");
            return false;
        }
    }

    if (args.has("--password-file") && args.has("--password")) {
        exitCode = UsageProblem(ctx, "give --password-file or --password, not both");
        return false;
    }
    if (const auto file = args.value("--password-file")) {
        s.password = ReadPasswordFile(*file);
        if (!s.password) {
            exitCode = Failure(ctx, "cannot read the password file " + *file);
            return false;
        }
    }
    if (const auto text = args.value("--password")) {
        ctx.err << "korvan7x-cli: warning: a password on the command line can be seen by other "
                   "users of this computer; prefer --password-file\n";
        s.password = *text;
    }

    s.interactive = ::isatty(STDIN_FILENO) == 1;
    s.progressTerminal = ::isatty(STDERR_FILENO) == 1;
    return true;
}

// Why a transfer did not complete, for the last line on stderr.
std::string FailureText(const RadioSessionResult& r) {
    if (!r.problem.empty()) return r.problem;
    switch (r.outcome.reason) {
        case FailureReason::PortError:
            return "the serial port could not be opened";
        case FailureReason::PortLost:
            return "the serial port was lost during the transfer";
        case FailureReason::Cancelled:
            return "cancelled";
        case FailureReason::NoAnswer:
            return "the radio does not answer";
        case FailureReason::PasswordFailure:
            return "wrong radio password";
        case FailureReason::OtherModel:
            return "the radio is of another model";
        case FailureReason::CountryModeMismatch:
            return "the radio is set to another country mode than the file";
        case FailureReason::CountryModeError:
            return "the radio reports an unknown country mode";
        case FailureReason::OtherVersion:
            return "this program version is not meant for the radio";
        case FailureReason::None:
            break;
    }
    return "the transfer did not complete";
}

int TransferFailure(CliContext& ctx, const std::string& what, const RadioSessionResult& r) {
    return Failure(ctx, what + " failed: " + FailureText(r));
}

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
    if (output.empty()) return UsageProblem(ctx, "the output file is missing (-o FILE.dat)");
    // Found out now rather than after the whole transfer.
    if (!CanCreate(output)) return Failure(ctx, "cannot write " + output);

    EventLoopApplication();
    DocumentState doc;
    PrepareNewDocument(doc, ctx);
    const RadioSessionResult r = RunRadioSession(Operation::ImageRead, doc, settings, ctx);
    if (!r.outcome.completed) return TransferFailure(ctx, "reading the radio", r);
    if (!r.imageUnpacked) return Failure(ctx, "the radio's memory could not be taken over");
    if (!SaveFile(doc, output, ctx.prompts)) return Failure(ctx, "cannot write " + output);
    return kExitOk;
}

int RunWrite(const Arguments& args, CliContext& ctx) {
    RadioSessionSettings settings;
    int exitCode = kExitOk;
    if (!ReadSessionSettings(args, ctx, settings, exitCode)) return exitCode;

    DocumentState doc;
    const std::string& input = args.positional[0];
    if (OpenFile(doc, input, ctx.versions, ctx.prompts, ctx.launch) != OpenResult::Opened) {
        return Failure(ctx, input + " was not opened; nothing was written to the radio");
    }
    EventLoopApplication();
    const RadioSessionResult r = RunRadioSession(Operation::ImageWrite, doc, settings, ctx);
    if (!r.outcome.completed) return TransferFailure(ctx, "writing the radio", r);
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
    if (!r.outcome.completed) return TransferFailure(ctx, "reading the radio information", r);
    PrintInformation(ctx.out, doc.RadioInfo);
    return kExitOk;
}

int RunPorts(const Arguments& /*args*/, CliContext& ctx) {
    EventLoopApplication();
    const PortSetup setup = ReadPortSetup(ctx.programFolder);
    const PortMap map(setup.configured, PresentSerialDevices());
    if (map.entries().empty()) {
        ctx.out << "No serial ports found. A device path works too: --port /dev/ttyUSB0\n";
        return kExitOk;
    }
    for (const PortMap::Entry& e : map.entries()) {
        ctx.out << (e.number < 10 ? " " : "") << e.number << "  " << e.path;
        if (!e.description.empty()) ctx.out << "  " << e.description;
        if (e.configured) ctx.out << "  (named in " << setup.setupFile << ")";
        if (!e.present) ctx.out << "  (not present)";
        if (e.number == setup.comPort) ctx.out << "  (default)";
        ctx.out << '\n';
    }
    return kExitOk;
}

}  // namespace

std::vector<Command> RadioCommands() {
    std::vector<OptionSpec> readOptions = TransferOptions();
    readOptions.insert(readOptions.begin() + 1, {"-o", "FILE.dat", "the file to save"});
    return {
        {"read", "", 0, "Reads the radio's memory into a codeplug file.", readOptions, &RunRead},
        {"write", "FILE.dat", 1, "Writes a codeplug file into the radio.", TransferOptions(),
         &RunWrite},
        {"info", "", 0, "Reads the radio's information area and prints every field.",
         TransferOptions(), &RunInfo},
        {"ports", "", 0, "Lists the serial ports by number.", {}, &RunPorts},
    };
}

}  // namespace k7x::cli

// korvan7x-cli: the jobs of the desktop program without windows, for scripts and headless use.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/TerminalPrompts.h"

namespace k7x::cli {
namespace {

// Every command of the program, in the order the help lists them.
std::vector<Command> AllCommands() {
    std::vector<Command> all = FileCommands();
    return all;
}

// The folder of the running executable (templates and data files live beside it).
std::string ProgramFolder(const char* argv0) {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::absolute(argv0, ec);
    return exe.parent_path().string();
}

// The data versions this program opens.
VersionTable CliVersionTable() {
    VersionTable table;
    table.CurrentVersion = ProgramVersion;
    table.SoftVersions = {ProgramVersion};
    table.VersionPairs = {{ProgramVersion, ProgramVersion}};
    return table;
}

void ReportNoLaunch(std::ostream& err, const std::string& dataVersion) {
    err << "korvan7x-cli: this program cannot start other program versions; open the file with "
           "the program version that handles data version "
        << dataVersion << ".\n";
}

void WriteHelp(std::ostream& out, const std::vector<Command>& commands) {
    out << "Usage: korvan7x-cli COMMAND [OPTIONS] [ARGUMENTS]\n"
           "       korvan7x-cli COMMAND --help\n\n"
           "Programming tool for the KORVAN 7X transceiver.\n\nCommands:\n";
    for (const Command& c : commands) {
        std::string name = c.name;
        name.resize(std::max<std::size_t>(name.size() + 2, 10), ' ');
        out << "  " << name << c.summary << '\n';
    }
    out << "\nExit status: 0 done, 1 failed (the reason is on stderr), 2 wrong usage.\n";
}

int Run(int argc, char** argv) {
    const std::vector<Command> commands = AllCommands();
    std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        WriteHelp(std::cerr, commands);
        return kExitUsage;
    }
    if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        WriteHelp(std::cout, commands);
        return kExitOk;
    }

    TerminalPrompts prompts;
    CliContext ctx{prompts,           ProgramFolder(argv[0]),
                   CliVersionTable(), [](const std::string& v) { ReportNoLaunch(std::cerr, v); },
                   std::cout,         std::cerr};

    const Command* command = nullptr;
    for (const Command& c : commands) {
        if (c.name == words[0]) command = &c;
    }
    if (!command) return UsageProblem(ctx, "unknown command \"" + words[0] + "\"");

    const std::vector<std::string> rest(words.begin() + 1, words.end());
    for (const std::string& w : rest) {
        if (w == "--help" || w == "-h") {
            std::cout << "Usage: " << CommandUsage(*command);
            return kExitOk;
        }
    }
    std::string problem;
    const std::optional<Arguments> args = ParseArguments(*command, rest, problem);
    if (!args) {
        std::cerr << "Usage: " << CommandUsage(*command);
        return UsageProblem(ctx, problem);
    }
    return command->run(*args, ctx);
}

}  // namespace
}  // namespace k7x::cli

int main(int argc, char** argv) {
    return k7x::cli::Run(argc, argv);
}

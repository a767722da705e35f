// What every korvan7x-cli command is made of: its options, its arguments and what it runs.
// main.cpp collects the commands of each group (file commands, radio commands, ...) in a table.
#pragma once

#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codeplug/CodeplugFile.h"
#include "codeplug/Prompts.h"
#include "codeplug/Versions.h"

namespace k7x::cli {

enum ExitCode : int { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

struct OptionSpec {
    std::string name;   // "-o", "--mode", ...
    std::string value;  // the value's placeholder ("FILE"), empty for a flag
    int help = 0;       // the language text that says what it does
};

// A command line after parsing against a command's options.
struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;  // option name -> value ("" for a flag)

    bool has(const std::string& option) const { return values.contains(option); }
    std::optional<std::string> value(const std::string& option) const {
        auto it = values.find(option);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
};

// What a command gets from the program around it.
struct CliContext {
    Prompts& prompts;
    std::string programFolder;  // the folder of the running executable
    VersionTable versions;
    VersionLauncher launch;
    std::ostream& out;
    std::ostream& err;
    // Where the settings stores are read from.
    std::string setupFile = {};
    std::string settingFile = {};
};

struct Command {
    std::string name;
    std::string arguments;  // positional arguments as shown in the usage, e.g. "FILE.dat"
    std::size_t positionalCount = 0;
    int summary = 0;  // the language text that says what the command does
    std::vector<OptionSpec> options;
    int (*run)(const Arguments&, CliContext&) = nullptr;
};

// Reports a misuse of the command line on stderr, with where to find help; returns kExitUsage.
int UsageProblem(CliContext& ctx, const std::string& problem);
// Reports a failure on stderr; returns kExitFailed.
int Failure(CliContext& ctx, const std::string& problem);

// The usage text of one command: its syntax, what it does and its options.
std::string CommandUsage(const Command& command, const Prompts& texts);

// Parses the words after the command name; nullopt and a message in `problem` on misuse.
std::optional<Arguments> ParseArguments(const Command& command,
                                        const std::vector<std::string>& words, const Prompts& texts,
                                        std::string& problem);

std::vector<Command> FileCommands();
std::vector<Command> ConvertCommands();
std::vector<Command> RadioCommands();
// write, compare and verify; RadioCommands lists them after read.
std::vector<Command> WriteCommands();
std::vector<Command> CsvCommands();
std::vector<Command> ScriptCommands();
std::vector<Command> ReportCommands();

}  // namespace k7x::cli

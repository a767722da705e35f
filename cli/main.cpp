// korvan7x-cli: the jobs of the desktop program without windows, for scripts and headless use.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliTexts.h"
#include "cli/TerminalPrompts.h"
#include "codeplug/CodeplugTexts.h"
#include "shell/AppSettings.h"
#include "shell/LanguageTextSource.h"
#include "shell/StartUp.h"

namespace k7x::cli {
namespace {

// Every command of the program, in the order the help lists them.
std::vector<Command> AllCommands() {
    std::vector<Command> all = FileCommands();
    for (Command& c : ConvertCommands()) all.push_back(std::move(c));
    for (Command& c : RadioCommands()) all.push_back(std::move(c));
    for (Command& c : CsvCommands()) all.push_back(std::move(c));
    for (Command& c : ScriptCommands()) all.push_back(std::move(c));
    for (Command& c : ReportCommands()) all.push_back(std::move(c));
    return all;
}

void WriteHelp(std::ostream& out, const std::vector<Command>& commands, const Prompts& texts) {
    out << Text(texts, kTextUsage, {kProgramName}) << '\n'
        << Text(texts, kTextCommandHelp, {kProgramName}) << "\n\n"
        << texts.text(kTextAbout) << "\n\n"
        << texts.text(kTextCommands) << '\n';
    for (const Command& c : commands) {
        std::string name = c.name;
        name.resize(std::max<std::size_t>(name.size() + 2, 10), ' ');
        out << "  " << name << texts.text(c.summary) << '\n';
    }
    out << '\n' << texts.text(kTextExitStatus) << '\n';
}

int Run(int argc, char** argv) {
    // Folders, language and version table as the desktop program has them; nothing is written.
    AppSettings settings;
    LoadSettingsReadOnly(settings, StartEnvironment::fromProcess());
    const LanguageTextSource texts(settings);
    TerminalPrompts prompts;
    if (texts.available()) prompts.setTextSource([&texts](int n) { return texts.text(n); });

    const std::vector<Command> commands = AllCommands();
    std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        WriteHelp(std::cerr, commands, prompts);
        return kExitUsage;
    }
    if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        WriteHelp(std::cout, commands, prompts);
        return kExitOk;
    }

    const auto launch = [&](const std::string& dataVersion) {
        if (FindProgramForVersion(settings.Versions, dataVersion).empty()) {
            prompts.message(kTextNoProgramVersion, Buttons::Ok);
        } else {
            std::cerr << kProgramName << ": " << Text(prompts, kTextNoLaunch, {dataVersion})
                      << '\n';
        }
    };
    CliContext ctx{prompts,   settings.ProgramFolder, settings.Versions,       launch, std::cout,
                   std::cerr, settings.SetupFilePath, settings.SettingFilePath};

    const Command* command = nullptr;
    for (const Command& c : commands) {
        if (c.name == words[0]) command = &c;
    }
    if (!command) return UsageProblem(ctx, Text(prompts, kTextUnknownCommand, {words[0]}));

    const std::vector<std::string> rest(words.begin() + 1, words.end());
    for (const std::string& w : rest) {
        if (w == "--help" || w == "-h") {
            std::cout << CommandUsage(*command, prompts);
            return kExitOk;
        }
    }
    std::string problem;
    const std::optional<Arguments> args = ParseArguments(*command, rest, prompts, problem);
    if (!args) {
        std::cerr << CommandUsage(*command, prompts);
        return UsageProblem(ctx, problem);
    }
    return command->run(*args, ctx);
}

}  // namespace
}  // namespace k7x::cli

int main(int argc, char** argv) {
    return k7x::cli::Run(argc, argv);
}

#include "cli/CliCommand.h"

#include <algorithm>
#include <ostream>

#include "cli/CliTexts.h"

namespace k7x::cli {

int UsageProblem(CliContext& ctx, const std::string& problem) {
    ctx.err << kProgramName << ": " << problem << '\n'
            << Text(ctx.prompts, kTextHelpHint, {kProgramName}) << '\n';
    return kExitUsage;
}

int Failure(CliContext& ctx, const std::string& problem) {
    ctx.err << kProgramName << ": " << problem << '\n';
    return kExitFailed;
}

namespace {

// "-o FILE", or the name alone for a flag.
std::string OptionText(const OptionSpec& option) {
    return option.value.empty() ? option.name : option.name + " " + option.value;
}

}  // namespace

std::string CommandUsage(const Command& command, const Prompts& texts) {
    std::string syntax = std::string(kProgramName) + " " + command.name;
    for (const OptionSpec& o : command.options) syntax += " [" + OptionText(o) + "]";
    if (!command.arguments.empty()) syntax += " " + command.arguments;
    std::string usage =
        Text(texts, kTextCommandUsage, {syntax}) + "\n  " + texts.text(command.summary) + "\n";
    if (!command.options.empty()) usage += "  " + texts.text(kTextOptions) + "\n";
    // The texts line up after the longest option.
    std::size_t width = 0;
    for (const OptionSpec& o : command.options) width = std::max(width, OptionText(o).size() + 2);
    for (const OptionSpec& o : command.options) {
        std::string left = OptionText(o);
        left.resize(width, ' ');
        usage += "    " + left + texts.text(o.help) + "\n";
    }
    return usage;
}

std::optional<Arguments> ParseArguments(const Command& command,
                                        const std::vector<std::string>& words, const Prompts& texts,
                                        std::string& problem) {
    Arguments args;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            args.positional.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        // "--name=value" or "--name value"
        std::string name = word;
        std::optional<std::string> inlineValue;
        if (const std::size_t eq = word.find('=');
            word.starts_with("--") && eq != std::string::npos) {
            name = word.substr(0, eq);
            inlineValue = word.substr(eq + 1);
        }
        const OptionSpec* known = nullptr;
        for (const OptionSpec& o : command.options) {
            if (o.name == name) known = &o;
        }
        if (!known) {
            problem = Text(texts, kTextUnknownOption, {name, command.name});
            return std::nullopt;
        }
        if (known->value.empty()) {
            if (inlineValue) {
                problem = Text(texts, kTextTakesNoValue, {name});
                return std::nullopt;
            }
            args.values[name] = "";
        } else if (inlineValue) {
            args.values[name] = *inlineValue;
        } else if (i + 1 < words.size()) {
            args.values[name] = words[++i];
        } else {
            problem = Text(texts, kTextNeedsValue, {name, known->value});
            return std::nullopt;
        }
    }
    if (args.positional.size() != command.positionalCount) {
        const std::string given = std::to_string(args.positional.size());
        problem = command.positionalCount == 0
                      ? Text(texts, kTextNoArguments, {command.name, given})
                      : Text(texts, kTextArgumentCount, {command.name, command.arguments, given});
        return std::nullopt;
    }
    return args;
}

}  // namespace k7x::cli

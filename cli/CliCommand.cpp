#include "cli/CliCommand.h"

#include <ostream>

namespace k7x::cli {

int UsageProblem(CliContext& ctx, const std::string& problem) {
    ctx.err << "korvan7x-cli: " << problem << "\n(korvan7x-cli --help lists the commands)\n";
    return kExitUsage;
}

int Failure(CliContext& ctx, const std::string& problem) {
    ctx.err << "korvan7x-cli: " << problem << '\n';
    return kExitFailed;
}

std::string CommandUsage(const Command& command) {
    std::string usage = "korvan7x-cli " + command.name;
    for (const OptionSpec& o : command.options)
        usage += " [" + o.name + (o.value.empty() ? "" : " " + o.value) + "]";
    if (!command.arguments.empty()) usage += " " + command.arguments;
    usage += "\n  " + command.summary + "\n";
    for (const OptionSpec& o : command.options) {
        std::string left = o.name + (o.value.empty() ? "" : " " + o.value);
        left.resize(std::max<std::size_t>(left.size() + 2, 16), ' ');
        usage += "    " + left + o.help + "\n";
    }
    return usage;
}

std::optional<Arguments> ParseArguments(const Command& command,
                                        const std::vector<std::string>& words,
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
            problem = "unknown option " + name + " for " + command.name;
            return std::nullopt;
        }
        if (known->value.empty()) {
            if (inlineValue) {
                problem = "option " + name + " takes no value";
                return std::nullopt;
            }
            args.values[name] = "";
        } else if (inlineValue) {
            args.values[name] = *inlineValue;
        } else if (i + 1 < words.size()) {
            args.values[name] = words[++i];
        } else {
            problem = "option " + name + " needs a value (" + known->value + ")";
            return std::nullopt;
        }
    }
    if (args.positional.size() != command.positionalCount) {
        problem = command.name + " takes " +
                  (command.positionalCount == 0 ? std::string("no arguments") : command.arguments) +
                  ", " + std::to_string(args.positional.size()) + " given";
        return std::nullopt;
    }
    return args;
}

}  // namespace k7x::cli

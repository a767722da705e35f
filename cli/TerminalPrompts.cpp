#include "cli/TerminalPrompts.h"

#include <termios.h>
#include <unistd.h>

#include <array>
#include <cctype>
#include <iostream>
#include <utility>

#include "cli/CliTexts.h"

namespace k7x::cli {
namespace {

struct Choice {
    const char* hint;
    std::array<std::pair<char, Answer>, 3> keys;  // first letter typed -> answer; 0 ends
};

Choice ChoiceOf(Buttons buttons) {
    switch (buttons) {
        case Buttons::OkCancel:
            return {"[o/C]", {{{'o', Answer::Ok}, {'c', Answer::Cancel}, {0, Answer::Cancel}}}};
        case Buttons::YesNo:
            return {"[y/N]", {{{'y', Answer::Yes}, {'n', Answer::No}, {0, Answer::No}}}};
        case Buttons::YesNoCancel:
            return {"[y/n/C]", {{{'y', Answer::Yes}, {'n', Answer::No}, {'c', Answer::Cancel}}}};
        case Buttons::RetryCancel:
            return {"[r/C]", {{{'r', Answer::Retry}, {'c', Answer::Cancel}, {0, Answer::Cancel}}}};
        case Buttons::Ok:
            break;
    }
    return {"", {{{0, Answer::Ok}, {0, Answer::Ok}, {0, Answer::Ok}}}};
}

// Reads a line from the terminal without showing what is typed.
std::optional<std::string> ReadHiddenLine(std::istream& in) {
    termios saved{};
    const bool isTty = ::tcgetattr(STDIN_FILENO, &saved) == 0;
    if (isTty) {
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    std::string line;
    const bool ok = static_cast<bool>(std::getline(in, line));
    if (isTty) ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    if (!ok) return std::nullopt;
    return line;
}

}  // namespace

TerminalPrompts::TerminalPrompts()
    : TerminalPrompts(std::cin, std::cerr, ::isatty(STDIN_FILENO) == 1) {}

TerminalPrompts::TerminalPrompts(std::istream& in, std::ostream& err, bool interactive)
    : in_(in), err_(err), interactive_(interactive) {}

std::string TerminalPrompts::text(int number) const {
    if (source_) {
        std::string t = source_(number);
        if (!t.empty()) return t;
    }
    std::string builtIn = builtIn_.text(number);
    if (!builtIn.empty()) return builtIn;
    // Only a text number unknown to this build gets here; show which one was meant.
    return "(text " + std::to_string(number) + ")";
}

Answer TerminalPrompts::DefaultAnswer(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            return Answer::Ok;
        case Buttons::YesNo:
            return Answer::No;
        case Buttons::OkCancel:
        case Buttons::YesNoCancel:
        case Buttons::RetryCancel:
            return Answer::Cancel;
    }
    return Answer::Cancel;
}

Answer TerminalPrompts::message(const std::string& text, Buttons buttons, Icon /*icon*/,
                                const std::string& title) {
    if (!title.empty()) err_ << title << ": ";
    err_ << text;
    if (buttons == Buttons::Ok) {
        err_ << '\n' << std::flush;
        return Answer::Ok;
    }
    const Choice choice = ChoiceOf(buttons);
    err_ << ' ' << choice.hint << ' ' << std::flush;
    if (!interactive_) {
        const int answer = DefaultAnswer(buttons) == Answer::No ? kTextNoButton : kTextCancelButton;
        err_ << Text(*this, kTextAnsweredWithout, {this->text(answer)}) << '\n' << std::flush;
        return DefaultAnswer(buttons);
    }
    std::string line;
    if (!std::getline(in_, line)) {
        err_ << '\n';
        return DefaultAnswer(buttons);
    }
    const std::size_t first = line.find_first_not_of(" \t");
    const char key = first == std::string::npos
                         ? 0
                         : static_cast<char>(std::tolower(static_cast<unsigned char>(line[first])));
    for (const auto& [letter, answer] : choice.keys) {
        if (letter != 0 && letter == key) return answer;
    }
    return DefaultAnswer(buttons);
}

std::optional<std::string> TerminalPrompts::askPassword() {
    if (!interactive_) return std::nullopt;
    err_ << text(kTextPasswordPrompt) << ' ' << std::flush;
    std::optional<std::string> line = ReadHiddenLine(in_);
    err_ << '\n' << std::flush;
    return line;
}

}  // namespace k7x::cli

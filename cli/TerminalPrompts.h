// Messages and questions of the core operations on the terminal: messages go to stderr,
// questions are answered on the terminal when there is one, otherwise with No or Cancel.
// Every text of the program comes from here: the current language file, else the English
// texts built into the program.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

#include "cli/BuiltInTexts.h"
#include "codeplug/Prompts.h"

namespace k7x::cli {

class TerminalPrompts : public Prompts {
public:
    // Where numbered texts come from (the language file); without one, or when it has no text
    // for a number, the built-in English text is taken.
    using TextSource = std::function<std::string(int number)>;

    TerminalPrompts();
    TerminalPrompts(std::istream& in, std::ostream& err, bool interactive);

    void setTextSource(TextSource source) { source_ = std::move(source); }

    // The single place the CLI's texts come from.
    std::string text(int number) const override;
    Answer message(const std::string& text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                   const std::string& title = {}) override;
    using Prompts::message;
    std::optional<std::string> askPassword() override;

    // The answer given to a question when nobody can be asked.
    static Answer DefaultAnswer(Buttons buttons);

private:
    std::istream& in_;
    std::ostream& err_;
    bool interactive_;
    TextSource source_;
    BuiltInTexts builtIn_;
};

}  // namespace k7x::cli

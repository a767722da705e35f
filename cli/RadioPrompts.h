// The terminal's prompts as a radio transfer on the command line needs them: the password comes
// from a file when one was given, and without a terminal the question whether to try again
// after the radio stopped answering is answered by --retries: OK that many times, then Cancel.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "codeplug/Prompts.h"

namespace k7x::cli {

class RadioPrompts : public Prompts {
public:
    // interactive: questions can be put to the user on the terminal.
    RadioPrompts(Prompts& terminal, std::ostream& err, bool interactive, int retries,
                 std::optional<std::string> password);

    std::string text(int number) const override { return terminal_.text(number); }
    Answer message(const std::string& text, Buttons buttons, Icon icon,
                   const std::string& title) override;
    using Prompts::message;
    Answer ask(Question question, const std::string& text, Buttons buttons, Icon icon) override;
    std::optional<std::string> askPassword() override;

    int retriesLeft() const { return retriesLeft_; }
    // Runs before anything is written to the terminal (the progress bar makes room).
    void setBeforeOutput(std::function<void()> hook) { beforeOutput_ = std::move(hook); }

private:
    Prompts& terminal_;
    std::ostream& err_;
    bool interactive_;
    int retriesLeft_;
    std::optional<std::string> password_;
    std::function<void()> beforeOutput_;
};

}  // namespace k7x::cli

#include "cli/RadioPrompts.h"

#include <utility>

#include "cli/CliTexts.h"

namespace k7x::cli {

RadioPrompts::RadioPrompts(Prompts& terminal, std::ostream& err, bool interactive, int retries,
                           std::optional<std::string> password)
    : terminal_(terminal),
      err_(err),
      interactive_(interactive),
      retriesLeft_(retries),
      password_(std::move(password)) {}

Answer RadioPrompts::message(const std::string& text, Buttons buttons, Icon icon,
                             const std::string& title) {
    if (beforeOutput_) beforeOutput_();
    return terminal_.message(text, buttons, icon, title);
}

Answer RadioPrompts::ask(Question question, const std::string& text, Buttons buttons, Icon icon) {
    if (question != Question::RadioStoppedAnswering || interactive_)
        return message(text, buttons, icon, {});
    if (beforeOutput_) beforeOutput_();

    err_ << text << '\n';
    if (retriesLeft_ > 0) {
        --retriesLeft_;
        err_ << kProgramName << ": "
             << Text(terminal_, kTextTryingAgain, {std::to_string(retriesLeft_)}) << '\n'
             << std::flush;
        return buttons == Buttons::RetryCancel ? Answer::Retry : Answer::Ok;
    }
    err_ << kProgramName << ": " << terminal_.text(kTextGivingUp) << '\n' << std::flush;
    return Answer::Cancel;
}

std::optional<std::string> RadioPrompts::askPassword() {
    if (beforeOutput_) beforeOutput_();
    // A password given up front is the answer; asking again would not change it.
    if (password_) return password_;
    if (interactive_) {
        err_ << terminal_.text(kTextPasswordProtected) << '\n' << std::flush;
        return terminal_.askPassword();
    }
    err_ << kProgramName << ": " << terminal_.text(kTextPasswordNeeded) << '\n' << std::flush;
    return std::nullopt;
}

}  // namespace k7x::cli

// How core operations talk to the user without knowing about windows: the desktop program
// answers with message boxes and dialogs, the CLI with the terminal, tests with a recorder.
#pragma once

#include <optional>
#include <string>

namespace k7x {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Icon { None, Information, Warning, Critical, Question };
enum class Answer { Ok, Cancel, Yes, No, Retry };

// Questions a caller must be able to tell apart whatever their words are in the current
// language (a language file may lack the text, and then every question reads the same).
enum class Question {
    RadioStoppedAnswering,  // the radio stopped answering: try again?
};

class Prompts {
public:
    virtual ~Prompts() = default;

    // The text of the given number in the current language (empty when there is none).
    virtual std::string text(int number) const = 0;

    // Shows a message and waits for the answer. Texts are UTF-8.
    virtual Answer message(const std::string& text, Buttons buttons = Buttons::Ok,
                           Icon icon = Icon::None, const std::string& title = {}) = 0;

    // Puts a question that carries its identity. Most answer it like any message; one that
    // answers questions by themselves (a script's retries) decides on the identity.
    virtual Answer ask(Question /*question*/, const std::string& text, Buttons buttons,
                       Icon icon = Icon::None) {
        return message(text, buttons, icon);
    }

    // Asks for the radio password; nullopt when the user cancels.
    virtual std::optional<std::string> askPassword() = 0;

    // Shows the language text of a number.
    Answer message(int number, Buttons buttons = Buttons::Ok, Icon icon = Icon::None) {
        return message(text(number), buttons, icon);
    }
};

}  // namespace k7x

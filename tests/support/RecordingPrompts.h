// A Prompts implementation for tests: records every message and answers from a script.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "codeplug/Prompts.h"

namespace k7x::test {

class RecordingPrompts : public Prompts {
public:
    struct Shown {
        std::string text;
        Buttons buttons;
        Icon icon;
    };

    // Text n reads "<n>", so a test can tell which numbered text was shown.
    std::string text(int number) const override { return "<" + std::to_string(number) + ">"; }

    Answer message(const std::string& text, Buttons buttons, Icon icon,
                   const std::string& /*title*/) override {
        shown.push_back({text, buttons, icon});
        if (!answers.empty()) {
            Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        return defaultAnswer(buttons);
    }

    Answer ask(Question question, const std::string& text, Buttons buttons, Icon icon) override {
        questions.push_back({question, shown.size()});
        return message(text, buttons, icon, {});
    }

    std::optional<std::string> askPassword() override {
        ++passwordRequests;
        if (passwords.empty()) return std::nullopt;
        std::optional<std::string> p = passwords.front();
        passwords.pop_front();
        return p;
    }

    // The texts shown, in order.
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const Shown& s : shown) out.push_back(s.text);
        return out;
    }

    std::vector<Shown> shown;
    // The questions put with an identity, each with its index in shown.
    struct Asked {
        Question question;
        std::size_t shownIndex;
    };
    std::vector<Asked> questions;
    std::deque<Answer> answers;  // answers in order; afterwards the first button
    std::deque<std::optional<std::string>> passwords;
    int passwordRequests = 0;

private:
    static Answer defaultAnswer(Buttons b) {
        switch (b) {
            case Buttons::YesNo:
            case Buttons::YesNoCancel:
                return Answer::Yes;
            case Buttons::RetryCancel:
                return Answer::Retry;
            default:
                return Answer::Ok;
        }
    }
};

}  // namespace k7x::test

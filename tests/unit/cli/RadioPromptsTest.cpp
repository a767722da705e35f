// The command line answers the try-again question by itself, and only that question: it is
// recognised by its identity, so a language file without texts changes nothing.
#include <gtest/gtest.h>

#include <sstream>

#include "RecordingPrompts.h"
#include "cli/RadioPrompts.h"

namespace k7x::cli {
namespace {

// A terminal whose language file holds no texts: every question reads the same empty text.
struct TextlessTerminal : test::RecordingPrompts {
    std::string text(int) const override { return {}; }
};

TEST(RadioPrompts, RetriesOnlyAtTheTryAgainQuestionEvenWithoutTexts) {
    struct Case {
        const char* name;
        bool interactive;
        int retries;
        Buttons buttons;
        std::vector<Answer> expected;   // three try-again questions in a row
        std::size_t terminalQuestions;  // how many reached the terminal
    };
    const std::vector<Case> cases = {
        {"script, two retries",
         false,
         2,
         Buttons::OkCancel,
         {Answer::Ok, Answer::Ok, Answer::Cancel},
         0},
        {"script, retry buttons",
         false,
         1,
         Buttons::RetryCancel,
         {Answer::Retry, Answer::Cancel, Answer::Cancel},
         0},
        {"terminal asks the user",
         true,
         2,
         Buttons::OkCancel,
         {Answer::Cancel, Answer::Cancel, Answer::Cancel},
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextlessTerminal terminal;
        terminal.answers = {Answer::Cancel, Answer::Cancel, Answer::Cancel};
        std::ostringstream err;
        RadioPrompts radio(terminal, err, c.interactive, c.retries, std::nullopt);
        Prompts& prompts = radio;  // as the transfer engine sees it
        for (Answer want : c.expected)
            EXPECT_EQ(prompts.ask(Question::RadioStoppedAnswering, prompts.text(9008), c.buttons),
                      want);
        EXPECT_EQ(terminal.shown.size(), c.terminalQuestions);
    }
}

TEST(RadioPrompts, AnyOtherQuestionGoesToTheTerminalUnanswered) {
    TextlessTerminal terminal;
    terminal.answers = {Answer::Cancel, Answer::Cancel};
    std::ostringstream err;
    RadioPrompts radio(terminal, err, false, 5, std::nullopt);
    Prompts& prompts = radio;
    // Its text is the same empty text the try-again question has in this language file.
    EXPECT_EQ(prompts.message(prompts.text(9005), Buttons::OkCancel), Answer::Cancel);
    EXPECT_EQ(prompts.message(prompts.text(9008), Buttons::RetryCancel), Answer::Cancel);
    EXPECT_EQ(terminal.shown.size(), 2u);
    EXPECT_EQ(radio.retriesLeft(), 5);
}

}  // namespace
}  // namespace k7x::cli

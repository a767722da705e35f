// The try-again question travels with its identity, so a script's prompts can recognise it
// whatever its words; no other message claims to be it.
#include <gtest/gtest.h>

#include "LinkHarness.h"

namespace k7x {
namespace {

using test::LinkHarness;
using test::RadioAction;

TEST(TransferQuestions, OnlyTheTryAgainQuestionCarriesItsIdentity) {
    for (Operation operation :
         {Operation::ImageRead, Operation::ImageWrite, Operation::InformationRead}) {
        SCOPED_TRACE(static_cast<int>(operation));
        LinkHarness h;
        h.radio.hook = [](const ParsedRequest&, int) { return RadioAction::Silent(); };
        h.prompts.answers = {Answer::Ok, Answer::Cancel, Answer::Cancel};
        h.engine.start(operation);
        h.run();

        ASSERT_EQ(h.prompts.questions.size(), 1u);
        const auto& asked = h.prompts.questions.front();
        EXPECT_EQ(asked.question, Question::RadioStoppedAnswering);
        EXPECT_EQ(h.prompts.shown.at(asked.shownIndex).text, "<9031>\n<9035>");
        EXPECT_FALSE(h.outcome().completed);
    }
}

}  // namespace
}  // namespace k7x

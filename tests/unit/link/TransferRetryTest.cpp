// A radio that stops answering, answers late or keeps asking for a block again.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "LinkHarness.h"

namespace k7x {
namespace {

using test::LinkHarness;
using test::PatternImage;
using test::RadioAction;
using Texts = std::vector<std::string>;

const RadioAction kSilent = RadioAction::Silent();

TEST(TransferRetry, SilentRadioGetsFourAlternatingHandshakesThenTheQuestion) {
    LinkHarness h;
    h.radio.hook = [](const ParsedRequest&, int) { return kSilent; };
    h.prompts.answers = {Answer::Ok, Answer::Cancel};
    h.doc.MemImage.fill(0x55);
    const CodeplugDocument before = h.doc.WorkDoc;
    h.engine.start(Operation::ImageRead);
    h.run();

    ASSERT_EQ(h.sent.size(), 5u);  // four handshakes and the END of the failure
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(h.sent[i].time, 150 * i);
        EXPECT_EQ(h.sent[i].threshold, i % 2 == 0 ? 10u : 3u);  // echo, none, echo, none
    }
    EXPECT_EQ(h.radio.requests.back().kind, RequestKind::End);
    EXPECT_EQ(h.prompts.texts(), (Texts{"<9004>", "<9031>\n<9035>"}));
    EXPECT_EQ(h.prompts.shown[1].buttons, Buttons::OkCancel);
    EXPECT_EQ(h.outcome().reason, FailureReason::NoAnswer);
    EXPECT_FALSE(h.port.isOpen());
    EXPECT_EQ(h.progress.closed, 1);
    EXPECT_EQ(h.doc.WorkDoc, before);
    EXPECT_EQ(h.doc.MemImage, MemoryImage{});  // no stale image survives a failed read
    EXPECT_TRUE(h.listener.unpackedAt.empty());
}

TEST(TransferRetry, StalledBlockIsSentFourTimesThenTheImageStartsOverWithOneAttemptLeft) {
    LinkHarness h;
    h.radio.image = PatternImage();
    int stalls = 0;
    h.radio.hook = [&](const ParsedRequest& r, int) -> std::optional<RadioAction> {
        if (r.kind == RequestKind::ReadBlock && r.address == 0x0100 && ++stalls <= 5)
            return kSilent;
        return std::nullopt;
    };
    h.engine.start(Operation::ImageRead);  // every question answered OK
    h.run();

    EXPECT_EQ(h.count(RequestKind::ReadBlock, 0x0100), 6);  // 4, then 1, then 1 answered
    EXPECT_EQ(h.count(RequestKind::ReadBlock, 0x0000), 3);  // the whole image each time
    EXPECT_EQ(h.count(RequestKind::ReadBlock, 0x3E10), 3);
    EXPECT_EQ(h.prompts.texts(), (Texts{"<9004>", "<9033>\n<9035>", "<9033>\n<9035>", "<9009>"}));
    EXPECT_TRUE(h.outcome().completed);
    EXPECT_EQ(h.doc.MemImage, h.radio.image);
    // The bar went back to 0 at each restart.
    EXPECT_EQ(std::count(h.progress.values.begin(), h.progress.values.end(), 0), 2);
}

TEST(TransferRetry, InformationBlockIsSentThreeTimesThenTheQuestion) {
    LinkHarness h;
    h.radio.hook = [](const ParsedRequest& r, int) -> std::optional<RadioAction> {
        if (r.kind == RequestKind::ReadBlock) return kSilent;
        return std::nullopt;
    };
    h.prompts.answers = {Answer::Ok, Answer::Cancel};
    h.engine.start(Operation::ImageWrite);
    h.run();
    EXPECT_EQ(h.count(RequestKind::ReadBlock, 0x3E10), 3);
    EXPECT_EQ(h.count(RequestKind::WriteBlock), 0);
    EXPECT_EQ(h.prompts.texts(), (Texts{"<9005>", "<9032>\n<9035>"}));
    EXPECT_EQ(h.radio.requests.back().kind, RequestKind::End);

    // After a restart the information block has its three attempts again.
    LinkHarness again;
    int silent = 0;
    again.radio.hook = [&](const ParsedRequest& r, int) -> std::optional<RadioAction> {
        if (r.kind == RequestKind::ReadBlock && r.address == 0x3E10 && ++silent <= 4)
            return kSilent;
        return std::nullopt;
    };
    again.engine.start(Operation::ImageWrite);
    again.run();
    EXPECT_EQ(again.count(RequestKind::ReadBlock, 0x3E10), 5);
    EXPECT_EQ(again.prompts.texts(), (Texts{"<9005>", "<9032>\n<9035>", "<9010>"}));
}

TEST(TransferRetry, ResendRequestsUseNoRetryBudgetButCannotHoldTheTransferForever) {
    LinkHarness h;
    int asked = 0;
    h.radio.hook = [&](const ParsedRequest& r, int) -> std::optional<RadioAction> {
        if (r.kind == RequestKind::WriteBlock && r.address == 0x0200 && ++asked <= 5)
            return RadioAction::Answer({kResend});
        return std::nullopt;
    };
    h.engine.start(Operation::ImageWrite);
    h.run();
    EXPECT_EQ(h.count(RequestKind::WriteBlock, 0x0200), 6);
    EXPECT_EQ(h.prompts.texts(), (Texts{"<9005>", "<9010>"}));

    // A radio that asks for ever: 8 resends per attempt, four attempts, then the question.
    LinkHarness stuck;
    stuck.radio.hook = [](const ParsedRequest& r, int) -> std::optional<RadioAction> {
        if (r.kind == RequestKind::WriteBlock && r.address == 0x0200)
            return RadioAction::Answer({kResend});
        return std::nullopt;
    };
    stuck.prompts.answers = {Answer::Ok, Answer::Cancel};
    stuck.engine.start(Operation::ImageWrite);
    stuck.run();
    EXPECT_EQ(stuck.count(RequestKind::WriteBlock, 0x0200), 36);
    EXPECT_EQ(stuck.prompts.texts(), (Texts{"<9005>", "<9034>\n<9035>"}));
    EXPECT_EQ(stuck.outcome().reason, FailureReason::NoAnswer);
}

TEST(TransferRetry, UnansweredEndStillCompletes) {
    // END dropped entirely, or answered with a resend request that fits no step.
    for (std::optional<RadioAction> endAnswer :
         {std::optional(kSilent), std::optional(RadioAction::Answer({kResend}))}) {
        for (Operation op :
             {Operation::ImageRead, Operation::ImageWrite, Operation::InformationRead}) {
            LinkHarness h;
            h.radio.hook = [&](const ParsedRequest& r, int) -> std::optional<RadioAction> {
                if (r.kind == RequestKind::End) return endAnswer;
                return std::nullopt;
            };
            h.engine.start(op, false);
            h.run();
            ASSERT_EQ(h.listener.outcomes.size(), 1u);
            EXPECT_TRUE(h.outcome().completed);
            EXPECT_EQ(h.listener.finishedAt[0] - h.sent.back().time, 150);
            if (op == Operation::InformationRead) {
                EXPECT_EQ(h.listener.infoShown, 1);
            } else {
                EXPECT_EQ(h.prompts.texts(),
                          Texts{op == Operation::ImageRead ? "<9009>" : "<9010>"});
            }
        }
    }
}

TEST(TransferRetry, InformationReadRetryStartsOverWithoutNewHandshakeBudget) {
    LinkHarness h;
    h.radio.hook = [](const ParsedRequest&, int) { return kSilent; };
    h.prompts.answers = {Answer::Retry, Answer::Cancel};
    h.engine.start(Operation::InformationRead);
    h.run();
    EXPECT_EQ(h.count(RequestKind::Handshake), 5);
    EXPECT_EQ(h.prompts.texts(), (Texts{"<9031>\n<9035>", "<9031>\n<9035>"}));
    EXPECT_EQ(h.prompts.shown[0].buttons, Buttons::RetryCancel);
    EXPECT_EQ(h.outcome().reason, FailureReason::NoAnswer);
    EXPECT_EQ(h.listener.infoShown, 0);

    // A radio that falls silent in the middle: the area is read again from its first block.
    LinkHarness late;
    bool stalled = false;
    late.radio.hook = [&](const ParsedRequest& r, int) -> std::optional<RadioAction> {
        if (r.kind == RequestKind::ReadBlock && r.address == 0x3E80 && !stalled) {
            stalled = true;
            return kSilent;
        }
        return std::nullopt;
    };
    late.engine.start(Operation::InformationRead);
    late.run();
    EXPECT_TRUE(late.outcome().completed);
    EXPECT_EQ(late.count(RequestKind::ReadBlock, 0x3E00), 2);
    EXPECT_EQ(late.count(RequestKind::ReadBlock), 16 + 9);
}

TEST(TransferRetry, LateAnswersNeverLandInTheWrongBlock) {
    LinkHarness h;
    h.radio.image = PatternImage();
    std::set<int> answered;
    // Every tenth block answers after 200 ms, past the reply timer, the first time.
    h.radio.hook = [&](const ParsedRequest& r, int) -> std::optional<RadioAction> {
        if (r.kind == RequestKind::ReadBlock && r.address % 0xA0 == 0x50 &&
            answered.insert(r.address).second)
            return RadioAction::Late(200);
        return std::nullopt;
    };
    h.engine.start(Operation::ImageRead);
    h.run();
    EXPECT_TRUE(h.outcome().completed);
    EXPECT_EQ(h.doc.MemImage, h.radio.image);
}

// The question and the failure say where the radio stopped, and so what usually helps.
TEST(TransferRetry, TheQuestionAndTheFailureSayWhereTheRadioStopped) {
    const int block37 = 36 * static_cast<int>(kBlockSize);
    std::vector<Byte> damaged = BuildBlockReply(block37, std::array<Byte, kBlockSize>{});
    damaged[block_frame::kChecksum.offset] ^= 0xFF;
    const RadioAction silent = RadioAction::Silent();
    struct Case {
        Operation operation;
        RequestKind kind;  // every request of this kind (at this address, unless -1) gets `action`
        int address;
        RadioAction action;
        std::string findings;  // what the port check reports
        std::string stall;     // text number and fills of what the user reads before "Try again?"
    };
    const std::vector<Case> cases = {
        {Operation::ImageRead, RequestKind::Handshake, -1, silent, "", "<9031:%1|%2>"},
        {Operation::ImageWrite, RequestKind::Handshake, -1, silent, "held",
         "<9031:%1|%2>\n<9036:%1|%2>\nheld"},
        {Operation::ImageRead, RequestKind::Identify, -1, silent, "", "<9032:%1|%2>"},
        {Operation::ImageRead, RequestKind::ReadBlock, block37, silent, "", "<9033:37|464>"},
        {Operation::InformationRead, RequestKind::ReadBlock, 0x3E80, silent, "", "<9033:9|16>"},
        {Operation::ImageWrite, RequestKind::WriteBlock, block37, RadioAction::Answer({kResend}),
         "", "<9034:37|464>"},
        {Operation::ImageRead, RequestKind::ReadBlock, block37, RadioAction::Answer(damaged), "",
         "<9034:37|464>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stall);
        LinkHarness h;
        h.prompts.textOf = [](int n) { return "<" + std::to_string(n) + ":%1|%2>"; };
        h.radio.hook = [&c](const ParsedRequest& r, int) -> std::optional<RadioAction> {
            if (r.kind == c.kind && (c.address < 0 || r.address == c.address)) return c.action;
            return std::nullopt;
        };
        h.portFindings = c.findings;
        h.prompts.answers = {Answer::Cancel};
        h.engine.start(c.operation, false);
        h.run();
        ASSERT_EQ(h.prompts.questions.size(), 1u);
        EXPECT_EQ(h.prompts.shown[h.prompts.questions[0].shownIndex].text,
                  c.stall + "\n<9035:%1|%2>");
        EXPECT_EQ(h.outcome().message, c.stall);
    }
}

}  // namespace
}  // namespace k7x

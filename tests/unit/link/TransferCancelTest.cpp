// Stopping a transfer for the user at every phase: the radio is told END whenever it may be in
// programming mode, between exchanges and never across one, the wait is bounded, the port
// closes, and the document stays as it was.
#include <gtest/gtest.h>

#include "LinkHarness.h"

namespace k7x {
namespace {

using test::LinkHarness;
using test::PatternImage;
using test::RadioAction;
using Texts = std::vector<std::string>;

const std::vector<Byte> kEnd(kEndBytes.begin(), kEndBytes.end());
// The answer to the request in hand, then the answer to END.
constexpr long kLongestStop = 2 * kWaitTimerMs;

bool Ended(const LinkHarness& h) {
    return !h.listener.outcomes.empty();
}

// What every cancelled transfer leaves behind, checked the moment it has ended.
void ExpectCancelled(const LinkHarness& h, Operation operation) {
    ASSERT_EQ(h.listener.outcomes.size(), 1u);
    EXPECT_EQ(h.outcome().operation, operation);
    EXPECT_FALSE(h.outcome().completed);
    EXPECT_EQ(h.outcome().reason, FailureReason::Cancelled);
    EXPECT_TRUE(h.outcome().message.empty());
    EXPECT_FALSE(h.port.isOpen());
    EXPECT_FALSE(h.engine.isBusy());
    EXPECT_TRUE(h.due.empty()) << "a timer still armed";
    EXPECT_EQ(h.progress.closed, h.progress.shown);
    EXPECT_TRUE(h.listener.unpackedAt.empty());
    EXPECT_EQ(h.listener.infoShown, 0);
}

TEST(TransferCancel, WithNothingRunningChangesNothing) {
    LinkHarness h;
    EXPECT_FALSE(h.engine.cancel());
    h.engine.start(Operation::InformationRead);
    h.run();
    ASSERT_TRUE(h.outcome().completed);
    const std::size_t sent = h.sent.size();
    EXPECT_FALSE(h.engine.cancel());
    h.run();
    EXPECT_EQ(h.sent.size(), sent);
    EXPECT_EQ(h.listener.outcomes.size(), 1u);
    EXPECT_EQ(h.listener.infoShown, 1);
}

// A radio on a plain cable answers the first handshake, but the program, still expecting an
// echo, waits for more bytes: the radio is in programming mode all the same.
TEST(TransferCancel, BeforeTheHandshakeIsAcceptedTheRadioIsStillToldEnd) {
    LinkHarness h;
    h.doc.MemImage.fill(0x55);
    const CodeplugDocument before = h.doc.WorkDoc;
    h.engine.start(Operation::ImageRead);
    h.runTo(20);
    ASSERT_EQ(h.engine.state().step, link_step::kHandshake);
    EXPECT_TRUE(h.engine.cancel());
    ASSERT_TRUE(h.runUntil([&] { return Ended(h); }));

    ExpectCancelled(h, Operation::ImageRead);
    ASSERT_EQ(h.radio.requests.size(), 2u);
    EXPECT_EQ(h.radio.requests[1].kind, RequestKind::End);
    // After the handshake's reply time, not instead of a second handshake.
    EXPECT_EQ(h.sent[1].time, kWaitTimerMs);
    // END still expects an echo, so its plain answer is not taken: its reply time ends it.
    EXPECT_EQ(h.listener.finishedAt[0], kLongestStop);
    EXPECT_EQ(h.prompts.texts(), Texts{"<9004>"});
    EXPECT_EQ(h.doc.WorkDoc, before);
    EXPECT_EQ(h.doc.MemImage, MemoryImage{});
}

// Cancelled while a read block is on its way, on either kind of cable: END follows the answer
// to it. Afterwards the radio serves the next read as usual.
TEST(TransferCancel, MidReadSendsEndOnceTheBlockInHandIsAnswered) {
    for (bool echo : {false, true}) {
        SCOPED_TRACE(echo);
        LinkHarness h;
        h.radio.echo = echo;
        h.radio.image = PatternImage();
        const CodeplugDocument before = h.doc.WorkDoc;
        h.engine.start(Operation::ImageRead);
        ASSERT_TRUE(h.runUntil([&] { return h.count(RequestKind::ReadBlock, 0x0400) == 1; }));
        const long at = h.now;
        const int reads = h.count(RequestKind::ReadBlock);
        EXPECT_TRUE(h.engine.cancel());
        EXPECT_EQ(h.sent.back().bytes, ReadBlockRequest(0x0400).bytes) << "not cut short";

        ASSERT_TRUE(h.runUntil([&] { return h.count(RequestKind::End) == 1; }));
        // The block's 22 bytes (and their echo) came in first; then END, expecting its echo
        // when there is one.
        EXPECT_EQ(h.sent.back().time, at + 2 + 22 + (echo ? 4 : 0));
        EXPECT_TRUE(h.sent.back().cleared);
        EXPECT_EQ(h.sent.back().threshold, echo ? 4u : 1u);
        ASSERT_TRUE(h.runUntil([&] { return Ended(h); }));
        ExpectCancelled(h, Operation::ImageRead);
        EXPECT_LT(h.listener.finishedAt[0] - at, kLongestStop);
        h.run();
        EXPECT_EQ(h.count(RequestKind::ReadBlock), reads);
        EXPECT_EQ(h.count(RequestKind::End), 1);
        EXPECT_EQ(h.prompts.texts(), Texts{"<9004>"});
        EXPECT_EQ(h.doc.WorkDoc, before);
        EXPECT_EQ(h.doc.MemImage, MemoryImage{}) << "no half image survives";

        EXPECT_TRUE(h.engine.start(Operation::ImageRead));
        h.run();
        EXPECT_TRUE(h.outcome().completed);
        EXPECT_EQ(h.doc.MemImage, h.radio.image);
    }
}

TEST(TransferCancel, MidWriteSaysTheRadioHoldsPartOfTheData) {
    LinkHarness h;
    const CodeplugDocument before = h.doc.WorkDoc;
    bool blockOut = false;
    h.radio.hook = [&](const ParsedRequest& r, int) -> std::optional<RadioAction> {
        blockOut = blockOut || (r.kind == RequestKind::WriteBlock && r.address == 0x0200);
        return std::nullopt;
    };
    h.engine.start(Operation::ImageWrite);
    ASSERT_TRUE(h.runUntil([&] { return blockOut; }));
    EXPECT_TRUE(h.engine.cancel());
    EXPECT_EQ(h.count(RequestKind::End), 0) << "the write block in flight is not cut short";
    h.run();
    ExpectCancelled(h, Operation::ImageWrite);
    EXPECT_TRUE(h.outcome().radioPartlyWritten);
    EXPECT_EQ(h.count(RequestKind::WriteBlock), 0x0200 / 16 + 1);
    EXPECT_EQ(h.radio.requests.back().kind, RequestKind::End);
    EXPECT_EQ(h.prompts.texts(), Texts{"<9005>"});
    EXPECT_EQ(h.doc.WorkDoc, before);

    // Stopped before the first block: the radio is as it was.
    LinkHarness early;
    early.engine.start(Operation::ImageWrite);
    ASSERT_TRUE(early.runUntil([&] { return early.count(RequestKind::Identify) == 1; }));
    early.engine.cancel();
    early.run();
    ExpectCancelled(early, Operation::ImageWrite);
    EXPECT_FALSE(early.outcome().radioPartlyWritten);
    EXPECT_EQ(early.count(RequestKind::WriteBlock), 0);
    EXPECT_EQ(early.radio.requests.back().kind, RequestKind::End);
}

TEST(TransferCancel, WriteWaitingToStartEndsWithoutTouchingThePort) {
    LinkHarness h;
    ASSERT_TRUE(h.engine.start(Operation::ImageWrite));
    EXPECT_TRUE(h.engine.cancel());
    ExpectCancelled(h, Operation::ImageWrite);
    h.run();
    EXPECT_TRUE(h.sent.empty());
    EXPECT_TRUE(h.prompts.shown.empty()) << "no confirmation after the cancel";
    EXPECT_EQ(h.listener.outcomes.size(), 1u);
}

TEST(TransferCancel, InformationReadLeavesTheRecordAlone) {
    LinkHarness h;
    h.radio.info.fill('x');
    const RadioInfoRecord before = h.doc.RadioInfo;
    h.engine.start(Operation::InformationRead);
    ASSERT_TRUE(h.runUntil([&] { return h.count(RequestKind::ReadBlock) == 5; }));
    EXPECT_TRUE(h.engine.cancel());
    h.run();
    ExpectCancelled(h, Operation::InformationRead);
    EXPECT_EQ(h.sent.back().bytes, kEnd);
    EXPECT_EQ(h.count(RequestKind::ReadBlock), 5);
    EXPECT_EQ(h.doc.RadioInfo, before);
    EXPECT_TRUE(h.prompts.shown.empty());
}

// The read has ended and its image waits 500 ms to become the document.
TEST(TransferCancel, DuringTheWaitBeforeUnpackingTheDocumentStaysAsItWas) {
    LinkHarness h;
    h.radio.image = PatternImage();
    const CodeplugDocument before = h.doc.WorkDoc;
    const std::string path = h.doc.CurrentFilePath;
    h.engine.start(Operation::ImageRead);
    ASSERT_TRUE(h.runUntil([&] { return Ended(h); }));
    ASSERT_TRUE(h.outcome().completed);
    ASSERT_TRUE(h.engine.isBusy());
    h.runTo(h.listener.finishedAt[0] + 300);

    EXPECT_TRUE(h.engine.cancel());
    EXPECT_EQ(h.listener.unpackedOk, std::vector<bool>{false});
    EXPECT_FALSE(h.engine.isBusy());
    EXPECT_TRUE(h.due.empty());
    h.run();
    EXPECT_EQ(h.listener.unpackedOk.size(), 1u);
    EXPECT_EQ(h.doc.WorkDoc, before);
    EXPECT_EQ(h.doc.CurrentFilePath, path);
    EXPECT_EQ(h.doc.MemImage, MemoryImage{});
    EXPECT_EQ(h.listener.outcomes.size(), 1u);
}

// At the last step END is out already: it is not sent again, and the transfer does not count
// as completed even though every block arrived.
TEST(TransferCancel, AtTheLastStepWaitsForTheEndAlreadySent) {
    LinkHarness h;
    h.radio.hook = [](const ParsedRequest& r, int) -> std::optional<RadioAction> {
        if (r.kind == RequestKind::End) return RadioAction::Silent();
        return std::nullopt;
    };
    h.engine.start(Operation::ImageRead);
    ASSERT_TRUE(h.runUntil([&] { return h.count(RequestKind::End) == 1; }));
    const long endSent = h.sent.back().time;
    h.runTo(endSent + 100);
    EXPECT_TRUE(h.engine.cancel());
    ASSERT_TRUE(h.runUntil([&] { return Ended(h); }));
    ExpectCancelled(h, Operation::ImageRead);
    EXPECT_EQ(h.listener.finishedAt[0], endSent + kWaitTimerMs);
    EXPECT_EQ(h.count(RequestKind::End), 1);
    EXPECT_EQ(h.prompts.texts(), Texts{"<9004>"}) << "no completion message";
    EXPECT_EQ(h.doc.MemImage, MemoryImage{});
}

// Neither a radio that does not answer nor one that does not answer END holds the end up more
// than a reply time each. Asking again ends it at once, END still sent; a port that goes ends it
// at once too.
TEST(TransferCancel, TheWaitIsBounded) {
    struct Case {
        const char* name;
        long secondAt;  // when the user asks again or the port goes, after the read went out
        bool portLost;
        long endedAt;
        int ends;
    };
    const std::vector<Case> cases = {
        {"waits", 0, false, 2 * kWaitTimerMs, 1},
        {"asked again before END", 50, false, 50, 1},
        {"asked again after END", kWaitTimerMs + 50, false, kWaitTimerMs + 50, 1},
        {"port lost", 50, true, 50, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinkHarness h;
        h.radio.hook = [](const ParsedRequest& r, int) -> std::optional<RadioAction> {
            if (r.kind == RequestKind::End || r.address == 0x0020) return RadioAction::Silent();
            return std::nullopt;
        };
        h.engine.start(Operation::ImageRead);
        ASSERT_TRUE(h.runUntil([&] { return h.count(RequestKind::ReadBlock, 0x0020) == 1; }));
        const long sent = h.now;
        h.runTo(sent + 10);
        EXPECT_TRUE(h.engine.cancel());
        if (c.secondAt > 0) {
            h.runTo(sent + c.secondAt);
            ASSERT_FALSE(Ended(h));
            if (c.portLost) {
                h.open_ = false;
                h.engine.onPortLost("/dev/ttyUSB0 is gone");
            } else {
                EXPECT_TRUE(h.engine.cancel());
            }
        }
        ASSERT_TRUE(h.runUntil([&] { return Ended(h); }));
        ExpectCancelled(h, Operation::ImageRead);
        EXPECT_EQ(h.listener.finishedAt[0], sent + c.endedAt);
        EXPECT_EQ(h.count(RequestKind::End), c.ends);
        EXPECT_EQ(h.prompts.texts(), Texts{"<9004>"}) << "no port message after a cancel";
    }
}

// A desktop may cancel from inside a message box or the password dialog, whose event loops
// deliver it. Whatever the user then answers, nothing more is asked or sent but END.
TEST(TransferCancel, FromInsideAPromptTakesEffectWhenItCloses) {
    struct Case {
        const char* name;
        Operation operation;
        Answer answer;
        bool radioSilent;
        bool password;
        Texts texts;
        int ends;
    };
    const std::vector<Case> cases = {
        {"restart question, OK",
         Operation::ImageRead,
         Answer::Ok,
         true,
         false,
         {"<9004>", "<9031>\n<9035>"},
         1},
        {"restart question, Cancel",
         Operation::ImageWrite,
         Answer::Cancel,
         true,
         false,
         {"<9005>", "<9031>\n<9035>"},
         1},
        {"retry question, Retry",
         Operation::InformationRead,
         Answer::Retry,
         true,
         false,
         {"<9031>\n<9035>"},
         1},
        {"password dialog", Operation::ImageRead, Answer::Ok, false, true, {"<9004>"}, 1},
        // Nothing has gone out yet: the radio hears nothing at all.
        {"confirmation, OK", Operation::ImageRead, Answer::Ok, false, false, {"<9004>"}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinkHarness h;
        if (c.radioSilent)
            h.radio.hook = [](const ParsedRequest&, int) { return RadioAction::Silent(); };
        h.prompts.answers = {c.answer};
        if (c.texts.size() == 2) h.prompts.answers.push_front(Answer::Ok);  // the confirmation
        std::size_t sentBefore = 0;
        auto cancelNow = [&] {
            sentBefore = h.sent.size();
            EXPECT_TRUE(h.engine.cancel());
        };
        h.prompts.during = [&](const std::string& text) {
            if (text == c.texts.back() && !c.password) cancelNow();
        };
        if (c.password) {
            h.radio.setPassword({'p', 'w'});
            h.prompts.passwords = {"pw"};  // the right one
            h.prompts.duringPassword = cancelNow;
        }
        h.engine.start(c.operation);
        h.run();
        ExpectCancelled(h, c.operation);
        EXPECT_EQ(h.prompts.texts(), c.texts);
        // After the cancel only END went out, once, or nothing when nothing had.
        ASSERT_EQ(h.sent.size(), sentBefore + c.ends);
        if (c.ends > 0) {
            EXPECT_EQ(h.sent.back().bytes, kEnd);
        }
        EXPECT_EQ(h.count(RequestKind::End), c.ends);
    }
}

}  // namespace
}  // namespace k7x

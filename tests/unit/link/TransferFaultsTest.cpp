// Starts that must be refused, ports that fail or vanish, and events arriving while the user
// is being asked something.
#include <gtest/gtest.h>

#include "LinkHarness.h"

namespace k7x {
namespace {

using test::LinkHarness;
using test::PatternImage;
using test::RadioAction;
using Texts = std::vector<std::string>;

TEST(TransferFaults, SecondStartIsRefusedAndTheRunningTransferGoesOn) {
    LinkHarness h;
    h.radio.image = PatternImage();
    std::vector<bool> accepted;
    h.radio.hook = [&](const ParsedRequest& r, int) -> std::optional<RadioAction> {
        if (r.kind == RequestKind::ReadBlock && r.address == 0x3E40) {
            for (Operation op :
                 {Operation::ImageRead, Operation::ImageWrite, Operation::InformationRead})
                accepted.push_back(h.engine.start(op));
        }
        return std::nullopt;
    };
    h.engine.start(Operation::InformationRead);
    h.run();
    EXPECT_EQ(accepted, std::vector<bool>(3, false));
    ASSERT_EQ(h.listener.outcomes.size(), 1u);
    EXPECT_TRUE(h.outcome().completed);
    EXPECT_EQ(h.engine.informationArea(), h.radio.info);

    // Also refused: while a write waits to start, and while a read waits to be unpacked.
    EXPECT_TRUE(h.engine.start(Operation::ImageWrite, false));
    EXPECT_FALSE(h.engine.start(Operation::ImageRead));
    h.run();
    EXPECT_TRUE(h.engine.start(Operation::ImageRead, false));
    while (h.listener.outcomes.size() < 3 && h.step()) {
    }
    EXPECT_FALSE(h.engine.start(Operation::InformationRead));
    h.run();
    EXPECT_EQ(h.listener.outcomes.size(), 3u);
    EXPECT_EQ(h.listener.unpackedAt.back(), h.listener.finishedAt.back() + 500);
    EXPECT_EQ(h.doc.MemImage, h.radio.image);
}

TEST(TransferFaults, PortThatCannotBeOpenedSaysWhy) {
    for (Operation op : {Operation::ImageRead, Operation::ImageWrite, Operation::InformationRead}) {
        LinkHarness h;
        h.openError = "/dev/ttyUSB0: permission denied";
        h.doc.MemImage.fill(0x33);
        EXPECT_TRUE(h.engine.start(op));
        h.run();
        EXPECT_EQ(h.prompts.texts(), Texts{"<9003>\n/dev/ttyUSB0: permission denied"});
        EXPECT_EQ(h.prompts.shown[0].icon, Icon::Critical);
        EXPECT_EQ(h.outcome().reason, FailureReason::PortError);
        EXPECT_TRUE(h.sent.empty());
        EXPECT_EQ(h.doc.MemImage[0], 0x33);
        EXPECT_FALSE(h.engine.isBusy());
    }
}

TEST(TransferFaults, DecliningTheConfirmationChangesNothing) {
    LinkHarness h;
    h.doc.MemImage.fill(0x33);
    h.prompts.answers = {Answer::Cancel, Answer::Cancel};
    h.engine.start(Operation::ImageRead);
    h.engine.start(Operation::ImageWrite);
    h.run();
    EXPECT_EQ(h.prompts.texts(), (Texts{"<9004>", "<9005>"}));
    EXPECT_TRUE(h.sent.empty());
    EXPECT_FALSE(h.port.isOpen());
    EXPECT_EQ(h.progress.shown, 0);
    EXPECT_EQ(h.doc.MemImage[0], 0x33);
    ASSERT_EQ(h.listener.outcomes.size(), 2u);
    EXPECT_EQ(h.outcome().reason, FailureReason::Cancelled);
}

// The device vanishes in the middle of a read: reported from inside a write, as a serial
// driver may do, or while the user is being asked whether to try again.
TEST(TransferFaults, VanishedPortEndsTheTransferAtOnce) {
    for (bool duringQuestion : {false, true}) {
        SCOPED_TRACE(duringQuestion);
        LinkHarness h;
        const CodeplugDocument before = h.doc.WorkDoc;
        h.radio.hook = [&](const ParsedRequest& r, int) -> std::optional<RadioAction> {
            if (r.kind != RequestKind::ReadBlock || r.address != 0x0100) return std::nullopt;
            if (!duringQuestion) {
                h.open_ = false;
                h.engine.onPortLost("/dev/ttyUSB0 is gone");
            }
            return RadioAction::Silent();
        };
        h.prompts.during = [&](const std::string& text) {
            if (duringQuestion && text == "<9033>\n<9035>") {
                h.open_ = false;
                h.engine.onPortLost("/dev/ttyUSB0 is gone");
                // A reply squeezed in meanwhile is not looked at.
                h.engine.onBytesReceived(std::vector<Byte>(10, kAck));
            }
        };
        h.engine.start(Operation::ImageRead);
        h.run();

        ASSERT_EQ(h.listener.outcomes.size(), 1u);
        EXPECT_EQ(h.outcome().reason, FailureReason::PortLost);
        const Texts shown = h.prompts.texts();
        EXPECT_EQ(shown.back(), "<9003>\n/dev/ttyUSB0 is gone");
        EXPECT_EQ(std::count(shown.begin(), shown.end(), "<9033>\n<9035>"), duringQuestion ? 1 : 0);
        EXPECT_EQ(h.prompts.shown.back().icon, Icon::Critical);
        // Nothing was written after the loss.
        EXPECT_EQ(h.sent.back().bytes, ReadBlockRequest(0x0100).bytes);
        EXPECT_EQ(h.count(RequestKind::End), 0);
        EXPECT_EQ(h.progress.closed, 1);
        EXPECT_FALSE(h.port.isOpen());
        EXPECT_EQ(h.doc.WorkDoc, before);
        EXPECT_TRUE(h.listener.unpackedAt.empty());
        EXPECT_TRUE(h.due.empty());  // no timer left to fire
        EXPECT_FALSE(h.engine.isBusy());
    }
}

TEST(TransferFaults, StrayEventsWhenIdleAreIgnored) {
    LinkHarness h;
    h.engine.onBytesReceived(std::vector<Byte>{0x5A, 0x54, 0x06});
    h.engine.onTimer(TimerId::WaitTimer);
    h.engine.onTimer(TimerId::ReadOKTimer);
    h.engine.onTimer(TimerId::WaitSaveDataTimer);
    h.engine.onPortLost("");
    EXPECT_TRUE(h.sent.empty());
    EXPECT_TRUE(h.prompts.shown.empty());
    EXPECT_TRUE(h.listener.outcomes.empty());
    EXPECT_TRUE(h.listener.unpackedAt.empty());
    EXPECT_FALSE(h.engine.start(Operation::Idle));
}

}  // namespace
}  // namespace k7x

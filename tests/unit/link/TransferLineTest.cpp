// What a poor cable does to a transfer: noise before a reply, the device vanishing while the
// user is being asked something.
#include <gtest/gtest.h>

#include "LinkHarness.h"

namespace k7x {
namespace {

using test::LinkHarness;
using test::PatternImage;
using test::RadioAction;
using Texts = std::vector<std::string>;

// Noise costs the exchange it hits and nothing else: no byte of it lands in the image, and a
// stray block frame that checks out (another address) is not taken for the block in hand.
TEST(TransferLine, NoiseCostsOneResendAndNoData) {
    LinkHarness h;
    h.radio.image = PatternImage();
    int hits = 0;
    h.radio.hook = [&](const ParsedRequest& r, int) -> std::optional<RadioAction> {
        if (r.kind != RequestKind::ReadBlock || r.address != 0x0000 || ++hits > 2) {
            return std::nullopt;
        }
        std::vector<Byte> bytes;
        if (hits == 1) {
            // A burst of noise, then the genuine reply: the first 22 bytes are no reply.
            bytes = {0xFF, 0x00, kWriteCode, kAck, kResend};
            const std::vector<Byte> real = h.radio.answer(r);
            bytes.insert(bytes.end(), real.begin(), real.end());
        } else {
            std::array<Byte, kBlockSize> junk{};
            junk.fill(0xEE);
            bytes = BuildBlockReply(0x0010, junk);
        }
        return RadioAction::Answer(bytes);
    };
    h.engine.start(Operation::ImageRead);
    h.run();
    ASSERT_TRUE(h.outcome().completed);
    EXPECT_EQ(h.count(RequestKind::ReadBlock, 0x0000), 3);
    EXPECT_EQ(h.doc.MemImage, h.radio.image);
    EXPECT_EQ(h.prompts.texts(), (Texts{"<9004>", "<9009>"}));
}

// The device vanishes while a question or dialog is open. Whatever the user answers, the
// transfer ends for the lost port at once: message 9003, nothing more asked or sent.
TEST(TransferLine, PortLostWhileAskingEndsForTheLostPort) {
    struct Case {
        const char* name;
        Operation operation;
        std::string lostDuring;  // the text shown, or "password"
        Answer answer;
        Texts before;  // what was shown up to the loss
    };
    const std::vector<Case> cases = {
        {"restart question, Cancel",
         Operation::ImageRead,
         "<9031>\n<9035>",
         Answer::Cancel,
         {"<9004>", "<9031>\n<9035>"}},
        {"restart question, OK",
         Operation::ImageWrite,
         "<9031>\n<9035>",
         Answer::Ok,
         {"<9005>", "<9031>\n<9035>"}},
        {"retry question, Cancel",
         Operation::InformationRead,
         "<9031>\n<9035>",
         Answer::Cancel,
         {"<9031>\n<9035>"}},
        {"password dialog", Operation::ImageRead, "password", Answer::Ok, {"<9004>"}},
        {"CTCSS/DCS warning",
         Operation::ImageWrite,
         "CTCSS/DCS Function is invalid,\nSome features will not work.",
         Answer::Ok,
         {"<9005>", "CTCSS/DCS Function is invalid,\nSome features will not work."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinkHarness h;
        const bool question = c.lostDuring == "<9031>\n<9035>";
        if (question)
            h.radio.hook = [](const ParsedRequest&, int) { return RadioAction::Silent(); };
        if (c.lostDuring == "password") {
            h.radio.setPassword({'p', 'w'});
            h.prompts.passwords = {"pw"};  // the right one: the radio would be accepted
        }
        h.radio.ctcss = c.name[0] != 'C';
        // A radio of another model would be refused with a further message.
        if (c.lostDuring == "password") h.radio.model = "OTHER";
        h.prompts.answers = {Answer::Ok};
        if (question) h.prompts.answers.push_back(c.answer);
        std::size_t sentBefore = 0;
        auto lose = [&] {
            sentBefore = h.sent.size();
            h.open_ = false;
            h.engine.onPortLost("/dev/ttyUSB0 is gone");
        };
        h.prompts.during = [&](const std::string& text) {
            if (text == c.lostDuring) lose();
        };
        h.prompts.duringPassword = [&] {
            if (c.lostDuring == "password") lose();
        };
        h.engine.start(c.operation);
        h.run();

        ASSERT_EQ(h.listener.outcomes.size(), 1u);
        EXPECT_EQ(h.outcome().reason, FailureReason::PortLost);
        Texts shown = c.before;
        shown.push_back("<9003>\n/dev/ttyUSB0 is gone");
        EXPECT_EQ(h.prompts.texts(), shown);
        EXPECT_EQ(h.sent.size(), sentBefore) << "nothing sent to a device that is gone";
        EXPECT_EQ(h.count(RequestKind::WriteBlock), 0);
        EXPECT_FALSE(h.engine.isBusy());
        EXPECT_TRUE(h.due.empty());
    }
}

}  // namespace
}  // namespace k7x

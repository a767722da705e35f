// Whole transfers against a radio that answers: what goes over the line, what lands in the
// document, the progress shown and the echo setting carried between transfers.
#include <gtest/gtest.h>

#include "LinkHarness.h"

namespace k7x {
namespace {

using test::LinkHarness;
using test::PatternImage;
using test::RadioAction;
using Texts = std::vector<std::string>;

TEST(TransferFlow, ReadMovesTheWholeImageAndBecomesTheDocumentLater) {
    LinkHarness h;
    h.radio.image = PatternImage();
    h.doc.CurrentFilePath = "mine.dat";
    h.doc.IsUntitled = false;
    ASSERT_TRUE(h.engine.start(Operation::ImageRead));
    h.run();

    ASSERT_EQ(h.listener.outcomes.size(), 1u);
    EXPECT_TRUE(h.outcome().completed);
    EXPECT_EQ(h.doc.MemImage, h.radio.image);
    // The information block first, then every image block once, in ascending order.
    std::vector<int> reads;
    for (const ParsedRequest& r : h.radio.requests)
        if (r.kind == RequestKind::ReadBlock) reads.push_back(r.address);
    ASSERT_EQ(reads.size(), 465u);
    EXPECT_EQ(reads[0], 0x3E10);
    for (std::size_t i = 1; i < reads.size(); ++i) EXPECT_EQ(reads[i], int(i - 1) * 16);
    EXPECT_EQ(h.radio.requests.back().kind, RequestKind::End);

    EXPECT_EQ(h.prompts.texts(), (Texts{"<9004>", "<9009>"}));
    EXPECT_EQ(h.listener.childWindowsClosed, 1);
    EXPECT_EQ(h.progress.shown, 1);
    EXPECT_EQ(h.progress.closed, 1);
    EXPECT_FALSE(h.port.isOpen());
    // 500 ms after the end the image becomes an untitled document.
    ASSERT_EQ(h.listener.unpackedAt.size(), 1u);
    EXPECT_EQ(h.listener.unpackedAt[0] - h.listener.finishedAt[0], 500);
    EXPECT_EQ(h.doc.CurrentFilePath, "new.dat");
    EXPECT_TRUE(h.doc.IsUntitled);
    EXPECT_FALSE(h.engine.isBusy());
}

// The read is over while its completion message is open, but its image is not the document
// yet: no other transfer starts, and the wait for the document may end or be cancelled there.
TEST(TransferFlow, ReadCompletionMessageKeepsTheEngineBusyUntilTheImageIsTaken) {
    struct Case {
        const char* name;
        bool cancel;
        std::vector<bool> unpacked;
    };
    for (const Case& c : {Case{"the wait ends", false, {true}}, Case{"cancelled", true, {false}}}) {
        SCOPED_TRACE(c.name);
        LinkHarness h;
        h.radio.image = PatternImage();
        h.prompts.during = [&](const std::string& text) {
            if (text != "<9009>") return;
            EXPECT_FALSE(h.engine.start(Operation::InformationRead));
            if (c.cancel) {
                EXPECT_TRUE(h.engine.cancel());
            } else {
                h.engine.onTimer(TimerId::ReadOKTimer);
            }
        };
        ASSERT_TRUE(h.engine.start(Operation::ImageRead));
        h.run();
        EXPECT_EQ(h.listener.unpackedOk, c.unpacked);
        EXPECT_FALSE(h.engine.isBusy());
        EXPECT_TRUE(h.due.empty());
    }
}

TEST(TransferFlow, WriteSendsThePackedImageAfterTheWait) {
    LinkHarness h;
    h.prompts.during = [&](const std::string& text) {
        if (text == "<9005>") {
            EXPECT_EQ(h.now, 100);  // the write waits for pending edits
        }
    };
    ASSERT_TRUE(h.engine.start(Operation::ImageWrite));
    EXPECT_TRUE(h.port.isOpen() == false && h.sent.empty());
    h.run();

    EXPECT_TRUE(h.outcome().completed);
    EXPECT_EQ(h.prompts.texts(), (Texts{"<9005>", "<9010>"}));
    EXPECT_EQ(h.count(RequestKind::WriteBlock), 464);
    DocumentState copy = h.doc;
    PackImage(copy);
    EXPECT_EQ(h.radio.image, copy.MemImage);
    EXPECT_TRUE(h.listener.unpackedAt.empty());  // a write leaves the document alone
}

TEST(TransferFlow, InformationReadFillsTheInformationRecord) {
    LinkHarness h;
    h.radio.model = "OTHER";  // the information read does not look at the identification
    for (std::size_t i = 0; i < h.radio.info.size(); ++i) h.radio.info[i] = Byte('A' + i % 26);
    h.radio.info[48 + 5] = 0x00;  // the serial number ends after five characters
    h.doc.MemImage.fill(0x55);
    ASSERT_TRUE(h.engine.start(Operation::InformationRead));
    h.run();

    EXPECT_TRUE(h.outcome().completed);
    EXPECT_EQ(h.engine.informationArea(), h.radio.info);
    EXPECT_EQ(h.doc.RadioInfo.SerialNumber.str(), "WXYZA");
    EXPECT_EQ(h.listener.infoShown, 1);
    EXPECT_TRUE(h.prompts.shown.empty());  // no question, no completion message
    EXPECT_EQ(h.progress.shown, 0);
    EXPECT_EQ(h.count(RequestKind::ReadBlock), 16);
    EXPECT_EQ(h.count(RequestKind::ReadBlock, 0x3E10), 1);
    EXPECT_EQ(h.doc.MemImage, MemoryImage{});
}

TEST(TransferFlow, EchoSettingIsFoundAndKeptAcrossTransfers) {
    LinkHarness h;
    auto handshakes = [&] { return h.count(RequestKind::Handshake); };
    // A plain cable: the first handshake expects an echo and fails, the second does not.
    h.engine.start(Operation::InformationRead);
    h.run();
    EXPECT_EQ(handshakes(), 2);
    EXPECT_EQ(h.sent[0].threshold, 10u);
    EXPECT_EQ(h.sent[1].threshold, 3u);
    EXPECT_TRUE(h.engine.state().echoFree);
    // The next transfer starts with what worked.
    h.engine.start(Operation::InformationRead);
    h.run();
    EXPECT_EQ(handshakes(), 3);
    // An echoing cable: the flag left true fails once, then it is found and kept.
    h.radio.echo = true;
    h.radio.image = PatternImage();
    h.engine.start(Operation::ImageRead);
    h.run();
    EXPECT_EQ(handshakes(), 5);
    EXPECT_FALSE(h.engine.state().echoFree);
    EXPECT_TRUE(h.outcome().completed);
    EXPECT_EQ(h.doc.MemImage, h.radio.image);
    EXPECT_EQ(h.sent.back().threshold, 4u);  // END expects its own echo and 06
}

TEST(TransferFlow, ProgressRisesByWholePercentsFrom1At0x30To100At0x1CF0) {
    for (Operation op : {Operation::ImageRead, Operation::ImageWrite}) {
        LinkHarness h;
        std::map<int, std::vector<int>> seenAt;  // block -> progress values when requested
        h.radio.hook = [&](const ParsedRequest& r, int) -> std::optional<RadioAction> {
            if (r.kind == RequestKind::ReadBlock || r.kind == RequestKind::WriteBlock)
                seenAt[r.address] = h.progress.values;
            return std::nullopt;
        };
        h.engine.start(op);
        h.run();
        const std::vector<int>& v = h.progress.values;
        ASSERT_FALSE(v.empty());
        EXPECT_EQ(v.front(), 1);
        EXPECT_EQ(v.back(), 100);
        EXPECT_LE(v.size(), 100u);
        for (std::size_t i = 1; i < v.size(); ++i) EXPECT_EQ(v[i], v[i - 1] + 1);
        // A read reports a block once it is stored, a write before the block is sent.
        const int firstAt = op == Operation::ImageRead ? 0x40 : 0x30;
        EXPECT_TRUE(seenAt[firstAt - 16].empty());
        EXPECT_EQ(seenAt[firstAt], std::vector<int>{1});
        if (op == Operation::ImageWrite) {
            EXPECT_EQ(seenAt[0x1CF0].back(), 100);
        }
    }
}

}  // namespace
}  // namespace k7x

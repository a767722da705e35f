#include <gtest/gtest.h>

#include "link/Frames.h"
#include "radiosim/core/RadioReplies.h"

namespace k7x {
namespace {

using Bytes = std::vector<Byte>;

std::array<Byte, kBlockSize> Block(Byte first) {
    std::array<Byte, kBlockSize> data{};
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<Byte>(first + i);
    return data;
}

// A read of `address` is expected; with echo E the reply follows E arbitrary bytes.
ReplyExpectation AfterRead(int address, std::size_t e, bool informationStep = false) {
    return {e, e + block_frame::kLength, informationStep, address};
}

Bytes WithEcho(std::size_t e, Bytes reply) {
    reply.insert(reply.begin(), e, 0xEE);
    return reply;
}

TEST(Frames, RequestsAndThresholds) {
    const Bytes zeroWrite = WriteBlockRequest(0, std::array<Byte, kBlockSize>{}).bytes;
    Bytes expected{0x57, 0x00, 0x00, 0x10};
    expected.resize(20, 0x00);
    expected.insert(expected.end(), {0x10, 0x06});
    EXPECT_EQ(zeroWrite, expected);

    EXPECT_EQ(ReadBlockRequest(0x3E10).bytes, (Bytes{0x52, 0x3E, 0x10, 0x10}));
    EXPECT_EQ(HandshakeRequest().bytes, (Bytes{'P', 'R', 'O', 'G', 'R', 'A', 'M'}));
    EXPECT_EQ(EndRequest().bytes, (Bytes{'E', 'N', 'D'}));
    EXPECT_EQ(ReceiveThreshold(IdentifyRequest(), false), 17u);
    EXPECT_EQ(ReceiveThreshold(WriteBlockRequest(0x10, Block(1)), true), 1u);
    EXPECT_EQ(ReceiveThreshold(WriteBlockRequest(0x10, Block(1)), false), 23u);
    EXPECT_EQ(ReceiveThreshold(HandshakeRequest(), false), 10u);

    MemoryImage image{};
    EXPECT_TRUE(WriteBlockRequest(0x1CF0, image).has_value());
    EXPECT_FALSE(WriteBlockRequest(0x1CF8, image).has_value());  // would run past the image
    EXPECT_FALSE(WriteBlockRequest(-16, image).has_value());
}

TEST(Frames, BlockReplyAcceptedOnlyWhenWhole) {
    const Bytes good = BuildBlockReply(0x0120, Block(0xF8));  // checksum wraps past 255
    const Reply ok = ClassifyReply(WithEcho(4, good), AfterRead(0x0120, 4));
    ASSERT_EQ(ok.kind, ReplyKind::BlockReply);
    EXPECT_EQ(ok.address, 0x0120);
    EXPECT_EQ(ok.data, Block(0xF8));

    Bytes badSum = good;
    ++badSum[20];
    EXPECT_EQ(ClassifyReply(badSum, AfterRead(0x0120, 0)).kind, ReplyKind::None);
    Bytes noTrailer = good;
    noTrailer[21] = 0x07;
    EXPECT_EQ(ClassifyReply(noTrailer, AfterRead(0x0120, 0)).kind, ReplyKind::None);
    // A late answer to the request before.
    EXPECT_EQ(ClassifyReply(good, AfterRead(0x0130, 0)).kind, ReplyKind::None);
    // Count 08 with a checksum that matches it.
    Bytes count8 = good;
    count8[3] = 0x08;
    count8[20] = BlockChecksum(std::span<const Byte>(count8).subspan(1, 19));
    EXPECT_EQ(ClassifyReply(count8, AfterRead(0x0120, 0)).kind, ReplyKind::None);
    // Short delivery dropped; bytes beyond N ignored.
    EXPECT_EQ(ClassifyReply(std::span(good).first(21), AfterRead(0x0120, 0)).kind, ReplyKind::None);
    Bytes longer = good;
    longer.insert(longer.end(), {0x0A, 0x0B});
    EXPECT_EQ(ClassifyReply(longer, AfterRead(0x0120, 0)).kind, ReplyKind::BlockReply);
}

TEST(Frames, InformationBlockOnlyAtItsStep) {
    const Bytes info = BuildBlockReply(kInformationBlockAddress, Block(0x30));
    // The transfer's address is still one block before the image at the information step.
    EXPECT_EQ(ClassifyReply(info, AfterRead(-16, 0, true)).kind, ReplyKind::InformationBlock);
    EXPECT_EQ(ClassifyReply(info, AfterRead(-16, 0, false)).kind, ReplyKind::None);
    // An information read asks for 0x3E10 as an ordinary block.
    EXPECT_EQ(ClassifyReply(info, AfterRead(0x3E10, 0)).kind, ReplyKind::BlockReply);
    Bytes bad = info;
    bad[20] ^= 0x01;
    EXPECT_EQ(ClassifyReply(bad, AfterRead(-16, 0, true)).kind, ReplyKind::None);
}

TEST(Frames, ShortRepliesAndHandshake) {
    const ReplyExpectation afterWrite{22, 23, false, 0};
    EXPECT_EQ(ClassifyReply(WithEcho(22, {0x06}), afterWrite).kind, ReplyKind::Acknowledgement);
    EXPECT_EQ(ClassifyReply(WithEcho(22, {0x0A}), afterWrite).kind, ReplyKind::ResendRequest);
    EXPECT_EQ(ClassifyReply(WithEcho(22, {0x15}), afterWrite).kind, ReplyKind::None);

    const ReplyExpectation afterHandshake{7, 10, false, 0};
    EXPECT_EQ(ClassifyReply(WithEcho(7, {0x5A, 0x54, 0x06}), afterHandshake).kind,
              ReplyKind::HandshakeAck);
    // 06 alone is not a handshake acknowledgement, whatever else surrounds it.
    EXPECT_EQ(ClassifyReply(WithEcho(7, {0x06}), afterHandshake).kind, ReplyKind::None);
    EXPECT_EQ(ClassifyReply(WithEcho(9, {0x06}), afterHandshake).kind, ReplyKind::None);
    // An expectation that leaves no room for an answer matches nothing.
    EXPECT_EQ(ClassifyReply(Bytes{0x06}, ReplyExpectation{1, 1, false, 0}).kind, ReplyKind::None);
}

TEST(Frames, Identification) {
    const ReplyExpectation afterIdentify{1, 17, false, 0};
    Bytes id = WithEcho(1, BuildIdentification("KORVN", 1, "V10", false));
    id[0] = 0x49;  // the echo byte is never looked at, even when it looks like a reply
    Reply r = ClassifyReply(id, afterIdentify);
    ASSERT_EQ(r.kind, ReplyKind::Identification);
    EXPECT_EQ(r.identification, (Identification{"KORVN", 1, "V10", false}));

    r = ClassifyReply(BuildIdentification("KORVN7X", 2, "V100", true), {0, 16, false, 0});
    EXPECT_EQ(r.identification, (Identification{"KORVN7X", 2, "V100", true}));

    Bytes odd = BuildIdentification("AB  ", 7, "V1", true);
    odd[3] = 0x1B;   // an escape byte must not reach a terminal
    odd[13] = 0xFE;  // only bit 0 counts
    r = ClassifyReply(odd, {0, 16, false, 0});
    EXPECT_EQ(r.identification, (Identification{"AB?", 7, "V1", false}));

    Bytes noTrailer = BuildIdentification("KORVN7X", 2, "V100", true);
    noTrailer[15] = 0x00;
    EXPECT_EQ(ClassifyReply(noTrailer, {0, 16, false, 0}).kind, ReplyKind::None);
}

}  // namespace
}  // namespace k7x

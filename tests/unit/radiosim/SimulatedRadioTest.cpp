// The simulated radio against the program's own frame layer: every answer it gives must be
// accepted by the reply classifier, and every deliberate fault must be refused by it.
#include <gtest/gtest.h>

#include <numeric>

#include "link/Frames.h"
#include "radiosim/core/RadioContents.h"
#include "radiosim/core/SimulatedRadio.h"

namespace k7x::sim {
namespace {

std::vector<Byte> bytesOf(const Request& r) {
    return r.bytes;
}

MemoryImage countingImage() {
    MemoryImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<Byte>(i * 7 + i / 256);
    return image;
}

InfoArea sampleInfo() {
    InfoArea info{};
    std::iota(info.begin(), info.end(), Byte{0x80});
    return info;
}

class SimulatedRadioTest : public ::testing::Test {
protected:
    SimulatedRadio make(RadioFaults faults = {}, RadioIdentity identity = {}) {
        return SimulatedRadio(identity, faults, image, info);
    }
    // The answer to one request sent whole.
    static std::vector<Byte> ask(SimulatedRadio& radio, const Request& request) {
        const std::vector<RadioExchange> ex = radio.receive(request.bytes);
        if (ex.empty()) return {};
        EXPECT_EQ(ex.size(), 1u);
        return ex.front().answer;
    }
    static Reply classify(const std::vector<Byte>& answer, const Request& request,
                          bool informationStep = false) {
        ReplyExpectation e;
        e.threshold = request.answerLength;
        e.informationStep = informationStep;
        if (request.kind == RequestKind::ReadBlock) {
            e.currentAddress = request.bytes[1] * 256 + request.bytes[2];
        }
        return ClassifyReply(answer, e);
    }
    static std::vector<Byte> writeOf(int address, Byte fill) {
        std::array<Byte, kBlockSize> data{};
        data.fill(fill);
        return WriteBlockRequest(address, data).bytes;
    }

    MemoryImage image = countingImage();
    InfoArea info = sampleInfo();
};

TEST_F(SimulatedRadioTest, AnswersAWholeSessionInTheFormsTheProgramAccepts) {
    RadioIdentity identity;
    identity.model = "KORVN7X";
    identity.countryMode = 2;
    identity.version = "V100";
    identity.ctcssDcs = false;
    SimulatedRadio radio = make({}, identity);

    EXPECT_EQ(classify(ask(radio, HandshakeRequest()), HandshakeRequest()).kind,
              ReplyKind::HandshakeAck);
    EXPECT_TRUE(radio.programming());

    const Reply id = classify(ask(radio, IdentifyRequest()), IdentifyRequest());
    ASSERT_EQ(id.kind, ReplyKind::Identification);
    EXPECT_EQ(id.identification, (Identification{"KORVN7X", 2, "V100", false}));

    const Request infoRead = ReadBlockRequest(kInformationBlockAddress);
    const Reply infoBlock = classify(ask(radio, infoRead), infoRead, true);
    ASSERT_EQ(infoBlock.kind, ReplyKind::InformationBlock);
    EXPECT_TRUE(std::equal(infoBlock.data.begin(), infoBlock.data.end(), info.begin() + 0x10));

    for (int address : {0x0000, 0x0130, 0x1CF0}) {
        const Request read = ReadBlockRequest(address);
        const Reply block = classify(ask(radio, read), read);
        ASSERT_EQ(block.kind, ReplyKind::BlockReply) << address;
        EXPECT_TRUE(std::equal(block.data.begin(), block.data.end(), image.begin() + address));
    }

    EXPECT_EQ(classify(ask(radio, EndRequest()), EndRequest()).kind, ReplyKind::Acknowledgement);
    EXPECT_FALSE(radio.programming());
}

TEST_F(SimulatedRadioTest, IgnoresEverythingButTheHandshakeOutsideProgrammingMode) {
    SimulatedRadio radio = make();
    EXPECT_TRUE(ask(radio, IdentifyRequest()).empty());
    EXPECT_TRUE(ask(radio, ReadBlockRequest(0)).empty());
    EXPECT_TRUE(radio.receive(writeOf(0x0000, 0x55)).front().answer.empty());
    EXPECT_TRUE(ask(radio, EndRequest()).empty());
    EXPECT_EQ(radio.image(), image);

    ask(radio, HandshakeRequest());
    ask(radio, EndRequest());
    EXPECT_TRUE(ask(radio, ReadBlockRequest(0)).empty()) << "END leaves programming mode";
}

TEST_F(SimulatedRadioTest, StoresSoundWritesAndAsksAgainForDamagedOnes) {
    SimulatedRadio radio = make();
    ask(radio, HandshakeRequest());

    EXPECT_EQ(radio.receive(writeOf(0x0100, 0xA5)).front().answer, std::vector<Byte>{kAck});
    EXPECT_EQ(radio.image()[0x0100], 0xA5);
    EXPECT_EQ(radio.image()[0x010F], 0xA5);
    EXPECT_EQ(radio.image()[0x0110], image[0x0110]) << "the next block is untouched";

    std::vector<Byte> damaged = writeOf(0x0200, 0x11);
    damaged[block_frame::kChecksum.offset] ^= 0x01;
    EXPECT_EQ(radio.receive(damaged).front().answer, std::vector<Byte>{kResend});
    EXPECT_EQ(radio.image()[0x0200], image[0x0200]);

    std::vector<Byte> noTrailer = writeOf(0x0200, 0x11);
    noTrailer.back() = 0x00;
    EXPECT_EQ(radio.receive(noTrailer).front().answer, std::vector<Byte>{kResend});
    EXPECT_EQ(radio.image()[0x0200], image[0x0200]);
}

TEST_F(SimulatedRadioTest, ServesOnlyTheTwoAreasInWholeBlocks) {
    SimulatedRadio radio = make();
    ask(radio, HandshakeRequest());
    EXPECT_FALSE(ask(radio, ReadBlockRequest(0x3E00)).empty());
    EXPECT_FALSE(ask(radio, ReadBlockRequest(0x3EF0)).empty());
    EXPECT_TRUE(ask(radio, ReadBlockRequest(0x1D00)).empty());
    EXPECT_TRUE(ask(radio, ReadBlockRequest(0x1CF8)).empty()) << "would run past the image";
    EXPECT_TRUE(ask(radio, ReadBlockRequest(0x3DF0)).empty());
    EXPECT_TRUE(ask(radio, ReadBlockRequest(0x3EF8)).empty());

    std::vector<Byte> shortCount = ReadBlockRequest(0x0000).bytes;
    shortCount[read_frame::kCount.offset] = 0x08;
    EXPECT_TRUE(radio.receive(shortCount).front().answer.empty());

    // Writes reach the memory image only: the information area and beyond stay as they are.
    EXPECT_TRUE(radio.receive(writeOf(0x3E10, 0x00)).front().answer.empty());
    EXPECT_TRUE(radio.receive(writeOf(0x1D00, 0x00)).front().answer.empty());
    EXPECT_EQ(radio.info(), info);
}

TEST_F(SimulatedRadioTest, FindsRequestsAcrossChunksAndAfterNoise) {
    SimulatedRadio radio = make();
    // Noise, then a false start of the handshake.
    std::vector<Byte> stream = {0x00, 0xFF, 'P', 'Q', 'Z'};
    const std::vector<Byte> handshake = bytesOf(HandshakeRequest());
    stream.insert(stream.end(), handshake.begin(), handshake.end());
    stream.push_back(kIdentifyCode);
    const std::vector<Byte> read = bytesOf(ReadBlockRequest(0x0040));
    stream.insert(stream.end(), read.begin(), read.end());

    // Byte by byte: each request completes on its last byte.
    std::vector<std::pair<std::size_t, RequestKind>> seen;
    for (std::size_t i = 0; i < stream.size(); ++i) {
        for (const RadioExchange& ex : radio.receive(std::span<const Byte>(&stream[i], 1))) {
            EXPECT_EQ(ex.endOffset, 1u);
            seen.emplace_back(i, ex.kind);
        }
    }
    const std::size_t handshakeEnd = 5 + handshake.size() - 1;
    EXPECT_EQ(seen, (std::vector<std::pair<std::size_t, RequestKind>>{
                        {handshakeEnd, RequestKind::Handshake},
                        {handshakeEnd + 1, RequestKind::Identify},
                        {stream.size() - 1, RequestKind::ReadBlock}}));

    // All at once: the offsets say where each request ended within the chunk.
    SimulatedRadio whole = make();
    const std::vector<RadioExchange> ex = whole.receive(stream);
    ASSERT_EQ(ex.size(), 3u);
    EXPECT_EQ(ex[0].endOffset, handshakeEnd + 1);
    EXPECT_EQ(ex[1].endOffset, handshakeEnd + 2);
    EXPECT_EQ(ex[2].endOffset, stream.size());
    EXPECT_EQ(ex[2].address, 0x0040);
}

TEST_F(SimulatedRadioTest, ForgetsAHalfReceivedRequest) {
    SimulatedRadio radio = make();
    ask(radio, HandshakeRequest());
    const std::vector<Byte> write = writeOf(0x0000, 0x33);
    radio.receive(std::span<const Byte>(write).first(10));
    EXPECT_TRUE(radio.hasPartialRequest());
    radio.dropPartialRequest();
    // Without the drop, the read would be taken as the rest of the write's data.
    const std::vector<RadioExchange> ex = radio.receive(ReadBlockRequest(0x0010).bytes);
    ASSERT_EQ(ex.size(), 1u);
    EXPECT_EQ(ex[0].kind, RequestKind::ReadBlock);
}

TEST_F(SimulatedRadioTest, SilentEveryNthRequestHearsNothingOfIt) {
    RadioFaults faults;
    faults.silentEvery = 3;
    SimulatedRadio radio = make(faults);
    EXPECT_FALSE(ask(radio, HandshakeRequest()).empty());  // 1
    EXPECT_FALSE(ask(radio, IdentifyRequest()).empty());   // 2
    EXPECT_TRUE(radio.receive(writeOf(0x0000, 0x99)).empty()) << "3: unheard";
    EXPECT_EQ(radio.image()[0], image[0]) << "an unheard write stores nothing";
    EXPECT_FALSE(radio.receive(writeOf(0x0000, 0x99)).empty());  // 4: the resend
    EXPECT_EQ(radio.image()[0], 0x99);
    EXPECT_FALSE(ask(radio, ReadBlockRequest(0)).empty());  // 5
    EXPECT_TRUE(ask(radio, ReadBlockRequest(0)).empty());   // 6
}

TEST_F(SimulatedRadioTest, BadChecksumEveryNthBlockReplyIsRefusedByTheProgram) {
    RadioFaults faults;
    faults.badChecksumEvery = 2;
    SimulatedRadio radio = make(faults);
    ask(radio, HandshakeRequest());
    const Request read = ReadBlockRequest(0x0020);
    EXPECT_EQ(classify(ask(radio, read), read).kind, ReplyKind::BlockReply);
    const std::vector<Byte> spoilt = ask(radio, read);
    ASSERT_EQ(spoilt.size(), block_frame::kLength);
    EXPECT_EQ(classify(spoilt, read).kind, ReplyKind::None);
    EXPECT_EQ(classify(ask(radio, read), read).kind, ReplyKind::BlockReply);
    // The identification carries no checksum and does not count.
    EXPECT_EQ(classify(ask(radio, IdentifyRequest()), IdentifyRequest()).kind,
              ReplyKind::Identification);
    EXPECT_EQ(classify(ask(radio, read), read).kind, ReplyKind::None);
}

TEST_F(SimulatedRadioTest, ResendEveryNthWrittenBlockStoresOnlyTheAcceptedOnes) {
    RadioFaults faults;
    faults.resendEvery = 2;
    SimulatedRadio radio = make(faults);
    ask(radio, HandshakeRequest());
    EXPECT_EQ(radio.receive(writeOf(0x0000, 0x01)).front().answer, std::vector<Byte>{kAck});
    EXPECT_EQ(radio.receive(writeOf(0x0010, 0x02)).front().answer, std::vector<Byte>{kResend});
    EXPECT_EQ(radio.image()[0x0010], image[0x0010]);
    EXPECT_EQ(radio.receive(writeOf(0x0010, 0x02)).front().answer, std::vector<Byte>{kAck});
    EXPECT_EQ(radio.image()[0x0010], 0x02);
}

TEST_F(SimulatedRadioTest, DroppedWriteBlocksAreAcknowledgedButNotStored) {
    RadioFaults faults;
    faults.droppedWriteBlocks = {0x0240};
    SimulatedRadio radio = make(faults);
    ask(radio, HandshakeRequest());
    for (int address : {0x0240, 0x0250}) {
        EXPECT_EQ(radio.receive(writeOf(address, 0x5A)).front().answer, std::vector<Byte>{kAck});
    }
    EXPECT_EQ(radio.image()[0x024F], image[0x024F]);
    EXPECT_EQ(radio.image()[0x0250], 0x5A);
}

TEST_F(SimulatedRadioTest, NeverAnswerHearsNothingAtAll) {
    RadioFaults faults;
    faults.neverAnswer = true;
    SimulatedRadio radio = make(faults);
    EXPECT_TRUE(radio.receive(HandshakeRequest().bytes).empty());
    EXPECT_FALSE(radio.programming());
}

TEST_F(SimulatedRadioTest, PasswordLiesWhereTheProgramLooksForIt) {
    SetRadioPassword(info, "ab");
    SimulatedRadio radio = make();
    ask(radio, HandshakeRequest());
    const Request read = ReadBlockRequest(kInformationBlockAddress);
    const Reply block = classify(ask(radio, read), read, true);
    ASSERT_EQ(block.kind, ReplyKind::InformationBlock);
    EXPECT_EQ(block.data[kPasswordOffset], 'a');
    EXPECT_EQ(block.data[kPasswordOffset + 1], 'b');
    EXPECT_EQ(block.data[kPasswordOffset + 2], 0xFF);
    EXPECT_EQ(block.data[kPasswordOffset + 3], 0xFF);
}

}  // namespace
}  // namespace k7x::sim

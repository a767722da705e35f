// What a problem report shows of a trace without the user's consent: the exchanges, with every
// payload that could carry channel data, the serial number or the password withheld.
#include <gtest/gtest.h>

#include <sstream>

#include "link/Frames.h"
#include "link/TraceExcerpt.h"
#include "link/serial/SerialTrace.h"

namespace k7x {
namespace {

// The information block as the radio sends it, with the password "QZXW" in bytes 12..15.
std::vector<Byte> InformationBlockReply() {
    std::array<Byte, kBlockSize> data{};
    data.fill(0x20);
    const std::string password = "QZXW";
    std::copy(password.begin(), password.end(), data.begin() + kPasswordOffset);
    return WriteBlockRequest(kInformationBlockAddress, data).bytes;
}

std::vector<Byte> Concat(std::vector<Byte> a, const std::vector<Byte>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<Byte> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

TEST(TraceExcerptTest, PayloadsThatCouldBePrivateAreWithheld) {
    const std::vector<Byte> identification = {'I',  'K', 'O', 'R', 'V', 'A',  'N',  '7',
                                              0x02, 'V', '1', '0', '0', 0x01, 0x00, kAck};
    struct Case {
        const char* what;
        std::vector<Byte> bytes;
        std::string shown;
    };
    const Case cases[] = {
        {"handshake", HandshakeRequest().bytes, "50 52 4F 47 52 41 4D"},
        {"read request", ReadBlockRequest(kInformationBlockAddress).bytes, "52 3E 10 10"},
        {"information block", InformationBlockReply(), "57 3E 10 10 [17 bytes withheld] 06"},
        {"echo and block",
         Concat(ReadBlockRequest(kInformationBlockAddress).bytes, InformationBlockReply()),
         "52 3E 10 10 57 3E 10 10 [17 bytes withheld] 06"},
        {"identification", identification, "49 4B 4F 52 56 41 4E 37 02 56 31 30 30 01 00 06"},
        {"acknowledgement and noise", Bytes("\x06QZXW!"), "06 [5 bytes withheld]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::ostringstream out;
        SerialTrace trace(out, [] { return 1.0; });
        trace.received(c.bytes);
        const std::string excerpt = TraceExcerpt(out.str());
        EXPECT_NE(excerpt.find(" RX " + c.shown + "\n"), std::string::npos) << excerpt;
        EXPECT_EQ(excerpt.find("QZXW"), std::string::npos) << excerpt;
        EXPECT_EQ(excerpt.find("51 5A 58 57"), std::string::npos) << excerpt;
    }
}

TEST(TraceExcerptTest, KeepsTheStartTheEndAndEveryNote) {
    std::ostringstream out;
    double now = 0;
    SerialTrace trace(out, [&now] { return now += 1; });
    trace.note("open /dev/ttyUSB0");
    trace.sent(HandshakeRequest().bytes);
    trace.received(std::vector<Byte>(kHandshakeAckBytes.begin(), kHandshakeAckBytes.end()));
    const int blocks = 100;
    for (int i = 0; i < blocks; ++i) {
        trace.sent(ReadBlockRequest(i * 16).bytes);
        trace.received(WriteBlockRequest(i * 16, std::array<Byte, kBlockSize>{}).bytes);
    }
    trace.note("outcome: read failed (no answer)");
    const std::string excerpt = TraceExcerpt(out.str());

    EXPECT_TRUE(excerpt.starts_with("     1.000 -- open /dev/ttyUSB0\n")) << excerpt;
    EXPECT_NE(excerpt.find("TX 50 52 4F 47 52 41 4D\n"), std::string::npos);
    const std::size_t leftOut = 2 + 2 * blocks - kExcerptHead - kExcerptTail;
    EXPECT_NE(excerpt.find("-- " + std::to_string(leftOut) + " deliveries left out --"),
              std::string::npos);
    EXPECT_NE(excerpt.find("TX 52 06 30 10\n"), std::string::npos) << "the last block asked for";
    EXPECT_EQ(excerpt.find("TX 52 03 00 10\n"), std::string::npos) << "a block in the middle";
    EXPECT_TRUE(excerpt.ends_with("-- outcome: read failed (no answer)\n")) << excerpt;
    EXPECT_EQ(TraceOutcome(out.str()), "read failed (no answer)");
}

}  // namespace
}  // namespace k7x

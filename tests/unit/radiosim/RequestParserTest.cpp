// The radio's side of the line finds the program's requests in what it receives.
#include <gtest/gtest.h>

#include "link/Frames.h"
#include "radiosim/core/RequestParser.h"

namespace k7x {
namespace {

using Bytes = std::vector<Byte>;

std::array<Byte, kBlockSize> Block(Byte first) {
    std::array<Byte, kBlockSize> data{};
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<Byte>(first + i);
    return data;
}

TEST(RequestParser, FindsEachRequestInAStream) {
    Bytes stream{0x00};  // line noise first
    for (const Request& r : {HandshakeRequest(), IdentifyRequest(), ReadBlockRequest(0x1CF0),
                             WriteBlockRequest(0x0010, Block(9)), EndRequest()}) {
        stream.insert(stream.end(), r.bytes.begin(), r.bytes.end());
    }
    std::vector<ParsedRequest> found;
    std::size_t at = 0;
    while (at < stream.size()) {
        RequestParse p = ParseRequest(std::span(stream).subspan(at));
        ASSERT_NE(p.status, ParseStatus::NeedMore);
        if (p.status == ParseStatus::Complete) found.push_back(p.request);
        at += p.consumed;
    }
    ASSERT_EQ(found.size(), 5u);
    EXPECT_EQ(found[2].address, 0x1CF0);
    EXPECT_EQ(found[3].address, 0x0010);
    EXPECT_EQ(found[3].data, Block(9));
    EXPECT_TRUE(found[3].checksumOk);
    EXPECT_EQ(found[4].kind, RequestKind::End);

    EXPECT_EQ(ParseRequest(Bytes{'P', 'R', 'O'}).status, ParseStatus::NeedMore);
    EXPECT_EQ(ParseRequest(Bytes{'P', 'X'}).status, ParseStatus::Garbage);
    Bytes write = WriteBlockRequest(0x0010, Block(9)).bytes;
    EXPECT_EQ(ParseRequest(std::span(write).first(21)).status, ParseStatus::NeedMore);
    ++write[20];
    EXPECT_FALSE(ParseRequest(write).request.checksumOk);
}

}  // namespace
}  // namespace k7x

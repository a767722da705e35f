// libFuzzer target: the classification of bytes from the serial port and the radio side's
// request parser, fed arbitrary input. Both must stay within their buffers, and a reply is
// decided by its first N bytes alone.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "link/Frames.h"
#include "radiosim/core/RadioReplies.h"
#include "radiosim/core/RequestParser.h"

using namespace k7x;

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    // The first bytes choose the expectation, the rest is what the port delivered.
    ReplyExpectation expected;
    expected.echoLength = data[0] % 24;
    static constexpr std::size_t kAnswers[] = {0, 1, 3, 16, 22, 40};
    expected.threshold = expected.echoLength + kAnswers[data[1] % 6];
    expected.informationStep = (data[2] & 1) != 0;
    expected.currentAddress = (data[2] & 2) ? data[3] * 16 : kInformationBlockAddress;
    const std::span<const Byte> delivered(data + 4, size - 4);

    const Reply reply = ClassifyReply(delivered, expected);
    if (reply.kind != ReplyKind::None) {
        check(delivered.size() >= expected.threshold);
        // Bytes beyond the threshold never change the outcome.
        check(ClassifyReply(delivered.first(expected.threshold), expected).kind == reply.kind);
    }
    if (reply.kind == ReplyKind::BlockReply || reply.kind == ReplyKind::InformationBlock) {
        const std::size_t e = expected.echoLength;
        for (std::size_t i = 0; i < kBlockSize; ++i) check(reply.data[i] == delivered[e + 4 + i]);
        // What the radio side builds for that block is accepted the same way.
        std::vector<Byte> rebuilt(delivered.begin(), delivered.begin() + e);
        const std::vector<Byte> frame = BuildBlockReply(reply.address, reply.data);
        rebuilt.insert(rebuilt.end(), frame.begin(), frame.end());
        check(ClassifyReply(rebuilt, expected).kind == reply.kind);
    }

    // The radio side walks the same bytes as a stream of requests.
    std::size_t at = 0;
    while (at < delivered.size()) {
        const RequestParse parse = ParseRequest(delivered.subspan(at));
        if (parse.status == ParseStatus::NeedMore) break;
        check(parse.consumed > 0 && parse.consumed <= delivered.size() - at);
        at += parse.consumed;
    }
    return 0;
}

#include "radiosim/core/RequestParser.h"

#include <algorithm>

namespace k7x {

namespace {

// How a fixed byte sequence compares with the start of the buffer.
ParseStatus matchFixed(std::span<const Byte> buffer, std::span<const Byte> expected) {
    const std::size_t n = std::min(buffer.size(), expected.size());
    if (!std::equal(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(n),
                    expected.begin())) {
        return ParseStatus::Garbage;
    }
    return n == expected.size() ? ParseStatus::Complete : ParseStatus::NeedMore;
}

RequestParse fixedRequest(std::span<const Byte> buffer, std::span<const Byte> expected,
                          RequestKind kind) {
    RequestParse parse;
    parse.status = matchFixed(buffer, expected);
    parse.request.kind = kind;
    if (parse.status == ParseStatus::Complete) parse.consumed = expected.size();
    if (parse.status == ParseStatus::Garbage) parse.consumed = 1;
    return parse;
}

}  // namespace

RequestParse ParseRequest(std::span<const Byte> buffer) {
    RequestParse parse;
    if (buffer.empty()) return parse;

    switch (buffer[0]) {
        case kHandshakeBytes[0]:
            return fixedRequest(buffer, kHandshakeBytes, RequestKind::Handshake);
        case kEndBytes[0]:
            return fixedRequest(buffer, kEndBytes, RequestKind::End);
        case kIdentifyCode:
            parse.status = ParseStatus::Complete;
            parse.request.kind = RequestKind::Identify;
            parse.consumed = 1;
            return parse;
        case kReadCode:
            if (buffer.size() < read_frame::kLength) return parse;
            parse.status = ParseStatus::Complete;
            parse.request.kind = RequestKind::ReadBlock;
            parse.request.address = buffer[read_frame::kAddressHigh.offset] * 256 +
                                    buffer[read_frame::kAddressLow.offset];
            parse.request.count = buffer[read_frame::kCount.offset];
            parse.consumed = read_frame::kLength;
            return parse;
        case kWriteCode: {
            if (buffer.size() < block_frame::kLength) return parse;
            const std::span<const Byte> frame = buffer.first(block_frame::kLength);
            parse.status = ParseStatus::Complete;
            parse.request.kind = RequestKind::WriteBlock;
            parse.request.address = frame[block_frame::kAddressHigh.offset] * 256 +
                                    frame[block_frame::kAddressLow.offset];
            parse.request.count = frame[block_frame::kCount.offset];
            std::copy_n(frame.begin() + block_frame::kData.offset, kBlockSize,
                        parse.request.data.begin());
            parse.request.checksumOk =
                BlockChecksum(frame.subspan(1, block_frame::kChecksum.offset - 1)) ==
                    frame[block_frame::kChecksum.offset] &&
                frame[block_frame::kTrailer.offset] == kAck;
            parse.consumed = block_frame::kLength;
            return parse;
        }
        default:
            parse.status = ParseStatus::Garbage;
            parse.consumed = 1;
            return parse;
    }
}

}  // namespace k7x

#include "link/Frames.h"

#include <algorithm>

namespace k7x {

namespace {

Byte high(int address) {
    return static_cast<Byte>((address >> 8) & 0xFF);
}
Byte low(int address) {
    return static_cast<Byte>(address & 0xFF);
}

int addressAt(std::span<const Byte> frame, std::size_t highOffset) {
    return frame[highOffset] * 256 + frame[highOffset + 1];
}

// The characters of a field up to its first 00, each byte outside printable ASCII as '?'.
std::string fieldText(std::span<const Byte> field) {
    std::string text;
    for (Byte b : field) {
        if (b == 0x00) break;
        text.push_back(b >= 0x20 && b < 0x7F ? static_cast<char>(b) : '?');
    }
    return text;
}

std::string rightTrimmed(std::string text) {
    std::size_t end = text.find_last_not_of(' ');
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

// The checksum of a block frame that starts at `frame`, over address, count and data.
bool checksumHolds(std::span<const Byte> frame, std::size_t n) {
    return BlockChecksum(frame.subspan(1, n - 3)) == frame[n - 2];
}

}  // namespace

Request HandshakeRequest() {
    return {RequestKind::Handshake,
            {kHandshakeBytes.begin(), kHandshakeBytes.end()},
            kHandshakeAckLength};
}

Request IdentifyRequest() {
    return {RequestKind::Identify, {kIdentifyCode}, identification_frame::kLength};
}

Request ReadBlockRequest(int address) {
    std::vector<Byte> bytes(read_frame::kLength);
    bytes[read_frame::kCode.offset] = kReadCode;
    bytes[read_frame::kAddressHigh.offset] = high(address);
    bytes[read_frame::kAddressLow.offset] = low(address);
    bytes[read_frame::kCount.offset] = static_cast<Byte>(kBlockSize);
    return {RequestKind::ReadBlock, std::move(bytes), block_frame::kLength};
}

Request WriteBlockRequest(int address, std::span<const Byte, kBlockSize> data) {
    std::vector<Byte> bytes(block_frame::kLength);
    bytes[block_frame::kCode.offset] = kWriteCode;
    bytes[block_frame::kAddressHigh.offset] = high(address);
    bytes[block_frame::kAddressLow.offset] = low(address);
    bytes[block_frame::kCount.offset] = static_cast<Byte>(kBlockSize);
    std::copy(data.begin(), data.end(), bytes.begin() + block_frame::kData.offset);
    bytes[block_frame::kChecksum.offset] =
        BlockChecksum(std::span<const Byte>(bytes).subspan(1, block_frame::kChecksum.offset - 1));
    bytes[block_frame::kTrailer.offset] = kAck;
    return {RequestKind::WriteBlock, std::move(bytes), kAckLength};
}

std::optional<Request> WriteBlockRequest(int address, const MemoryImage& image) {
    if (address < 0 || static_cast<std::size_t>(address) + kBlockSize > image.size()) {
        return std::nullopt;
    }
    return WriteBlockRequest(address,
                             std::span<const Byte, kBlockSize>(image.data() + address, kBlockSize));
}

Request EndRequest() {
    return {RequestKind::End, {kEndBytes.begin(), kEndBytes.end()}, kAckLength};
}

std::size_t EchoLength(const Request& request, bool echoFree) {
    return echoFree ? 0 : request.bytes.size();
}

std::size_t ReceiveThreshold(const Request& request, bool echoFree) {
    return EchoLength(request, echoFree) + request.answerLength;
}

Byte BlockChecksum(std::span<const Byte> addressCountAndData) {
    unsigned sum = 0;
    for (Byte b : addressCountAndData) sum += b;
    return static_cast<Byte>(sum & 0xFF);
}

Identification DecodeIdentification(std::span<const Byte, identification_frame::kLength> reply) {
    using namespace identification_frame;
    Identification id;
    id.RadioModel = rightTrimmed(fieldText(reply.subspan(kModel.offset, kModel.width)));
    id.RadioCountryMode = static_cast<Int>(reply[kCountryMode.offset]);
    id.RadioVersion = fieldText(reply.subspan(kVersion.offset, kVersion.width));
    id.RadioCtcssDcs = (reply[kCapabilities.offset] & kCtcssDcsBit) != 0;
    return id;
}

Reply ClassifyReply(std::span<const Byte> delivered, const ReplyExpectation& expected) {
    Reply reply;
    const std::size_t n = expected.threshold;
    const std::size_t e = expected.echoLength;
    // A short delivery, or an expectation that leaves no room for an answer, matches nothing.
    if (delivered.size() < n || n <= e) return reply;
    const std::span<const Byte> r = delivered.first(n);

    if (n == e + 1 && r[e] == kAck) {
        reply.kind = ReplyKind::Acknowledgement;
        return reply;
    }
    if (n == e + 1 && r[e] == kResend) {
        reply.kind = ReplyKind::ResendRequest;
        return reply;
    }
    if (n == e + kHandshakeAckLength &&
        std::equal(kHandshakeAckBytes.begin(), kHandshakeAckBytes.end(), r.begin() + e)) {
        reply.kind = ReplyKind::HandshakeAck;
        return reply;
    }
    if (n == e + identification_frame::kLength && r[e] == kIdentityCode && r[n - 1] == kAck) {
        reply.kind = ReplyKind::Identification;
        reply.identification =
            DecodeIdentification(std::span<const Byte, identification_frame::kLength>(
                r.data() + e, identification_frame::kLength));
        return reply;
    }

    // Block frames: the count byte fixes the length, which must equal N.
    if (r[e] != kWriteCode || n < e + block_frame::kLength) return reply;
    const std::span<const Byte> frame = r.subspan(e);
    const int address = addressAt(frame, block_frame::kAddressHigh.offset);
    const std::size_t count = frame[block_frame::kCount.offset];
    const std::size_t length = frame.size();
    const bool framed =
        length == count + 6 && frame[length - 1] == kAck && checksumHolds(frame, length);
    if (!framed) return reply;

    const bool information = expected.informationStep && address == kInformationBlockAddress;
    const bool block = address == expected.currentAddress && count == kBlockSize;
    if (information || block) {
        reply.kind = information ? ReplyKind::InformationBlock : ReplyKind::BlockReply;
        reply.address = address;
        std::copy_n(frame.begin() + block_frame::kData.offset, kBlockSize, reply.data.begin());
    }
    return reply;
}

}  // namespace k7x

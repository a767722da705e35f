#include "radiosim/core/SimulatedRadio.h"

#include <algorithm>
#include <utility>

#include "radiosim/core/RadioReplies.h"

namespace k7x::sim {

namespace {

constexpr int kImageAreaEnd = static_cast<int>(kImageSize);  // one past the last address
constexpr int kInfoAreaEnd = kInfoAreaAddress + static_cast<int>(kInfoAreaSize);

bool blockWithin(int address, int first, int end) {
    return address >= first && address + static_cast<int>(kBlockSize) <= end;
}

}  // namespace

SimulatedRadio::SimulatedRadio(RadioIdentity identity, RadioFaults faults, const MemoryImage& image,
                               const InfoArea& info)
    : identity_(std::move(identity)), faults_(faults), image_(image), info_(info) {}

std::vector<RadioExchange> SimulatedRadio::receive(std::span<const Byte> bytes) {
    std::vector<RadioExchange> exchanges;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        pending_.push_back(bytes[i]);
        // Consume whatever the buffer holds now: whole requests, or bytes that start none.
        for (;;) {
            const RequestParse parse = ParseRequest(pending_);
            if (parse.status == ParseStatus::NeedMore) break;
            const auto consumed = static_cast<std::ptrdiff_t>(parse.consumed);
            if (parse.status == ParseStatus::Garbage) {
                pending_.erase(pending_.begin(), pending_.begin() + consumed);
                continue;
            }
            pending_.erase(pending_.begin(), pending_.begin() + consumed);
            if (faults_.neverAnswer) continue;
            ++requests_;
            if (isNth(requests_, faults_.silentEvery)) continue;

            RadioExchange exchange;
            exchange.endOffset = i + 1;
            exchange.kind = parse.request.kind;
            exchange.address = parse.request.address;
            exchange.answer = answer(parse.request);
            exchanges.push_back(std::move(exchange));
        }
    }
    return exchanges;
}

std::vector<Byte> SimulatedRadio::answer(const ParsedRequest& request) {
    if (request.kind == RequestKind::Handshake) {
        programming_ = true;
        return {kHandshakeAckBytes.begin(), kHandshakeAckBytes.end()};
    }
    // Outside programming mode the radio ignores everything but the handshake.
    if (!programming_) return {};
    switch (request.kind) {
        case RequestKind::Identify:
            return BuildIdentification(identity_.model, static_cast<Byte>(identity_.countryMode),
                                       identity_.version, identity_.ctcssDcs);
        case RequestKind::ReadBlock:
            return answerRead(request.address, request.count);
        case RequestKind::WriteBlock:
            return answerWrite(request);
        case RequestKind::End:
            programming_ = false;
            return {kAck};
        case RequestKind::Handshake:
            break;
    }
    return {};
}

std::vector<Byte> SimulatedRadio::answerRead(int address, int count) {
    if (count != static_cast<int>(kBlockSize)) return {};
    const Byte* source = nullptr;
    if (blockWithin(address, 0, kImageAreaEnd)) {
        source = image_.data() + address;
    } else if (blockWithin(address, kInfoAreaAddress, kInfoAreaEnd)) {
        source = info_.data() + (address - kInfoAreaAddress);
    } else {
        return {};
    }
    std::vector<Byte> reply =
        BuildBlockReply(address, std::span<const Byte, kBlockSize>(source, kBlockSize));
    ++blockReplies_;
    if (isNth(blockReplies_, faults_.badChecksumEvery)) {
        reply[block_frame::kChecksum.offset] =
            static_cast<Byte>(reply[block_frame::kChecksum.offset] + 1);
    }
    return reply;
}

std::vector<Byte> SimulatedRadio::answerWrite(const ParsedRequest& request) {
    // Only the memory image is writable; anything else goes unanswered.
    if (request.count != static_cast<int>(kBlockSize) ||
        !blockWithin(request.address, 0, kImageAreaEnd)) {
        return {};
    }
    // A damaged block is asked for again.
    if (!request.checksumOk) return {kResend};
    ++soundWrites_;
    if (isNth(soundWrites_, faults_.resendEvery)) return {kResend};
    const std::vector<int>& dropped = faults_.droppedWriteBlocks;
    if (std::find(dropped.begin(), dropped.end(), request.address) != dropped.end()) return {kAck};
    std::copy(request.data.begin(), request.data.end(), image_.begin() + request.address);
    return {kAck};
}

}  // namespace k7x::sim

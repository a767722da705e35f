#include "link/TraceExcerpt.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <span>

#include "link/Frames.h"

namespace k7x {

namespace {

// The columns SerialTrace writes: the time (ten characters wide, more after 16 minutes), the
// direction or "--" before a note, 16 bytes in hex, their text.
constexpr std::size_t kHexWidth = 16 * 3;

std::optional<Byte> HexByte(std::string_view cell) {
    Byte value = 0;
    for (char c : cell) {
        value = static_cast<Byte>(value << 4);
        if (c >= '0' && c <= '9') {
            value = static_cast<Byte>(value | (c - '0'));
        } else if (c >= 'A' && c <= 'F') {
            value = static_cast<Byte>(value | (c - 'A' + 10));
        } else {
            return std::nullopt;
        }
    }
    return value;
}

TraceEntry ParseLine(std::string_view line) {
    TraceEntry entry;
    entry.text = std::string(line);
    const std::size_t timeStart = line.find_first_not_of(' ');
    const std::size_t timeEnd = line.find(' ', timeStart);
    if (timeStart == std::string_view::npos || timeEnd == std::string_view::npos ||
        line.size() < timeEnd + 3)
        return entry;
    const std::string_view mark = line.substr(timeEnd + 1, 2);
    const std::string_view rest = line.substr(std::min(line.size(), timeEnd + 4));
    if (mark == "--") {
        entry.kind = TraceEntry::Kind::Note;
    } else if (mark == "TX" || mark == "RX") {
        entry.kind = mark == "TX" ? TraceEntry::Kind::Sent : TraceEntry::Kind::Received;
    } else {
        return entry;
    }
    entry.time = std::string(line.substr(0, timeEnd));
    entry.text = std::string(rest);
    if (entry.kind == TraceEntry::Kind::Note) return entry;
    const std::string_view hex = rest.substr(0, kHexWidth);
    for (std::size_t at = 0; at + 2 <= hex.size() && hex[at] != ' '; at += 3) {
        if (const std::optional<Byte> b = HexByte(hex.substr(at, 2))) entry.bytes.push_back(*b);
    }
    return entry;
}

std::string Hex(std::span<const Byte> bytes) {
    std::string text;
    for (Byte b : bytes) {
        char cell[4];
        std::snprintf(cell, sizeof cell, "%02X ", b);
        text += cell;
    }
    return text;
}

bool StartsWith(std::span<const Byte> bytes, std::span<const Byte> frame) {
    return bytes.size() >= frame.size() && std::equal(frame.begin(), frame.end(), bytes.begin());
}

// How many leading bytes form a frame shown whole; 0 when none does.
std::size_t PlainFrameLength(std::span<const Byte> rest) {
    const Byte identify[] = {kIdentifyCode};
    for (std::span<const Byte> frame :
         {std::span<const Byte>(kHandshakeBytes), std::span<const Byte>(kHandshakeAckBytes),
          std::span<const Byte>(kEndBytes), std::span<const Byte>(identify)}) {
        if (StartsWith(rest, frame)) return frame.size();
    }
    if (rest[0] == kAck || rest[0] == kResend) return 1;
    if (rest[0] == kReadCode && rest.size() >= read_frame::kLength) return read_frame::kLength;
    // The identification names the model, the country mode and the version.
    constexpr std::size_t idLength = identification_frame::kLength;
    if (rest[0] == kIdentityCode && rest.size() >= idLength && rest[idLength - 1] == kAck)
        return idLength;
    return 0;
}

bool IsBlockFrame(std::span<const Byte> rest) {
    return rest.size() >= block_frame::kLength && rest[0] == kWriteCode &&
           rest[block_frame::kTrailer.offset] == kAck;
}

}  // namespace

std::vector<TraceEntry> ParseTrace(std::string_view trace) {
    std::vector<TraceEntry> entries;
    while (!trace.empty()) {
        const std::size_t end = std::min(trace.find('\n'), trace.size());
        TraceEntry entry = ParseLine(trace.substr(0, end));
        trace.remove_prefix(std::min(trace.size(), end + 1));
        const bool bytes =
            entry.kind == TraceEntry::Kind::Sent || entry.kind == TraceEntry::Kind::Received;
        if (bytes && !entries.empty() && entries.back().kind == entry.kind &&
            entries.back().time == entry.time) {
            entries.back().bytes.insert(entries.back().bytes.end(), entry.bytes.begin(),
                                        entry.bytes.end());
            continue;
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string WithheldPayloadBytes(const std::vector<Byte>& bytes) {
    std::string text;
    std::span<const Byte> rest(bytes);
    while (!rest.empty()) {
        if (const std::size_t n = PlainFrameLength(rest)) {
            text += Hex(rest.first(n));
            rest = rest.subspan(n);
        } else if (IsBlockFrame(rest)) {
            // Address and count stay; the data and the checksum over it go.
            text += Hex(rest.first(block_frame::kData.offset)) + "[" +
                    std::to_string(block_frame::kData.width + 1) + " bytes withheld] " +
                    Hex(rest.subspan(block_frame::kTrailer.offset, 1));
            rest = rest.subspan(block_frame::kLength);
        } else {
            text += "[" + std::to_string(rest.size()) + " bytes withheld] ";
            break;
        }
    }
    if (!text.empty()) text.pop_back();
    return text;
}

std::string TraceOutcome(std::string_view trace) {
    std::string outcome;
    for (const TraceEntry& e : ParseTrace(trace)) {
        if (e.kind == TraceEntry::Kind::Note && e.text.starts_with(kOutcomeNote))
            outcome = e.text.substr(std::string_view(kOutcomeNote).size());
    }
    return outcome;
}

std::string TraceExcerpt(std::string_view trace) {
    const std::vector<TraceEntry> entries = ParseTrace(trace);
    const std::size_t deliveries = std::count_if(entries.begin(), entries.end(), [](auto& e) {
        return e.kind == TraceEntry::Kind::Sent || e.kind == TraceEntry::Kind::Received;
    });
    std::string text;
    std::size_t index = 0;
    std::size_t skipped = 0;
    for (const TraceEntry& e : entries) {
        if (e.kind == TraceEntry::Kind::Note) {
            text += e.time + " -- " + e.text + "\n";
            continue;
        }
        if (e.kind == TraceEntry::Kind::Other) {
            // The heading and the count of lines the kept trace left out; nothing unknown.
            if (e.text.starts_with("#") || e.text.starts_with("--")) text += e.text + "\n";
            continue;
        }
        const std::size_t at = index++;
        if (at >= kExcerptHead && at + kExcerptTail < deliveries) {
            ++skipped;
            continue;
        }
        if (skipped > 0) text += "-- " + std::to_string(skipped) + " deliveries left out --\n";
        skipped = 0;
        text += e.time + (e.kind == TraceEntry::Kind::Sent ? " TX " : " RX ") +
                WithheldPayloadBytes(e.bytes) + "\n";
    }
    return text;
}

}  // namespace k7x

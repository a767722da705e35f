// What a problem report shows of a transfer's serial trace when the user keeps the radio's
// contents to themselves: the exchanges that say most about a fault (the handshake, the
// identification and the information block at the start, the exchanges before the end) with
// every payload that could carry channel data, the radio's serial number or its password left
// out. Frame codes, addresses, counts and trailers stay, so the course of the exchange can
// still be followed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "codeplug/Records.h"

namespace k7x {

// Begins the note that ends a kept trace: "outcome: read completed".
inline constexpr const char* kOutcomeNote = "outcome: ";

// One line of a trace, or one delivery of bytes spread over several lines.
struct TraceEntry {
    enum class Kind { Other, Note, Sent, Received };
    Kind kind = Kind::Other;
    std::string time;         // as written, milliseconds since the trace began
    std::string text;         // a note's text, or an other line as it is
    std::vector<Byte> bytes;  // sent or received
};

// The lines of a trace as SerialTrace writes them; the lines of one delivery are joined.
std::vector<TraceEntry> ParseTrace(std::string_view trace);

// The bytes of one delivery with payloads replaced by what they were: "57 3E 10 10 [16 bytes
// withheld] 06". Only frames known to carry nothing private are shown whole.
std::string WithheldPayloadBytes(const std::vector<Byte>& bytes);

// The text of the last outcome note; "" when the trace has none (the program stopped first).
std::string TraceOutcome(std::string_view trace);

inline constexpr std::size_t kExcerptHead = 12;  // deliveries from the start
inline constexpr std::size_t kExcerptTail = 16;  // deliveries before the end

// The notes, the first and the last deliveries, payloads withheld, one line each.
std::string TraceExcerpt(std::string_view trace);

}  // namespace k7x

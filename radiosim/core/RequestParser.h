// The radio's side of the line: finding the program's requests in the bytes it receives.
// Used by the simulated radio and by the tests' scripted radio.
#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "link/Frames.h"

namespace k7x {

enum class ParseStatus {
    Complete,  // a whole request starts at the first byte
    NeedMore,  // the bytes so far are the start of a request
    Garbage,   // the first byte starts no request: skip `consumed` bytes and look again
};

struct ParsedRequest {
    RequestKind kind = RequestKind::Handshake;
    int address = 0;                      // read and write
    int count = 0;                        // read and write: the count byte
    std::array<Byte, kBlockSize> data{};  // write
    bool checksumOk = true;               // write: the checksum and the trailing 06 match
};

struct RequestParse {
    ParseStatus status = ParseStatus::NeedMore;
    ParsedRequest request;
    std::size_t consumed = 0;  // bytes taken by the request (Complete) or skipped (Garbage)
};

// Looks for one request at the start of the buffer.
RequestParse ParseRequest(std::span<const Byte> buffer);

}  // namespace k7x

// When bytes leave the simulated radio. Without wire timing everything goes out at once; with
// it the line runs at 9600 baud (10 bits a byte), so a request is whole only once its last byte
// has crossed the line, and an answer starts a turnaround after that and goes out byte by byte.
#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <optional>
#include <span>
#include <vector>

#include "codeplug/Records.h"

namespace k7x::sim {

using WireClock = std::chrono::steady_clock;
using WireTime = WireClock::time_point;

class WireSchedule {
public:
    // Untimed: bytes are due the moment they are scheduled.
    WireSchedule() = default;
    WireSchedule(std::chrono::nanoseconds byteTime, std::chrono::nanoseconds turnaround);

    bool timed() const { return timed_; }
    std::chrono::nanoseconds byteTime() const { return byteTime_; }
    std::chrono::nanoseconds turnaround() const { return turnaround_; }

    // The program handed `count` bytes to the line, seen at `now`: when each has arrived.
    std::vector<WireTime> arrive(WireTime now, std::size_t count);
    // A single-wire cable returns each byte as it crosses the line.
    void echo(std::span<const Byte> bytes, std::span<const WireTime> arrivals);
    // An answer to a request whose last byte arrived at `requestDone`.
    void answer(std::span<const Byte> bytes, WireTime requestDone);

    // Removes and returns the bytes due at `now`, in order.
    std::vector<Byte> takeDue(WireTime now);
    std::optional<WireTime> nextDue() const;

private:
    struct Scheduled {
        WireTime at;
        Byte byte;
    };
    void add(WireTime at, Byte byte);

    bool timed_ = false;
    std::chrono::nanoseconds byteTime_{0};
    std::chrono::nanoseconds turnaround_{0};
    WireTime inputFree_{};   // when the line from the program falls idle
    WireTime outputFree_{};  // when the line to the program falls idle
    std::deque<Scheduled> queue_;
};

// 10 bits a byte at 9600 baud.
std::chrono::nanoseconds ByteTimeAt(int baud);

}  // namespace k7x::sim

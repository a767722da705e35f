#include "radiosim/core/WireSchedule.h"

#include <algorithm>

#include "link/Frames.h"

namespace k7x::sim {

WireSchedule::WireSchedule(std::chrono::nanoseconds byteTime, std::chrono::nanoseconds turnaround)
    : timed_(true), byteTime_(byteTime), turnaround_(turnaround) {}

std::chrono::nanoseconds ByteTimeAt(int baud) {
    return std::chrono::nanoseconds(1'000'000'000LL * kBitsPerByte / baud);
}

std::vector<WireTime> WireSchedule::arrive(WireTime now, std::size_t count) {
    std::vector<WireTime> arrivals(count, now);
    if (!timed_) return arrivals;
    WireTime t = std::max(now, inputFree_);
    for (WireTime& a : arrivals) {
        t += byteTime_;
        a = t;
    }
    inputFree_ = t;
    return arrivals;
}

void WireSchedule::echo(std::span<const Byte> bytes, std::span<const WireTime> arrivals) {
    for (std::size_t i = 0; i < bytes.size() && i < arrivals.size(); ++i)
        add(arrivals[i], bytes[i]);
}

void WireSchedule::answer(std::span<const Byte> bytes, WireTime requestDone) {
    if (!timed_) {
        for (Byte b : bytes) add(requestDone, b);
        return;
    }
    WireTime t = std::max(requestDone + turnaround_, outputFree_);
    for (Byte b : bytes) {
        t += byteTime_;
        add(t, b);
    }
    outputFree_ = t;
}

void WireSchedule::add(WireTime at, Byte byte) {
    // Keep the queue in time order; equal times keep the order they were added in.
    auto pos = std::upper_bound(queue_.begin(), queue_.end(), at,
                                [](WireTime t, const Scheduled& s) { return t < s.at; });
    queue_.insert(pos, Scheduled{at, byte});
}

std::vector<Byte> WireSchedule::takeDue(WireTime now) {
    std::vector<Byte> due;
    while (!queue_.empty() && queue_.front().at <= now) {
        due.push_back(queue_.front().byte);
        queue_.pop_front();
    }
    return due;
}

std::optional<WireTime> WireSchedule::nextDue() const {
    if (queue_.empty()) return std::nullopt;
    return queue_.front().at;
}

}  // namespace k7x::sim

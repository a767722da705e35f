// Serial drivers of USB adapters hold received bytes back for up to their latency timer (16 ms
// on common chips), which would stretch every exchange with the radio. Low-latency mode hands
// them on at once.
#pragma once

namespace k7x {

// Asks the driver of an open serial device for low-latency mode; false when it refuses or the
// device is no serial port (a pseudo-terminal), which is harmless.
bool RequestLowLatency(int fd);

}  // namespace k7x

// Serial drivers of USB adapters hold received bytes back for up to their latency timer (16 ms
// on common chips), which would stretch every exchange with the radio. Low-latency mode hands
// them on at once.
#pragma once

namespace k7x {

enum class LowLatency {
    Unavailable,  // the driver refuses, or the device is no serial port (a pseudo-terminal)
    AlreadyOn,    // someone else switched it on; leave it so
    SwitchedOn,   // switched on for us; switch it off again when done
};

// Asks the driver of an open serial device for low-latency mode. A refusal is harmless.
LowLatency RequestLowLatency(int fd);
// Gives the device back as it was found (after SwitchedOn).
void ReleaseLowLatency(int fd);

}  // namespace k7x

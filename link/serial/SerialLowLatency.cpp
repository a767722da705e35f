#include "link/serial/SerialLowLatency.h"

#include <linux/serial.h>
#include <sys/ioctl.h>

#include <cerrno>

namespace k7x {

namespace {

// Sets or clears the flag; false when the driver does not take it. Leaves errno as it was, so
// a refusal does not show up in the serial port's later error texts.
bool setFlag(int fd, bool on, bool* wasOn) {
    const int savedErrno = errno;
    serial_struct serial{};
    bool done = ::ioctl(fd, TIOCGSERIAL, &serial) == 0;
    if (done) {
        if (wasOn != nullptr) *wasOn = (serial.flags & ASYNC_LOW_LATENCY) != 0;
        const int flags = on ? serial.flags | ASYNC_LOW_LATENCY : serial.flags & ~ASYNC_LOW_LATENCY;
        if (flags != serial.flags) {
            serial.flags = flags;
            done = ::ioctl(fd, TIOCSSERIAL, &serial) == 0;
        }
    }
    errno = savedErrno;
    return done;
}

}  // namespace

LowLatency RequestLowLatency(int fd) {
    bool wasOn = false;
    if (!setFlag(fd, true, &wasOn)) return LowLatency::Unavailable;
    return wasOn ? LowLatency::AlreadyOn : LowLatency::SwitchedOn;
}

void ReleaseLowLatency(int fd) {
    setFlag(fd, false, nullptr);
}

}  // namespace k7x

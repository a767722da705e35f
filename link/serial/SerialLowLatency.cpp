#include "link/serial/SerialLowLatency.h"

#include <linux/serial.h>
#include <sys/ioctl.h>

#include <cerrno>

namespace k7x {

bool RequestLowLatency(int fd) {
    const int savedErrno = errno;
    serial_struct serial{};
    bool granted = ::ioctl(fd, TIOCGSERIAL, &serial) == 0;
    if (granted && !(serial.flags & ASYNC_LOW_LATENCY)) {
        serial.flags |= ASYNC_LOW_LATENCY;
        granted = ::ioctl(fd, TIOCSSERIAL, &serial) == 0;
    }
    // A refusal is normal (pseudo-terminals, some drivers); leave no error behind for the
    // serial port's later error texts to pick up.
    errno = savedErrno;
    return granted;
}

}  // namespace k7x

#include "link/serial/SerialLowLatency.h"

#include <linux/serial.h>
#include <sys/ioctl.h>

namespace k7x {

bool RequestLowLatency(int fd) {
    serial_struct serial{};
    if (::ioctl(fd, TIOCGSERIAL, &serial) != 0) return false;
    if (serial.flags & ASYNC_LOW_LATENCY) return true;
    serial.flags |= ASYNC_LOW_LATENCY;
    return ::ioctl(fd, TIOCSSERIAL, &serial) == 0;
}

}  // namespace k7x

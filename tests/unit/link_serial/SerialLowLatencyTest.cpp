// Low-latency mode: asked for on open, given back as found on close.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/serial.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "link/serial/SerialLowLatency.h"

namespace k7x {
namespace {

TEST(SerialLowLatencyTest, APseudoTerminalHasNoSuchModeAndNoErrorIsLeftBehind) {
    int master = -1;
    int slave = -1;
    ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    errno = 0;
    EXPECT_EQ(RequestLowLatency(slave), LowLatency::Unavailable);
    EXPECT_EQ(errno, 0);
    ::close(master);
    ::close(slave);
}

// A real serial driver (the machine's first UART), when there is one this test may use; the
// device's flag is put back as it was.
TEST(SerialLowLatencyTest, SwitchesTheDriverFlagOnAndBackOff) {
    const int fd = ::open("/dev/ttyS0", O_RDWR | O_NOCTTY | O_NONBLOCK);
    serial_struct serial{};
    if (fd < 0 || ::ioctl(fd, TIOCGSERIAL, &serial) != 0) {
        if (fd >= 0) ::close(fd);
        GTEST_SKIP() << "no serial driver to try";
    }
    const bool initiallyOn = (serial.flags & ASYNC_LOW_LATENCY) != 0;
    auto flagOn = [fd] {
        serial_struct s{};
        ::ioctl(fd, TIOCGSERIAL, &s);
        return (s.flags & ASYNC_LOW_LATENCY) != 0;
    };

    ReleaseLowLatency(fd);
    EXPECT_FALSE(flagOn());
    EXPECT_EQ(RequestLowLatency(fd), LowLatency::SwitchedOn);
    EXPECT_TRUE(flagOn());
    EXPECT_EQ(RequestLowLatency(fd), LowLatency::AlreadyOn);
    ReleaseLowLatency(fd);
    EXPECT_FALSE(flagOn());

    if (initiallyOn) RequestLowLatency(fd);
    EXPECT_EQ(flagOn(), initiallyOn);
    ::close(fd);
}

}  // namespace
}  // namespace k7x

// The serial adapter on a real pseudo-terminal: the test holds the far end, as the radio would.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <filesystem>
#include <sstream>

#include "MarkedTexts.h"
#include "TempFolder.h"
#include "link/serial/QtLinkTimers.h"
#include "link/serial/QtSerialLink.h"
#include "link/serial/SerialTrace.h"

namespace k7x {
namespace {

namespace fs = std::filesystem;

QCoreApplication& app() {
    static int argc = 1;
    static char name[] = "unit_link_serial";
    static char* argv[] = {name, nullptr};
    static QCoreApplication instance(argc, argv);
    return instance;
}

// Runs the event loop until the condition holds or the time is up.
bool processUntil(const std::function<bool()>& done, int milliseconds = 1000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return done();
}

void processFor(int milliseconds) {
    processUntil([] { return false; }, milliseconds);
}

struct RecordedEvents : LinkEvents {
    void onBytesReceived(std::span<const Byte> bytes) override {
        deliveries.emplace_back(bytes.begin(), bytes.end());
        if (onDelivery) onDelivery();
    }
    void onTimer(TimerId id) override { timers.push_back(id); }
    void onPortLost(const std::string& detail) override { lost.push_back(detail); }

    std::vector<std::vector<Byte>> deliveries;
    std::vector<TimerId> timers;
    std::vector<std::string> lost;
    std::function<void()> onDelivery;
};

class QtSerialLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        app();
        ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
        path = ::ttyname(slave);
    }
    void TearDown() override {
        if (master >= 0) ::close(master);
        if (slave >= 0) ::close(slave);
    }

    std::unique_ptr<QtSerialLink> linkTo(const std::string& device) {
        auto link = std::make_unique<QtSerialLink>(
            ResolverFor(PortChoice{0, device}, {}, kMarkedTexts), kMarkedTexts);
        link->setEvents(&events);
        return link;
    }
    void radioSends(const std::vector<Byte>& bytes) {
        ASSERT_EQ(::write(master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    std::vector<Byte> radioReceives(std::size_t count) {
        std::vector<Byte> got;
        processUntil([&] {
            Byte buffer[64];
            const int flags = ::fcntl(master, F_GETFL);
            ::fcntl(master, F_SETFL, flags | O_NONBLOCK);
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            ::fcntl(master, F_SETFL, flags);
            if (n > 0) got.insert(got.end(), buffer, buffer + n);
            return got.size() >= count;
        });
        return got;
    }

    int master = -1;
    int slave = -1;
    std::string path;
    RecordedEvents events;
};

TEST_F(QtSerialLinkTest, OpensWithTheRadiosLineSettings) {
    auto link = linkTo(path);
    ASSERT_FALSE(link->open());
    EXPECT_TRUE(link->isOpen());
    termios tio{};
    ASSERT_EQ(::tcgetattr(slave, &tio), 0);
    EXPECT_EQ(::cfgetospeed(&tio), static_cast<speed_t>(B9600));
    EXPECT_EQ(::cfgetispeed(&tio), static_cast<speed_t>(B9600));
    EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_FALSE(tio.c_cflag & PARENB);
    EXPECT_FALSE(tio.c_cflag & CSTOPB);
    EXPECT_FALSE(tio.c_cflag & CRTSCTS);
    EXPECT_FALSE(tio.c_iflag & (IXON | IXOFF));
    EXPECT_FALSE(tio.c_lflag & (ICANON | ECHO)) << "raw bytes";
    EXPECT_FALSE(tio.c_iflag & (ICRNL | ISTRIP)) << "bytes pass unchanged";
    EXPECT_FALSE(link->lowLatency()) << "a pseudo-terminal has no such mode; the open goes on";
}

TEST_F(QtSerialLinkTest, HoldsBytesUntilTheThresholdThenHandsOverAllOfThem) {
    auto link = linkTo(path);
    ASSERT_FALSE(link->open());
    link->setReceiveThreshold(5);
    radioSends({1, 2, 3});
    processFor(50);
    EXPECT_TRUE(events.deliveries.empty());
    radioSends({4, 5, 6, 7});
    ASSERT_TRUE(processUntil([&] { return !events.deliveries.empty(); }));
    processFor(20);
    ASSERT_EQ(events.deliveries.size(), 1u);
    EXPECT_EQ(events.deliveries[0], (std::vector<Byte>{1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(QtSerialLinkTest, ClearingDropsEverythingNotYetHandedOver) {
    auto link = linkTo(path);
    ASSERT_FALSE(link->open());
    link->setReceiveThreshold(10);
    radioSends({0xEE, 0xEE, 0xEE, 0xEE});
    processFor(30);            // taken into the adapter's own buffer
    radioSends({0xDD, 0xDD});  // still waiting in the driver
    link->clearBuffers();
    link->setReceiveThreshold(3);
    radioSends({'a', 'b', 'c'});
    ASSERT_TRUE(processUntil([&] { return !events.deliveries.empty(); }));
    EXPECT_EQ(events.deliveries[0], (std::vector<Byte>{'a', 'b', 'c'}));
}

TEST_F(QtSerialLinkTest, WritesReachTheLineAndTheTraceRecordsBothWays) {
    std::ostringstream out;
    SerialTrace trace(out, [] { return 0.0; });
    auto link = linkTo(path);
    link->setTrace(&trace);
    ASSERT_FALSE(link->open());
    link->setReceiveThreshold(3);
    const std::vector<Byte> handshake = {'P', 'R', 'O', 'G', 'R', 'A', 'M'};
    link->write(handshake);
    EXPECT_EQ(radioReceives(7), handshake);
    radioSends({0x5A, 0x54, 0x06});
    ASSERT_TRUE(processUntil([&] { return !events.deliveries.empty(); }));
    link->close();
    const std::string text = out.str();
    EXPECT_NE(text.find("-- open " + path), std::string::npos);
    EXPECT_NE(text.find("TX 50 52 4F 47 52 41 4D"), std::string::npos);
    EXPECT_NE(text.find("RX 5A 54 06"), std::string::npos);
    EXPECT_NE(text.find("-- close"), std::string::npos);
}

TEST_F(QtSerialLinkTest, TheEngineMayCloseThePortWhileBytesAreHandedOver) {
    auto link = linkTo(path);
    ASSERT_FALSE(link->open());
    events.onDelivery = [&] { link->close(); };
    radioSends({0x06});
    ASSERT_TRUE(processUntil([&] { return !events.deliveries.empty(); }));
    EXPECT_FALSE(link->isOpen());
    link->write(std::vector<Byte>{1, 2});  // ignored, no crash
}

TEST_F(QtSerialLinkTest, AVanishedDeviceIsReportedOnceAndThePortIsClosed) {
    auto link = linkTo(path);
    ASSERT_FALSE(link->open());
    ::close(master);  // the cable is pulled
    master = -1;
    ASSERT_TRUE(processUntil([&] { return !events.lost.empty(); }));
    processFor(50);
    EXPECT_EQ(events.lost.size(), 1u);
    // Which device, then why (disconnected, or reading failed).
    EXPECT_EQ(events.lost[0].find("<9100:" + path + "|"), 0u) << events.lost[0];
    EXPECT_NE(events.lost[0].find("\n<917"), std::string::npos) << events.lost[0];
    EXPECT_FALSE(link->isOpen());
}

TEST_F(QtSerialLinkTest, OpensThroughASymbolicLinkAndLocksTheDeviceItself) {
    const test::TempFolder folder;
    const fs::path& dir = folder.path();
    const fs::path alias = dir / "radio";
    fs::create_symlink(path, alias);

    auto first = linkTo(alias.string());
    ASSERT_FALSE(first->open());
    EXPECT_EQ(first->devicePath(), path);
    // The same device by its own name is held by the first opening.
    auto second = linkTo(path);
    const std::optional<std::string> problem = second->open();
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find("<9103:"), std::string::npos) << "busy: " << *problem;
    first->close();
    EXPECT_FALSE(second->open()) << "free again once closed";
}

TEST_F(QtSerialLinkTest, AMissingDeviceOrPortNumberSaysSo) {
    auto missing = linkTo("/dev/k7x-no-such-device");
    const std::optional<std::string> a = missing->open();
    ASSERT_TRUE(a);
    EXPECT_EQ(*a, "<9100:/dev/k7x-no-such-device|%2|%3>\n<9101:%1|%2|%3>");

    QtSerialLink numbered(
        ResolverFor(PortChoice{16, {}}, {{16, "/dev/k7x-no-such-device"}}, kMarkedTexts),
        kMarkedTexts);
    const std::optional<std::string> b = numbered.open();
    ASSERT_TRUE(b);
    EXPECT_NE(b->find("<9100:<9108:16|/dev/k7x-no-such-device|%3>|"), std::string::npos) << *b;
    EXPECT_NE(b->find("<9101:"), std::string::npos) << *b;

    // A number without any device.
    QtSerialLink empty(ResolverFor(PortChoice{15, {}}, {}, kMarkedTexts), kMarkedTexts);
    const std::optional<std::string> c = empty.open();
    ASSERT_TRUE(c);
    if (!PortMap({}, PresentSerialDevices()).entry(15)) {
        EXPECT_EQ(*c, "<9104:15|%2|%3>");
    }
}

TEST_F(QtSerialLinkTest, APortNumberNamedInTheSetupFileOpensThatDevice) {
    QtSerialLink numbered(ResolverFor(PortChoice{9, {}}, {{9, path}}, kMarkedTexts), kMarkedTexts);
    ASSERT_FALSE(numbered.open());
    EXPECT_EQ(numbered.devicePath(), path);
}

TEST(QtLinkTimersTest, EachTimerFiresOnceUnlessStoppedOrRestarted) {
    app();
    RecordedEvents events;
    QtLinkTimers timers;
    timers.setEvents(&events);
    timers.start(TimerId::WaitTimer, 20);
    timers.start(TimerId::ReadOKTimer, 20);
    timers.stop(TimerId::ReadOKTimer);
    timers.start(TimerId::WaitSaveDataTimer, 300);
    processFor(250);
    timers.start(TimerId::WaitSaveDataTimer, 300);  // restarted: counts from now
    processFor(150);
    EXPECT_EQ(events.timers, std::vector<TimerId>{TimerId::WaitTimer});
    ASSERT_TRUE(processUntil([&] { return events.timers.size() == 2; }));
    EXPECT_EQ(events.timers[1], TimerId::WaitSaveDataTimer);
    processFor(80);
    EXPECT_EQ(events.timers.size(), 2u) << "one-shot";
    EXPECT_FALSE(timers.isActive(TimerId::WaitTimer));
}

}  // namespace
}  // namespace k7x

// The simulated radio served on a real pseudo-terminal, opened by a client as a program would.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "TempFolder.h"
#include "link/Frames.h"
#include "radiosim/core/PseudoTerminal.h"
#include "radiosim/core/RadioContents.h"
#include "radiosim/core/RadioServer.h"

namespace k7x::sim {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class RadioServerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(terminal.open()); }
    void TearDown() override {
        if (client >= 0) ::close(client);
    }

    void start(ServerSettings settings = {}) {
        image.fill(0x00);
        info = DefaultInfoArea(0);
        radio = std::make_unique<SimulatedRadio>(RadioIdentity{}, RadioFaults{}, image, info);
        server = std::make_unique<RadioServer>(*radio, wire, terminal.fd(), settings, log);
    }
    void openClient() {
        client = ::open(terminal.terminalPath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(client, 0);
    }
    void closeClient() {
        ::close(client);
        client = -1;
    }

    // Sends bytes and collects what comes back until `expected` bytes are there (or a while
    // has passed), letting the server run in between.
    std::vector<Byte> exchange(const std::vector<Byte>& request, std::size_t expected) {
        if (!request.empty()) {
            EXPECT_EQ(::write(client, request.data(), request.size()),
                      static_cast<ssize_t>(request.size()));
        }
        std::vector<Byte> got;
        for (int i = 0; i < 100 && got.size() < expected; ++i) {
            server->serveOnce(nullptr, 5ms);
            Byte buffer[256];
            const ssize_t n = ::read(client, buffer, sizeof buffer);
            if (n > 0) got.insert(got.end(), buffer, buffer + n);
        }
        // Anything beyond what was expected would be a fault too.
        server->serveOnce(nullptr, 5ms);
        Byte extra[64];
        const ssize_t n = ::read(client, extra, sizeof extra);
        if (n > 0) got.insert(got.end(), extra, extra + n);
        return got;
    }

    PseudoTerminal terminal;
    MemoryImage image{};
    InfoArea info{};
    WireSchedule wire;
    std::ostringstream log;
    std::unique_ptr<SimulatedRadio> radio;
    std::unique_ptr<RadioServer> server;
    int client = -1;
    test::TempFolder folder;
    const fs::path& dir = folder.path();
};

const std::vector<Byte> kAckOnly{kAck};

TEST_F(RadioServerTest, KeepsServingWhenTheProgramClosesAndReopensTheTerminal) {
    start();
    openClient();
    EXPECT_EQ(exchange(HandshakeRequest().bytes, 3), (std::vector<Byte>{0x5A, 0x54, 0x06}));
    closeClient();
    openClient();
    const std::vector<Byte> id = exchange(IdentifyRequest().bytes, 16);
    ASSERT_EQ(id.size(), 16u);
    EXPECT_EQ(id[0], 'I');
    EXPECT_EQ(exchange(EndRequest().bytes, 1), kAckOnly);
    closeClient();
    openClient();
    EXPECT_EQ(exchange(HandshakeRequest().bytes, 3).size(), 3u);
}

TEST_F(RadioServerTest, AnEchoingCableReturnsTheRequestAheadOfTheAnswer) {
    ServerSettings settings;
    settings.echo = true;
    start(settings);
    openClient();
    // Not in programming mode: END gets no answer, but the cable still echoes it.
    EXPECT_EQ(exchange(EndRequest().bytes, 3), (std::vector<Byte>{'E', 'N', 'D'}));
    std::vector<Byte> expected = HandshakeRequest().bytes;
    expected.insert(expected.end(), {0x5A, 0x54, 0x06});
    EXPECT_EQ(exchange(HandshakeRequest().bytes, 10), expected);
}

TEST_F(RadioServerTest, SavesTheImageAfterEachEndOnly) {
    const fs::path saved = dir / "saved.bin";
    ServerSettings settings;
    settings.saveFile = saved.string();
    start(settings);
    openClient();
    exchange(HandshakeRequest().bytes, 3);
    std::array<Byte, kBlockSize> data{};
    data.fill(0x5A);
    EXPECT_EQ(exchange(WriteBlockRequest(0x0010, data).bytes, 1), kAckOnly);
    EXPECT_FALSE(fs::exists(saved)) << "nothing is saved before END";
    EXPECT_EQ(exchange(EndRequest().bytes, 1), kAckOnly);
    server->serveOnce(nullptr, 5ms);
    ASSERT_TRUE(fs::exists(saved));
    EXPECT_EQ(fs::file_size(saved), kImageSize);
    std::ifstream in(saved, std::ios::binary);
    std::vector<char> bytes(kImageSize);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    EXPECT_EQ(bytes[0x000F], 0x00);
    EXPECT_EQ(bytes[0x0010], 0x5A);
    EXPECT_EQ(bytes[0x001F], 0x5A);
    EXPECT_EQ(bytes[0x0020], 0x00);
}

TEST_F(RadioServerTest, ARequestCutOffMidwayIsForgottenOnceTheLineFallsQuiet) {
    start();
    openClient();
    exchange(HandshakeRequest().bytes, 3);
    std::array<Byte, kBlockSize> data{};
    const std::vector<Byte> write = WriteBlockRequest(0x0000, data).bytes;
    EXPECT_TRUE(exchange({write.begin(), write.begin() + 10}, 0).empty());
    std::this_thread::sleep_for(150ms);
    // Otherwise these four bytes would be taken as more of the write's data.
    EXPECT_EQ(exchange(ReadBlockRequest(0x0000).bytes, 22).size(), 22u);
}

TEST_F(RadioServerTest, LogsEveryRequestWhenAsked) {
    ServerSettings settings;
    settings.verbose = true;
    start(settings);
    openClient();
    exchange(HandshakeRequest().bytes, 3);
    exchange(ReadBlockRequest(0x1D00).bytes, 0);
    EXPECT_EQ(log.str(), "PROGRAM\nread 1D00 (no answer)\n");
}

TEST_F(RadioServerTest, ReleasesAnExclusiveLockLeftByADeadProgram) {
    openClient();
    ASSERT_EQ(::ioctl(client, TIOCEXCL), 0);
    closeClient();  // as a killed program would, without undoing the lock
    EXPECT_TRUE(terminal.releaseExclusiveUse());
    EXPECT_FALSE(terminal.releaseExclusiveUse()) << "nothing left to release";
}

TEST_F(RadioServerTest, TheLinkPointsAtTheTerminalAndGoesAwayWithIt) {
    const fs::path link = dir / "radio";
    ASSERT_FALSE(terminal.makeLink(link.string()));
    EXPECT_EQ(fs::read_symlink(link), terminal.terminalPath());
    // A second radio takes the link over; the first one then leaves it alone.
    PseudoTerminal second;
    ASSERT_FALSE(second.open());
    ASSERT_FALSE(second.makeLink(link.string()));
    terminal.removeLink();
    EXPECT_EQ(fs::read_symlink(link), second.terminalPath());
    second.removeLink();
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
}

TEST_F(RadioServerTest, NeverReplacesAFileThatIsNoLink) {
    const fs::path file = dir / "important";
    std::ofstream(file) << "keep";
    EXPECT_TRUE(terminal.makeLink(file.string()));
    std::ifstream in(file);
    std::string content;
    in >> content;
    EXPECT_EQ(content, "keep");
}

}  // namespace
}  // namespace k7x::sim

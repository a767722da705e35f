// Ctrl+C (SIGINT) or SIGTERM while korvan7x-cli talks to korvan7x-radio: the radio is told to
// leave programming mode, no file is written or damaged, the exit status tells what happened,
// and the radio serves the next command as usual.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "Processes.h"
#include "ScratchDirTest.h"

namespace k7x::e2e {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kImageBytes = 7424;
constexpr const char* kStopped = "stopped by Ctrl+C or SIGTERM";

// korvan7x-cli on a pseudo-terminal of its own, as a user at a terminal runs it.
class TerminalRun {
public:
    TerminalRun(const std::vector<std::string>& args, const fs::path& dir) {
        pid_ = ::forkpty(&master_, nullptr, nullptr, nullptr);
        if (pid_ == 0) {
            ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
            ::setenv("LC_ALL", "C", 1);
            ::unsetenv("LANG");
            std::vector<char*> argv{const_cast<char*>(K7X_CLI_PATH)};
            for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            ::execv(K7X_CLI_PATH, argv.data());
            ::_exit(127);
        }
    }
    ~TerminalRun() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (master_ >= 0) ::close(master_);
    }

    // Reads what the program shows until `text` appears; false after 10 s or at its end.
    bool waitFor(const std::string& text) {
        const auto until = Clock::now() + 10s;
        while (output.find(text) == std::string::npos) {
            if (Clock::now() > until || !readSome()) return false;
        }
        return true;
    }
    void type(const std::string& keys) { ASSERT_GT(::write(master_, keys.data(), keys.size()), 0); }
    // Whether the terminal shows what is typed.
    bool echoOn() const {
        termios t{};
        return ::tcgetattr(master_, &t) == 0 && (t.c_lflag & ECHO) != 0;
    }
    // Reads to the end and waits for the program; its exit code.
    int finish() {
        while (readSome()) {
        }
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string output;

private:
    bool readSome() {
        pollfd pfd{master_, POLLIN, 0};
        if (::poll(&pfd, 1, 10'000) <= 0) return false;
        char buffer[512];
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0) return false;
        output.append(buffer, static_cast<std::size_t>(n));
        return true;
    }

    pid_t pid_ = -1;
    int master_ = -1;
};

class StopSignalTest : public ScratchDirTest {
protected:
    // Waits until a file (the started command's stderr, a trace) holds `text`; false after 10 s.
    bool waitForText(const std::string& name, const std::string& text) const {
        const auto until = Clock::now() + 10s;
        while (Clock::now() < until) {
            if (ReadAll(file(name)).find(text) != std::string::npos) return true;
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }

    // Sends `signal` to a started command and waits for it; the exit code and the seconds the
    // command took to end after the signal.
    static std::pair<int, double> stop(pid_t cli, int signal) {
        const auto sent = Clock::now();
        ::kill(cli, signal);
        const int code = WaitFor(cli);
        return {code, std::chrono::duration<double>(Clock::now() - sent).count()};
    }

    // The lines the radio logged (--verbose): one per request it heard.
    std::vector<std::string> radioLog() const {
        std::vector<std::string> lines;
        std::string all = ReadAll(file("radio.err"));
        for (std::size_t at = 0; at < all.size();) {
            const std::size_t end = all.find('\n', at);
            lines.push_back(all.substr(at, end - at));
            at = end == std::string::npos ? all.size() : end + 1;
        }
        return lines;
    }
};

TEST_F(StopSignalTest, CtrlCDuringAReadTellsTheRadioEndAndKeepsTheFile) {
    SimulatedRadio radio(dir, {"--wire-timing", "--verbose"});  // a whole read takes 14 s
    WriteAll(file("keep.dat"), "previous content");
    const pid_t cli = StartCli(
        {"read", "--port", radio.port(), "-o", file("keep.dat"), "--trace", file("trace.txt")},
        dir);
    ASSERT_TRUE(waitForText("background.err", "5%\n")) << ReadAll(file("background.err"));
    const auto [code, seconds] = stop(cli, SIGINT);

    EXPECT_EQ(code, 128 + SIGINT);
    EXPECT_LT(seconds, 2.0) << "the stop waits two reply times at most";
    const std::string err = ReadAll(file("background.err"));
    EXPECT_NE(err.find(kStopped), std::string::npos) << err;
    EXPECT_EQ(ReadAll(file("keep.dat")), "previous content");
    for (const auto& entry : fs::directory_iterator(dir)) {
        EXPECT_EQ(entry.path().filename().string().find("keep.dat."), std::string::npos)
            << "left behind: " << entry.path();
    }
    // After the stop only END went out, and the radio heard it last.
    const std::string trace = ReadAll(file("trace.txt"));
    const std::size_t stopAt = trace.find("stop requested by signal 2");
    ASSERT_NE(stopAt, std::string::npos) << trace.substr(trace.size() - 500);
    const std::string after = trace.substr(stopAt);
    EXPECT_EQ(Count(after, " TX "), 1) << after;
    EXPECT_EQ(Count(after, "TX 45 4E 44"), 1) << after;
    ASSERT_FALSE(radioLog().empty());
    EXPECT_EQ(radioLog().back(), "END");

    // The port is free and the radio answers the next command from the start.
    const CliRun info = RunCli({"info", "--port", radio.port()}, dir);
    EXPECT_EQ(info.exitCode, 0) << info.err;
    EXPECT_NE(info.out.find("InfoModel: KORVN7X"), std::string::npos);
    EXPECT_EQ(radioLog().back(), "END");
}

TEST_F(StopSignalTest, SigtermDuringAWriteSaysTheRadioHoldsPartOfTheData) {
    const CliRun made = RunCli({"new", "--mode", "0", "-o", file("source.dat")}, dir);
    ASSERT_EQ(made.exitCode, 0) << made.err;
    const std::string erased(kImageBytes, '\xFF');
    WriteAll(file("erased.bin"), erased);
    const fs::path saved = file("saved.bin");
    SimulatedRadio radio(dir, {"--wire-timing", "--image", file("erased.bin"), "--save", saved});
    const pid_t cli = StartCli({"write", "--port", radio.port(), file("source.dat")}, dir);
    ASSERT_TRUE(waitForText("background.err", "5%\n")) << ReadAll(file("background.err"));
    const auto [code, seconds] = stop(cli, SIGTERM);

    EXPECT_EQ(code, 128 + SIGTERM);
    EXPECT_LT(seconds, 2.0);
    const std::string err = ReadAll(file("background.err"));
    EXPECT_NE(err.find(kStopped), std::string::npos) << err;
    EXPECT_NE(err.find("only part of the new data"), std::string::npos) << err;
    // The radio saves its image when it hears END: the first blocks are new, the rest erased.
    radio.stop();
    const std::string image = ReadAll(saved);
    ASSERT_EQ(image.size(), kImageBytes) << "the radio never heard END";
    EXPECT_NE(image.substr(0, 16), erased.substr(0, 16));
    EXPECT_EQ(image.substr(kImageBytes - 16), erased.substr(0, 16));
}

// The radio never answers: the handshakes may still have put a real radio into programming
// mode, so END goes out before the port closes.
TEST_F(StopSignalTest, CtrlCWhileTheRadioIsSilentEndsAtOnce) {
    SimulatedRadio radio(dir, {"--never-answer"});
    // Without a terminal, --retries answers the question whether to try again.
    const pid_t cli = StartCli(
        {"info", "--port", radio.port(), "--retries", "1000", "--trace", file("trace.txt")}, dir);
    // A handshake is out: the transfer runs and waits for the radio.
    ASSERT_TRUE(waitForText("trace.txt", "TX 50 52 4F 47 52 41 4D"));
    const auto [code, seconds] = stop(cli, SIGINT);
    EXPECT_EQ(code, 128 + SIGINT);
    EXPECT_LT(seconds, 2.0);
    const std::string err = ReadAll(file("background.err"));
    EXPECT_NE(err.find(kStopped), std::string::npos) << err;
    EXPECT_EQ(ReadAll(file("background.out")), "") << "no information printed";
    EXPECT_EQ(Count(ReadAll(file("trace.txt")), "TX 45 4E 44"), 1);
}

// At a terminal Ctrl+C reaches the program while it waits for the password with echo off: the
// terminal shows typing again, no password failure is reported, the radio hears END.
TEST_F(StopSignalTest, CtrlCAtThePasswordPromptRestoresTheTerminal) {
    SimulatedRadio radio(dir, {"--password", "Ab1", "--verbose"});
    TerminalRun cli({"read", "--port", radio.port(), "-o", file("a.dat")}, dir);
    ASSERT_TRUE(cli.waitFor("Password:")) << cli.output;
    // Echo goes off just before the program starts waiting for the line.
    const auto until = Clock::now() + 10s;
    while (cli.echoOn() && Clock::now() < until) std::this_thread::sleep_for(10ms);
    ASSERT_FALSE(cli.echoOn());
    std::this_thread::sleep_for(100ms);
    cli.type("\x03");
    ASSERT_TRUE(cli.waitFor(kStopped)) << cli.output;
    EXPECT_TRUE(cli.echoOn());
    EXPECT_EQ(cli.finish(), 128 + SIGINT);
    EXPECT_EQ(cli.output.find("PassWord Failure!"), std::string::npos) << cli.output;
    EXPECT_FALSE(fs::exists(file("a.dat")));
    ASSERT_FALSE(radioLog().empty());
    EXPECT_EQ(radioLog().back(), "END");
}

}  // namespace
}  // namespace k7x::e2e

// korvan7x-cli ports --check against the simulated radio's pseudo-terminal: once for a user the
// terminal's mode shuts out, once for the user who may open it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "Processes.h"
#include "ScratchDirTest.h"

namespace k7x::e2e {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSetpriv = "/usr/bin/setpriv";
constexpr uid_t kNobody = 65534;
constexpr gid_t kTtyGroup = 5;

using PortCheckTest = ScratchDirTest;

TEST_F(PortCheckTest, TellsAUserShutOutWhyAndHowToGetIn) {
    SimulatedRadio radio(dir, {});
    const std::string pty = radio.terminal();
    ASSERT_EQ(::chmod(pty.c_str(), 0600), 0);
    CliRun run;
    if (::geteuid() == 0) {
        // Root may open anything: the check runs as a user of another uid and group.
        if (!fs::exists(kSetpriv)) GTEST_SKIP() << "needs " << kSetpriv;
        ASSERT_EQ(::chown(pty.c_str(), 0, kTtyGroup), 0);
        run = RunCliThrough({kSetpriv, "--reuid=" + std::to_string(kNobody),
                             "--regid=" + std::to_string(kNobody), "--clear-groups"},
                            {"ports", "--check", "--port", radio.port()}, dir);
        EXPECT_NE(run.out.find("User nobody may not open the device: it belongs to user root "
                               "and group tty, mode 0600."),
                  std::string::npos)
            << run.out;
        EXPECT_NE(run.out.find("You are not in the group tty."), std::string::npos);
        EXPECT_NE(run.out.find("      Fix: sudo usermod -aG tty $USER\n"), std::string::npos);
        EXPECT_NE(run.out.find("      Fix: sudo chmod 660 " + pty + "\n"), std::string::npos);
        // The simulated radio's open terminal belongs to root, out of nobody's sight.
        EXPECT_NE(run.out.find("      Fix: sudo fuser -v " + pty + "\n"), std::string::npos);
    } else {
        // A user's own terminal with no mode bits at all.
        ASSERT_EQ(::chmod(pty.c_str(), 0), 0);
        run = RunCli({"ports", "--check", "--port", radio.port()}, dir);
        EXPECT_NE(run.out.find("mode 0000"), std::string::npos) << run.out;
        EXPECT_NE(run.out.find("      Fix: chmod u+rw " + pty + "\n"), std::string::npos);
    }
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_EQ(run.out.rfind("Device: " + radio.port() + "\n", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("    Device: " + pty + "\n"), std::string::npos) << "the link's target";
    EXPECT_NE(run.out.find("Low latency could not be checked"), std::string::npos);
}

TEST_F(PortCheckTest, AUserWhoMayOpenItIsToldSo) {
    SimulatedRadio radio(dir, {});
    const CliRun run = RunCli({"ports", "--check", "--port", radio.terminal()}, dir);
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("    User "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("may open the device for reading and writing."), std::string::npos);
    EXPECT_NE(run.out.find("Low latency: the device has no such setting"), std::string::npos);
    // The radio keeps its terminal open; a pseudo-terminal's maker holding it is no fault.
    if (::geteuid() == 0) {
        EXPECT_NE(run.out.find("(korvan7x-radio) has the device open"), std::string::npos);
    }

    const CliRun misuse = RunCli({"ports", "--port", "1"}, dir);
    EXPECT_EQ(misuse.exitCode, 2);
    EXPECT_NE(misuse.err.find("The option --port goes only with --check."), std::string::npos)
        << misuse.err;
}

}  // namespace
}  // namespace k7x::e2e

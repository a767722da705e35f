// korvan7x-cli report after transfers with korvan7x-radio: the last transfer's trace kept in
// the state folder, and a report that holds the radio's secrets only when told to.
#include <gtest/gtest.h>

#include <QByteArray>
#include <filesystem>

#include "Processes.h"
#include "ScratchDirTest.h"

namespace k7x::e2e {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSerial = "K7XSERIAL42";
constexpr const char* kSerialHex = "4B 37 58 53 45 52 49 41 4C 34 32";
constexpr const char* kPassword = "QZXW";
constexpr const char* kPasswordHex = "51 5A 58 57";

class ReportCommandTest : public ScratchDirTest {
protected:
    fs::path keptTrace() const { return dir / "state" / "korvan7x" / "last-transfer.trace"; }
    // A radio whose information area carries a serial number and whose password is set.
    std::vector<std::string> radioOptions() {
        std::string area(256, '\0');
        area.replace(48, std::string(kSerial).size(), kSerial);
        WriteAll(file("info.bin"), area);
        return {"--info", file("info.bin"), "--password", kPassword};
    }
};

TEST_F(ReportCommandTest, EachTransferReplacesTheKeptTrace) {
    SimulatedRadio radio(dir, radioOptions());
    const CliRun read = RunCli(
        {"read", "--port", radio.port(), "--password", kPassword, "-o", file("read.dat")}, dir);
    ASSERT_EQ(read.exitCode, 0) << read.err;
    const std::string afterRead = ReadAll(keptTrace());
    EXPECT_TRUE(afterRead.starts_with("# korvan7x read, ")) << afterRead.substr(0, 200);
    EXPECT_TRUE(afterRead.ends_with(" -- outcome: read completed\n"));

    const CliRun info = RunCli({"info", "--port", radio.port()}, dir);
    ASSERT_EQ(info.exitCode, 0) << info.err;
    const std::string afterInfo = ReadAll(keptTrace());
    EXPECT_TRUE(afterInfo.starts_with("# korvan7x information read, "));
    EXPECT_EQ(Count(afterInfo, "# korvan7x "), 1);
    EXPECT_TRUE(afterInfo.ends_with(" -- outcome: information read completed\n"));
    EXPECT_NE(afterInfo.find(kSerialHex), std::string::npos) << "the trace itself is whole";
}

TEST_F(ReportCommandTest, TheReportHoldsTheRadiosSecretsOnlyWhenTold) {
    SimulatedRadio radio(dir, radioOptions());
    ASSERT_EQ(
        RunCli({"read", "--port", radio.port(), "--password", kPassword, "-o", file("read.dat")},
               dir)
            .exitCode,
        0);
    ASSERT_EQ(RunCli({"info", "--port", radio.port()}, dir).exitCode, 0);
    const std::string dat = ReadAll(file("read.dat"));
    const std::string datBase64 = QByteArray::fromStdString(dat).toBase64().left(76).toStdString();

    struct Case {
        std::vector<std::string> extra;
        bool secrets;
    };
    const Case cases[] = {{{}, false}, {{"--include-document", file("read.dat")}, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.secrets ? "with the document" : "without");
        std::vector<std::string> args{"report", "-o", file("report.txt")};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const CliRun run = RunCli(args, dir);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const std::string report = ReadAll(file("report.txt"));
        EXPECT_TRUE(report.starts_with("korvan7x problem report\n"));
        EXPECT_NE(report.find("\n== Serial ports ==\n"), std::string::npos);
        EXPECT_NE(report.find("Outcome: information read completed\n"), std::string::npos);
        EXPECT_NE(report.find("\nKORVAN-7X_read_"), std::string::npos) << "the read's backup";
        for (const std::string& secret :
             {std::string(kSerial), std::string(kSerialHex), std::string(kPasswordHex), datBase64})
            EXPECT_EQ(report.find(secret) != std::string::npos, c.secrets) << secret;
    }
}

TEST_F(ReportCommandTest, AReportNeedsAnOutputAndAReadableDocument) {
    EXPECT_EQ(RunCli({"report"}, dir).exitCode, 2);
    const CliRun missing =
        RunCli({"report", "-o", file("r.txt"), "--include-document", file("none.dat")}, dir);
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(fs::exists(file("r.txt")));
}

}  // namespace
}  // namespace k7x::e2e

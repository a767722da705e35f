// The problem report: its sections in order, and the radio's contents only with consent.
#include <gtest/gtest.h>

#include <QByteArray>
#include <sstream>

#include "link/Frames.h"
#include "link/serial/SerialTrace.h"
#include "shell/ProblemReport.h"

namespace k7x {
namespace {

constexpr const char* kSerial = "K7XSERIAL42";
constexpr const char* kPassword = "QZXW";

// A read of the information area: the serial number in one block, the password in another,
// and a channel frequency in a data block.
std::string TraceOfAnInformationRead() {
    std::ostringstream out;
    SerialTrace trace(out, [] { return 2.0; });
    trace.note("open /dev/ttyUSB0");
    std::array<Byte, kBlockSize> serial{};
    std::copy_n(kSerial, 11, serial.begin());
    std::array<Byte, kBlockSize> information{};
    std::copy_n(kPassword, 4, information.begin() + kPasswordOffset);
    trace.sent(ReadBlockRequest(0x3E30).bytes);
    trace.received(WriteBlockRequest(0x3E30, serial).bytes);
    trace.sent(ReadBlockRequest(kInformationBlockAddress).bytes);
    trace.received(WriteBlockRequest(kInformationBlockAddress, information).bytes);
    trace.note("outcome: information read completed");
    return out.str();
}

ProblemReportFacts Facts(bool includeDocument) {
    ProblemReportFacts f;
    f.program = "korvan7x 1.0.0 (V100)";
    f.ports = {" 1  /dev/ttyUSB0  (default)"};
    f.setupFile = {"/c/mysetup.ini", "[language]\r\ncomPort=1\r\n[radio]\r\nPassWord=" +
                                         std::string(kPassword) + "\r\n"};
    f.settingFile = {"/c/Setting.ini", std::vector<Byte>{0, 0, 0, 1}};
    f.trace = {"/s/last-transfer.trace", TraceOfAnInformationRead()};
    f.backupFolder = "/d/backups";
    f.backups = {"KORVAN-7X_read_20260101-120000.dat"};
    f.includeDocument = includeDocument;
    f.document = {"/home/u/radio.dat", std::vector<Byte>{'K', '7', 'X', 'D', 'O', 'C'}};
    return f;
}

TEST(ProblemReportTest, SectionsComeInOrder) {
    const std::string report = BuildProblemReport(Facts(false));
    std::size_t last = 0;
    for (const char* heading :
         {"== Program ==", "== System ==", "== Serial ports ==", "== Settings files ==",
          "== Last transfer ==", "== Backups ==", "== Document =="}) {
        const std::size_t at = report.find(std::string("\n") + heading + "\n");
        ASSERT_NE(at, std::string::npos) << heading;
        EXPECT_GT(at, last) << heading;
        last = at;
    }
    for (const char* line :
         {"Version: korvan7x 1.0.0 (V100)\n", " 1  /dev/ttyUSB0  (default)\n",
          "--- /c/Setting.ini\n000000  00 00 00 01\n", "Outcome: information read completed\n",
          "KORVAN-7X_read_20260101-120000.dat\n"})
        EXPECT_NE(report.find(line), std::string::npos) << line;
}

TEST(ProblemReportTest, TheRadiosContentsGoInOnlyWithConsent) {
    const std::string documentBase64 = QByteArray("K7XDOC").toBase64().toStdString();
    const std::string serialHex = "4B 37 58 53 45 52 49 41 4C 34 32";
    const std::string passwordHex = "51 5A 58 57";
    for (const bool consent : {false, true}) {
        SCOPED_TRACE(consent ? "with consent" : "without consent");
        const std::string report = BuildProblemReport(Facts(consent));
        for (const std::string& secret : {std::string(kSerial), serialHex, std::string(kPassword),
                                          passwordHex, documentBase64}) {
            EXPECT_EQ(report.find(secret) != std::string::npos, consent) << secret << report;
        }
        // Whatever the consent, a password in a settings file never goes in.
        EXPECT_NE(report.find("PassWord=(withheld)\r\n"), std::string::npos) << report;
        EXPECT_EQ(report.find(std::string("=") + kPassword), std::string::npos) << report;
    }
}

}  // namespace
}  // namespace k7x

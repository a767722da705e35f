// The serial trace: one line per delivery with time, direction, hex and printable bytes.
#include <gtest/gtest.h>

#include <sstream>

#include "link/serial/SerialTrace.h"

namespace k7x {
namespace {

TEST(SerialTraceTest, LinesCarryTimeDirectionHexAndText) {
    std::ostringstream out;
    double now = 0.0;
    SerialTrace trace(out, [&now] { return now; });
    trace.note("open /dev/ttyUSB0");
    now = 1.5;
    trace.sent(std::vector<Byte>{0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D});
    now = 12.25;
    trace.received(std::vector<Byte>{0x5A, 0x54, 0x06});
    const std::string pad(16 * 3 - 7 * 3, ' ');
    EXPECT_EQ(out.str(),
              "     0.000 -- open /dev/ttyUSB0\n"
              "     1.500 TX 50 52 4F 47 52 41 4D " +
                  pad +
                  " PROGRAM\n"
                  "    12.250 RX 5A 54 06 " +
                  std::string(16 * 3 - 9, ' ') + " ZT.\n");
}

TEST(SerialTraceTest, LongDeliveriesWrapWithTheSameTime) {
    std::ostringstream out;
    SerialTrace trace(out, [] { return 3.0; });
    std::vector<Byte> block(22, 0x41);
    trace.received(block);
    std::istringstream lines(out.str());
    std::string first;
    std::string second;
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_EQ(first.substr(0, 13), "     3.000 RX");
    EXPECT_EQ(second.substr(0, 13), "     3.000 RX");
    EXPECT_NE(first.find(std::string(16, 'A')), std::string::npos);
    EXPECT_NE(second.find(" AAAAAA"), std::string::npos);
    EXPECT_EQ(second.find("AAAAAAA"), std::string::npos) << "six bytes on the second line";
}

TEST(SerialTraceTest, AFileThatCannotBeCreatedIsReported) {
    std::string problem;
    EXPECT_FALSE(SerialTrace::toFile("/nonexistent-folder/trace.txt", problem));
    EXPECT_NE(problem.find("/nonexistent-folder/trace.txt"), std::string::npos);
}

}  // namespace
}  // namespace k7x

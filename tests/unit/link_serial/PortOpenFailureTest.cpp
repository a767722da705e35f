// What the user is told when a port does not open.
#include <gtest/gtest.h>

#include "link/serial/PortOpenFailure.h"

namespace k7x {
namespace {

DeviceFacts facts(bool exists, bool readWritable) {
    return {exists, readWritable, "root", "dialout"};
}

TEST(PortOpenFailureTest, TheCauseComesFromTheDeviceNotFromTheErrorCodeAlone) {
    using E = QSerialPort;
    EXPECT_EQ(ClassifyOpenFailure(E::DeviceNotFoundError, facts(false, false)),
              OpenProblem::NoDevice);
    EXPECT_EQ(ClassifyOpenFailure(E::PermissionError, facts(false, false)), OpenProblem::NoDevice);
    // Qt reports a refused open and a held lock alike as a permission error.
    EXPECT_EQ(ClassifyOpenFailure(E::PermissionError, facts(true, false)),
              OpenProblem::AccessDenied);
    EXPECT_EQ(ClassifyOpenFailure(E::PermissionError, facts(true, true)), OpenProblem::Busy);
    EXPECT_EQ(ClassifyOpenFailure(E::OpenError, facts(true, true)), OpenProblem::Busy);
    EXPECT_EQ(ClassifyOpenFailure(E::UnknownError, facts(true, true)), OpenProblem::Other);
}

TEST(PortOpenFailureTest, AccessDeniedNamesOwnerAndGroupAndHowToJoinIt) {
    DeviceFacts f = facts(true, false);
    f.group = "uucp";
    const std::string text = DescribeOpenFailure("port 1 (/dev/ttyUSB0)", "/dev/ttyUSB0",
                                                 OpenProblem::AccessDenied, f, "Permission denied");
    EXPECT_NE(text.find("port 1 (/dev/ttyUSB0)"), std::string::npos);
    EXPECT_EQ(text.find("(/dev/ttyUSB0) (/dev/ttyUSB0)"), std::string::npos)
        << "the device is not named twice";
    EXPECT_NE(text.find("user root"), std::string::npos);
    EXPECT_NE(text.find("group uucp"), std::string::npos);
    EXPECT_NE(text.find("usermod -aG uucp"), std::string::npos);
    EXPECT_NE(text.find("dialout"), std::string::npos);
}

TEST(PortOpenFailureTest, BusyPointsAtTheUsualCulprits) {
    const std::string text =
        DescribeOpenFailure("/tmp/radio", "/dev/pts/4", OpenProblem::Busy, facts(true, true), "");
    EXPECT_NE(text.find("/tmp/radio (/dev/pts/4)"), std::string::npos);
    EXPECT_NE(text.find("ModemManager"), std::string::npos);
    EXPECT_NE(text.find("brltty"), std::string::npos);
}

TEST(PortOpenFailureTest, OtherFailuresPassTheSystemsTextOn) {
    const std::string text = DescribeOpenFailure("/dev/ttyS0", "/dev/ttyS0", OpenProblem::Other,
                                                 facts(true, true), "Input/output error");
    EXPECT_NE(text.find("Input/output error"), std::string::npos);
}

TEST(PortOpenFailureTest, InspectsARealDevice) {
    const DeviceFacts null = InspectDevice("/dev/null");
    EXPECT_TRUE(null.exists);
    EXPECT_TRUE(null.readWritable);
    EXPECT_EQ(null.owner, "root");
    EXPECT_FALSE(InspectDevice("/dev/k7x-no-such-device").exists);
}

}  // namespace
}  // namespace k7x

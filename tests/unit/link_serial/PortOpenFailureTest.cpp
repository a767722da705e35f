// What the user is told when a port does not open.
#include <gtest/gtest.h>

#include "MarkedTexts.h"
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

TEST(PortOpenFailureTest, AccessDeniedNamesTheDeviceItsOwnerAndItsGroup) {
    DeviceFacts f = facts(true, false);
    f.group = "uucp";
    const std::string text =
        DescribeOpenFailure(kMarkedTexts, "Port 1 (/dev/ttyUSB0)", "/dev/ttyUSB0",
                            OpenProblem::AccessDenied, f, "Permission denied");
    EXPECT_EQ(text, "<9100:Port 1 (/dev/ttyUSB0)|%2|%3>\n<9102:root|uucp|%3>")
        << "the device is named once, then owner and group";
}

TEST(PortOpenFailureTest, EachCauseHasItsOwnAdvice) {
    const auto cause = [](OpenProblem problem, const std::string& systemText) {
        const std::string text = DescribeOpenFailure(kMarkedTexts, "/dev/ttyS0", "/dev/ttyS0",
                                                     problem, facts(true, true), systemText);
        return text.substr(text.find('\n') + 1);
    };
    EXPECT_EQ(cause(OpenProblem::NoDevice, "No such file"), "<9101:%1|%2|%3>");
    EXPECT_EQ(cause(OpenProblem::Busy, "Permission denied"), "<9103:%1|%2|%3>");
    // The system's words say more than the general text, which is there for when it says nothing.
    EXPECT_EQ(cause(OpenProblem::Other, "Input/output error"), "Input/output error");
    EXPECT_EQ(cause(OpenProblem::Other, ""), "<9105:%1|%2|%3>");
}

TEST(PortOpenFailureTest, ALinkIsShownWithTheDeviceItLeadsTo) {
    const std::string text = DescribeOpenFailure(kMarkedTexts, "/tmp/radio", "/dev/pts/4",
                                                 OpenProblem::Busy, facts(true, true), "");
    EXPECT_EQ(text.substr(0, text.find('\n')), "<9100:/tmp/radio (/dev/pts/4)|%2|%3>");
}

TEST(PortOpenFailureTest, PortNumbersAreNamedWithTheirDevice) {
    EXPECT_EQ(DescribeMissingPort(kMarkedTexts, 12), "<9104:12|%2|%3>");
    EXPECT_EQ(PortDisplayName(kMarkedTexts, 3, "/dev/ttyACM0"), "<9108:3|/dev/ttyACM0|%3>");
}

TEST(PortOpenFailureTest, TheTextsOfTheLanguageFileReadAsSentences) {
    // A file name that looks like a placeholder stays as it is.
    const TextLookup english = [](int number) -> std::string {
        if (number == 9100) return "Device: %1";
        if (number == 9102) return "Join the group %2 (owner %1), then log in again.";
        return {};
    };
    DeviceFacts f = facts(true, false);
    EXPECT_EQ(DescribeOpenFailure(english, "/dev/%2", "/dev/%2", OpenProblem::AccessDenied, f, ""),
              "Device: /dev/%2\nJoin the group dialout (owner root), then log in again.");
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

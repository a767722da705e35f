// What the user can do when a serial port does not open: which device it was and, where the
// cause is known, how to fix it (join the device's group, stop the program that holds it).
#pragma once

#include <QSerialPort>
#include <string>

#include "codeplug/FillText.h"

namespace k7x {

enum class OpenProblem { NoDevice, AccessDenied, Busy, Other };

// What the file system says about a device.
struct DeviceFacts {
    bool exists = false;
    bool readWritable = false;  // this user may open it for reading and writing
    std::string owner;          // user and group names (numbers when they have no name)
    std::string group;
};
DeviceFacts InspectDevice(const std::string& path);

OpenProblem ClassifyOpenFailure(QSerialPort::SerialPortError error, const DeviceFacts& facts);

// The text shown after the "port cannot be opened" message, in the language of `text`.
// `shown` is the name the user gave (a port number's device or a path); `device` the device it
// leads to when different.
std::string DescribeOpenFailure(const TextLookup& text, const std::string& shown,
                                const std::string& device, OpenProblem problem,
                                const DeviceFacts& facts, const std::string& systemText);

// The text when a port number has no device at all.
std::string DescribeMissingPort(const TextLookup& text, int number);

// How a port number and its device are named to the user: "Port 1 (/dev/ttyUSB0)".
std::string PortDisplayName(const TextLookup& text, int number, const std::string& device);

}  // namespace k7x

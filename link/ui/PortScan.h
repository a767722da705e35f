// The serial ports of the desktop program: the devices named in the "ports" section of the
// setup file, the devices present, who each device is, and the device the chosen port number
// leads to now.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "link/serial/DeviceIdentity.h"
#include "link/serial/PortMap.h"
#include "link/serial/QtSerialLink.h"
#include "shell/AppSettings.h"

namespace k7x {

inline constexpr const char* kPortsSection = "ports";

// "COM<n>=<device>" of the ports section; an absent or unreadable file names none.
std::map<int, std::string> ConfiguredPorts(const std::string& setupFilePath);

// Remembers `name` as the device of port `number` ("COM3=/dev/serial/by-id/...") and takes it
// from any other number that names the same device, so one adapter never holds two numbers.
// Writes nothing for an empty name; false when the file cannot be written.
bool RememberPortDevice(const std::string& setupFilePath, int number, const std::string& name);

// The port numbers as they stand now.
using PortScan = std::function<PortMap()>;
PortScan SystemPortScan(const AppSettings& settings);

// Who the device behind a port's path is.
using PortIdentifier = std::function<DeviceIdentity(const std::string& path)>;
PortIdentifier SystemPortIdentifier();

// Opens the device of ComPortNo as it is at the moment of opening, so a port chosen in the port
// dialog or a device named in the setup file meanwhile takes effect at the next transfer. Port
// names and problems are worded in the language of `text`.
DeviceResolver DesktopPortResolver(const AppSettings& settings, TextLookup text);

}  // namespace k7x

// The serial ports of the desktop program: the devices named in the "ports" section of the
// setup file, the devices present, and the device the chosen port number leads to now.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "link/serial/PortMap.h"
#include "link/serial/QtSerialLink.h"
#include "shell/AppSettings.h"

namespace k7x {

inline constexpr const char* kPortsSection = "ports";

// "COM<n>=<device>" of the ports section; an absent or unreadable file names none.
std::map<int, std::string> ConfiguredPorts(const std::string& setupFilePath);

// The port numbers as they stand now.
using PortScan = std::function<PortMap()>;
PortScan SystemPortScan(const AppSettings& settings);

// Opens the device of ComPortNo as it is at the moment of opening, so a port chosen in the port
// dialog or a device named in the setup file meanwhile takes effect at the next transfer. Port
// names and problems are worded in the language of `text`.
DeviceResolver DesktopPortResolver(const AppSettings& settings, TextLookup text);

}  // namespace k7x

// Which device a port leads to and how to know it again after a replug. The kernel hands out
// ttyUSB0, ttyUSB1 ... in the order adapters appear, but udev also names each adapter under
// /dev/serial/by-id by its maker, product and serial number; that name stays the same whichever
// socket and whichever order it is plugged in, so it is the name a chosen port is remembered by.
#pragma once

#include <filesystem>
#include <string>

#include "link/serial/TtyIdentity.h"

namespace k7x {

// Where the system describes its devices; a test points these at a tree of its own.
struct DeviceRoots {
    std::filesystem::path sysRoot = "/sys";
    std::filesystem::path byIdDir = "/dev/serial/by-id";
};

struct DeviceIdentity {
    std::string device;      // the device node, links followed: /dev/ttyUSB0 (as given when absent)
    std::string stableName;  // its link in the by-id folder; empty when it has none
    TtyIdentity tty;         // what the kernel says the adapter is
};

// The identity of the device a path (a device node or a link to one) leads to. A path inside
// the by-id folder is its own stable name, even while its adapter is unplugged.
DeviceIdentity IdentifyDevice(const DeviceRoots& roots, const std::string& path);

// The name to remember a chosen port's device by, so the same adapter gets the same number
// after a replug: its by-id link, else the name the port map gives it. Empty for a
// pseudo-terminal, whose name is handed out anew to each program that makes one.
std::string RememberedName(const DeviceIdentity& identity, const std::string& portPath);

}  // namespace k7x

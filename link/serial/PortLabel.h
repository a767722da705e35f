// How a port and its device are named in the port dialog and by "korvan7x-cli ports": the
// port, the device node and what the adapter is, so the user can tell two cables apart:
// "COM3 — /dev/ttyUSB0 — FTDI FT232R USB UART, serial A50285BI".
#pragma once

#include <string>

#include "codeplug/FillText.h"
#include "link/serial/DeviceIdentity.h"

namespace k7x {

// What the adapter is: maker and product with the serial number when it has one, the USB ids
// for an adapter that names neither, else the system's description (may be empty).
std::string AdapterText(const TextLookup& text, const DeviceIdentity& identity,
                        const std::string& description);

// The device node and, when known, what the adapter is: "/dev/ttyUSB0 — FTDI FT232R".
std::string DeviceLabel(const TextLookup& text, const DeviceIdentity& identity,
                        const std::string& description);

// The port name before it: "COM3 — /dev/ttyUSB0 — FTDI FT232R".
std::string PortLabel(const TextLookup& text, int number, const DeviceIdentity& identity,
                      const std::string& description);

}  // namespace k7x

// Who a serial device is, as the kernel describes it under /sys/class/tty: the driver behind it
// and, for a USB adapter, the ids and names the adapter reports.
#pragma once

#include <filesystem>
#include <string>

namespace k7x {

struct TtyIdentity {
    std::string driver;  // ftdi_sio, cdc_acm, serial8250 ...; empty when none is named
    bool usb = false;
    std::string vendorId;  // four hex digits: 0403
    std::string productId;
    std::string manufacturer;
    std::string product;
    std::string serial;
};

// The identity of the terminal `name` (ttyUSB0) below sysRoot; empty when the kernel names none
// (a pseudo-terminal has no device behind it).
TtyIdentity ReadTtyIdentity(const std::filesystem::path& sysRoot, const std::string& name);

}  // namespace k7x

#include "link/serial/TtyIdentity.h"

#include <fstream>
#include <system_error>

namespace k7x {

namespace fs = std::filesystem;

namespace {

// From the terminal's device up to the USB device that carries it: the interface, then the
// device itself (a USB serial converter puts a port node of its own in between).
constexpr int kLevelsToUsbDevice = 4;

// The first line of a sysfs attribute, without its line end; empty when there is none.
std::string attribute(const fs::path& dir, const char* name) {
    std::ifstream in(dir / name);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' '))
        line.pop_back();
    return line;
}

}  // namespace

TtyIdentity ReadTtyIdentity(const fs::path& sysRoot, const std::string& name) {
    TtyIdentity identity;
    if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..")
        return identity;
    std::error_code ec;
    const fs::path device = fs::canonical(sysRoot / "class" / "tty" / name / "device", ec);
    if (ec) return identity;
    const fs::path driver = fs::read_symlink(device / "driver", ec);
    if (!ec) identity.driver = driver.filename().string();

    const fs::path root = fs::canonical(sysRoot, ec);
    fs::path dir = device;
    for (int level = 0; level < kLevelsToUsbDevice && dir != root && dir.has_relative_path();
         ++level, dir = dir.parent_path()) {
        if (!fs::exists(dir / "idVendor", ec)) continue;
        identity.usb = true;
        identity.vendorId = attribute(dir, "idVendor");
        identity.productId = attribute(dir, "idProduct");
        identity.manufacturer = attribute(dir, "manufacturer");
        identity.product = attribute(dir, "product");
        identity.serial = attribute(dir, "serial");
        break;
    }
    return identity;
}

}  // namespace k7x

// USB adapters for the tests that tell ports apart: pseudo-terminals stand in for the devices,
// and a by-id folder and a /sys tree of the test's own say who each one is.
#pragma once

#include <pty.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "link/serial/DeviceIdentity.h"

namespace k7x::test {

// A pseudo-terminal, closed with the object.
class PseudoTerminal {
public:
    PseudoTerminal() {
        char name[128] = {};
        if (::openpty(&master_, &slave_, name, nullptr, nullptr) == 0) path_ = name;
    }
    ~PseudoTerminal() {
        ::close(master_);
        ::close(slave_);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;
    const std::string& path() const { return path_; }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};

class FakeAdapters {
public:
    explicit FakeAdapters(const std::filesystem::path& root) {
        roots_.sysRoot = root / "sys";
        roots_.byIdDir = root / "by-id";
        std::filesystem::create_directories(roots_.byIdDir);
    }

    // Names device in the by-id folder, or names another device there: a replug. Returns the
    // link.
    std::string plug(const std::string& name, const std::string& device) const {
        const std::filesystem::path link = roots_.byIdDir / name;
        std::filesystem::remove(link);
        std::filesystem::create_symlink(device, link);
        return link.string();
    }

    // The kernel describes device as a USB adapter with these attributes (idVendor, serial ...).
    void describe(const std::string& device,
                  const std::map<std::string, std::string>& attributes) const {
        const std::string tty = std::filesystem::path(device).filename().string();
        const std::filesystem::path usb = roots_.sysRoot / "devices" / ("usb-" + tty);
        std::filesystem::create_directories(usb / "1-2:1.0" / "tty");
        for (const auto& [name, value] : attributes) std::ofstream(usb / name) << value << '\n';
        std::filesystem::create_directories(roots_.sysRoot / "class" / "tty" / tty);
        std::filesystem::create_symlink(usb / "1-2:1.0" / "tty",
                                        roots_.sysRoot / "class" / "tty" / tty / "device");
    }

    const DeviceRoots& roots() const { return roots_; }

private:
    DeviceRoots roots_;
};

}  // namespace k7x::test

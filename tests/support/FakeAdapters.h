// USB adapters for the tests that tell ports apart: pseudo-terminals stand in for the devices,
// and a by-id folder and a /sys tree of the test's own say who each one is.
#pragma once

#include <pty.h>
#include <unistd.h>

#include <fstream>
#include <map>

#include "link/serial/DeviceIdentity.h"

namespace k7x::test {

// A pseudo-terminal, open while the object lives.
struct PseudoTerminal {
    PseudoTerminal() { ::openpty(&master, &slave, name, nullptr, nullptr); }
    ~PseudoTerminal() {
        ::close(master);
        ::close(slave);
    }
    std::string path() const { return name; }
    int master = -1;
    int slave = -1;
    char name[128] = {};
};

struct FakeAdapters {
    explicit FakeAdapters(const std::filesystem::path& root) : roots{root / "sys", root / "by-id"} {
        std::filesystem::create_directories(roots.byIdDir);
    }
    // Names device in the by-id folder, or another device under the same name: a replug.
    std::string plug(const std::string& name, const std::string& device) const {
        const std::filesystem::path link = roots.byIdDir / name;
        std::filesystem::remove(link);
        std::filesystem::create_symlink(device, link);
        return link.string();
    }
    // The kernel describes device as a USB adapter with these attributes (idVendor, serial ...).
    void describe(const std::string& device, const std::map<std::string, std::string>& usb) const {
        const std::string tty = std::filesystem::path(device).filename().string();
        const std::filesystem::path port = roots.sysRoot / "devices" / tty / "1-2:1.0" / "tty";
        std::filesystem::create_directories(port);
        for (const auto& [name, value] : usb) std::ofstream(port / "../.." / name) << value;
        std::filesystem::create_directories(roots.sysRoot / "class/tty" / tty);
        std::filesystem::create_symlink(port, roots.sysRoot / "class/tty" / tty / "device");
    }
    DeviceRoots roots;
};

}  // namespace k7x::test

// What the setup file says about serial ports: the port chosen in the desktop program
// ("comPort" of section "language") and the devices named in section "ports" ("COM3=...").
#pragma once

#include <map>
#include <string>

namespace k7x::cli {

struct PortSetup {
    int comPort = 1;  // the default port number
    std::map<int, std::string> configured;
    std::string setupFile;  // where it was read from; may not exist
};

// Reads the setup file of the installation around the program folder (or the user's copy).
// A missing or unreadable file gives port 1 and no named devices.
PortSetup ReadPortSetup(const std::string& programFolder);

}  // namespace k7x::cli

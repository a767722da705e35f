// The serial ports as `korvan7x-cli ports` lists them and a problem report shows them: one line
// per port number with its device, and with a check, what the check finds about each device
// below it and the services that take USB serial adapters at the end.
#pragma once

#include <string>
#include <vector>

#include "codeplug/FillText.h"
#include "link/serial/DeviceIdentity.h"
#include "link/serial/PortMap.h"
#include "link/serial/SystemView.h"

namespace k7x {

// How far the findings of a port stand in from the line that names it.
inline constexpr const char* kFindingIndent = "    ";

struct PortListing {
    std::vector<std::string> lines;
    bool problem = false;  // with a check: something keeps a port from working, or none is there
};

struct PortListingInput {
    const PortMap& map;
    int defaultPort = kFirstPortNumber;
    std::string setupFile;              // where the named devices come from
    std::string noPortsHint = {};       // follows the line that says there are no ports
    const SystemView* check = nullptr;  // none: the ports without findings
    DeviceRoots roots = {};             // where the kernel describes the devices
};

PortListing ListPorts(const TextLookup& text, const PortListingInput& input);

}  // namespace k7x

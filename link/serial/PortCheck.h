// A look at a serial device from the user's side: who the device is, whether the user may open
// it and, if not, why and how to get in; whether another process holds it; whether its
// low-latency setting can be switched on. And, apart from any device, the programs known to
// take USB serial adapters for themselves.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "link/serial/PortFindings.h"
#include "link/serial/SystemView.h"

namespace k7x {

// The findings about the device at `path` (a link to one included), in the order shown.
std::vector<Finding> CheckPort(const std::string& path, const SystemView& view);

// ModemManager and brltty, when they run.
std::vector<Finding> CheckServices(const SystemView& view);

// Both for the device (when there is one) and the services, on the real system.
using PortChecker = std::function<std::vector<Finding>(const std::string& path)>;
PortChecker SystemPortChecker();

}  // namespace k7x

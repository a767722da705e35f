// Port numbers 1..16 and the serial devices behind them. A number named in the "ports" section
// of the setup file ("COM3=/dev/ttyUSB1") takes that device; the devices present that no entry
// names take the numbers left, in order: USB adapters first (ttyUSB*, then ttyACM*), then the
// rest by name. So a single USB programming cable is port 1, the default.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace k7x {

inline constexpr int kFirstPortNumber = 1;
inline constexpr int kLastPortNumber = 16;

// A serial device the system lists.
struct SerialDevice {
    std::string path;         // /dev/ttyUSB0
    std::string description;  // what the system says it is; may be empty
};

// The devices present now, from QSerialPortInfo.
std::vector<SerialDevice> PresentSerialDevices();

// Whether two paths lead to the same device, links followed (an absent one: the same text).
bool SameDevice(const std::string& pathA, const std::string& pathB);

// The order in which present devices take free numbers.
bool ComesBeforeInPortOrder(std::string_view pathA, std::string_view pathB);

class PortMap {
public:
    using ExistsFn = std::function<bool(const std::string& path)>;

    // configured: port number -> device path from the "ports" section (numbers outside 1..16
    // are ignored). present: the devices the system lists. exists: whether a configured path
    // names a device now (by default: the path, links followed, exists).
    PortMap(const std::map<int, std::string>& configured, std::vector<SerialDevice> present,
            ExistsFn exists = {});

    struct Entry {
        int number = 0;
        std::string path;
        std::string description;
        bool configured = false;  // named in the setup file
        bool present = false;     // the device exists now
    };

    // The device of a port number; nullopt when no device is there.
    std::optional<Entry> entry(int number) const;
    // Every number that has a device, ascending.
    const std::vector<Entry>& entries() const { return entries_; }
    // Which numbers 1..16 can be opened (index 0 is port 1).
    std::vector<bool> availability() const;

private:
    std::vector<Entry> entries_;
};

// A --port argument: a port number, or a device path (a symbolic link to a device included).
struct PortChoice {
    int number = 0;    // 1..16, or 0 when a path was given
    std::string path;  // when given as a path
};
// nullopt (and why) for a number outside 1..16 or an empty text.
std::optional<PortChoice> ParsePortChoice(std::string_view text, std::string& problem);

// Reads the "COM<n>" keys of the ports section through a lookup of one key's value.
std::map<int, std::string> PortsFromSection(
    const std::function<std::string(const std::string& key)>& valueOfKey);

}  // namespace k7x

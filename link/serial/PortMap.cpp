#include "link/serial/PortMap.h"

#include <QSerialPortInfo>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <set>

namespace k7x {

namespace {

std::string_view baseName(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

int kindRank(std::string_view name) {
    if (name.starts_with("ttyUSB")) return 0;
    if (name.starts_with("ttyACM")) return 1;
    return 2;
}

// Names compared with their digit runs as numbers, so ttyUSB2 comes before ttyUSB10.
bool naturalLess(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const bool da = std::isdigit(static_cast<unsigned char>(a[i])) != 0;
        const bool db = std::isdigit(static_cast<unsigned char>(b[j])) != 0;
        if (da && db) {
            std::size_t ei = i;
            std::size_t ej = j;
            while (ei < a.size() && std::isdigit(static_cast<unsigned char>(a[ei]))) ++ei;
            while (ej < b.size() && std::isdigit(static_cast<unsigned char>(b[ej]))) ++ej;
            // Compare the runs as numbers without overflow: strip leading zeros, then length.
            std::string_view ra = a.substr(i, ei - i);
            std::string_view rb = b.substr(j, ej - j);
            ra.remove_prefix(std::min(ra.find_first_not_of('0'), ra.size()));
            rb.remove_prefix(std::min(rb.find_first_not_of('0'), rb.size()));
            if (ra.size() != rb.size()) return ra.size() < rb.size();
            if (ra != rb) return ra < rb;
            i = ei;
            j = ej;
            continue;
        }
        if (a[i] != b[j]) return a[i] < b[j];
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

bool pathExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

std::string sameFileKey(const std::string& path) {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::weakly_canonical(path, ec);
    return ec ? path : p.string();
}

}  // namespace

std::vector<SerialDevice> PresentSerialDevices() {
    std::vector<SerialDevice> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        devices.push_back({info.systemLocation().toStdString(), info.description().toStdString()});
    }
    return devices;
}

bool SameDevice(const std::string& pathA, const std::string& pathB) {
    return sameFileKey(pathA) == sameFileKey(pathB);
}

bool ComesBeforeInPortOrder(std::string_view pathA, std::string_view pathB) {
    const std::string_view a = baseName(pathA);
    const std::string_view b = baseName(pathB);
    if (kindRank(a) != kindRank(b)) return kindRank(a) < kindRank(b);
    if (a != b) return naturalLess(a, b);
    return pathA < pathB;
}

PortMap::PortMap(const std::map<int, std::string>& configured, std::vector<SerialDevice> present,
                 ExistsFn exists) {
    if (!exists) exists = pathExists;

    std::set<std::string> named;
    for (const auto& [number, path] : configured) {
        if (number < kFirstPortNumber || number > kLastPortNumber || path.empty()) continue;
        Entry e;
        e.number = number;
        e.path = path;
        e.configured = true;
        e.present = exists(path);
        for (const SerialDevice& d : present) {
            if (sameFileKey(d.path) == sameFileKey(path)) e.description = d.description;
        }
        named.insert(sameFileKey(path));
        entries_.push_back(e);
    }

    std::sort(present.begin(), present.end(), [](const SerialDevice& a, const SerialDevice& b) {
        return ComesBeforeInPortOrder(a.path, b.path);
    });
    int number = kFirstPortNumber;
    for (const SerialDevice& d : present) {
        // A device has one number: one named in the setup file keeps that one.
        if (!named.insert(sameFileKey(d.path)).second) continue;
        while (number <= kLastPortNumber && configured.contains(number) &&
               !configured.at(number).empty()) {
            ++number;
        }
        if (number > kLastPortNumber) break;
        entries_.push_back({number, d.path, d.description, false, true});
        ++number;
    }
    std::sort(entries_.begin(), entries_.end(),
              [](const Entry& a, const Entry& b) { return a.number < b.number; });
}

std::optional<PortMap::Entry> PortMap::entry(int number) const {
    for (const Entry& e : entries_) {
        if (e.number == number) return e;
    }
    return std::nullopt;
}

std::vector<bool> PortMap::availability() const {
    std::vector<bool> available(kLastPortNumber, false);
    for (const Entry& e : entries_) available[static_cast<std::size_t>(e.number - 1)] = e.present;
    return available;
}

std::optional<PortChoice> ParsePortChoice(std::string_view text, std::string& problem) {
    if (text.empty()) {
        problem = "no port given";
        return std::nullopt;
    }
    const bool allDigits = std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
    if (!allDigits) return PortChoice{0, std::string(text)};
    int number = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (ec != std::errc() || ptr != text.data() + text.size() || number < kFirstPortNumber ||
        number > kLastPortNumber) {
        problem =
            "port " + std::string(text) + " is not a port number from 1 to 16 or a device path";
        return std::nullopt;
    }
    return PortChoice{number, {}};
}

std::map<int, std::string> PortsFromSection(
    const std::function<std::string(const std::string& key)>& valueOfKey) {
    std::map<int, std::string> ports;
    for (int n = kFirstPortNumber; n <= kLastPortNumber; ++n) {
        std::string value = valueOfKey("COM" + std::to_string(n));
        if (!value.empty()) ports[n] = std::move(value);
    }
    return ports;
}

}  // namespace k7x

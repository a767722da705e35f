#include "link/serial/DeviceIdentity.h"

#include <algorithm>
#include <system_error>
#include <vector>

namespace k7x {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPseudoTerminals = "/dev/pts/";

// The path with its links followed; empty when it leads nowhere.
fs::path resolved(const fs::path& path) {
    std::error_code ec;
    fs::path target = fs::canonical(path, ec);
    return ec ? fs::path() : target;
}

bool insideFolder(const fs::path& path, const fs::path& folder) {
    return path.lexically_normal().parent_path() == folder.lexically_normal();
}

// The by-id link that leads to device, the first by name when several do; empty for none.
std::string byIdLinkTo(const fs::path& byIdDir, const fs::path& device) {
    std::error_code ec;
    std::vector<fs::path> links;
    for (const fs::directory_entry& e : fs::directory_iterator(byIdDir, ec)) {
        if (e.is_symlink(ec)) links.push_back(e.path());
    }
    std::sort(links.begin(), links.end());
    for (const fs::path& link : links) {
        if (resolved(link) == device) return link.string();
    }
    return {};
}

}  // namespace

DeviceIdentity IdentifyDevice(const DeviceRoots& roots, const std::string& path) {
    DeviceIdentity identity;
    const fs::path device = resolved(path);
    identity.device = device.empty() ? path : device.string();
    if (insideFolder(path, roots.byIdDir)) {
        identity.stableName = path;
    } else if (!device.empty()) {
        identity.stableName = byIdLinkTo(roots.byIdDir, device);
    }
    if (!device.empty()) identity.tty = ReadTtyIdentity(roots.sysRoot, device.filename().string());
    return identity;
}

std::string RememberedName(const DeviceIdentity& identity, const std::string& portPath) {
    if (!identity.stableName.empty()) return identity.stableName;
    if (identity.device.starts_with(kPseudoTerminals)) return {};
    return portPath;
}

}  // namespace k7x

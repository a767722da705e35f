#include "link/serial/ProcessScan.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <system_error>

namespace k7x {

namespace fs = std::filesystem;

namespace {

// The process ids below procRoot, ascending.
std::vector<pid_t> processIds(const fs::path& procRoot) {
    std::vector<pid_t> pids;
    std::error_code ec;
    for (fs::directory_iterator it(procRoot, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        pid_t pid = 0;
        const auto [ptr, err] = std::from_chars(name.data(), name.data() + name.size(), pid);
        if (err == std::errc() && ptr == name.data() + name.size() && pid > 0) pids.push_back(pid);
    }
    std::ranges::sort(pids);
    return pids;
}

std::string programName(const fs::path& procRoot, pid_t pid) {
    std::ifstream in(procRoot / std::to_string(pid) / "comm");
    std::string name;
    std::getline(in, name);
    return name;
}

// A character device is the same device under any node that names it; anything else is the
// same file.
bool sameDevice(const struct stat& a, const struct stat& b) {
    if (S_ISCHR(a.st_mode) || S_ISCHR(b.st_mode))
        return S_ISCHR(a.st_mode) && S_ISCHR(b.st_mode) && a.st_rdev == b.st_rdev;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

Holders ProcessesHolding(const fs::path& procRoot, const struct stat& device, pid_t self) {
    Holders holders;
    for (const pid_t pid : processIds(procRoot)) {
        if (pid == self) continue;
        std::error_code ec;
        fs::directory_iterator it(procRoot / std::to_string(pid) / "fd", ec);
        if (ec) {
            // A process that ended meanwhile is no loss; one of another user is.
            if (ec != std::errc::no_such_file_or_directory) holders.someHidden = true;
            continue;
        }
        for (fs::directory_iterator end; it != end; it.increment(ec)) {
            if (ec) break;
            struct stat st {};
            // stat() follows the link to the open file itself.
            if (::stat(it->path().c_str(), &st) == 0 && sameDevice(st, device)) {
                holders.processes.push_back({pid, programName(procRoot, pid)});
                break;
            }
        }
    }
    return holders;
}

std::vector<ProcessInfo> ProcessesNamed(const fs::path& procRoot, const std::string& name) {
    std::vector<ProcessInfo> found;
    for (const pid_t pid : processIds(procRoot))
        if (programName(procRoot, pid) == name) found.push_back({pid, name});
    return found;
}

}  // namespace k7x

// The processes below a /proc root: which have a given device open, and which run a program of
// a given name.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace k7x {

struct ProcessInfo {
    pid_t pid = 0;
    std::string name;  // the program's name as the kernel keeps it (comm)
};

struct Holders {
    std::vector<ProcessInfo> processes;  // ascending by process id
    bool someHidden = false;             // the open files of some processes could not be looked at
};

// The processes other than `self` with an open file that is the device described by `device`.
Holders ProcessesHolding(const std::filesystem::path& procRoot, const struct stat& device,
                         pid_t self);

// The processes running the program `name`, ascending by process id.
std::vector<ProcessInfo> ProcessesNamed(const std::filesystem::path& procRoot,
                                        const std::string& name);

}  // namespace k7x

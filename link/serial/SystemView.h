// What the port check reads of the system, gathered in one place so that a test can point it at
// a tree of its own and speak for a user of its choosing: the roots of /sys and /proc, the
// group file, and the user.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace k7x {

struct UserIdentity {
    uid_t uid = 0;
    gid_t gid = 0;                   // the primary group
    std::vector<gid_t> loginGroups;  // the groups this login carries (the process's groups)
    std::string name;                // the group file lists members by this name
};

// The user running this process.
UserIdentity ThisUser();

struct SystemView {
    std::filesystem::path sysRoot = "/sys";
    std::filesystem::path procRoot = "/proc";
    std::filesystem::path groupFile = "/etc/group";
    UserIdentity user;
    // The user is the one running this process: the system then answers whether a device may be
    // opened, access lists included. Otherwise the answer comes from the device's mode.
    bool userRunsThisProcess = false;
    pid_t selfPid = 0;  // this process, which never counts as holding a device; 0 for none
};

// The view of this process on the real system.
SystemView ThisSystem();

// A group of the group file.
struct GroupEntry {
    gid_t gid = 0;
    std::string name;
    std::vector<std::string> members;
};
// Every well-formed line of a group file; none when it cannot be read.
std::vector<GroupEntry> ReadGroupFile(const std::filesystem::path& path);

// The group's name: from the group file, else from the system's group database, else its number.
std::string GroupName(const std::vector<GroupEntry>& groups, gid_t gid);
// The user's name from the system's user database, else the number.
std::string UserName(uid_t uid);

// Whether the group file (or the primary group) makes the user a member of gid.
bool MemberByGroupFile(const std::vector<GroupEntry>& groups, const UserIdentity& user, gid_t gid);
// Whether this login carries gid.
bool MemberInLogin(const UserIdentity& user, gid_t gid);

}  // namespace k7x

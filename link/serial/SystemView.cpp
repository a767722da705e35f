#include "link/serial/SystemView.h"

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <fstream>

namespace k7x {

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string::npos;
         at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

}  // namespace

UserIdentity ThisUser() {
    UserIdentity user;
    user.uid = ::getuid();
    user.gid = ::getgid();
    const int count = ::getgroups(0, nullptr);
    if (count > 0) {
        user.loginGroups.resize(static_cast<std::size_t>(count));
        const int got = ::getgroups(count, user.loginGroups.data());
        user.loginGroups.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    }
    user.loginGroups.push_back(::getegid());
    if (const passwd* pw = ::getpwuid(user.uid)) user.name = pw->pw_name;
    return user;
}

SystemView ThisSystem() {
    SystemView view;
    view.user = ThisUser();
    view.userRunsThisProcess = true;
    view.selfPid = ::getpid();
    return view;
}

std::vector<GroupEntry> ReadGroupFile(const std::filesystem::path& path) {
    std::vector<GroupEntry> groups;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line.front() == '#') continue;
        const std::vector<std::string> fields = split(line, ':');
        if (fields.size() != 4 || fields[0].empty()) continue;
        GroupEntry entry;
        const std::string& id = fields[2];
        const auto [end, ec] = std::from_chars(id.data(), id.data() + id.size(), entry.gid);
        if (ec != std::errc() || end != id.data() + id.size()) continue;
        entry.name = fields[0];
        if (!fields[3].empty()) entry.members = split(fields[3], ',');
        groups.push_back(std::move(entry));
    }
    return groups;
}

std::string GroupName(const std::vector<GroupEntry>& groups, gid_t gid) {
    for (const GroupEntry& g : groups)
        if (g.gid == gid) return g.name;
    if (const group* gr = ::getgrgid(gid)) return gr->gr_name;
    return std::to_string(gid);
}

std::string UserName(uid_t uid) {
    if (const passwd* pw = ::getpwuid(uid)) return pw->pw_name;
    return std::to_string(uid);
}

bool MemberByGroupFile(const std::vector<GroupEntry>& groups, const UserIdentity& user, gid_t gid) {
    if (user.gid == gid) return true;
    if (user.name.empty()) return false;  // a user without a name is listed nowhere
    return std::ranges::any_of(groups, [&](const GroupEntry& g) {
        return g.gid == gid && std::ranges::find(g.members, user.name) != g.members.end();
    });
}

bool MemberInLogin(const UserIdentity& user, gid_t gid) {
    return user.gid == gid || std::ranges::find(user.loginGroups, gid) != user.loginGroups.end();
}

}  // namespace k7x

// The user's folders of the XDG base directories: a variable's value when it is an absolute
// path, else a folder below the home folder; nothing when neither is usable.
#pragma once

#include <cstdlib>
#include <string>
#include <string_view>

namespace k7x {

// value: the variable's value (XDG_DATA_HOME, ...); belowHome: its default below home
// ("/.local/share").
inline std::string XdgFolderFor(std::string_view value, std::string_view home,
                                std::string_view belowHome) {
    if (value.starts_with('/')) return std::string(value);
    if (home.starts_with('/')) return std::string(home) + std::string(belowHome);
    return {};
}

// XdgFolderFor with the process's variable and HOME.
inline std::string XdgFolderOfProcess(const char* variable, std::string_view belowHome) {
    const char* value = std::getenv(variable);
    const char* home = std::getenv("HOME");
    return XdgFolderFor(value ? value : "", home ? home : "", belowHome);
}

}  // namespace k7x

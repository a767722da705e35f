#include "shell/Folders.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace k7x {

namespace fs = std::filesystem;

std::string DeriveInstallRoot(std::string_view programFolder) {
    const std::size_t slash = programFolder.rfind('/');
    if (slash == std::string_view::npos || slash == 0) return std::string(programFolder);
    return std::string(programFolder.substr(0, slash));
}

std::string RunningExecutablePath() {
    std::error_code ec;
    const fs::path exe = fs::canonical("/proc/self/exe", ec);
    return ec ? std::string() : exe.string();
}

std::string ProgramFolderOf(const std::string& executablePath) {
    if (executablePath.empty()) return {};
    std::error_code ec;
    fs::path real = fs::canonical(executablePath, ec);
    if (ec) real = fs::absolute(executablePath, ec);
    if (ec) return {};
    std::string folder = real.parent_path().string();
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

std::string UserConfigFolder(std::string_view xdgConfigHome, std::string_view home) {
    // A relative XDG_CONFIG_HOME is invalid and ignored.
    if (!xdgConfigHome.empty() && xdgConfigHome.front() == '/') {
        return std::string(xdgConfigHome) + "/korvan7x";
    }
    if (!home.empty() && home.front() == '/') return std::string(home) + "/.config/korvan7x";
    return {};
}

std::string SetupFileLayoutPath(std::string_view installRoot) {
    return std::string(installRoot) + "/language/mysetup.ini";
}

std::string SettingFileLayoutPath(std::string_view programFolder) {
    return std::string(programFolder) + "/Setting.ini";
}

bool CanWriteFileAt(const std::string& path) {
    std::error_code ec;
    const fs::path p(path);
    const fs::file_status st = fs::status(p, ec);
    if (fs::exists(st)) return fs::is_regular_file(st) && ::access(path.c_str(), W_OK) == 0;
    // A missing folder counts when the nearest folder that exists lets us create it.
    fs::path folder = p.parent_path();
    while (!folder.empty() && !fs::exists(folder, ec)) {
        if (folder == folder.parent_path()) return false;
        folder = folder.parent_path();
    }
    return !folder.empty() && fs::is_directory(folder, ec) &&
           ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string StorePathFor(const std::string& layoutPath, const std::string& relativeName,
                         const std::string& userFolder) {
    if (userFolder.empty() || CanWriteFileAt(layoutPath)) return layoutPath;
    return (fs::path(userFolder) / relativeName).string();
}

std::string ResolveStorePath(const std::string& layoutPath, const std::string& relativeName,
                             const std::string& userFolder) {
    const std::string chosen = StorePathFor(layoutPath, relativeName, userFolder);
    std::error_code ec;
    fs::create_directories(fs::path(chosen).parent_path(), ec);
    if (chosen != layoutPath && !fs::exists(chosen, ec) && fs::is_regular_file(layoutPath, ec)) {
        fs::copy_file(layoutPath, chosen, ec);  // no copy: the store starts empty
    }
    return chosen;
}

std::string ReadableStorePath(const std::string& layoutPath, const std::string& relativeName,
                              const std::string& userFolder) {
    const std::string chosen = StorePathFor(layoutPath, relativeName, userFolder);
    std::error_code ec;
    return fs::exists(chosen, ec) ? chosen : layoutPath;
}

void SetUpFolders(AppSettings& settings, const std::string& programFolder,
                  const std::string& userFolder, StoreAccess access) {
    settings.ProgramFolder = programFolder;
    settings.InstallRoot = DeriveInstallRoot(programFolder);
    const auto resolve = access == StoreAccess::ReadWrite ? ResolveStorePath : ReadableStorePath;
    settings.SetupFilePath =
        resolve(SetupFileLayoutPath(settings.InstallRoot), "language/mysetup.ini", userFolder);
    // Each program version keeps its own record, as it does beside the program.
    const std::string versionFolder = fs::path(programFolder).filename().string();
    settings.SettingFilePath = resolve(
        SettingFileLayoutPath(programFolder),
        (versionFolder.empty() ? std::string() : versionFolder + "/") + "Setting.ini", userFolder);
}

}  // namespace k7x

// Where the program and its files are: the program folder from the executable's real location,
// the installation root above it, and the user's configuration folder that takes the settings
// stores when the installation cannot be written (a system-wide install).
#pragma once

#include <string>
#include <string_view>

#include "shell/AppSettings.h"

namespace k7x {

// The text before the last "/", when that "/" is not the first character; otherwise the path
// unchanged. "/opt/radio/V100" gives "/opt/radio"; "/opt" and "V100" stay as they are.
std::string DeriveInstallRoot(std::string_view programFolder);

// The real path of the running executable (symlinks resolved); "" when it cannot be found.
std::string RunningExecutablePath();
// The folder holding the executable after symlinks are resolved, without a trailing "/".
std::string ProgramFolderOf(const std::string& executablePath);

// $XDG_CONFIG_HOME/korvan7x when that is an absolute path, else home/.config/korvan7x;
// "" when neither is usable.
std::string UserConfigFolder(std::string_view xdgConfigHome, std::string_view home);

// The layout's places of the stores.
std::string SetupFileLayoutPath(std::string_view installRoot);
std::string SettingFileLayoutPath(std::string_view programFolder);

// True when a file can be written at path: it is a writable regular file, or it does not exist
// and its folder is writable (or the nearest existing folder above it is, to create it).
bool CanWriteFileAt(const std::string& path);

// Where a store lives: layoutPath when it can be written there, else userFolder/relativeName.
std::string StorePathFor(const std::string& layoutPath, const std::string& relativeName,
                         const std::string& userFolder);
// StorePathFor, with the chosen file's folder created; a new user copy is seeded with the
// layout's file when there is one, so the settings shipped with an installation still count.
std::string ResolveStorePath(const std::string& layoutPath, const std::string& relativeName,
                             const std::string& userFolder);
// StorePathFor for a reader that writes nothing: the layout's file when the chosen one
// does not exist yet. Creates nothing.
std::string ReadableStorePath(const std::string& layoutPath, const std::string& relativeName,
                              const std::string& userFolder);

enum class StoreAccess { ReadWrite, ReadOnly };

// Fills ProgramFolder and InstallRoot from the program folder, and SetupFilePath and
// SettingFilePath by ResolveStorePath (ReadWrite) or ReadableStorePath (ReadOnly).
void SetUpFolders(AppSettings& settings, const std::string& programFolder,
                  const std::string& userFolder, StoreAccess access = StoreAccess::ReadWrite);

}  // namespace k7x

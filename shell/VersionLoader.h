// The version table read from Version.ini below the installation root, and the start of the
// program version that handles a data version.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "codeplug/Prompts.h"
#include "codeplug/Versions.h"

namespace k7x {

inline constexpr const char* kProgramExecutable = "korvan7x";

std::string VersionIniPath(std::string_view installRoot);

// Reads installRoot/Version.ini. A missing file, or a "SoftVersionCount" or "FirmVersionCount"
// that is missing, not a 16-bit number or below 1, gives an empty table (CurrentVersion is still
// read), so every version question ends in the message that no version handles the data.
VersionTable LoadVersionTable(const std::string& installRoot);

// Starts a program with its arguments without waiting for it; false with a reason when it does
// not start.
using ProgramStarter = std::function<bool(
    const std::string& program, const std::vector<std::string>& arguments, std::string& reason)>;
bool StartProgramDetached(const std::string& program, const std::vector<std::string>& arguments,
                          std::string& reason);

// Starts installRoot/<version>/<executableName> for the program version that handles the data
// version, handing it filePath (made absolute, as the program starts in its own folder) so the
// file the user chose opens there; no file is handed over when filePath is empty. No such
// version: message 9063. A start that fails: a message naming the program and the reason.
// Returns true only when the other program is running; only then may the caller end this one.
bool LaunchProgramVersion(const VersionTable& table, std::string_view dataVersion,
                          const std::string& filePath, const std::string& installRoot,
                          Prompts& prompts, const ProgramStarter& start = StartProgramDetached,
                          const std::string& executableName = kProgramExecutable);

}  // namespace k7x

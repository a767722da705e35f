// language/mysetup.ini: the language, the serial port and the first-run flag, in section
// "language". Values are read as a 512-character profile buffer and trimmed.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "codeplug/Records.h"

namespace k7x {

inline constexpr const char* kSetupSection = "language";
inline constexpr const char* kKeyIsFirstRun = "IsFirstRun";
inline constexpr const char* kKeyComPort = "comPort";
inline constexpr const char* kKeyCurrentLanguage = "CurrentLanguage";

// "True"/"False" in any case, or a decimal number (0 is false, any other true);
// nullopt for anything else, the empty text included.
std::optional<bool> ParseProfileBoolean(std::string_view text);
// A decimal integer with an optional sign that fits 16 bits; nullopt otherwise.
std::optional<Int> ParseProfileInt16(std::string_view text);

// The trimmed value of a key of section "language"; "" when absent.
std::string ReadSetupValue(const std::string& path, const char* key);
// Writes a number under a key of section "language"; false when the file cannot be written.
bool WriteSetupNumber(const std::string& path, const char* key, int value);

}  // namespace k7x

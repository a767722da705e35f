// Setting.ini: despite its name a binary file of 4-byte records. Record 1 is carried from
// start-up to exit unchanged; nothing else in the program looks at it.
#pragma once

#include <string>

#include "shell/AppSettings.h"

namespace k7x {

// Reads record 1. A missing file is created empty and gives four zero bytes (so are the bytes
// beyond the end of a short file); a file that cannot be opened or read gives 0, 0, 0, 1.
ReservedRecord ReadReservedSettings(const std::string& path);

// Writes record 1, keeping whatever follows it, through a temporary file renamed over the
// target. False when the file cannot be written.
bool WriteReservedSettings(const std::string& path, const ReservedRecord& record);

}  // namespace k7x

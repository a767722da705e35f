// Reading a whole small file and replacing a file atomically (POSIX).
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "codeplug/Records.h"

namespace k7x {

// The first `limit` bytes of a regular file (all of it when shorter); nullopt when the path
// cannot be opened or read or is not a regular file. Never blocks on a FIFO or device.
std::optional<std::vector<Byte>> ReadFileBytes(const std::string& path, std::size_t limit);

// Writes the bytes to a new file in the target's folder, flushes it to disk (when `flush`),
// then renames it over the target. On failure the target is untouched, the temporary file is
// removed and the reason is returned; nullopt on success. A symbolic link is followed, so the
// file it names is replaced and the link stays. An existing target's permissions are kept.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::span<const Byte> bytes,
                                               bool flush = true);

}  // namespace k7x

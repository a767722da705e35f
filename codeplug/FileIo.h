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

// How the new content waits before it replaces the target.
enum class TemporaryFile {
    // An unnamed file in the target's folder (O_TMPFILE) that gets a name only just before the
    // rename, so a process killed while writing leaves nothing behind; a named one where the
    // file system has no unnamed files.
    UnnamedWhereSupported,
    // Always a named hidden file ".NAME.tmp-XXXXXXXX" beside the target.
    Named,
};

// Writes the bytes to a new file in the target's folder, flushes it to disk (when `flush`),
// then renames it over the target. On failure the target is untouched, the temporary file is
// removed and the reason is returned; nullopt on success. A symbolic link is followed, so the
// file it names is replaced and the link stays. An existing target's permissions are kept.
// Temporary files of the same target left by a save that was killed are removed first.
std::optional<std::string> WriteFileAtomically(
    const std::string& path, std::span<const Byte> bytes, bool flush = true,
    TemporaryFile temporary = TemporaryFile::UnnamedWhereSupported);

// Removes the temporary files of saves of `path` that no living save holds (a writer keeps a
// lock on its temporary file until it has been renamed); returns how many went.
int RemoveStaleTemporaries(const std::string& path);

}  // namespace k7x

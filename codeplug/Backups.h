// The automatic backup copies of what came from the radio and what went to it: one .dat file
// for each image read and each image about to be written, in the user's data folder, kept for
// a year. A backup is an ordinary codeplug file and opens like any other.
#pragma once

#include <chrono>
#include <ctime>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "codeplug/DocumentState.h"

namespace k7x {

// What a backup holds: an image read, an image about to be written, or what the radio held
// just before a write (read for the write's preview).
enum class BackupKind { Read, Write, BeforeWrite };

inline constexpr int kBackupKeepDays = 365;

// $XDG_DATA_HOME/korvan7x/backups when that is an absolute path, else
// home/.local/share/korvan7x/backups; "" when neither is usable.
std::string BackupFolderFor(std::string_view xdgDataHome, std::string_view home);
// BackupFolderFor with the process's XDG_DATA_HOME and HOME.
std::string BackupFolderOfProcess();

// "<model>_<read|write|before-write>_<yyyymmdd-hhmmss>", the time in local time, the model as the
// user knows it with everything but letters, digits, "." and "-" made "-" ("KORVAN-7X").
std::string BackupStem(std::string_view modelId, BackupKind kind, std::time_t when);
// True for the name of a backup file: a stem, maybe "-N" after it, and ".dat".
bool IsBackupFileName(const std::string& name);

// The .dat file of the document that doc.MemImage unpacks to in `countryMode`, with every
// setting the image does not hold taken from doc; nullopt for a mode outside 0..2.
std::optional<std::vector<Byte>> BackupFileOfImage(const DocumentState& doc, Int countryMode);

class BackupStore {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    // An empty clock is the system's.
    explicit BackupStore(std::string folder, Clock clock = {});

    const std::string& folder() const { return folder_; }
    // Creates the folder (and those above it); the reason when it cannot be made.
    std::optional<std::string> makeFolder() const;

    // Writes the bytes atomically as a new backup; never replaces one: a second backup of the
    // same second gets "-2", "-3", ... before ".dat". The path, or nullopt and the reason in
    // `problem`.
    std::optional<std::string> keep(std::string_view modelId, BackupKind kind,
                                    std::span<const Byte> bytes, std::string& problem) const;
    // Removes the backups last written more than kBackupKeepDays ago; other files stay.
    // Returns how many went.
    int prune() const;

private:
    std::chrono::system_clock::time_point now() const;

    std::string folder_;
    Clock clock_;
};

}  // namespace k7x

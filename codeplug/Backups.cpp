#include "codeplug/Backups.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <regex>

#include "codeplug/CodeplugFile.h"
#include "codeplug/FileIo.h"
#include "codeplug/ImageCompare.h"
#include "codeplug/MemoryImage.h"
#include "codeplug/XdgFolders.h"

namespace k7x {
namespace {

std::string FileNameModel(std::string_view modelId) {
    std::string name = ModelDisplayName(modelId);
    for (char& c : name) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '.' || c == '-';
        if (!plain) c = '-';
    }
    // A name of dots alone would make a hidden file or a folder reference.
    if (name.find_first_not_of('.') == std::string::npos) name = "radio" + name;
    return name;
}

// Creates an empty file at path unless something is there; the name is then this backup's.
bool ReserveName(const std::string& path, int& error) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = errno;
        return false;
    }
    ::close(fd);
    return true;
}

}  // namespace

namespace {

constexpr std::string_view kDataBelowHome = "/.local/share";

std::string BackupsIn(const std::string& dataFolder) {
    return dataFolder.empty() ? dataFolder : dataFolder + "/korvan7x/backups";
}

}  // namespace

std::string BackupFolderFor(std::string_view xdgDataHome, std::string_view home) {
    return BackupsIn(XdgFolderFor(xdgDataHome, home, kDataBelowHome));
}

std::string BackupFolderOfProcess() {
    return BackupsIn(XdgFolderOfProcess("XDG_DATA_HOME", kDataBelowHome));
}

std::string BackupStem(std::string_view modelId, BackupKind kind, std::time_t when) {
    std::tm local{};
    ::localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    static constexpr const char* kKindNames[] = {"_read_", "_write_", "_before-write_"};
    return FileNameModel(modelId) + kKindNames[static_cast<int>(kind)] + stamp;
}

bool IsBackupFileName(const std::string& name) {
    static const std::regex pattern(
        R"(^[A-Za-z0-9.-]+_(read|write|before-write)_[0-9]{8}-[0-9]{6}(-[0-9]+)?\.dat$)");
    return std::regex_match(name, pattern);
}

std::optional<std::vector<Byte>> BackupFileOfImage(const DocumentState& doc, Int countryMode) {
    std::optional<DocumentState> unpacked = DocumentOfImage(doc, doc.MemImage, countryMode);
    if (!unpacked) return std::nullopt;
    DocumentState& scratch = *unpacked;
    // Channel entries past the count hold nothing of this image.
    scratch.SavedChannels = {};
    TakeIntoSavedCopy(scratch);
    return EncodeFile(scratch.SavedDoc, scratch.SavedChannels);
}

BackupStore::BackupStore(std::string folder, Clock clock)
    : folder_(std::move(folder)), clock_(std::move(clock)) {}

std::chrono::system_clock::time_point BackupStore::now() const {
    return clock_ ? clock_() : std::chrono::system_clock::now();
}

std::optional<std::string> BackupStore::makeFolder() const {
    if (folder_.empty())
        return std::string("no folder for backups: neither XDG_DATA_HOME nor HOME is set");
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
    if (ec || !std::filesystem::is_directory(folder_, ec)) {
        return "cannot make the folder " + folder_ + (ec ? ": " + ec.message() : "");
    }
    return std::nullopt;
}

std::optional<std::string> BackupStore::keep(std::string_view modelId, BackupKind kind,
                                             std::span<const Byte> bytes,
                                             std::string& problem) const {
    if (auto failure = makeFolder()) {
        problem = *failure;
        return std::nullopt;
    }
    const std::string stem =
        folder_ + "/" + BackupStem(modelId, kind, std::chrono::system_clock::to_time_t(now()));
    std::string path;
    int error = 0;
    for (int n = 1; n <= 1000 && path.empty(); ++n) {
        const std::string candidate = stem + (n == 1 ? "" : "-" + std::to_string(n)) + ".dat";
        if (ReserveName(candidate, error)) path = candidate;
        if (error != 0 && error != EEXIST) break;
    }
    if (path.empty()) {
        problem = "cannot create a backup in " + folder_ + ": " + std::strerror(error);
        return std::nullopt;
    }
    if (auto failure = WriteFileAtomically(path, bytes)) {
        ::unlink(path.c_str());
        problem = *failure;
        return std::nullopt;
    }
    return path;
}

int BackupStore::prune() const {
    if (folder_.empty()) return 0;
    const auto oldest = now() - std::chrono::days(kBackupKeepDays);
    int removed = 0;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder_, ec)) {
        std::error_code entryError;
        if (!entry.is_regular_file(entryError) ||
            !IsBackupFileName(entry.path().filename().string())) {
            continue;
        }
        const auto written = entry.last_write_time(entryError);
        if (entryError) continue;
        if (std::chrono::file_clock::to_sys(written) < oldest &&
            std::filesystem::remove(entry.path(), entryError)) {
            ++removed;
        }
    }
    return removed;
}

}  // namespace k7x

#include "link/BackupKeeper.h"

#include <unistd.h>

namespace k7x {

std::optional<std::string> StoreBackupKeeper::keep(const DocumentState& doc, Int countryMode,
                                                   BackupKind kind) {
    const std::optional<std::vector<Byte>> file = BackupFileOfImage(doc, countryMode);
    if (!file)
        return "the image is of an unknown country mode (" + std::to_string(countryMode) + ")";
    std::string problem;
    const std::optional<std::string> path = store_.keep(doc.CurrentModel, kind, *file, problem);
    if (!path) return problem;
    lastKept_ = *path;
    if (kind == BackupKind::Write) lastWrite_ = *path;
    return std::nullopt;
}

std::optional<std::string> StoreBackupKeeper::keepRead(const DocumentState& doc, Int countryMode,
                                                       BackupKind kind) {
    return keep(doc, countryMode, kind);
}

std::optional<std::string> StoreBackupKeeper::keepWrite(const DocumentState& doc) {
    lastWrite_.clear();
    return keep(doc, doc.CurrentCountryMode, BackupKind::Write);
}

void StoreBackupKeeper::dropWrite() {
    if (lastWrite_.empty()) return;
    ::unlink(lastWrite_.c_str());
    if (lastKept_ == lastWrite_) lastKept_.clear();
    lastWrite_.clear();
}

}  // namespace k7x

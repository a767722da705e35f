// The backup copies of the transfers, kept in a BackupStore: each image as the .dat file of
// the document it unpacks to.
#pragma once

#include <optional>
#include <string>

#include "codeplug/Backups.h"
#include "link/LinkInterfaces.h"

namespace k7x {

class StoreBackupKeeper : public BackupKeeper {
public:
    explicit StoreBackupKeeper(const BackupStore& store) : store_(store) {}

    std::optional<std::string> keepRead(const DocumentState& doc, Int countryMode,
                                        BackupKind kind) override;
    std::optional<std::string> keepWrite(const DocumentState& doc) override;
    void dropWrite() override;

    // The path of the last copy kept (and not dropped); "" when there is none.
    const std::string& lastKept() const { return lastKept_; }

private:
    std::optional<std::string> keep(const DocumentState& doc, Int countryMode, BackupKind kind);

    const BackupStore& store_;
    std::string lastKept_;
    std::string lastWrite_;
};

}  // namespace k7x

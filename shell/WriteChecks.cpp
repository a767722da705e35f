#include "shell/WriteChecks.h"

#include <QSettings>

#include "shell/UserStore.h"

namespace k7x {
namespace {

constexpr auto kPreviewKey = "Write/ShowChangesFirst";
constexpr auto kCheckKey = "Write/CheckAfterWriting";

}  // namespace

WriteCheckStore WriteCheckStore::forUser() {
    return WriteCheckStore(NativeUserStore());
}

WriteCheckStore WriteCheckStore::inFile(const QString& iniPath) {
    return WriteCheckStore(std::make_unique<QSettings>(iniPath, QSettings::IniFormat));
}

WriteCheckStore::WriteCheckStore(std::unique_ptr<QSettings> settings)
    : settings_(std::move(settings)) {}
WriteCheckStore::WriteCheckStore(WriteCheckStore&&) noexcept = default;
WriteCheckStore& WriteCheckStore::operator=(WriteCheckStore&&) noexcept = default;
WriteCheckStore::~WriteCheckStore() = default;

WriteChecks WriteCheckStore::load() const {
    // The store is a file the user can edit: anything but a clear "false" leaves a check on.
    const auto on = [this](const char* key) {
        return settings_->value(QLatin1String(key), true).toBool();
    };
    return {on(kPreviewKey), on(kCheckKey)};
}

void WriteCheckStore::save(const WriteChecks& checks) {
    settings_->setValue(QLatin1String(kPreviewKey), checks.previewChanges);
    settings_->setValue(QLatin1String(kCheckKey), checks.checkAfterWrite);
    settings_->sync();
}

}  // namespace k7x

#include "shell/SettingStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace k7x {

namespace {

// Anything larger is not our file; its tail is not carried over.
constexpr qint64 kMaxKeptSize = 1 << 16;

}  // namespace

ReservedRecord ReadReservedSettings(const std::string& path) {
    const QString name = QString::fromStdString(path);
    QFile file(name);
    const QFileInfo info(name);
    if (!info.exists() && !info.isSymLink()) {
        // Opening creates the file, as a random-access open does.
        if (!file.open(QIODevice::WriteOnly)) return kUnreadableReservedRecord;
        return ReservedRecord{0, 0, 0, 0};
    }
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) return kUnreadableReservedRecord;
    const QByteArray bytes = file.read(4);
    if (file.error() != QFileDevice::NoError) return kUnreadableReservedRecord;
    ReservedRecord record{0, 0, 0, 0};
    for (qsizetype i = 0; i < bytes.size(); ++i) record[i] = static_cast<std::uint8_t>(bytes[i]);
    return record;
}

bool WriteReservedSettings(const std::string& path, const ReservedRecord& record) {
    const QString name = QString::fromStdString(path);
    const QFileInfo info(name);
    if (info.exists() && !info.isFile()) return false;
    QByteArray content;
    if (info.exists() && info.size() <= kMaxKeptSize) {
        QFile old(name);
        if (old.open(QIODevice::ReadOnly)) content = old.read(kMaxKeptSize);
    }
    if (content.size() < 4) content.resize(4);
    for (int i = 0; i < 4; ++i) content[i] = static_cast<char>(record[i]);

    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

}  // namespace k7x

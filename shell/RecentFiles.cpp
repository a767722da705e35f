#include "shell/RecentFiles.h"

#include <QSettings>
#include <QStringList>
#include <algorithm>
#include <filesystem>

namespace k7x {
namespace {

constexpr auto kKey = "RecentFiles/Files";

QString storeName(const QString& appTitle) {
    QString name = appTitle.trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return name.isEmpty() ? QStringLiteral("korvan7x") : name;
}

}  // namespace

std::string RecentFileKey(const std::string& path) {
    if (path.empty()) return {};
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return (ec ? std::filesystem::path(path) : absolute).lexically_normal().string();
}

RecentFiles::RecentFiles(const QString& appTitle)
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            storeName(appTitle), storeName(appTitle))) {}

RecentFiles::RecentFiles(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {}

RecentFiles RecentFiles::inFile(const QString& iniPath) {
    return RecentFiles(std::make_unique<QSettings>(iniPath, QSettings::IniFormat));
}

RecentFiles::RecentFiles(RecentFiles&&) noexcept = default;
RecentFiles& RecentFiles::operator=(RecentFiles&&) noexcept = default;
RecentFiles::~RecentFiles() = default;

std::vector<std::string> RecentFiles::list() const {
    // The store is a file the user can edit: take only what makes sense of it.
    std::vector<std::string> paths;
    const QStringList stored = settings_->value(QLatin1String(kKey)).toStringList();
    for (const QString& entry : stored) {
        const std::string path = entry.toStdString();
        if (path.empty() || std::find(paths.begin(), paths.end(), path) != paths.end()) continue;
        paths.push_back(path);
        if (paths.size() == kMaxFiles) break;
    }
    return paths;
}

void RecentFiles::add(const std::string& path) {
    const std::string key = RecentFileKey(path);
    if (key.empty()) return;
    std::vector<std::string> paths = list();
    std::erase(paths, key);
    paths.insert(paths.begin(), key);
    if (paths.size() > kMaxFiles) paths.resize(kMaxFiles);
    store(paths);
}

void RecentFiles::remove(const std::string& path) {
    std::vector<std::string> paths = list();
    std::erase(paths, path);
    std::erase(paths, RecentFileKey(path));
    store(paths);
}

void RecentFiles::store(const std::vector<std::string>& paths) {
    QStringList list;
    for (const std::string& p : paths) list << QString::fromStdString(p);
    settings_->setValue(QLatin1String(kKey), list);
    settings_->sync();
}

}  // namespace k7x

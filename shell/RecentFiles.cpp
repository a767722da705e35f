#include "shell/RecentFiles.h"

#include <QSettings>
#include <QStringList>
#include <algorithm>
#include <filesystem>

#include "shell/UserStore.h"

namespace k7x {
namespace {

constexpr auto kKey = "RecentFiles/Files";

// The name earlier versions gave their store: the program's title, "/" made "_".
QString FormerStoreName(const QString& title) {
    QString name = title.trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return name;
}

}  // namespace

std::string RecentFileKey(const std::string& path) {
    if (path.empty()) return {};
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return (ec ? std::filesystem::path(path) : absolute).lexically_normal().string();
}

RecentFiles RecentFiles::forUser(const QString& formerTitle) {
    RecentFiles files(NativeUserStore());
    const QString former = FormerStoreName(formerTitle);
    if (files.list().empty() && !former.isEmpty() && former != QLatin1String(kUserStoreName)) {
        const RecentFiles earlier(NativeUserStore(former));
        if (const std::vector<std::string> paths = earlier.list(); !paths.empty())
            files.store(paths);
    }
    return files;
}

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

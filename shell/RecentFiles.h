// The files the user opened or saved last, most recent first, kept in the user's settings
// store of the program (group "RecentFiles").
#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

class QSettings;

namespace k7x {

class RecentFiles {
public:
    static constexpr std::size_t kMaxFiles = 8;

    // The user's native store of the program, named "korvan7x" whatever the language. Earlier
    // versions kept the list in the store named after the program's title in the language then
    // in force (formerTitle); such a list is taken over while the program's own is empty.
    static RecentFiles forUser(const QString& formerTitle);
    // A store kept in the INI file at iniPath instead.
    static RecentFiles inFile(const QString& iniPath);

    RecentFiles(RecentFiles&&) noexcept;
    RecentFiles& operator=(RecentFiles&&) noexcept;
    ~RecentFiles();

    // The stored paths, most recent first: empty entries and repeats of an earlier entry are
    // dropped, and no more than kMaxFiles are given, whatever the store holds.
    std::vector<std::string> list() const;
    // Puts the file first; a path already listed moves up instead of appearing twice.
    void add(const std::string& path);
    void remove(const std::string& path);

private:
    explicit RecentFiles(std::unique_ptr<QSettings> settings);
    void store(const std::vector<std::string>& paths);
    std::unique_ptr<QSettings> settings_;
};

// The form a path is kept in: absolute and without "." or ".." parts, so one file opened
// through two different paths has one entry.
std::string RecentFileKey(const std::string& path);

}  // namespace k7x

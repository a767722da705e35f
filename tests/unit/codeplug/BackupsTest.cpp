// Where backups go, what they are called, that none replaces another, and which ones a year
// takes away.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "FileTestSupport.h"
#include "codeplug/Backups.h"

namespace k7x {
namespace {

using namespace std::chrono;
using test::TempFolder;

TEST(Backups, FolderFollowsTheDataHomeAndFallsBackToHome) {
    struct Case {
        const char* xdg;
        const char* home;
        const char* folder;
    };
    const Case cases[] = {
        {"/data", "/home/u", "/data/korvan7x/backups"},
        {"", "/home/u", "/home/u/.local/share/korvan7x/backups"},
        {"relative/data", "/home/u", "/home/u/.local/share/korvan7x/backups"},
        {"", "", ""},
        {"", "relative", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(BackupFolderFor(c.xdg, c.home), c.folder) << c.xdg;
}

// Sets the time zone for one test and puts the process's back afterwards.
class TimeZone {
public:
    explicit TimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) saved_ = old;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~TimeZone() {
        if (saved_)
            ::setenv("TZ", saved_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::optional<std::string> saved_;
};

TEST(Backups, NamesCarryModelKindAndLocalTime) {
    const std::time_t when = 1'721'049'006;  // 2024-07-15 13:10:06 UTC
    {
        const TimeZone east("<+02>-2");
        EXPECT_EQ(BackupStem("KORVN7X", BackupKind::Read, when), "KORVAN-7X_read_20240715-151006");
    }
    const TimeZone utc("UTC");
    struct Case {
        const char* model;
        BackupKind kind;
        const char* stem;
    };
    const Case cases[] = {
        {"KORVN7X", BackupKind::Read, "KORVAN-7X_read_20240715-131006"},
        {"KORVN7X   ", BackupKind::Write, "KORVAN-7X_write_20240715-131006"},
        {"AB/C D*", BackupKind::Read, "AB-C-D-_read_20240715-131006"},
        {"..", BackupKind::Read, "radio.._read_20240715-131006"},
    };
    for (const Case& c : cases) {
        const std::string stem = BackupStem(c.model, c.kind, when);
        EXPECT_EQ(stem, c.stem);
        EXPECT_TRUE(IsBackupFileName(stem + ".dat")) << stem;
        EXPECT_TRUE(IsBackupFileName(stem + "-12.dat")) << stem;
    }
    for (const char* other : {"KORVAN-7X_read_20240715-1323.dat", "mine.dat",
                              "KORVAN-7X_read_20240715-131006.dat~", "x_copy_20240715-131006.dat"})
        EXPECT_FALSE(IsBackupFileName(other)) << other;
}

TEST(Backups, BackupsOfTheSameSecondGetSuffixesAndReplaceNothing) {
    TempFolder folder;
    const auto fixed = system_clock::from_time_t(1'721'049'006);
    const BackupStore store(folder.file("deep/backups"), [fixed] { return fixed; });
    const std::string stem =
        folder.file("deep/backups/") +
        BackupStem("KORVN7X", BackupKind::Read, system_clock::to_time_t(fixed));
    std::string problem;
    for (int n = 1; n <= 3; ++n) {
        const std::vector<Byte> bytes(10, static_cast<Byte>(n));
        const std::optional<std::string> path =
            store.keep("KORVN7X", BackupKind::Read, bytes, problem);
        ASSERT_TRUE(path) << problem;
        EXPECT_EQ(*path, stem + (n == 1 ? "" : "-" + std::to_string(n)) + ".dat");
        EXPECT_EQ(test::ReadAll(*path), bytes);
    }
    EXPECT_EQ(test::ReadAll(stem + ".dat"), std::vector<Byte>(10, 1));

    const BackupStore blocked(folder.file(
        "deep/backups/" + BackupStem("KORVN7X", BackupKind::Read, system_clock::to_time_t(fixed)) +
        ".dat"));
    EXPECT_FALSE(blocked.keep("KORVN7X", BackupKind::Write, {}, problem));
    EXPECT_FALSE(problem.empty());
}

TEST(Backups, PruningRemovesOnlyBackupsOlderThanAYear) {
    TempFolder folder;
    const BackupStore store(folder.path().string());
    struct Entry {
        const char* name;
        int ageDays;
        bool kept;
    };
    const Entry entries[] = {
        {"KORVAN-7X_read_20240101-000000.dat", 0, true},
        {"KORVAN-7X_read_20240101-000001.dat", 364, true},
        {"KORVAN-7X_write_20240101-000002-2.dat", 366, false},
        {"KORVAN-7X_read_20200101-000000.dat", 2000, false},
        {"my radio.dat", 2000, true},  // the user's own file
        {"notes.txt", 2000, true},
    };
    const auto now = std::filesystem::file_time_type::clock::now();
    for (const Entry& e : entries) {
        test::WriteAll(folder.file(e.name), {1});
        std::filesystem::last_write_time(folder.file(e.name), now - days(e.ageDays));
    }
    std::filesystem::create_directory(folder.file("KORVAN-7X_read_20190101-000000.dat"));
    std::filesystem::last_write_time(folder.file("KORVAN-7X_read_20190101-000000.dat"),
                                     now - days(2000));

    EXPECT_EQ(store.prune(), 2);
    for (const Entry& e : entries)
        EXPECT_EQ(std::filesystem::exists(folder.file(e.name)), e.kept) << e.name;
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("KORVAN-7X_read_20190101-000000.dat")));
    EXPECT_EQ(BackupStore(folder.file("missing")).prune(), 0);
}

}  // namespace
}  // namespace k7x

// A save that is killed leaves the old file or the new one and, once the next save of the same
// file has run, no temporary file: both with unnamed temporaries and with the named fallback.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>

#include "FileTestSupport.h"
#include "codeplug/FileIo.h"

namespace k7x {
namespace {

using test::ReadAll;
using test::TempFolder;

struct Way {
    const char* name;
    TemporaryFile temporary;
};
constexpr Way kWays[] = {{"unnamed", TemporaryFile::UnnamedWhereSupported},
                         {"named", TemporaryFile::Named}};

TEST(CleanSave, KilledSavesLeaveAWholeFileAndNoTemporaryAfterTheNextSave) {
    const std::vector<Byte> first(25611, 0x11), second(25611, 0x22);
    std::mt19937 random(7);
    for (const Way& way : kWays) {
        SCOPED_TRACE(way.name);
        TempFolder folder;
        const std::string path = folder.file("radio.dat");
        ASSERT_FALSE(WriteFileAtomically(path, first, true, way.temporary));
        const auto start = std::chrono::steady_clock::now();
        for (int kill = 0; kill < 30; ++kill) {
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                for (int i = 0;; ++i)
                    WriteFileAtomically(path, i % 2 ? first : second, true, way.temporary);
            }
            ::usleep(200 + random() % 3000);
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            const std::vector<Byte> now = ReadAll(path);
            ASSERT_TRUE(now == first || now == second) << "after kill " << kill;
        }
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        ASSERT_FALSE(WriteFileAtomically(path, first, true, way.temporary));
        EXPECT_EQ(folder.entries(), std::set<std::string>{"radio.dat"});
    }
}

TEST(CleanSave, OnlyStaleTemporariesOfTheSameFileAreRemoved) {
    for (const Way& way : kWays) {
        SCOPED_TRACE(way.name);
        TempFolder folder;
        const std::vector<std::pair<std::string, bool>> entries = {
            {".a.dat.tmp-0stale00", false},  // left by a killed save
            {".a.dat.tmp-1stale11", false},
            {".a.dat.tmp-held0000", true},  // a save still writing holds it
            {".b.dat.tmp-0stale00", true},  // another file's
            {".a.dat.tmp-short", true},     // not a temporary's name
            {"a.dat.tmp-0stale00", true},   // not hidden
            {".a.dat.tmp-UPPER000", true},
        };
        for (const auto& [name, kept] : entries) test::WriteAll(folder.file(name), {1});
        const int held = ::open(folder.file(".a.dat.tmp-held0000").c_str(), O_RDONLY);
        ASSERT_EQ(::flock(held, LOCK_EX), 0);

        ASSERT_FALSE(WriteFileAtomically(folder.file("a.dat"), {{2, 3}}, false, way.temporary));
        std::set<std::string> expected{"a.dat"};
        for (const auto& [name, kept] : entries)
            if (kept) expected.insert(name);
        EXPECT_EQ(folder.entries(), expected);
        EXPECT_EQ(ReadAll(folder.file("a.dat")), (std::vector<Byte>{2, 3}));
        ::close(held);
        EXPECT_EQ(RemoveStaleTemporaries(folder.file("a.dat")), 1);  // let go of: now stale
    }
}

TEST(CleanSave, BothWaysKeepPermissionsAndFollowSymbolicLinks) {
    for (const Way& way : kWays) {
        SCOPED_TRACE(way.name);
        TempFolder folder;
        const std::string real = folder.file("real.dat"), link = folder.file("link.dat");
        test::WriteAll(real, std::vector<Byte>(4000, 9));
        std::filesystem::permissions(real, std::filesystem::perms(0640));
        std::filesystem::create_symlink(real, link);
        ASSERT_FALSE(WriteFileAtomically(link, {{5}}, true, way.temporary));
        EXPECT_TRUE(std::filesystem::is_symlink(link));
        EXPECT_EQ(ReadAll(real), (std::vector<Byte>{5}));
        EXPECT_EQ(std::filesystem::status(real).permissions(), std::filesystem::perms(0640));
        EXPECT_EQ(folder.entries(), (std::set<std::string>{"link.dat", "real.dat"}));
    }
}

}  // namespace
}  // namespace k7x

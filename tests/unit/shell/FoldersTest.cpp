#include <gtest/gtest.h>

#include "ShellTestSupport.h"
#include "shell/Folders.h"

namespace k7x {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;
namespace fs = std::filesystem;

TEST(DeriveInstallRoot, CutsAtTheLastSlashUnlessItIsTheFirstCharacter) {
    // The folder C:\Prog\V100 of a Windows installation, on this system.
    EXPECT_EQ(DeriveInstallRoot("/c/Prog/V100"), "/c/Prog");
    EXPECT_EQ(DeriveInstallRoot("/opt/korvan7x/V100"), "/opt/korvan7x");
    EXPECT_EQ(DeriveInstallRoot("/opt"), "/opt");
    EXPECT_EQ(DeriveInstallRoot("/"), "/");
    EXPECT_EQ(DeriveInstallRoot("V100"), "V100");
    EXPECT_EQ(DeriveInstallRoot("Prog/V100"), "Prog");
    EXPECT_EQ(DeriveInstallRoot(""), "");
}

TEST(ProgramFolder, IsTheRealFolderOfTheExecutable) {
    TempFolder dir;
    WriteBytes(dir.path() / "inst/V100/korvan7x", "");
    fs::create_directories(dir.path() / "bin");
    fs::create_symlink(dir.path() / "inst/V100/korvan7x", dir.path() / "bin/korvan7x");
    const std::string real = fs::canonical(dir.path() / "inst/V100").string();
    EXPECT_EQ(ProgramFolderOf(dir.file("bin/korvan7x")), real);
    EXPECT_EQ(ProgramFolderOf(dir.file("inst/V100/korvan7x")), real);
    EXPECT_EQ(ProgramFolderOf(""), "");

    const std::string self = RunningExecutablePath();
    ASSERT_FALSE(self.empty());
    EXPECT_TRUE(fs::exists(self));
}

TEST(UserConfigFolder, PrefersAnAbsoluteXdgConfigHome) {
    EXPECT_EQ(UserConfigFolder("/x/config", "/home/u"), "/x/config/korvan7x");
    EXPECT_EQ(UserConfigFolder("", "/home/u"), "/home/u/.config/korvan7x");
    EXPECT_EQ(UserConfigFolder("relative", "/home/u"), "/home/u/.config/korvan7x");
    EXPECT_EQ(UserConfigFolder("", ""), "");
}

TEST(StoreLocation, WritableInstallationKeepsTheStoresBesideTheProgram) {
    TempFolder dir;
    fs::create_directories(dir.path() / "Prog/V100");
    AppSettings s;
    SetUpFolders(s, dir.file("Prog/V100"), dir.file("config/korvan7x"));
    EXPECT_EQ(s.ProgramFolder, dir.file("Prog/V100"));
    EXPECT_EQ(s.InstallRoot, dir.file("Prog"));
    EXPECT_EQ(s.SetupFilePath, dir.file("Prog/language/mysetup.ini"));
    EXPECT_EQ(s.SettingFilePath, dir.file("Prog/V100/Setting.ini"));
    EXPECT_TRUE(fs::is_directory(dir.path() / "Prog/language")) << "ready for the first write";
    EXPECT_FALSE(fs::exists(dir.path() / "config"));
}

// An installation whose store places cannot take a file: "language" is a file, and
// Setting.ini is a folder. (Permissions would do in real life, but do not bind root.)
void MakeUnwritableInstallation(const TempFolder& dir) {
    WriteBytes(dir.path() / "Prog/language", "not a folder");
    fs::create_directories(dir.path() / "Prog/V100/Setting.ini");
}

TEST(StoreLocation, UnwritableInstallationMovesTheStoresToTheUserFolder) {
    TempFolder dir;
    MakeUnwritableInstallation(dir);
    AppSettings s;
    SetUpFolders(s, dir.file("Prog/V100"), dir.file("config/korvan7x"));
    EXPECT_EQ(s.SetupFilePath, dir.file("config/korvan7x/language/mysetup.ini"));
    EXPECT_EQ(s.SettingFilePath, dir.file("config/korvan7x/V100/Setting.ini"));
    EXPECT_TRUE(fs::is_directory(dir.path() / "config/korvan7x/language"));
    EXPECT_TRUE(fs::is_directory(dir.path() / "config/korvan7x/V100"));
}

TEST(StoreLocation, AnExistingUserCopyIsKept) {
    TempFolder dir;
    MakeUnwritableInstallation(dir);
    WriteBytes(dir.path() / "config/language/mysetup.ini", "[language]\ncomPort=9\n");
    AppSettings s;
    SetUpFolders(s, dir.file("Prog/V100"), dir.file("config"));
    EXPECT_EQ(ReadBytes(s.SetupFilePath), "[language]\ncomPort=9\n");
}

TEST(StoreLocation, ReadOnlyResolutionCreatesNothing) {
    TempFolder dir;
    MakeUnwritableInstallation(dir);
    AppSettings s;
    SetUpFolders(s, dir.file("Prog/V100"), dir.file("config/korvan7x"), StoreAccess::ReadOnly);
    EXPECT_FALSE(fs::exists(dir.path() / "config"));
    // No user copy yet: the reader looks at the installation's file.
    EXPECT_EQ(s.SetupFilePath, dir.file("Prog/language/mysetup.ini"));

    WriteBytes(dir.path() / "config/korvan7x/language/mysetup.ini", "[language]\n");
    SetUpFolders(s, dir.file("Prog/V100"), dir.file("config/korvan7x"), StoreAccess::ReadOnly);
    EXPECT_EQ(s.SetupFilePath, dir.file("config/korvan7x/language/mysetup.ini"));
}

TEST(StoreLocation, NonRootPermissions) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
    TempFolder dir;
    WriteBytes(dir.path() / "Prog/language/mysetup.ini", "[language]\ncomPort=3\n");
    fs::create_directories(dir.path() / "Prog/V100");
    fs::permissions(dir.path() / "Prog/language/mysetup.ini", fs::perms::owner_read);
    fs::permissions(dir.path() / "Prog/V100", fs::perms::owner_read | fs::perms::owner_exec);
    AppSettings s;
    SetUpFolders(s, dir.file("Prog/V100"), dir.file("config"));
    EXPECT_EQ(s.SetupFilePath, dir.file("config/language/mysetup.ini"));
    EXPECT_EQ(ReadBytes(s.SetupFilePath), "[language]\ncomPort=3\n") << "seeded from the install";
    EXPECT_EQ(s.SettingFilePath, dir.file("config/V100/Setting.ini"));
    fs::permissions(dir.path() / "Prog/V100", fs::perms::owner_all);
}

}  // namespace
}  // namespace k7x

#include <gtest/gtest.h>

#include <QSettings>

#include "ShellTestSupport.h"
#include "shell/RecentFiles.h"
#include "shell/SettingStore.h"
#include "shell/SetupFile.h"
#include "shell/WindowPlacement.h"

namespace k7x {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;
namespace fs = std::filesystem;

TEST(ReservedSettings, MissingFileIsCreatedEmptyAndReadsAsZeros) {
    TempFolder dir;
    const std::string path = dir.file("Setting.ini");
    EXPECT_EQ(ReadReservedSettings(path), (ReservedRecord{0, 0, 0, 0}));
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(fs::file_size(path), 0u);
    ASSERT_TRUE(WriteReservedSettings(path, ReservedRecord{0, 0, 0, 0}));
    EXPECT_EQ(ReadBytes(path), std::string(4, '\0'));
}

TEST(ReservedSettings, RecordIsCarriedUnchanged) {
    TempFolder dir;
    const std::string path = dir.file("Setting.ini");
    WriteBytes(path, std::string("\xFF\x00\x7F\x80", 4));
    const ReservedRecord r = ReadReservedSettings(path);
    EXPECT_EQ(r, (ReservedRecord{0xFF, 0x00, 0x7F, 0x80}));
    ASSERT_TRUE(WriteReservedSettings(path, r));
    EXPECT_EQ(ReadBytes(path), std::string("\xFF\x00\x7F\x80", 4));
}

TEST(ReservedSettings, ShortFileReadsZerosBeyondItsEndAndLongerFileKeepsItsTail) {
    TempFolder dir;
    const std::string path = dir.file("Setting.ini");
    WriteBytes(path, "\x05\x06");
    EXPECT_EQ(ReadReservedSettings(path), (ReservedRecord{5, 6, 0, 0}));

    WriteBytes(path, "abcdTAIL");
    ASSERT_TRUE(WriteReservedSettings(path, ReservedRecord{1, 2, 3, 4}));
    EXPECT_EQ(ReadBytes(path), "\x01\x02\x03\x04TAIL");
}

TEST(ReservedSettings, UnreadableFileGivesTheDefaultRecord) {
    TempFolder dir;
    fs::create_directory(dir.path() / "Setting.ini");
    EXPECT_EQ(ReadReservedSettings(dir.file("Setting.ini")), kUnreadableReservedRecord);
    EXPECT_FALSE(WriteReservedSettings(dir.file("Setting.ini"), kUnreadableReservedRecord));
    EXPECT_EQ(ReadReservedSettings(dir.file("missing/Setting.ini")), kUnreadableReservedRecord);
    EXPECT_FALSE(WriteReservedSettings(dir.file("missing/Setting.ini"), kUnreadableReservedRecord));
    EXPECT_FALSE(fs::exists(dir.path() / "missing"));
}

TEST(SetupValues, BooleansAsNumbersOrWords) {
    EXPECT_EQ(ParseProfileBoolean("0"), false);
    EXPECT_EQ(ParseProfileBoolean("000"), false);
    EXPECT_EQ(ParseProfileBoolean("1"), true);
    EXPECT_EQ(ParseProfileBoolean("-1"), true);
    EXPECT_EQ(ParseProfileBoolean("2"), true);
    EXPECT_EQ(ParseProfileBoolean("0.5"), true);
    EXPECT_EQ(ParseProfileBoolean("True"), true);
    EXPECT_EQ(ParseProfileBoolean("FALSE"), false);
    EXPECT_EQ(ParseProfileBoolean(" false "), false);
    EXPECT_EQ(ParseProfileBoolean(""), std::nullopt);
    EXPECT_EQ(ParseProfileBoolean("yes"), std::nullopt);
    EXPECT_EQ(ParseProfileBoolean("-"), std::nullopt);
    EXPECT_EQ(ParseProfileBoolean("1.2.3"), std::nullopt);
}

TEST(SetupValues, SixteenBitNumbers) {
    EXPECT_EQ(ParseProfileInt16("3"), Int{3});
    EXPECT_EQ(ParseProfileInt16(" +12 "), Int{12});
    EXPECT_EQ(ParseProfileInt16("-32768"), Int{-32768});
    EXPECT_EQ(ParseProfileInt16("32767"), Int{32767});
    EXPECT_EQ(ParseProfileInt16("32768"), std::nullopt);
    EXPECT_EQ(ParseProfileInt16("99999999999999999999"), std::nullopt);
    EXPECT_EQ(ParseProfileInt16(""), std::nullopt);
    EXPECT_EQ(ParseProfileInt16("3a"), std::nullopt);
    EXPECT_EQ(ParseProfileInt16("1.5"), std::nullopt);
    EXPECT_EQ(ParseProfileInt16("+-1"), std::nullopt);
}

TEST(SetupValues, PortWrittenByTheDialogKeepsTheRestOfTheFile) {
    TempFolder dir;
    const std::string path = dir.file("mysetup.ini");
    WriteBytes(path, "[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nCurrentLanguage=2\r\n");
    ASSERT_TRUE(WriteSetupNumber(path, kKeyComPort, 5));
    EXPECT_EQ(ReadBytes(path), "[language]\r\nIsFirstRun=0\r\ncomPort=5\r\nCurrentLanguage=2\r\n");
    EXPECT_EQ(ReadSetupValue(path, kKeyComPort), "5");
    EXPECT_EQ(ReadSetupValue(path, "absent"), "");
}

TEST(WindowPlacementStore, DefaultsWhenNothingIsStored) {
    TempFolder dir;
    const WindowPlacement p =
        WindowPlacementStore::inFile(QString::fromStdString(dir.file("p.ini"))).load();
    EXPECT_EQ(p.MainLeft, 1000.0f);
    EXPECT_EQ(p.MainTop, 1000.0f);
    EXPECT_EQ(p.MainWidth, 12500.0f);
    EXPECT_EQ(p.MainHeight, 9500.0f);
}

TEST(WindowPlacementStore, RoundTripAsDecimalTextInGroupSettings) {
    TempFolder dir;
    const QString path = QString::fromStdString(dir.file("p.ini"));
    {
        WindowPlacementStore store = WindowPlacementStore::inFile(path);
        store.save(WindowPlacement{1234.5f, -60.0f, 15000.0f, 8000.25f});
    }
    const WindowPlacement p = WindowPlacementStore::inFile(path).load();
    EXPECT_EQ(p.MainLeft, 1234.5f);
    EXPECT_EQ(p.MainTop, -60.0f);
    EXPECT_EQ(p.MainWidth, 15000.0f);
    EXPECT_EQ(p.MainHeight, 8000.25f);
    QSettings raw(path, QSettings::IniFormat);
    EXPECT_EQ(raw.value("Settings/MainLeft").toString(), "1234.5");
    EXPECT_EQ(raw.value("Settings/MainWidth").toString(), "15000");
}

TEST(WindowPlacementStore, ValuesThatAreNotNumbersKeepTheirDefaults) {
    TempFolder dir;
    WriteBytes(dir.path() / "p.ini",
               "[Settings]\nMainLeft=left\nMainTop=nan\nMainWidth=inf\nMainHeight=700\n");
    const WindowPlacement p =
        WindowPlacementStore::inFile(QString::fromStdString(dir.file("p.ini"))).load();
    EXPECT_EQ(p.MainLeft, 1000.0f);
    EXPECT_EQ(p.MainTop, 1000.0f);
    EXPECT_EQ(p.MainWidth, 12500.0f);
    EXPECT_EQ(p.MainHeight, 700.0f);
}

TEST(RecentFiles, MostRecentFirstWithoutRepeatsAndAtMostEight) {
    TempFolder dir;
    RecentFiles recent = RecentFiles::inFile(QString::fromStdString(dir.file("r.ini")));
    const std::string a = dir.file("a.dat"), b = dir.file("b.dat");
    recent.add(a);
    recent.add(b);
    // The same file through another path moves up instead of appearing twice.
    recent.add(dir.file("x/../a.dat"));
    EXPECT_EQ(recent.list(), (std::vector<std::string>{a, b}));
    for (int i = 0; i < 9; ++i) recent.add(dir.file("f" + std::to_string(i) + ".dat"));
    const std::vector<std::string> list = recent.list();
    ASSERT_EQ(list.size(), RecentFiles::kMaxFiles);
    EXPECT_EQ(list.front(), dir.file("f8.dat"));
    EXPECT_EQ(list.back(), dir.file("f1.dat"));
    recent.remove(dir.file("f5.dat"));
    EXPECT_EQ(recent.list().size(), RecentFiles::kMaxFiles - 1);
    // A relative path is kept absolute, so the entry still works from another folder.
    recent.add("rel.dat");
    EXPECT_EQ(recent.list().front(), (fs::current_path() / "rel.dat").string());
}

TEST(RecentFiles, AnEditedStoreIsReadSafely) {
    TempFolder dir;
    const QString path = QString::fromStdString(dir.file("r.ini"));
    {
        QSettings raw(path, QSettings::IniFormat);
        QStringList stored{"", "/x/1.dat", "/x/1.dat"};
        for (int i = 2; i < 12; ++i) stored << QStringLiteral("/x/%1.dat").arg(i);
        raw.setValue("RecentFiles/Files", stored);
    }
    const std::vector<std::string> list = RecentFiles::inFile(path).list();
    ASSERT_EQ(list.size(), RecentFiles::kMaxFiles);
    EXPECT_EQ(list[0], "/x/1.dat");
    EXPECT_EQ(list[1], "/x/2.dat");
    // One entry is written as a plain value, not a list.
    QSettings(path, QSettings::IniFormat).setValue("RecentFiles/Files", "/x/only.dat");
    EXPECT_EQ(RecentFiles::inFile(path).list(), std::vector<std::string>{"/x/only.dat"});
}

}  // namespace
}  // namespace k7x

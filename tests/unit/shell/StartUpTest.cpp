#include <gtest/gtest.h>

#include <QLocale>

#include "RecordingPrompts.h"
#include "ShellTestSupport.h"
#include "shell/LangTexts.h"
#include "shell/StartUp.h"

namespace k7x {
namespace {

using test::ReadBytes;
using test::RecordingPrompts;
using test::TempFolder;
using test::WriteBytes;
namespace fs = std::filesystem;

// An installation in a temporary folder: Prog/Version.ini, Prog/V100/language/*.ini.
class StartUpTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteBytes(
            dir.path() / "Prog/Version.ini",
            "[Version]\r\nCurrentVersion=V100\r\nSoftVersionCount=1\r\n"
            "FirmVersionCount=1\r\n[Soft]\r\nVersion0=V100\r\n[Firm]\r\nFirm0=V100-V100\r\n");
        // A table in the program folder is not the one that counts.
        WriteBytes(dir.path() / "Prog/V100/Version.ini",
                   "[Version]\nSoftVersionCount=1\nFirmVersionCount=1\n[Firm]\nFirm0=V999-V999\n");
        WriteBytes(dir.path() / "Prog/V100/language/english.ini", "[Main]\r\n12000=Radio Tool\r\n");
        // "写频软件" in GBK.
        WriteBytes(dir.path() / "Prog/V100/language/chinese.ini",
                   "[Main]\r\n12000=\xD0\xB4\xC6\xB5\xC8\xED\xBC\xFE\r\n");
        env.programFolder = dir.file("Prog/V100");
        env.lang = "en_US.UTF-8";
        env.xdgConfigHome = dir.file("config");
        env.home = dir.file("home");
    }

    void writeSetup(const std::string& content) {
        WriteBytes(dir.path() / "Prog/language/mysetup.ini", content);
    }
    std::string setup() const { return ReadBytes(dir.path() / "Prog/language/mysetup.ini"); }
    void start() { RunStartSequence(settings, doc, env, prompts); }

    TempFolder dir;
    StartEnvironment env;
    AppSettings settings;
    DocumentState doc;
    RecordingPrompts prompts;
};

TEST_F(StartUpTest, FirstRunOnAChineseSystemStartsInChinese) {
    env.lang = "zh_CN.UTF-8";
    writeSetup("[language]\r\nIsFirstRun=1\r\ncomPort=3\r\n");
    start();
    EXPECT_EQ(settings.LangIndex, kChinese);
    EXPECT_EQ(settings.LangFile, "chinese.ini");
    EXPECT_EQ(settings.PrevLangIndex, kChinese);
    EXPECT_EQ(settings.ComPortNo, 3);
    EXPECT_TRUE(settings.IsFirstRun);
    EXPECT_EQ(settings.AppTitle, "写频软件");
    EXPECT_EQ(setup(), "[language]\r\nIsFirstRun=0\r\ncomPort=3\r\nCurrentLanguage=2\r\n");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(StartUpTest, FirstRunOnAnEnglishSystemStartsInEnglish) {
    writeSetup("[language]\nIsFirstRun=True\ncomPort=1\nCurrentLanguage=2\n");
    start();
    EXPECT_EQ(settings.LangIndex, kEnglish) << "the stored language is not read on a first run";
    EXPECT_EQ(settings.LangFile, "english.ini");
    EXPECT_EQ(settings.AppTitle, "Radio Tool");
    EXPECT_EQ(setup(), "[language]\nIsFirstRun=0\ncomPort=1\nCurrentLanguage=1\n");
}

TEST_F(StartUpTest, StoredLanguageWinsOverTheSystemAndAsksForARefresh) {
    writeSetup("[language]\nIsFirstRun=0\ncomPort=2\nCurrentLanguage=2\n");
    start();
    EXPECT_EQ(settings.LangIndex, kChinese);
    EXPECT_EQ(settings.LangFile, "chinese.ini");
    EXPECT_EQ(settings.PrevLangIndex, kEnglish) << "the main window refreshes once";
    EXPECT_FALSE(settings.IsFirstRun);
    EXPECT_EQ(setup(), "[language]\nIsFirstRun=0\ncomPort=2\nCurrentLanguage=2\n");

    env.lang = "zh_CN.GB18030";
    writeSetup("[language]\nIsFirstRun=0\ncomPort=2\nCurrentLanguage=1\n");
    start();
    EXPECT_EQ(settings.LangIndex, kEnglish);
    EXPECT_EQ(settings.PrevLangIndex, kChinese);
}

TEST_F(StartUpTest, MissingSetupFileCountsAsAFirstRunOnPortOne) {
    start();
    EXPECT_TRUE(settings.IsFirstRun);
    EXPECT_EQ(settings.ComPortNo, 1);
    EXPECT_EQ(setup(), "[language]\nIsFirstRun=0\ncomPort=1\nCurrentLanguage=1\n");
    // The second start is no longer the first.
    start();
    EXPECT_FALSE(settings.IsFirstRun);
    EXPECT_EQ(setup(), "[language]\nIsFirstRun=0\ncomPort=1\nCurrentLanguage=1\n");
}

TEST_F(StartUpTest, UnusableValuesFallBackAndLanguageAndFileAgree) {
    env.lang = "zh_CN";
    writeSetup("[language]\nIsFirstRun=\ncomPort=COM3\n");
    start();
    EXPECT_TRUE(settings.IsFirstRun);
    EXPECT_EQ(settings.ComPortNo, 1);
    EXPECT_EQ(setup(), "[language]\nIsFirstRun=0\ncomPort=1\nCurrentLanguage=2\n");

    for (const char* lang : {"3", "0", "-1", "", "English"}) {
        writeSetup(std::string("[language]\nIsFirstRun=0\ncomPort=4\nCurrentLanguage=") + lang +
                   "\n");
        start();
        EXPECT_EQ(settings.LangIndex, kChinese) << lang;
        EXPECT_EQ(settings.LangFile, "chinese.ini") << lang;
        EXPECT_EQ(settings.ComPortNo, 4);
        EXPECT_EQ(setup(), "[language]\nIsFirstRun=0\ncomPort=4\nCurrentLanguage=2\n") << lang;
    }
}

TEST_F(StartUpTest, SetupFileKeepsItsOtherContent) {
    writeSetup("; mine\n[ports]\nCOM1=/dev/ttyUSB3\n[language]\nIsFirstRun=0\ncomPort=1\n");
    start();
    EXPECT_EQ(setup(),
              "; mine\n[ports]\nCOM1=/dev/ttyUSB3\n[language]\nIsFirstRun=0\ncomPort=1\n"
              "CurrentLanguage=1\n");
}

TEST_F(StartUpTest, FoldersFollowTheProgramFolder) {
    start();
    EXPECT_EQ(settings.ProgramFolder, dir.file("Prog/V100"));
    EXPECT_EQ(settings.InstallRoot, dir.file("Prog"));
    EXPECT_EQ(settings.Versions.VersionPairs,
              (std::vector<std::pair<std::string, std::string>>{{"V100", "V100"}}));
    EXPECT_EQ(settings.SetupFilePath, dir.file("Prog/language/mysetup.ini"));
    EXPECT_EQ(settings.SettingFilePath, dir.file("Prog/V100/Setting.ini"));
    EXPECT_EQ(LangFilePath(settings), dir.file("Prog/V100/language/english.ini"));
    EXPECT_FALSE(fs::exists(dir.path() / "config"));
}

TEST_F(StartUpTest, MissingSettingIniIsCreatedAndHoldsFourBytesAfterExit) {
    start();
    EXPECT_TRUE(fs::exists(dir.path() / "Prog/V100/Setting.ini"));
    EXPECT_EQ(settings.ReservedSettings, (ReservedRecord{0, 0, 0, 0}));
    EXPECT_TRUE(RunShutdownDuties(settings));
    EXPECT_EQ(ReadBytes(dir.path() / "Prog/V100/Setting.ini"), std::string(4, '\0'));
}

TEST_F(StartUpTest, SettingRecordIsCarriedFromStartToExit) {
    WriteBytes(dir.path() / "Prog/V100/Setting.ini", "\x09\x08\x07\x06");
    start();
    EXPECT_EQ(settings.ReservedSettings, (ReservedRecord{9, 8, 7, 6}));
    fs::remove(dir.path() / "Prog/V100/Setting.ini");
    EXPECT_TRUE(RunShutdownDuties(settings));
    EXPECT_EQ(ReadBytes(dir.path() / "Prog/V100/Setting.ini"), "\x09\x08\x07\x06");
}

TEST_F(StartUpTest, ShutdownSwallowsAStoreThatCannotBeWritten) {
    start();
    fs::remove(dir.path() / "Prog/V100/Setting.ini");
    fs::create_directories(dir.path() / "Prog/V100/Setting.ini");
    EXPECT_FALSE(RunShutdownDuties(settings));
    EXPECT_TRUE(fs::is_directory(dir.path() / "Prog/V100/Setting.ini"));
}

TEST_F(StartUpTest, UnwritableInstallationKeepsTheStoresInTheUserFolder) {
    fs::remove_all(dir.path() / "Prog/language");
    WriteBytes(dir.path() / "Prog/language", "a file where the folder belongs");
    fs::create_directories(dir.path() / "Prog/V100/Setting.ini");
    start();
    EXPECT_EQ(ReadBytes(dir.path() / "config/korvan7x/language/mysetup.ini"),
              "[language]\nIsFirstRun=0\ncomPort=1\nCurrentLanguage=1\n");
    EXPECT_TRUE(RunShutdownDuties(settings));
    EXPECT_EQ(ReadBytes(dir.path() / "config/korvan7x/V100/Setting.ini"), std::string(4, '\0'));
    EXPECT_EQ(ReadBytes(dir.path() / "Prog/language"), "a file where the folder belongs");
}

TEST_F(StartUpTest, ProcessFlagsAndTheFirstDocument) {
    settings.HelpEnabled = true;
    settings.InitialiseSettingsRequest = true;
    start();
    EXPECT_FALSE(settings.HelpEnabled);
    EXPECT_FALSE(settings.InitialiseSettingsRequest);
    EXPECT_FALSE(settings.OsName.empty());
    EXPECT_EQ(doc.CurrentModel, "KORVN7X");
    EXPECT_EQ(doc.CurrentCountryMode, 2);
    EXPECT_EQ(doc.BandText, "28.000 - 29.700 MHz");
    EXPECT_DOUBLE_EQ(doc.FreqMin, 28.0);
    EXPECT_DOUBLE_EQ(doc.FreqMax, 29.7);
    EXPECT_EQ(doc.CurrentFilePath, "new.dat");
    EXPECT_TRUE(doc.IsUntitled);
}

TEST_F(StartUpTest, BrokenVersionTableAndMissingLanguageFilesStillStart) {
    WriteBytes(dir.path() / "Prog/Version.ini", std::string("\0\xFF[Version\n=\n", 12));
    fs::remove_all(dir.path() / "Prog/V100/language");
    start();
    EXPECT_TRUE(settings.Versions.VersionPairs.empty());
    EXPECT_EQ(settings.AppTitle, "");
    EXPECT_EQ(doc.CurrentFilePath, "new.dat");
}

TEST_F(StartUpTest, ReadOnlyLoadingWritesAndCreatesNothing) {
    writeSetup("[language]\nIsFirstRun=0\ncomPort=7\nCurrentLanguage=2\n");
    AppSettings cli;
    LoadSettingsReadOnly(cli, env);
    EXPECT_EQ(cli.LangIndex, kChinese);
    EXPECT_EQ(cli.ComPortNo, 7);
    EXPECT_EQ(cli.AppTitle, "写频软件");
    EXPECT_EQ(cli.Versions.VersionPairs.size(), 1u);
    EXPECT_EQ(setup(), "[language]\nIsFirstRun=0\ncomPort=7\nCurrentLanguage=2\n");
    EXPECT_FALSE(fs::exists(dir.path() / "Prog/V100/Setting.ini"));

    fs::remove(dir.path() / "Prog/language/mysetup.ini");
    LoadSettingsReadOnly(cli, env);
    EXPECT_FALSE(fs::exists(dir.path() / "Prog/language/mysetup.ini"));
}

TEST(SystemLocale, LcAllThenLcMessagesThenLang) {
    StartEnvironment env;
    env.lang = "zh_CN.UTF-8";
    EXPECT_EQ(SystemLocaleId(env), kLocaleChinesePrc);
    env.lcMessages = "en_GB.UTF-8";
    EXPECT_EQ(SystemLocaleId(env), kLocaleEnglishUs);
    env.lcAll = "zh_CN.GB2312";
    EXPECT_EQ(SystemLocaleId(env), kLocaleChinesePrc);
    env.lcAll = "C";
    EXPECT_EQ(SystemLocaleId(env), kLocaleEnglishUs);
}

TEST(SystemLocale, OnlyMainlandChineseCounts) {
    StartEnvironment env;
    for (const char* name : {"zh_CN", "zh_CN.UTF-8", "zh_CN@stroke", "ZH_cn.utf8"}) {
        env.lang = name;
        EXPECT_EQ(SystemLocaleId(env), kLocaleChinesePrc) << name;
    }
    for (const char* name : {"zh_TW.UTF-8", "zh_HK", "zh", "zh_CNX", "de_DE", "", "POSIX"}) {
        env.lang = name;
        EXPECT_EQ(SystemLocaleId(env), kLocaleEnglishUs) << name;
    }
}

TEST(DecimalPoint, ForcedToAPointWhateverTheUserLocale) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ForceDecimalPoint();
    EXPECT_EQ(QLocale().toString(28.85, 'f', 5), "28.85000");
    EXPECT_EQ(QLocale().toDouble("28.5"), 28.5);
}

}  // namespace
}  // namespace k7x

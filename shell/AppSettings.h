// The process-wide settings: language, serial port, folders, version table and the small
// records the start routine prepares for the windows. The application owns one and hands
// references to whoever needs it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "codeplug/Records.h"
#include "codeplug/Versions.h"

namespace k7x {

inline constexpr Int kEnglish = 1;
inline constexpr Int kChinese = 2;
inline constexpr const char* kEnglishFile = "english.ini";
inline constexpr const char* kChineseFile = "chinese.ini";

using ReservedRecord = std::array<std::uint8_t, 4>;
// The record used when Setting.ini cannot be opened or read.
inline constexpr ReservedRecord kUnreadableReservedRecord{0, 0, 0, 1};

struct AppSettings {
    // 1 = English, 2 = Chinese; chooses LangFile, splash, background and list position.
    Int LangIndex = kEnglish;
    // The language the main window last built its captions for.
    Int PrevLangIndex = kEnglish;
    std::string LangFile = kEnglishFile;
    Int ComPortNo = 1;
    bool IsFirstRun = true;
    // The locale identifier the language choice saw: 0x0804 for zh_CN, 0x0409 otherwise.
    std::int32_t UserLcid = 0x0409;
    // The decimal separator of the user's locale. The program formats numbers in the C locale
    // of its own process, so nothing outside it changes and nothing needs restoring.
    std::string OsName;  // sysname and release, for bug reports
    bool HelpEnabled = false;
    // Set by the document commands to ask for the template that resets the settings.
    bool InitialiseSettingsRequest = false;
    ReservedRecord ReservedSettings = kUnreadableReservedRecord;

    // The folder of the executable, without a trailing "/", and the folder above it.
    std::string ProgramFolder;
    std::string InstallRoot;
    // Where the stores are read and written: beside the program, or in the user's
    // configuration folder when the installation cannot be written.
    std::string SetupFilePath;    // language/mysetup.ini
    std::string SettingFilePath;  // Setting.ini

    VersionTable Versions;
    // Text 12000: the application title, also the name of the window-placement store.
    std::string AppTitle;
};

}  // namespace k7x

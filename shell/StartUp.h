// The start routine that prepares every piece of process-wide state before a window exists,
// and the duties at exit. Everything works on explicit folders and environment values, so it
// can run in a temporary folder.
#pragma once

#include <cstdint>
#include <string>

#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"
#include "shell/AppSettings.h"

namespace k7x {

// What the start routine takes from the system.
struct StartEnvironment {
    std::string programFolder;  // the folder of the executable, symlinks resolved
    std::string lcAll;          // the locale variables, in the order they count
    std::string lcMessages;
    std::string lang;
    std::string xdgConfigHome;
    std::string home;

    // The running process: /proc/self/exe and the real environment.
    static StartEnvironment fromProcess();
};

inline constexpr std::int32_t kLocaleChinesePrc = 0x0804;
inline constexpr std::int32_t kLocaleEnglishUs = 0x0409;

// The locale in force (LC_ALL, then LC_MESSAGES, then LANG; the first one set) as the language
// choice sees it: 0x0804 for zh_CN, 0x0409 for anything else.
std::int32_t SystemLocaleId(const StartEnvironment& env);

// Sets the document-wide values of a fresh start: the model, mode 2 and its band.
void SetStartDocumentValues(DocumentState& doc);
// Language from the system locale; PrevLangIndex follows.
void ChooseSystemLanguage(AppSettings& settings, const StartEnvironment& env);
// Numbers are read and written with "." in this process, whatever the user's locale says.
void ForceDecimalPoint();
// Records the system's name. A failing uname is reported.
void DetectOperatingSystem(AppSettings& settings, Prompts& prompts);
// Reads IsFirstRun, comPort and (after the first run) CurrentLanguage. With rewrite, writes
// IsFirstRun = 0 after a first run, and comPort and CurrentLanguage as now in force.
// Values that are missing, empty or not numbers: first run, port 1; a language other than
// 1 or 2 is passed over, so LangIndex and LangFile always agree.
void ReadSetupFile(AppSettings& settings, bool rewrite);

// The whole start sequence except the splash window: folders, version table, language,
// decimal point, operating system, mysetup.ini, the first document, the application title and
// Setting.ini. The window-placement store is read by the main window.
void RunStartSequence(AppSettings& settings, DocumentState& doc, const StartEnvironment& env,
                      Prompts& prompts);

// For programs that only read the settings (the CLI): folders, version table and language,
// with nothing written or created.
void LoadSettingsReadOnly(AppSettings& settings, const StartEnvironment& env);

// The duties at exit, on every way out (also the immediate ends): writes Setting.ini.
// Errors are swallowed; returns whether the record was written.
bool RunShutdownDuties(const AppSettings& settings);

}  // namespace k7x

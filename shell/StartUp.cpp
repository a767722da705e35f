#include "shell/StartUp.h"

#include <sys/utsname.h>

#include <QDir>
#include <QLocale>
#include <clocale>
#include <cstdlib>

#include "codeplug/CodeplugFile.h"
#include "codeplug/Conversions.h"
#include "codeplug/Defaults.h"
#include "shell/Folders.h"
#include "shell/IniFile.h"
#include "shell/LangTexts.h"
#include "shell/SettingStore.h"
#include "shell/SetupFile.h"
#include "shell/ShellTexts.h"
#include "shell/VersionLoader.h"

namespace k7x {

namespace {

std::string envValue(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

// The locale name in force: the first of LC_ALL, LC_MESSAGES and LANG that is set.
std::string localeName(const StartEnvironment& env) {
    for (const std::string* v : {&env.lcAll, &env.lcMessages, &env.lang}) {
        if (!v->empty()) return *v;
    }
    return {};
}

void setLanguage(AppSettings& settings, Int index) {
    settings.LangIndex = index;
    settings.LangFile = index == kChinese ? kChineseFile : kEnglishFile;
}

}  // namespace

StartEnvironment StartEnvironment::fromProcess() {
    StartEnvironment env;
    env.programFolder = ProgramFolderOf(RunningExecutablePath());
    if (env.programFolder.empty()) env.programFolder = QDir::currentPath().toStdString();
    env.lcAll = envValue("LC_ALL");
    env.lcMessages = envValue("LC_MESSAGES");
    env.lang = envValue("LANG");
    env.xdgConfigHome = envValue("XDG_CONFIG_HOME");
    env.home = envValue("HOME");
    if (env.home.empty()) env.home = QDir::homePath().toStdString();
    return env;
}

std::int32_t SystemLocaleId(const StartEnvironment& env) {
    std::string name = localeName(env);
    // "zh_CN.UTF-8", "zh_CN.GB18030", "zh_CN@modifier": the part before codeset and modifier.
    name = name.substr(0, name.find_first_of(".@"));
    return QString::fromStdString(name).compare(QLatin1String("zh_CN"), Qt::CaseInsensitive) == 0
               ? kLocaleChinesePrc
               : kLocaleEnglishUs;
}

void SetStartDocumentValues(DocumentState& doc) {
    doc.CurrentModel = kModelName;
    doc.CurrentCountryMode = 2;
    doc.BandText = BandTextOfMode(2).value_or(std::string());
    ParseBandText(doc, doc.BandText);
}

void ChooseSystemLanguage(AppSettings& settings, const StartEnvironment& env) {
    settings.UserLcid = SystemLocaleId(env);
    setLanguage(settings, settings.UserLcid == kLocaleChinesePrc ? kChinese : kEnglish);
    settings.PrevLangIndex = settings.LangIndex;
}

void ForceDecimalPoint() {
    // Process-local: other programs and the user's settings stay as they are.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
}

void DetectOperatingSystem(AppSettings& settings, Prompts& prompts) {
    utsname u{};
    if (::uname(&u) != 0) {
        prompts.message("未知操作系统", Buttons::Ok);
        return;
    }
    settings.OsName = std::string(u.sysname) + " " + u.release;
}

void ReadSetupFile(AppSettings& settings, bool rewrite) {
    const QString path = QString::fromStdString(settings.SetupFilePath);
    const QString section = QString::fromLatin1(kSetupSection);
    IniFile ini = IniFile::load(path);
    const auto read = [&](const char* key) {
        return ini.value(section, QString::fromLatin1(key), QString(), 512).trimmed().toStdString();
    };

    settings.IsFirstRun = ParseProfileBoolean(read(kKeyIsFirstRun)).value_or(true);
    settings.ComPortNo = ParseProfileInt16(read(kKeyComPort)).value_or(1);
    if (!settings.IsFirstRun) {
        const std::optional<Int> lang = ParseProfileInt16(read(kKeyCurrentLanguage));
        if (lang == kEnglish || lang == kChinese) setLanguage(settings, *lang);
    }
    if (!rewrite) return;

    if (settings.IsFirstRun) ini.setValue(section, QString::fromLatin1(kKeyIsFirstRun), "0");
    ini.setValue(section, QString::fromLatin1(kKeyComPort), QString::number(settings.ComPortNo));
    ini.setValue(section, QString::fromLatin1(kKeyCurrentLanguage),
                 QString::number(settings.LangIndex));
    ini.save(path);  // a store that cannot be written leaves the settings in force for this run
}

void RunStartSequence(AppSettings& settings, DocumentState& doc, const StartEnvironment& env,
                      Prompts& prompts) {
    SetUpFolders(settings, env.programFolder, UserConfigFolder(env.xdgConfigHome, env.home));
    settings.Versions = LoadVersionTable(settings.InstallRoot);
    settings.HelpEnabled = false;
    settings.InitialiseSettingsRequest = false;
    ChooseSystemLanguage(settings, env);
    SetStartDocumentValues(doc);
    ForceDecimalPoint();
    DetectOperatingSystem(settings, prompts);
    ReadSetupFile(settings, true);
    InitNewDocument(doc, settings.ProgramFolder, settings.InitialiseSettingsRequest);
    settings.AppTitle = GetLangText(settings, kTextAppTitle);
    settings.ReservedSettings = ReadReservedSettings(settings.SettingFilePath);
}

void LoadSettingsReadOnly(AppSettings& settings, const StartEnvironment& env) {
    SetUpFolders(settings, env.programFolder, UserConfigFolder(env.xdgConfigHome, env.home),
                 StoreAccess::ReadOnly);
    settings.Versions = LoadVersionTable(settings.InstallRoot);
    ChooseSystemLanguage(settings, env);
    ReadSetupFile(settings, false);
    settings.AppTitle = GetLangText(settings, kTextAppTitle);
}

bool RunShutdownDuties(const AppSettings& settings) {
    // Nothing to restore for the decimal separator: it was changed for this process only.
    return WriteReservedSettings(settings.SettingFilePath, settings.ReservedSettings);
}

}  // namespace k7x

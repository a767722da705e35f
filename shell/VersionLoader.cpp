#include "shell/VersionLoader.h"

#include <QFileInfo>
#include <QProcess>
#include <filesystem>

#include "codeplug/CodeplugTexts.h"
#include "shell/IniFile.h"
#include "shell/SetupFile.h"

namespace k7x {

namespace {

constexpr int kValueBuffer = 512;

// A value as the table reads it: cut at the first NUL (the reader does) and stripped of blanks.
std::string readValue(const IniFile& ini, const char* section, const std::string& key) {
    return ini
        .value(QString::fromLatin1(section), QString::fromStdString(key), QString(), kValueBuffer)
        .trimmed()
        .toStdString();
}

// A count of at least 1, or 0 when the value cannot be used.
int readCount(const IniFile& ini, const char* key) {
    const std::optional<Int> n = ParseProfileInt16(readValue(ini, "Version", key));
    return n && *n >= 1 ? *n : 0;
}

std::string firstChars(const std::string& s, std::size_t n) {
    return s.substr(0, n);
}
std::string lastChars(const std::string& s, std::size_t n) {
    return s.size() <= n ? s : s.substr(s.size() - n);
}

// A version folder name that stays one folder below the installation root.
bool isSafeFolderName(const std::string& v) {
    return !v.empty() && v != "." && v != ".." && v.find('/') == std::string::npos;
}

}  // namespace

std::string VersionIniPath(std::string_view installRoot) {
    return std::string(installRoot) + "/Version.ini";
}

VersionTable LoadVersionTable(const std::string& installRoot) {
    // Read once into memory: a large count then costs lookups, not file reads.
    const IniFile ini = IniFile::load(QString::fromStdString(VersionIniPath(installRoot)));
    VersionTable table;
    table.CurrentVersion = firstChars(readValue(ini, "Version", "CurrentVersion"), 4);
    const int softCount = readCount(ini, "SoftVersionCount");
    const int firmCount = readCount(ini, "FirmVersionCount");
    if (softCount == 0 || firmCount == 0) return table;
    for (int i = 0; i < softCount; ++i) {
        table.SoftVersions.push_back(readValue(ini, "Soft", "Version" + std::to_string(i)));
    }
    for (int i = 0; i < firmCount; ++i) {
        const std::string pair = readValue(ini, "Firm", "Firm" + std::to_string(i));
        table.VersionPairs.emplace_back(firstChars(pair, 4), lastChars(pair, 4));
    }
    return table;
}

bool StartProgramDetached(const std::string& program, const std::vector<std::string>& arguments,
                          std::string& reason) {
    const QString path = QString::fromStdString(program);
    const QFileInfo info(path);
    if (!info.isFile()) {
        reason = "the file does not exist";
        return false;
    }
    if (!info.isExecutable()) {
        reason = "the file is not executable";
        return false;
    }
    QProcess process;
    process.setProgram(path);
    QStringList args;
    for (const std::string& a : arguments) args << QString::fromStdString(a);
    process.setArguments(args);
    process.setWorkingDirectory(info.absolutePath());
    if (!process.startDetached()) {
        reason = process.errorString().toStdString();
        return false;
    }
    return true;
}

bool LaunchProgramVersion(const VersionTable& table, std::string_view dataVersion,
                          const std::string& filePath, const std::string& installRoot,
                          Prompts& prompts, const ProgramStarter& start,
                          const std::string& executableName) {
    const std::string version = FindProgramForVersion(table, dataVersion);
    if (version.empty()) {
        prompts.message(kTextNoProgramVersion, Buttons::Ok);
        return false;
    }
    const std::string program = installRoot + "/" + version + "/" + executableName;
    std::string reason = "the version name is not a folder name";
    std::vector<std::string> arguments;
    if (!filePath.empty()) {
        std::error_code ec;
        const std::filesystem::path absolute = std::filesystem::absolute(filePath, ec);
        arguments.push_back(ec ? filePath : absolute.string());
    }
    if (isSafeFolderName(version) && start(program, arguments, reason)) return true;
    prompts.message("Cannot start " + program + ":\n" + reason, Buttons::Ok, Icon::Critical);
    return false;
}

}  // namespace k7x

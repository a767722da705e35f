#include "shell/ProblemReportSources.h"

#include <sys/utsname.h>

#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <filesystem>

#include "codeplug/Backups.h"
#include "codeplug/FileIo.h"
#include "link/serial/LastTransferTrace.h"
#include "link/serial/PortListing.h"

namespace k7x {

namespace {

constexpr std::size_t kSettingsLimit = 64 * 1024;
constexpr std::size_t kTraceLimit = 4 * 1024 * 1024;
constexpr const char* kOsRelease = "/etc/os-release";

// A file's bytes as UTF-8 text, anything else made U+FFFD.
std::optional<std::string> ReadText(const std::string& path, std::size_t limit) {
    const std::optional<std::vector<Byte>> bytes = ReadFileBytes(path, limit);
    if (!bytes) return std::nullopt;
    return QString::fromUtf8(reinterpret_cast<const char*>(bytes->data()),
                             static_cast<qsizetype>(bytes->size()))
        .toStdString();
}

std::string PrettyName() {
    const std::string text = ReadText(kOsRelease, kSettingsLimit).value_or("");
    constexpr std::string_view key = "PRETTY_NAME=";
    std::size_t at = text.starts_with(key) ? 0 : text.find("\n" + std::string(key));
    if (at == std::string::npos) return {};
    at += text[at] == '\n' ? key.size() + 1 : key.size();
    std::string value = text.substr(at, text.find('\n', at) - at);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return value;
}

std::string Kernel() {
    utsname name{};
    if (::uname(&name) != 0) return {};
    return std::string(name.sysname) + ' ' + name.release + ' ' + name.version + ' ' + name.machine;
}

std::vector<std::string> BackupNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = e.path().filename().string();
        if (IsBackupFileName(name)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> PortLines(const ProblemReportSources& s) {
    const SystemView system = s.system ? *s.system : ThisSystem();
    const PortMap map(s.configuredPorts, PresentSerialDevices());
    return ListPorts(s.text, {map, s.defaultPort, s.setupFile, {}, &system}).lines;
}

}  // namespace

ProblemReportFacts GatherProblemReportFacts(const ProblemReportSources& s) {
    ProblemReportFacts f;
    f.created = LocalTimeNow();
    f.program = std::string("korvan7x ") + K7X_PROGRAM_VERSION + " (" + K7X_VERSION_FOLDER + ")";
    f.build = std::string(K7X_BUILD_TYPE) + ", " + "GCC " + __VERSION__ + ", Qt " + QT_VERSION_STR;
    f.qtRuntime = qVersion();
    f.osName = PrettyName();
    f.kernel = Kernel();
    f.ports = PortLines(s);
    f.setupFile = {s.setupFile, ReadText(s.setupFile, kSettingsLimit)};
    f.settingFile = {s.settingFile, ReadFileBytes(s.settingFile, kSettingsLimit)};
    f.trace = {s.traceFile, ReadText(s.traceFile, kTraceLimit)};
    f.backupFolder = s.backupFolder;
    f.backups = BackupNames(s.backupFolder);
    f.includeDocument = s.includeDocument;
    if (s.includeDocument) f.document = {s.documentName, s.document};
    return f;
}

std::optional<std::string> SaveProblemReport(const std::string& path,
                                             const ProblemReportSources& sources) {
    const std::string report = BuildProblemReport(GatherProblemReportFacts(sources));
    return WriteFileAtomically(
        path, std::span(reinterpret_cast<const Byte*>(report.data()), report.size()));
}

}  // namespace k7x

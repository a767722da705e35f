#include "cli/PortSetup.h"

#include <cstdlib>

#include "link/serial/PortMap.h"
#include "shell/AppSettings.h"
#include "shell/Folders.h"
#include "shell/IniFile.h"
#include "shell/SetupFile.h"

namespace k7x::cli {

namespace {

const char* environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

PortSetup ReadPortSetup(const std::string& programFolder) {
    PortSetup setup;
    AppSettings settings;
    SetUpFolders(settings, programFolder,
                 UserConfigFolder(environment("XDG_CONFIG_HOME"), environment("HOME")),
                 StoreAccess::ReadOnly);
    setup.setupFile = settings.SetupFilePath;
    if (setup.setupFile.empty()) return setup;

    const IniFile ini = IniFile::load(QString::fromStdString(setup.setupFile));
    const std::optional<Int> port = ParseProfileInt16(
        ini.value(QString::fromLatin1(kSetupSection), QString::fromLatin1(kKeyComPort))
            .toStdString());
    if (port && *port >= kFirstPortNumber && *port <= kLastPortNumber) setup.comPort = *port;
    setup.configured = PortsFromSection([&ini](const std::string& key) {
        return ini.value(QStringLiteral("ports"), QString::fromStdString(key)).toStdString();
    });
    return setup;
}

}  // namespace k7x::cli

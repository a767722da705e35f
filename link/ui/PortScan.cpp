#include "link/ui/PortScan.h"

#include "link/serial/PortOpenFailure.h"
#include "shell/IniFile.h"

namespace k7x {

namespace {

std::map<int, std::string> portsOf(const IniFile& ini) {
    return PortsFromSection([&ini](const std::string& key) {
        return ini.value(QString::fromLatin1(kPortsSection), QString::fromStdString(key))
            .toStdString();
    });
}

}  // namespace

std::map<int, std::string> ConfiguredPorts(const std::string& setupFilePath) {
    return portsOf(IniFile::load(QString::fromStdString(setupFilePath)));
}

bool RememberPortDevice(const std::string& setupFilePath, int number, const std::string& name) {
    if (name.empty()) return true;
    const QString path = QString::fromStdString(setupFilePath);
    const QString section = QString::fromLatin1(kPortsSection);
    IniFile ini = IniFile::load(path);
    for (const auto& [other, device] : portsOf(ini)) {
        // An emptied key names no device; the line stays so the rest of the file keeps its form.
        if (other != number && SameDevice(device, name))
            ini.setValue(section, QStringLiteral("COM%1").arg(other), QString());
    }
    ini.setValue(section, QStringLiteral("COM%1").arg(number), QString::fromStdString(name));
    return ini.save(path);
}

PortScan SystemPortScan(const AppSettings& settings) {
    return [&settings] {
        return PortMap(ConfiguredPorts(settings.SetupFilePath), PresentSerialDevices());
    };
}

PortIdentifier SystemPortIdentifier() {
    return [](const std::string& path) { return IdentifyDevice(DeviceRoots{}, path); };
}

DeviceResolver DesktopPortResolver(const AppSettings& settings, TextLookup text) {
    return [&settings, text = std::move(text)] {
        PortChoice choice;
        choice.number = settings.ComPortNo;
        // A number no port can have (an edited setup file) names no device; 0 would be read
        // as "a path was given".
        if (choice.number < kFirstPortNumber || choice.number > kLastPortNumber) {
            return ResolvedDevice{{}, {}, DescribeMissingPort(text, choice.number)};
        }
        return ResolverFor(choice, ConfiguredPorts(settings.SetupFilePath), text)();
    };
}

}  // namespace k7x

#include "link/ui/PortScan.h"

#include "link/serial/PortOpenFailure.h"
#include "shell/IniFile.h"

namespace k7x {

std::map<int, std::string> ConfiguredPorts(const std::string& setupFilePath) {
    const IniFile ini = IniFile::load(QString::fromStdString(setupFilePath));
    return PortsFromSection([&ini](const std::string& key) {
        return ini.value(QString::fromLatin1(kPortsSection), QString::fromStdString(key))
            .toStdString();
    });
}

PortScan SystemPortScan(const AppSettings& settings) {
    return [&settings] {
        return PortMap(ConfiguredPorts(settings.SetupFilePath), PresentSerialDevices());
    };
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

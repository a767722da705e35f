#include "link/serial/PortOpenFailure.h"

#include <sys/stat.h>
#include <unistd.h>

#include "link/LinkTexts.h"
#include "link/serial/SystemView.h"

namespace k7x {

DeviceFacts InspectDevice(const std::string& path) {
    DeviceFacts facts;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return facts;
    facts.exists = true;
    facts.readWritable = ::access(path.c_str(), R_OK | W_OK) == 0;
    facts.owner = UserName(st.st_uid);
    facts.group = GroupName({}, st.st_gid);
    return facts;
}

OpenProblem ClassifyOpenFailure(QSerialPort::SerialPortError error, const DeviceFacts& facts) {
    if (!facts.exists || error == QSerialPort::DeviceNotFoundError) return OpenProblem::NoDevice;
    if (!facts.readWritable) return OpenProblem::AccessDenied;
    // Allowed to open it, yet refused: a lock file or an exclusive open by another program.
    if (error == QSerialPort::PermissionError || error == QSerialPort::OpenError) {
        return OpenProblem::Busy;
    }
    return OpenProblem::Other;
}

std::string DescribeOpenFailure(const TextLookup& text, const std::string& shown,
                                const std::string& device, OpenProblem problem,
                                const DeviceFacts& facts, const std::string& systemText) {
    std::string name = shown;
    if (!device.empty() && shown.find(device) == std::string::npos) name += " (" + device + ")";
    std::string description = FillText(text(kTextSerialDevice), {name}) + "\n";
    switch (problem) {
        case OpenProblem::NoDevice:
            description += text(kTextCheckNoDevice);
            break;
        case OpenProblem::AccessDenied:
            description += FillText(text(kTextAccessDenied), {facts.owner, facts.group});
            break;
        case OpenProblem::Busy:
            description += text(kTextCheckBusy);
            break;
        case OpenProblem::Other:
            // The system's own words say more than a general "could not be opened".
            description += systemText.empty() ? text(kTextDeviceNotOpened) : systemText;
            break;
    }
    return description;
}

std::string DescribeMissingPort(const TextLookup& text, int number) {
    return FillText(text(kTextMissingPort), {std::to_string(number)});
}

std::string PortDisplayName(const TextLookup& text, int number, const std::string& device) {
    return FillText(text(kTextPortName), {std::to_string(number), device});
}

}  // namespace k7x

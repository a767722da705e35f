#include "link/serial/PortOpenFailure.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace k7x {

namespace {

std::string userName(uid_t uid) {
    if (const passwd* pw = ::getpwuid(uid)) return pw->pw_name;
    return std::to_string(uid);
}

std::string groupName(gid_t gid) {
    if (const group* gr = ::getgrgid(gid)) return gr->gr_name;
    return std::to_string(gid);
}

}  // namespace

DeviceFacts InspectDevice(const std::string& path) {
    DeviceFacts facts;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return facts;
    facts.exists = true;
    facts.readWritable = ::access(path.c_str(), R_OK | W_OK) == 0;
    facts.owner = userName(st.st_uid);
    facts.group = groupName(st.st_gid);
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

std::string DescribeOpenFailure(const std::string& shown, const std::string& device,
                                OpenProblem problem, const DeviceFacts& facts,
                                const std::string& systemText) {
    std::string text = "Device: " + shown;
    if (!device.empty() && shown.find(device) == std::string::npos) text += " (" + device + ")";
    text += "\n";
    switch (problem) {
        case OpenProblem::NoDevice:
            text += "The device does not exist. Check that the programming cable is plugged in.";
            break;
        case OpenProblem::AccessDenied:
            text += "Access was denied. The device belongs to user " + facts.owner + " and group " +
                    facts.group + ". Join the group " + facts.group +
                    " (usually dialout: sudo usermod -aG " + facts.group +
                    " $USER), then log out and in again.";
            break;
        case OpenProblem::Busy:
            text +=
                "The device is busy: another program holds it. ModemManager or brltty may "
                "have taken it; stop that program, or unplug and replug the cable, then try "
                "again.";
            break;
        case OpenProblem::Other:
            text += systemText.empty() ? "The device could not be opened." : systemText;
            break;
    }
    return text;
}

std::string DescribeMissingPort(int number) {
    return "No serial device is present as port " + std::to_string(number) +
           ". Check that the programming cable is plugged in, or choose another port.";
}

}  // namespace k7x

#include "link/serial/PortCheck.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "link/serial/ProcessScan.h"
#include "link/serial/SerialLowLatency.h"
#include "link/serial/TtyIdentity.h"

namespace k7x {

namespace fs = std::filesystem;

namespace {

constexpr mode_t kOwnerRw = S_IRUSR | S_IWUSR;
constexpr mode_t kGroupRw = S_IRGRP | S_IWGRP;
constexpr mode_t kOtherRw = S_IROTH | S_IWOTH;

// The device numbers of the terminal side of pseudo-terminals (/dev/pts/N).
constexpr unsigned kFirstPtsMajor = 136;
constexpr unsigned kLastPtsMajor = 143;

// The group programming cables usually belong to; the one to hand a device of group root.
constexpr const char* kSerialGroup = "dialout";

Finding finding(FindingKind kind, Severity severity, int text, std::vector<std::string> args = {},
                std::string fix = {}) {
    return {kind, severity, text, std::move(args), std::move(fix)};
}

std::string octalMode(mode_t mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
    return text;
}

// The permission bits that apply to the user, as the kernel picks them: the owner's when the
// user owns the file, else the group's when the login carries its group, else the others'.
bool modeLetsIn(const struct stat& st, const UserIdentity& user) {
    if (user.uid == 0) return true;
    if (st.st_uid == user.uid) return (st.st_mode & kOwnerRw) == kOwnerRw;
    if (MemberInLogin(user, st.st_gid)) return (st.st_mode & kGroupRw) == kGroupRw;
    return (st.st_mode & kOtherRw) == kOtherRw;
}

bool mayOpen(const std::string& path, const struct stat& st, const SystemView& view) {
    if (view.userRunsThisProcess) return ::access(path.c_str(), R_OK | W_OK) == 0;
    return modeLetsIn(st, view.user);
}

void addIdentity(const std::string& name, const SystemView& view, std::vector<Finding>& out) {
    const TtyIdentity id = ReadTtyIdentity(view.sysRoot, name);
    if (id.usb) {
        std::string names = id.manufacturer;
        if (!id.product.empty()) names += (names.empty() ? "" : " ") + id.product;
        out.push_back(finding(FindingKind::UsbAdapter, Severity::Fine, kTextCheckUsbAdapter,
                              {id.vendorId, id.productId, names}));
        if (!id.serial.empty())
            out.push_back(finding(FindingKind::SerialNumber, Severity::Fine, kTextCheckSerialNumber,
                                  {id.serial}));
    }
    if (!id.driver.empty())
        out.push_back(finding(FindingKind::Driver, Severity::Fine, kTextCheckDriver, {id.driver}));
}

// Why the user may not open it, and the way in.
void addAccessDenied(const std::string& device, const struct stat& st, const SystemView& view,
                     std::vector<Finding>& out) {
    const std::vector<GroupEntry> groups = ReadGroupFile(view.groupFile);
    const std::string group = GroupName(groups, st.st_gid);
    const std::string mode = octalMode(st.st_mode);
    out.push_back(finding(FindingKind::MayNotOpen, Severity::Problem, kTextCheckMayNotOpen,
                          {view.user.name, UserName(st.st_uid), group, mode}));
    if (st.st_uid == view.user.uid) {
        out.push_back(finding(FindingKind::OwnerModeShutsOut, Severity::Problem,
                              kTextCheckOwnerMode, {mode}, "chmod u+rw " + device));
        return;
    }
    if (st.st_gid == 0) {
        // Joining root's group would open far more than this device.
        out.push_back(finding(FindingKind::RootGroup, Severity::Problem, kTextCheckRootGroup, {},
                              std::string("sudo chgrp ") + kSerialGroup + " " + device +
                                  " && sudo chmod 660 " + device));
        return;
    }
    if (!MemberInLogin(view.user, st.st_gid)) {
        if (MemberByGroupFile(groups, view.user, st.st_gid)) {
            out.push_back(finding(FindingKind::GroupNotInLogin, Severity::Problem,
                                  kTextCheckGroupNotInLogin, {group}, "newgrp " + group));
        } else {
            out.push_back(finding(FindingKind::NotInGroup, Severity::Problem, kTextCheckNotInGroup,
                                  {group}, "sudo usermod -aG " + group + " $USER"));
        }
    }
    if ((st.st_mode & kGroupRw) != kGroupRw) {
        out.push_back(finding(FindingKind::ModeShutsOut, Severity::Problem, kTextCheckModeShutsOut,
                              {mode}, "sudo chmod 660 " + device));
    }
}

// True when a process holds it that a probe of the device could disturb.
bool addHolders(const std::string& device, const struct stat& st, const SystemView& view,
                std::vector<Finding>& out) {
    const Holders holders = ProcessesHolding(view.procRoot, st, view.selfPid);
    // The program that made a pseudo-terminal (a simulated radio) keeps it open by design.
    const bool pseudoTerminal = S_ISCHR(st.st_mode) && major(st.st_rdev) >= kFirstPtsMajor &&
                                major(st.st_rdev) <= kLastPtsMajor;
    for (const ProcessInfo& p : holders.processes) {
        out.push_back(finding(FindingKind::Holder,
                              pseudoTerminal ? Severity::Note : Severity::Problem, kTextCheckHolder,
                              {std::to_string(p.pid), p.name}, "kill " + std::to_string(p.pid)));
    }
    if (holders.someHidden) {
        out.push_back(finding(FindingKind::HoldersHidden, Severity::Note, kTextCheckHoldersHidden,
                              {}, "sudo fuser -v " + device));
    } else if (holders.processes.empty()) {
        out.push_back(finding(FindingKind::NoHolder, Severity::Fine, kTextCheckNoHolder));
    }
    return !holders.processes.empty() && !pseudoTerminal;
}

// Opens the device as the link would (without waiting for a carrier) and asks its driver for
// low-latency mode, giving it back as found.
void addLowLatency(const std::string& device, std::vector<Finding>& out) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == EBUSY) {
            out.push_back(finding(FindingKind::Busy, Severity::Problem, kTextCheckBusy, {},
                                  "sudo fuser -v " + device));
        }
        out.push_back(
            finding(FindingKind::LowLatencyUnknown, Severity::Note, kTextCheckLowLatencyUnknown));
        return;
    }
    const LowLatency state = RequestLowLatency(fd);
    if (state == LowLatency::SwitchedOn) ReleaseLowLatency(fd);
    ::close(fd);
    switch (state) {
        case LowLatency::Unavailable:
            out.push_back(
                finding(FindingKind::LowLatencyNone, Severity::Fine, kTextCheckLowLatencyNone));
            break;
        case LowLatency::AlreadyOn:
            out.push_back(
                finding(FindingKind::LowLatencyOn, Severity::Fine, kTextCheckLowLatencyOn));
            break;
        case LowLatency::SwitchedOn:
            out.push_back(finding(FindingKind::LowLatencySwitchable, Severity::Fine,
                                  kTextCheckLowLatencySwitchable, {},
                                  "setserial " + device + " low_latency"));
            break;
    }
}

}  // namespace

std::vector<Finding> CheckPort(const std::string& path, const SystemView& view) {
    std::vector<Finding> out;
    std::error_code ec;
    const fs::path resolved = fs::canonical(path, ec);
    struct stat st {};
    if (ec || ::stat(resolved.c_str(), &st) != 0) {
        out.push_back(finding(FindingKind::NoDevice, Severity::Problem, kTextCheckNoDevice));
        return out;
    }
    const std::string device = resolved.string();
    if (device != path)
        out.push_back(
            finding(FindingKind::LinkTarget, Severity::Fine, kTextCheckLinkTarget, {device}));
    addIdentity(resolved.filename().string(), view, out);

    const bool allowed = mayOpen(device, st, view);
    if (allowed) {
        out.push_back(
            finding(FindingKind::MayOpen, Severity::Fine, kTextCheckMayOpen, {view.user.name}));
    } else {
        addAccessDenied(device, st, view, out);
    }
    const bool held = addHolders(device, st, view, out);
    // Only a user who may open it can switch it, and a program that holds it is not disturbed.
    if (allowed && !held) {
        addLowLatency(device, out);
    } else {
        out.push_back(
            finding(FindingKind::LowLatencyUnknown, Severity::Note, kTextCheckLowLatencyUnknown));
    }
    return out;
}

std::vector<Finding> CheckServices(const SystemView& view) {
    std::vector<Finding> out;
    // One finding for each program, however many processes it runs.
    const std::vector<ProcessInfo> modemManager = ProcessesNamed(view.procRoot, "ModemManager");
    if (!modemManager.empty()) {
        out.push_back(finding(FindingKind::ModemManagerRunning, Severity::Note,
                              kTextCheckModemManager, {std::to_string(modemManager[0].pid)},
                              "sudo systemctl disable --now ModemManager"));
    }
    const std::vector<ProcessInfo> brltty = ProcessesNamed(view.procRoot, "brltty");
    if (!brltty.empty()) {
        out.push_back(finding(FindingKind::BrlttyRunning, Severity::Note, kTextCheckBrltty,
                              {std::to_string(brltty[0].pid)}, "sudo apt remove brltty"));
    }
    if (out.empty()) {
        out.push_back(
            finding(FindingKind::NoneOfThoseRunning, Severity::Fine, kTextCheckNoneOfThoseRunning));
    }
    return out;
}

PortChecker SystemPortChecker() {
    return [](const std::string& path) {
        const SystemView view = ThisSystem();
        std::vector<Finding> findings;
        if (!path.empty()) findings = CheckPort(path, view);
        for (Finding& f : CheckServices(view)) findings.push_back(std::move(f));
        return findings;
    };
}

}  // namespace k7x

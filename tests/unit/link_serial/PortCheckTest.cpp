// The port check: what it finds about a device in a made-up /sys and /proc, speaking for a user
// the device's mode shuts out, and against a real pseudo-terminal.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "MarkedTexts.h"
#include "TempFolder.h"
#include "link/serial/PortCheck.h"

namespace k7x {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kOwnerUid = 4000;
constexpr gid_t kDialoutGid = 20;

void write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

void link(const fs::path& target, const fs::path& at) {
    fs::create_directories(at.parent_path());
    fs::create_symlink(target, at);
}

std::vector<FindingKind> kinds(const std::vector<Finding>& findings) {
    std::vector<FindingKind> out;
    for (const Finding& f : findings) out.push_back(f.kind);
    return out;
}

const Finding* find(const std::vector<Finding>& findings, FindingKind kind) {
    for (const Finding& f : findings)
        if (f.kind == kind) return &f;
    return nullptr;
}

// A system of its own: an FTDI adapter as ttyUSB0 (a plain file standing in for the device),
// minicom holding it, ModemManager running, and a user "radio" who is no owner of it.
class FakeSystem : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path root = dir.path();
        device = (root / "dev" / "ttyUSB0").string();
        write(device, "");
        struct stat st {};
        ASSERT_EQ(::stat(device.c_str(), &st), 0);
        // Root may open anything and its group gets advice of its own: this device has an
        // ordinary owner and group.
        if (st.st_uid == 0 || st.st_gid == 0) {
            ASSERT_EQ(::chown(device.c_str(), kOwnerUid, kDialoutGid), 0);
            ASSERT_EQ(::stat(device.c_str(), &st), 0);
        }
        deviceUid = st.st_uid;
        deviceGid = st.st_gid;

        const fs::path usb = root / "sys/devices/pci0000:00/usb1/1-2";
        write(usb / "idVendor", "0403\n");
        write(usb / "idProduct", "6001\n");
        write(usb / "manufacturer", "FTDI\n");
        write(usb / "product", "FT232R USB UART\n");
        write(usb / "serial", "A10K1XYZ\n");
        fs::create_directories(root / "sys/bus/usb-serial/drivers/ftdi_sio");
        link("../../../../../../bus/usb-serial/drivers/ftdi_sio", usb / "1-2:1.0/ttyUSB0/driver");
        link("../../../devices/pci0000:00/usb1/1-2/1-2:1.0/ttyUSB0",
             root / "sys/class/tty/ttyUSB0/device");

        write(root / "proc/100/comm", "ModemManager\n");
        fs::create_directories(root / "proc/100/fd");
        write(root / "proc/200/comm", "minicom\n");
        link("/dev/null", root / "proc/200/fd/0");
        link(device, root / "proc/200/fd/3");
        write(root / "proc/self-not-a-pid/comm", "brltty\n");

        view.sysRoot = root / "sys";
        view.procRoot = root / "proc";
        view.groupFile = root / "group";
        view.user.uid = st.st_uid + 1000;
        view.user.gid = 54321;
        view.user.loginGroups = {54321};
        view.user.name = "radio";
        groups("");
    }

    void groups(const std::string& membersOfDialout) {
        write(view.groupFile, "# local groups\nbroken line\nradio:x:54321:\ndialout:x:" +
                                  std::to_string(deviceGid) + ":" + membersOfDialout + "\n");
    }

    test::TempFolder dir;
    std::string device;
    uid_t deviceUid = 0;
    gid_t deviceGid = 0;
    SystemView view;
};

TEST_F(FakeSystem, NamesTheAdapterItsHolderAndWhatTakesAdapters) {
    const std::string byId = dir.file("serial-by-id");
    fs::create_symlink(device, byId);
    fs::permissions(device, fs::perms::owner_read | fs::perms::owner_write);

    const std::vector<Finding> found = CheckPort(byId, view);
    using K = FindingKind;
    EXPECT_EQ(kinds(found), (std::vector<K>{K::LinkTarget, K::UsbAdapter, K::SerialNumber,
                                            K::Driver, K::MayNotOpen, K::NotInGroup,
                                            K::ModeShutsOut, K::Holder, K::LowLatencyUnknown}));
    EXPECT_EQ(find(found, K::LinkTarget)->args, std::vector<std::string>{device});
    EXPECT_EQ(find(found, K::UsbAdapter)->args,
              (std::vector<std::string>{"0403", "6001", "FTDI FT232R USB UART"}));
    EXPECT_EQ(find(found, K::SerialNumber)->args, std::vector<std::string>{"A10K1XYZ"});
    EXPECT_EQ(find(found, K::Driver)->args, std::vector<std::string>{"ftdi_sio"});
    EXPECT_EQ(find(found, K::MayNotOpen)->args[2], "dialout");
    EXPECT_EQ(find(found, K::MayNotOpen)->args[3], "0600");
    const Finding* holder = find(found, K::Holder);
    EXPECT_EQ(holder->args, (std::vector<std::string>{"200", "minicom"}));
    EXPECT_EQ(holder->severity, Severity::Problem);
    EXPECT_EQ(holder->fix, "kill 200");

    // The holder's lines as the user reads them: the finding, then its fix below it.
    const std::vector<std::string> lines = FormatFindings(kMarkedTexts, {*holder});
    EXPECT_EQ(lines,
              (std::vector<std::string>{"<9411:200|minicom|%3>", "  <9420:kill 200|%2|%3>"}));

    // This process is never its own holder.
    view.selfPid = 200;
    EXPECT_EQ(find(CheckPort(device, view), K::Holder), nullptr);

    const std::vector<Finding> services = CheckServices(view);
    ASSERT_EQ(kinds(services), std::vector<K>{K::ModemManagerRunning});
    EXPECT_EQ(services[0].args, std::vector<std::string>{"100"});
    EXPECT_EQ(services[0].fix, "sudo systemctl disable --now ModemManager");
    fs::remove_all(view.procRoot / "100");
    EXPECT_EQ(kinds(CheckServices(view)), std::vector<K>{K::NoneOfThoseRunning});
}

TEST_F(FakeSystem, ExplainsWhyTheUserMayNotOpenItAndHowToGetIn) {
    using K = FindingKind;
    struct Case {
        const char* what;
        unsigned mode;
        std::string members;      // of the device's group in the group file
        bool groupInLogin;        // the login carries the device's group
        bool owner;               // the user owns the device
        std::vector<K> expected;  // from the access finding on
        std::string fix;          // of the last of them
    };
    const std::vector<Case> cases = {
        {"joined, not logged in again",
         0660,
         "alice,radio",
         false,
         false,
         {K::MayNotOpen, K::GroupNotInLogin},
         "newgrp dialout"},
        {"not in the group",
         0660,
         "alice",
         false,
         false,
         {K::MayNotOpen, K::NotInGroup},
         "sudo usermod -aG dialout $USER"},
        {"group may not either",
         0600,
         "radio",
         true,
         false,
         {K::MayNotOpen, K::ModeShutsOut},
         "sudo chmod 660 " + device},
        {"in the group", 0660, "radio", true, false, {K::MayOpen}, ""},
        {"open to all", 0666, "", false, false, {K::MayOpen}, ""},
        {"owner shut out",
         0066,
         "",
         false,
         true,
         {K::MayNotOpen, K::OwnerModeShutsOut},
         "chmod u+rw " + device},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        groups(c.members);
        ASSERT_EQ(::chmod(device.c_str(), c.mode), 0);
        SystemView v = view;
        if (c.groupInLogin) v.user.loginGroups.push_back(deviceGid);
        if (c.owner) v.user.uid = deviceUid;
        std::vector<Finding> found = CheckPort(device, v);
        std::vector<K> got;
        for (const Finding& f : found)
            if (f.kind != K::UsbAdapter && f.kind != K::SerialNumber && f.kind != K::Driver &&
                f.kind != K::Holder && f.kind != K::LowLatencyUnknown &&
                f.kind != K::LowLatencyNone)
                got.push_back(f.kind);
        EXPECT_EQ(got, c.expected);
        EXPECT_EQ(found.empty() ? "" : find(found, c.expected.back())->fix, c.fix);
        EXPECT_EQ(HasProblem(found), true) << "minicom holds it in every case";
    }
}

TEST_F(FakeSystem, NothingThereIsTheOneFinding) {
    const std::vector<Finding> found = CheckPort(dir.file("dev/ttyUSB7"), view);
    EXPECT_EQ(kinds(found), std::vector<FindingKind>{FindingKind::NoDevice});
    EXPECT_TRUE(HasProblem(found));
}

// A real pseudo-terminal with mode 0600, checked for a user of another uid and group, through
// the real /sys and /proc.
TEST(PortCheckTest, APseudoTerminalWhoseModeForbidsTheUser) {
    int master = -1;
    int slave = -1;
    char name[256] = {};
    ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);
    ASSERT_EQ(::fchmod(slave, 0600), 0);
    struct stat st {};
    ASSERT_EQ(::fstat(slave, &st), 0);
    // A group that is not root's, so the advice is to join it.
    if (st.st_gid == 0 && ::getuid() == 0) {
        ASSERT_EQ(::fchown(slave, 0, 5), 0);
    }
    ASSERT_EQ(::fstat(slave, &st), 0);

    test::TempFolder dir;
    SystemView view;
    view.groupFile = dir.file("group");
    std::ofstream(view.groupFile) << "ptygroup:x:" << st.st_gid << ":someone\n";
    view.user = {st.st_uid + 4321, st.st_gid + 4321, {st.st_gid + 4321}, "pretend"};
    view.selfPid = 0;  // this test holds the terminal and is to be found

    using K = FindingKind;
    const std::vector<Finding> found = CheckPort(name, view);
    const Finding* denied = find(found, K::MayNotOpen);
    ASSERT_NE(denied, nullptr);
    EXPECT_EQ(denied->args,
              (std::vector<std::string>{"pretend", UserName(st.st_uid), "ptygroup", "0600"}));
    EXPECT_EQ(find(found, st.st_gid == 0 ? K::RootGroup : K::NotInGroup)->severity,
              Severity::Problem);
    if (st.st_gid != 0) {
        EXPECT_NE(find(found, K::ModeShutsOut), nullptr);
    }
    const Finding* holder = find(found, K::Holder);
    ASSERT_NE(holder, nullptr);
    EXPECT_EQ(holder->args[0], std::to_string(::getpid()));
    EXPECT_EQ(holder->severity, Severity::Note) << "a pseudo-terminal's maker keeps it open";
    EXPECT_NE(find(found, K::LowLatencyUnknown), nullptr) << "not opened for a user shut out";
    EXPECT_EQ(find(found, K::UsbAdapter), nullptr);

    // The user running the test may open it; the probe then finds no low-latency setting.
    const std::vector<Finding> own = CheckPort(name, ThisSystem());
    EXPECT_NE(find(own, K::MayOpen), nullptr);
    EXPECT_NE(find(own, K::LowLatencyNone), nullptr);
    EXPECT_FALSE(HasProblem(own));
    ::close(slave);
    ::close(master);
}

// When the radio does not answer, the device is open in this program: only what may keep the
// radio from answering is told, and the device being busy with this program's own lock is not.
TEST(PortCheckTest, ANoAnswerTellsOnlyWhatMayKeepTheRadioSilent) {
    using K = FindingKind;
    const std::vector<Finding> found = {
        {K::Busy, Severity::Problem, kTextCheckBusy, {}, "sudo fuser -v /dev/x"},
        {K::Holder, Severity::Problem, kTextCheckHolder, {"200", "minicom"}, "kill 200"},
        {K::LowLatencyUnknown, Severity::Note, kTextCheckLowLatencyUnknown, {}, {}},
        {K::BrlttyRunning, Severity::Note, kTextCheckBrltty, {"100"}, {}}};
    EXPECT_EQ(NoAnswerFindings(kMarkedTexts, found),
              "<9411:200|minicom|%3>\n  <9420:kill 200|%2|%3>\n<9415:100|%2|%3>");
}

}  // namespace
}  // namespace k7x

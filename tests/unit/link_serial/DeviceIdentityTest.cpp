// Who a port's device is, how the port is named to the user, and the name its adapter is found
// again by: pseudo-terminals as adapters, with a by-id folder and a /sys tree of the test's own.
#include <gtest/gtest.h>

#include "FakeAdapters.h"
#include "TempFolder.h"
#include "link/LinkTexts.h"
#include "link/serial/PortLabel.h"

namespace k7x {
namespace {

using Usb = std::map<std::string, std::string>;

std::string englishText(int number) {
    if (number == kTextAdapterSerial) return "%1, serial %2";
    return number == kTextCheckUsbAdapter ? "USB adapter %1:%2 %3" : "COM";
}

TEST(PortLabelTest, NamesThePortItsDeviceAndTheAdapter) {
    const Usb ftdi = {{"idVendor", "0403"}, {"manufacturer", "FTDI"}, {"product", "FT232R"}};
    Usb withSerial = ftdi;
    withSerial["serial"] = "A50285BI";
    const struct {
        Usb usb;  // none: not a USB adapter
        std::string description, adapter;
    } cases[] = {{withSerial, "ignored", " — FTDI FT232R, serial A50285BI"},
                 {ftdi, "", " — FTDI FT232R"},
                 {{{"idVendor", "1a86"}, {"idProduct", "7523"}}, "", " — USB adapter 1a86:7523"},
                 {{}, "Bluetooth link", " — Bluetooth link"},
                 {{}, "", ""}};
    for (const auto& c : cases) {
        test::TempFolder dir;
        const test::FakeAdapters adapters(dir.path());
        const test::PseudoTerminal pty;
        if (!c.usb.empty()) adapters.describe(pty.path(), c.usb);
        const DeviceIdentity id = IdentifyDevice(adapters.roots, pty.path());
        EXPECT_EQ(PortLabel(englishText, 3, id, c.description), "COM3 — " + pty.path() + c.adapter);
    }
}

TEST(DeviceIdentityTest, AnAdapterIsRememberedByItsByIdNameElseByItsPath) {
    test::TempFolder dir;
    const test::FakeAdapters adapters(dir.path());
    const test::PseudoTerminal named, unnamed;
    const std::string link = adapters.plug("usb-FTDI_FT232R_A50285BI-if00-port0", named.path());
    const std::string unplugged = adapters.plug("usb-Prolific_PL2303-if00-port0", "/dev/gone");
    const struct {
        std::string portPath, device, remembered;
    } cases[] = {
        {named.path(), named.path(), link},          // the port map names the device itself
        {link, named.path(), link},                  // a setup file names it by its link
        {unplugged, unplugged, unplugged},           // remembered while its adapter is away
        {unnamed.path(), unnamed.path(), ""},        // a pseudo-terminal's name lasts one session
        {"/dev/ttyS7", "/dev/ttyS7", "/dev/ttyS7"},  // no by-id name: its path
    };
    for (const auto& c : cases) {
        const DeviceIdentity id = IdentifyDevice(adapters.roots, c.portPath);
        EXPECT_EQ(id.device, c.device) << c.portPath;
        EXPECT_EQ(RememberedName(id, c.portPath), c.remembered) << c.portPath;
    }
}

}  // namespace
}  // namespace k7x

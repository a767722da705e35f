#include "link/serial/PortLabel.h"

#include "link/LinkTexts.h"

namespace k7x {

namespace {

constexpr const char* kSeparator = " \xE2\x80\x94 ";  // an em dash between the parts

std::string trimmed(std::string t) {
    while (!t.empty() && t.back() == ' ') t.pop_back();
    while (!t.empty() && t.front() == ' ') t.erase(t.begin());
    return t;
}

std::string joined(const std::string& first, const std::string& second) {
    if (first.empty()) return second;
    return second.empty() ? first : first + kSeparator + second;
}

}  // namespace

std::string AdapterText(const TextLookup& text, const DeviceIdentity& identity,
                        const std::string& description) {
    const TtyIdentity& tty = identity.tty;
    if (!tty.usb) return trimmed(description);
    std::string names = trimmed(tty.manufacturer + ' ' + tty.product);
    if (names.empty()) {
        names = trimmed(FillText(text(kTextCheckUsbAdapter), {tty.vendorId, tty.productId, ""}));
    }
    if (tty.serial.empty()) return names;
    return FillText(text(kTextAdapterSerial), {names, tty.serial});
}

std::string DeviceLabel(const TextLookup& text, const DeviceIdentity& identity,
                        const std::string& description) {
    return joined(identity.device, AdapterText(text, identity, description));
}

std::string PortLabel(const TextLookup& text, int number, const DeviceIdentity& identity,
                      const std::string& description) {
    return joined(text(kTextPortPrefix) + std::to_string(number),
                  DeviceLabel(text, identity, description));
}

}  // namespace k7x

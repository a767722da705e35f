#include "radiosim/core/RadioReplies.h"

namespace k7x {

std::vector<Byte> BuildIdentification(const std::string& model, Byte countryMode,
                                      const std::string& version, bool ctcssDcs) {
    using namespace identification_frame;
    std::vector<Byte> bytes(kLength, 0x00);
    bytes[kCode.offset] = kIdentityCode;
    for (std::size_t i = 0; i < kModel.width && i < model.size(); ++i) {
        bytes[kModel.offset + i] = static_cast<Byte>(model[i]);
    }
    bytes[kCountryMode.offset] = countryMode;
    for (std::size_t i = 0; i < kVersion.width && i < version.size(); ++i) {
        bytes[kVersion.offset + i] = static_cast<Byte>(version[i]);
    }
    bytes[kCapabilities.offset] = ctcssDcs ? kCtcssDcsBit : 0x00;
    bytes[kTrailer.offset] = kAck;
    return bytes;
}

std::vector<Byte> BuildBlockReply(int address, std::span<const Byte, kBlockSize> data) {
    // The block reply has the layout of a write request.
    return WriteBlockRequest(address, data).bytes;
}

}  // namespace k7x

#include "codeplug/ImageCompare.h"

#include <cstdio>

#include "codeplug/CodeplugFile.h"
#include "codeplug/MemoryImage.h"

namespace k7x {
namespace {

constexpr int kCompareBlockSize = 16;  // the unit the radio is written and read in

// UnpackImage speaks only about a country mode outside 0..2, which is refused beforehand.
class SilentPrompts : public Prompts {
public:
    std::string text(int) const override { return {}; }
    Answer message(const std::string&, Buttons, Icon, const std::string&) override {
        return Answer::Ok;
    }
    using Prompts::message;
    std::optional<std::string> askPassword() override { return std::nullopt; }
};

std::string AddressName(std::size_t address) {
    char name[24];
    std::snprintf(name, sizeof name, "Image[0x%04zX]", address);
    return name;
}

}  // namespace

MemoryImage ImageToWrite(const DocumentState& doc) {
    DocumentState scratch = doc;
    scratch.listeners.clear();
    scratch.MemImage.fill(0);
    PackImage(scratch);
    return scratch.MemImage;
}

std::optional<DocumentState> DocumentOfImage(const DocumentState& base, const MemoryImage& image,
                                             Int mode) {
    if (!BandTextOfMode(mode)) return std::nullopt;
    DocumentState scratch = base;
    scratch.listeners.clear();
    scratch.MemImage = image;
    scratch.RadioCountryMode = mode;
    SilentPrompts silent;
    if (!UnpackImage(scratch, silent)) return std::nullopt;
    return scratch;
}

ImageComparison CompareImages(const DocumentState& base, const MemoryImage& expected,
                              const MemoryImage& actual, Int mode) {
    ImageComparison result;
    std::vector<std::size_t> bytes;
    for (std::size_t at = 0; at < expected.size(); ++at) {
        if (expected[at] == actual[at]) continue;
        bytes.push_back(at);
        const int block = static_cast<int>(at) / kCompareBlockSize * kCompareBlockSize;
        if (result.blocks.empty() || result.blocks.back() != block) result.blocks.push_back(block);
    }
    if (bytes.empty()) return result;

    const std::optional<DocumentState> first = DocumentOfImage(base, expected, mode);
    const std::optional<DocumentState> second = DocumentOfImage(base, actual, mode);
    if (first && second) result.differences = CompareDocuments(*first, *second);
    // Spare bytes, or a mode nothing can be read in: the bytes speak for themselves.
    if (result.differences.empty()) {
        for (const std::size_t at : bytes)
            result.differences.push_back({"", AddressName(at), int{expected[at]}, int{actual[at]}});
    }
    return result;
}

ImageComparison CompareWithRadio(const DocumentState& doc, const MemoryImage& expected,
                                 const MemoryImage& radio, Int radioMode) {
    ImageComparison result = CompareImages(doc, expected, radio, doc.CurrentCountryMode);
    if (radioMode != doc.CurrentCountryMode) {
        result.differences.insert(
            result.differences.begin(),
            {"", "Header.CountryMode", int{doc.CurrentCountryMode}, int{radioMode}});
    }
    return result;
}

std::string BlockAddressesText(const std::vector<int>& blocks) {
    std::string text;
    for (const int block : blocks) {
        char address[12];
        std::snprintf(address, sizeof address, "0x%04X", static_cast<unsigned>(block));
        if (!text.empty()) text += ", ";
        text += address;
    }
    return text;
}

}  // namespace k7x

#include "radiosim/core/RadioContents.h"

#include <algorithm>
#include <cstring>

#include "codeplug/Defaults.h"
#include "codeplug/FileIo.h"
#include "link/Frames.h"

namespace k7x::sim {

namespace {

// Sample texts of the information area: (offset, width, text). The rest of the area reads 0xFF,
// as erased memory does.
struct SampleText {
    std::size_t offset;
    std::size_t width;
    const char* text;
};
constexpr SampleText kSampleTexts[] = {
    {32, 8, "B2024-07"},
    {40, 4, "001A"},
    {44, 4, "EU"},
    {48, 16, "K7X0000012345"},
    {64, 16, "2024-07-15"},
    {80, 16, ""},
    {96, 96, ""},
    {192, 16, "DLR-0001"},
    {208, 16, "2024-08-01"},
    {224, 16, "2024-09-10"},
    {240, 16, "SIMULATOR"},
};

template <std::size_t N>
std::optional<std::array<Byte, N>> loadExactly(const std::string& path, std::string& error) {
    const std::optional<std::vector<Byte>> bytes = ReadFileBytes(path, N + 1);
    if (!bytes) {
        error = path + ": cannot be read";
        return std::nullopt;
    }
    if (bytes->size() != N) {
        error = path + ": holds " + (bytes->size() > N ? "more than " : "") +
                std::to_string(std::min(bytes->size(), N)) + " bytes, " + std::to_string(N) +
                " expected";
        return std::nullopt;
    }
    std::array<Byte, N> out{};
    std::copy(bytes->begin(), bytes->end(), out.begin());
    return out;
}

}  // namespace

MemoryImage DefaultImage(int countryMode) {
    DocumentState doc;
    doc.CurrentCountryMode =
        static_cast<Int>(countryMode >= 0 && countryMode <= 2 ? countryMode : 0);
    SetBuiltInDefaults(doc, "2024-07-15");
    PackImage(doc);
    return doc.MemImage;
}

InfoArea DefaultInfoArea(int countryMode) {
    InfoArea area;
    area.fill(0xFF);
    // Byte 0: the mode in its low four bits.
    area[0] = static_cast<Byte>(countryMode & 0x0F);
    for (const SampleText& t : kSampleTexts) {
        const std::size_t n = std::min(std::strlen(t.text), t.width);
        std::copy_n(t.text, n, area.begin() + static_cast<std::ptrdiff_t>(t.offset));
    }
    return area;
}

std::size_t PasswordOffsetInArea() {
    return static_cast<std::size_t>(kInformationBlockAddress - kInfoAreaAddress) + kPasswordOffset;
}

void SetRadioPassword(InfoArea& area, std::string_view password) {
    const std::size_t at = PasswordOffsetInArea();
    for (std::size_t i = 0; i < kPasswordLength; ++i) {
        area[at + i] = i < password.size() ? static_cast<Byte>(password[i]) : Byte{0xFF};
    }
}

std::optional<std::string> CheckRadioPassword(std::string_view password) {
    if (password.size() > kPasswordLength) return "a radio password has at most 4 characters";
    for (char c : password) {
        if (c < 0x21 || c > 0x7E) return "a radio password takes printable ASCII characters only";
    }
    return std::nullopt;
}

LoadedImage LoadImageFile(const std::string& path) {
    LoadedImage loaded;
    loaded.image = loadExactly<kImageSize>(path, loaded.error);
    return loaded;
}

LoadedInfo LoadInfoFile(const std::string& path) {
    LoadedInfo loaded;
    loaded.info = loadExactly<kInfoAreaSize>(path, loaded.error);
    return loaded;
}

}  // namespace k7x::sim

// What the simulated radio holds when it starts: its memory image and information area, either
// built in or taken from files, and its password.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "codeplug/DocumentState.h"
#include "codeplug/MemoryImage.h"

namespace k7x::sim {

// The image of a freshly set-up radio: the built-in defaults of a new document in that country
// mode (mode 0 for a mode without a band).
MemoryImage DefaultImage(int countryMode);
// Sample production and dealer data, no password.
InfoArea DefaultInfoArea(int countryMode);

// Byte offset of the password inside the information area.
std::size_t PasswordOffsetInArea();
// Stores up to four characters as the radio password; the rest of its field reads 0xFF, so an
// empty text means no password.
void SetRadioPassword(InfoArea& area, std::string_view password);
// Why a text cannot be a radio password, or nullopt: at most four printable ASCII characters.
std::optional<std::string> CheckRadioPassword(std::string_view password);

// A file of exactly the size of the area; the reason otherwise.
struct LoadedImage {
    std::optional<MemoryImage> image;
    std::string error;
};
struct LoadedInfo {
    std::optional<InfoArea> info;
    std::string error;
};
LoadedImage LoadImageFile(const std::string& path);
LoadedInfo LoadInfoFile(const std::string& path);

}  // namespace k7x::sim

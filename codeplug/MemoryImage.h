// Packing the records into the radio's 7424-byte memory image and back.
#pragma once

#include <array>
#include <cstddef>

#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"

namespace k7x {

inline constexpr std::size_t kInfoAreaSize = 256;  // radio addresses 0x3E00..0x3EFF
inline constexpr int kInfoAreaAddress = 0x3E00;
using InfoArea = std::array<Byte, kInfoAreaSize>;

// Builds doc.MemImage from the working document; sets IsEmpty of every listed channel.
// Values wider than their field are masked to it.
void PackImage(DocumentState& doc);
// Rebuilds the working document from doc.MemImage, in the country mode doc.RadioCountryMode.
// A country mode outside 0..2 shows "Country Mode Error!" and changes nothing (false).
bool UnpackImage(DocumentState& doc, Prompts& prompts);
// Makes doc.MemImage, as read from a radio, the working document: unpacked, and untitled
// ("new.dat") until the user saves it. False, with the document as it was, when the image
// cannot be unpacked.
bool TakeImageAsUntitledDocument(DocumentState& doc, Prompts& prompts);

// Bytes 3..15 of a 16-byte channel slot.
void PackChannelSlot(MemoryImage& image, std::size_t address, const ChannelRecord& record);
void UnpackChannelSlot(const MemoryImage& image, std::size_t address, ChannelRecord& record);

// Copies the information area into the radio information record (model and version stay).
void UnpackInfoArea(const InfoArea& area, RadioInfoRecord& info);

}  // namespace k7x

// What a radio would hold after a write, against what it holds: the document packed as a write
// packs it, compared with an image read from the radio byte for byte. Each difference is named
// by the channel field or setting its bytes hold, as `diff` names them; a value the image
// cannot carry is no difference, since both sides pass through the image.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "codeplug/DocumentDiff.h"
#include "codeplug/DocumentState.h"

namespace k7x {

struct ImageComparison {
    // By channel and field, then by setting; bytes that belong to no field are named by their
    // address ("Image[0x1932]").
    std::vector<Difference> differences;
    // The radio addresses of the 16-byte blocks whose bytes differ, ascending.
    std::vector<int> blocks;

    bool same() const { return blocks.empty() && differences.empty(); }
};

// The image a write of the document sends.
MemoryImage ImageToWrite(const DocumentState& doc);

// The document `image` unpacks to in `mode`, with everything the image does not hold taken
// from `base`; nullopt for a mode outside 0..2.
std::optional<DocumentState> DocumentOfImage(const DocumentState& base, const MemoryImage& image,
                                             Int mode);

// `expected` against `actual`, both read in `mode` (the first side of each difference is
// `expected`). A mode outside 0..2 names every differing byte by its address.
ImageComparison CompareImages(const DocumentState& base, const MemoryImage& expected,
                              const MemoryImage& actual, Int mode);

// What a radio in `radioMode` holding `radio` holds against `expected`, the document as a write
// packs it. A radio in another country mode than the document's differs in that first
// ("Header.CountryMode"), since a write of the document would be refused.
ImageComparison CompareWithRadio(const DocumentState& doc, const MemoryImage& expected,
                                 const MemoryImage& radio, Int radioMode);

// "0x0120, 0x0130": block addresses as the radio numbers them.
std::string BlockAddressesText(const std::vector<int>& blocks);

}  // namespace k7x

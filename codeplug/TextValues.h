// How single values appear in a codeplug's text form: tones by name, frequencies in MHz and
// texts as plain text, each only where the text brings back the very bytes stored.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "codeplug/DocumentState.h"

namespace k7x {

// "off", the CTCSS frequency ("88.5") or the DCS code ("D023N") of a tone list value;
// nullopt for a value outside the lists.
std::optional<std::string> ToneName(int value);
// The list value a tone name stands for; nullopt for a name no tone has.
std::optional<Int> ToneOfName(std::string_view name);

// True when stored characters are all printable, so that writing the text back (padded with
// blanks) gives the same characters.
bool IsPlainText(std::string_view raw);

// The frequency in MHz ("28.85000") of stored digits that lie in the document's band, or ""
// for a blank frequency; nullopt when the stored text has no such form.
std::optional<std::string> FrequencyText(const FixedText<8>& stored, const DocumentState& doc);
// Whether a frequency in MHz lies in the document's band.
bool IsInBand(double mhz, const DocumentState& doc);

}  // namespace k7x

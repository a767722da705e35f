// The frequencies a "MEM" channel of country mode 0 may hold: the memory frequency dialog
// offers those of the country channels "EU" to "IN" (numbers 1 to 360) as the grid shows them,
// and a channel table may give such a frequency in its stored form as well.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "codeplug/DocumentState.h"

namespace k7x {

// The country groups whose channels give their frequency: indices 0 to this count - 1.
inline constexpr int kMemSourceGroupCount = 8;

// A channel of those groups: numbers 1 to 360.
bool GivesMemFrequency(int channelNo);

// Two frequency texts in MHz that name the same frequency to the 10 Hz the records hold.
bool SameFrequency(std::string_view a, std::string_view b);

// The frequency offered for a position (1-based) of a country group, as the grid shows it;
// nullopt when the group gives no frequency, the position holds no channel or its stored text
// is no frequency.
std::optional<std::string> OfferedMemFrequency(const DocumentState& doc, int group, int position);

// The stored frequency a "MEM" channel takes from a frequency text: that of own (which may be
// null) when the text gives it in the shown or the stored form, else that of the first listed
// country channel offering it in either form; nullopt when there is neither.
std::optional<std::string> MemFrequencyFor(std::string_view text, const ChannelRecord* own,
                                           const DocumentState& doc);

}  // namespace k7x

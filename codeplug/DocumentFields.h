// The values of a document by name, for output that scripts read and for comparisons: each
// channel field under its record name ("Frequency", "NB"), and everything outside the channel
// list under its path in the records ("Header.ModelName", "Options.Setting[5]",
// "Dtmf.Codes[0].Digits", "ToneTips[2].Steps[13].Pitch"). Array indices count from 0 as in
// the records. Spare and reserved bytes are left out; texts are trimmed as every reader sees
// them.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "codeplug/DocumentState.h"

namespace k7x {

struct NamedValue {
    std::string name;
    std::variant<int, std::string> value;  // a number field or a text field

    bool operator==(const NamedValue&) const = default;
};
using NamedValues = std::vector<NamedValue>;

// The fields of a channel in record order.
NamedValues ChannelFieldValues(const ChannelRecord& channel);

// The document outside its channel list, in file order. The common channel settings carry
// only the fields the radio keeps for them.
NamedValues DocumentSettingValues(const CodeplugDocument& doc);

// The listed channels, by channel number.
std::vector<const ChannelRecord*> ChannelsByNumber(const DocumentState& doc);

// How a channel is named to the user: its group and position ("A-12", "MEM-3", "VFO") in the
// country mode, or its number when the mode has no group for it.
std::string ChannelName(int channelNo, int mode);

}  // namespace k7x

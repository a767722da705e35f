// Channels whose stored frequency is no frequency (a damaged or foreign file). Such a document
// is never written out as if the channel held a valid frequency.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "codeplug/CodeplugTexts.h"
#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"

namespace k7x {

// The first channel, by number, whose stored frequency is no frequency; nullptr when none is.
const ChannelRecord* FirstDamagedFrequency(const DocumentState& doc);
// Why the document cannot be written out, naming that channel; nullopt when it can.
std::optional<std::string> DamagedFrequencyRefusal(const DocumentState& doc,
                                                   const Prompts& prompts);
// A stored text that is no frequency as a listing prints it, marked so that no one reads it
// as a frequency.
std::string NotAFrequencyText(std::string_view stored, const Prompts& prompts);

}  // namespace k7x

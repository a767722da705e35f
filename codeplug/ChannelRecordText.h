// Channels as a text that keeps every field of their records, for the program's own
// clipboard: one line per position, "-" for a position that holds no channel.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codeplug/Records.h"

namespace k7x {

// A position of a group as copied: its channel, or none.
using ChannelSlot = std::optional<ChannelRecord>;

std::string ChannelSlotsToText(const std::vector<ChannelSlot>& copied);
// nullopt when the text is not one ChannelSlotsToText wrote (or was damaged on the way).
std::optional<std::vector<ChannelSlot>> TextToChannelSlots(std::string_view text);

}  // namespace k7x

// What the channel edit window shows at one channel position, worked out without widgets: which
// option rows are there, which may be edited, and which entry each list shows.
#pragma once

#include <array>

#include "codeplug/ChannelFields.h"
#include "codeplug/Records.h"

namespace k7x {

struct OptionRowView {
    bool shown = true;
    bool editable = false;
    // The entry the list shows; -1 for none. The rows that pass their text (roger beep, DTMF)
    // are chosen by text, so their entry stays -1 here.
    int entry = -1;
};

struct ChannelEditView {
    // The stored channel is AM at a position that may only be FM: it is made FM before it is
    // shown.
    bool mustBecomeFm = false;
    bool frequencyEditable = false;
    bool offsetShown = true;
    bool offsetEditable = false;
    // The ">" button beside the frequency, which takes a MEM channel's frequency from a
    // country channel.
    bool memFrequencyButton = false;
    // The power list offers every level (FM) or only the two lower ones (AM).
    bool allPowerLevels = true;
    // Indexed by the field's column; only the fields with an option row are used.
    std::array<OptionRowView, kChannelFieldCount + 1> rows{};
};

// The view of position in group in country mode; channel is nullptr for an empty position.
ChannelEditView ViewOfPosition(const ChannelRecord* channel, int group, int position, int mode);

}  // namespace k7x

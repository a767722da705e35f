#include "channels/ChannelEditView.h"

#include "codeplug/ChannelList.h"
#include "codeplug/Groups.h"

namespace k7x {

namespace {

bool RowShown(int row, int group, int mode) {
    switch (row) {
        case kRowAddSub5K:
            return false;  // the 5 kHz shift is not offered in any mode
        case kRowTxPower:
        case kRowDup:
            return mode != 0;  // CB channels have neither a choice of power nor a repeater shift
        case kRowScan:
            return GroupName(group, mode) != "VFO";
        default:
            return true;
    }
}

}  // namespace

ChannelEditView ViewOfPosition(const ChannelRecord* channel, int group, int position, int mode) {
    ChannelEditView view;
    const bool fmOnly = IsFmOnlyPosition(group, position, mode);
    // Typing a frequency creates or moves the channel; in mode 0 a frequency comes from a
    // country channel, through the ">" button of a MEM position.
    view.frequencyEditable = mode != 0;
    view.memFrequencyButton = mode == 0 && GroupName(group, mode) == "MEM";
    view.offsetShown = mode != 0;
    view.mustBecomeFm = channel && fmOnly && channel->AM_FM != 0;
    for (int i = 0; i < kOptionRowCount; ++i)
        view.rows[static_cast<std::size_t>(i)].shown = RowShown(i, group, mode);
    if (!channel) return view;

    // While the channel is public, the rows it shares with the common channel are locked.
    const bool own = channel->Public == 0;
    view.offsetEditable = own;
    view.allPowerLevels = channel->AM_FM == 0;
    for (int i = 0; i < kOptionRowCount; ++i) {
        const OptionRow& option = OptionRows()[static_cast<std::size_t>(i)];
        OptionRowView& row = view.rows[static_cast<std::size_t>(i)];
        row.editable = !option.publicLocked || own;
        if (i == kRowTxPower)
            row.entry = AllowedTxPower(*channel);
        else if (!option.passesText)
            row.entry = ChannelField(*channel, option.column);
    }
    if (fmOnly) view.rows[kRowAmFm].editable = false;
    return view;
}

}  // namespace k7x

#include "channels/ChannelEditView.h"

#include "codeplug/ChannelList.h"
#include "codeplug/Groups.h"

namespace k7x {

namespace {

bool RowShown(ChannelColumn column, int group, int mode) {
    // The VFO has no scan list to be in.
    if (column == kColScan && GroupName(group, mode) == "VFO") return false;
    return IsFieldOffered(column, mode);
}

}  // namespace

ChannelEditView ViewOfPosition(const ChannelRecord* channel, int group, int position, int mode) {
    ChannelEditView view;
    const bool fmOnly = IsFmOnlyPosition(group, position, mode);
    // Typing a frequency creates or moves the channel; in mode 0 a frequency comes from a
    // country channel, through the ">" button of a MEM position.
    view.frequencyEditable = mode != 0;
    view.memFrequencyButton = mode == 0 && GroupName(group, mode) == "MEM";
    view.offsetShown = IsFieldOffered(kColOffset, mode);
    view.mustBecomeFm = channel && fmOnly && channel->AM_FM != 0;
    for (const ChannelFieldInfo& field : kChannelFields)
        view.rows[field.column].shown = RowShown(field.column, group, mode);
    if (!channel) return view;

    // While the channel is public, the rows it shares with the common channel are locked.
    const bool own = channel->Public == 0;
    view.offsetEditable = own;
    view.allPowerLevels = channel->AM_FM == 0;
    for (const ChannelFieldInfo& field : kChannelFields) {
        OptionRowView& row = view.rows[field.column];
        row.editable = !field.followsCommon || own;
        if (field.column == kColTxPower)
            row.entry = AllowedTxPower(*channel);
        else if (!StoresNumber(field.list))
            row.entry = ChannelField(*channel, field.column);
    }
    if (fmOnly) view.rows[kColAmFm].editable = false;
    return view;
}

}  // namespace k7x

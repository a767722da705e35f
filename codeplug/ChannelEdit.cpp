// EditChannelCell: the one way the grid and the channel edit window change a channel.
#include <string>

#include "codeplug/ChannelList.h"
#include "codeplug/Conversions.h"
#include "codeplug/Groups.h"

namespace k7x {

namespace {

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

bool MayRemoveChannel(const DocumentState& doc, int group, int channelNo) {
    const int mode = doc.CurrentCountryMode;
    if (channelNo == kVfoChannel) return false;
    if (channelNo < kVfoChannel) return CountOtherMemory(doc, group, mode) > 0;
    return CountInGroup(doc, group, mode) > 1;
}

void EditChannelCell(DocumentState& doc, Prompts& prompts, int group, int position, int column,
                     std::string_view value) {
    const int mode = doc.CurrentCountryMode;
    // A position past the end of the group would name a channel of another group (or none):
    // its settings would be booked to the wrong group.
    if (position < 1 || position > GroupSize(group, mode)) return;

    const bool isFrequency = column == kColFrequency;
    const bool clearing = isFrequency && IsBlank(value);
    std::string text(value);
    if (isFrequency && !clearing) text = ValidateFrequencyInput(value, group, doc, prompts);

    const int channelNo = GroupStart(group, mode) + position;
    const int index = FindChannel(doc, channelNo);
    // Clearing a row that holds no channel changes nothing, so the group settings are left
    // exactly as they are (a file may hold positions the bookkeeping would move).
    bool bookGroup = isFrequency && !(index < 0 && clearing);
    if (index < 0) {
        if (isFrequency && !clearing) bookGroup = AddChannel(doc, channelNo, text);
    } else if (clearing) {
        if (MayRemoveChannel(doc, group, channelNo)) DeleteChannel(doc, index);
    } else {
        ChannelRecord& ch = doc.ChannelList[static_cast<std::size_t>(index)];
        if (!isFrequency || StoredToDisplay(ch.Frequency.raw()) != text)
            SetChannelField(ch, column, text, doc);
    }
    if (bookGroup) UpdateGroupBookkeeping(doc, group);

    doc.notify([channelNo](DocumentListener& l) { l.reShowGrid(channelNo); });
    doc.notify([](DocumentListener& l) { l.SetGridEditData(); });
}

}  // namespace k7x

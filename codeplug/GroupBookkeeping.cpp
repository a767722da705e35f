// Group settings that follow the channels: the working and emergency channel positions of a
// group, the current MEM channel, and which groups are enabled.
#include <algorithm>
#include <vector>

#include "codeplug/ChannelList.h"
#include "codeplug/Groups.h"

namespace k7x {

namespace {

// A stored position (position in the group minus one) stays while its channel exists;
// otherwise it moves to the lowest channel the group still holds. The group holds at least one.
Int RevalidatePosition(const DocumentState& doc, int group, int mode, Int stored) {
    const int start = GroupStart(group, mode);
    const int size = GroupSize(group, mode);
    // A negative or oversized value would name a channel of a neighbouring group.
    if (stored >= 0 && stored < size && FindChannel(doc, start + stored + 1) >= 0) return stored;
    std::vector<int> positions = PositionsInGroup(doc, group, mode);
    return positions.empty() ? Int{0} : static_cast<Int>(positions.front() - 1);
}

}  // namespace

void EnsureEnabledGroup(DocumentState& doc) {
    const int mode = doc.CurrentCountryMode;
    const int groups = MemoryGroupCount(mode);
    if (CountOtherEnabledGroups(doc, -1, mode) > 0) return;
    const int count = std::clamp<int>(doc.WorkDoc.ChannelCount, 0, kChannelCapacity);
    for (int i = 0; i < count; ++i) {
        const int channelNo = doc.ChannelList[static_cast<std::size_t>(i)].ChannelNo;
        if (channelNo < 1) continue;
        const int g = GroupOfChannel(channelNo, mode);
        if (g >= 0 && g < groups) {
            doc.WorkDoc.Options.GroupEnabled[static_cast<std::size_t>(g)] = 1;
            return;
        }
    }
}

// The caller names the group that holds the changed channel. The "VFO" group of modes 1 and 2
// keeps no settings; indices without a group change nothing.
void UpdateGroupBookkeeping(DocumentState& doc, int group) {
    const int mode = doc.CurrentCountryMode;
    OptionRecord& opt = doc.WorkDoc.Options;
    if (GroupSize(group, mode) > 0) {
        const int count = CountInGroup(doc, group, mode);
        if (IsMemGroup(group, mode)) {
            opt.CurrentMem =
                count > 0 ? RevalidatePosition(doc, group, mode, opt.CurrentMem) : Int{0};
        } else if (group >= 0 && group < MemoryGroupCount(mode)) {
            const auto g = static_cast<std::size_t>(group);
            if (count > 0) {
                opt.GroupCurrent[g] = RevalidatePosition(doc, group, mode, opt.GroupCurrent[g]);
                for (Int& pair : opt.GroupPair[g])
                    pair = RevalidatePosition(doc, group, mode, pair);
            } else {
                opt.GroupEnabled[g] = 0;
                opt.GroupCurrent[g] = 0;
                opt.GroupPair[g] = {0, 0};
            }
            EnsureEnabledGroup(doc);
        }
    }
    doc.notify([](DocumentListener& l) { l.ReshowByCh(); });
}

}  // namespace k7x

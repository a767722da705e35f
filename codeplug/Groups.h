// Channel groups: which channel numbers form which group in each country mode, and
// counts over the channel list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "codeplug/DocumentState.h"

namespace k7x {

int GroupStart(int group, int mode);
int GroupSize(int group, int mode);
std::string GroupName(int group, int mode);
// Group index of a channel number; -1 for a mode outside 0..2.
int GroupOfChannel(int channelNo, int mode);

// Where a channel sits in a country mode: the group that holds it, its position there (1 on)
// and the name the user knows it by ("A-12", "EU-5", "MEM-3", "VFO"). A channel that no group
// of the mode holds (401 in mode 0) has group -1, position 0 and an empty name.
struct ChannelPlace {
    int group = -1;
    int position = 0;
    std::string name;
};
ChannelPlace PlaceOfChannel(int channelNo, int mode);
// The group of PlaceOfChannel alone.
inline int GroupHoldingChannel(int channelNo, int mode) {
    return PlaceOfChannel(channelNo, mode).group;
}
bool IsMemGroup(int group, int mode);
// The positions whose channel may only be FM: in mode 0 all of "CE" and "UK", and "DE" from
// position 41 on.
bool IsFmOnlyPosition(int group, int position, int mode);
// Number of memory groups that can be enabled: 8 in mode 0, 10 otherwise.
int MemoryGroupCount(int mode);
// Number of group indices with a name: 9 in mode 0, 12 otherwise.
int GroupCount(int mode);

int CountInGroup(const DocumentState& doc, int group, int mode);
int CountOtherMemory(const DocumentState& doc, int group, int mode);
int CountOtherEnabledGroups(const DocumentState& doc, int group, int mode);
std::vector<int> PositionsInGroup(const DocumentState& doc, int group, int mode);
std::vector<std::string> GroupNamesList(const DocumentState& doc, int mode,
                                        std::string_view excludedName);

}  // namespace k7x

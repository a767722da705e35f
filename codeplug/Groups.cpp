// Channel groups of the three country modes and the counts over the channel list.
#include "codeplug/Groups.h"

#include <algorithm>
#include <array>

namespace k7x {

namespace {

constexpr int kGroupWidth = 40;

// Mode 0: the country groups of the CB band, then "MEM".
constexpr int kCbGroupCount = 9;
constexpr std::array<int, kCbGroupCount> kCbStart = {0, 40, 80, 120, 160, 200, 240, 320, 401};
constexpr std::array<int, kCbGroupCount> kCbSize = {40, 40, 40, 40, 40, 40, 80, 40, 8};
constexpr std::array<const char*, kCbGroupCount> kCbName = {"EU", "CE", "U",  "UK", "PL",
                                                            "I2", "DE", "IN", "MEM"};
constexpr int kCbMemGroup = 8;

// Modes 1 and 2: letter groups "A" to "J", "VFO" and "MEM".
constexpr int kLetterGroupCount = 10;
constexpr int kBandGroupCount = 12;
constexpr int kVfoGroup = 10;
constexpr int kBandMemGroup = 11;
constexpr int kMemGroupStart = 401;
constexpr int kMemGroupSize = 8;
constexpr int kLastMemoryChannel = 400;

bool IsCountryMode(int mode) {
    return mode == 0;
}
bool IsBandMode(int mode) {
    return mode == 1 || mode == 2;
}

int ListCount(const DocumentState& doc) {
    return std::clamp<int>(doc.WorkDoc.ChannelCount, 0, kChannelCapacity);
}

template <typename Fn>
void ForEachListed(const DocumentState& doc, Fn fn) {
    const int count = ListCount(doc);
    for (int i = 0; i < count; ++i) fn(doc.ChannelList[static_cast<std::size_t>(i)]);
}

bool InGroup(int channelNo, int start, int size) {
    return channelNo >= start + 1 && channelNo <= start + size;
}

}  // namespace

int GroupStart(int group, int mode) {
    if (IsCountryMode(mode) && group >= 0 && group < kCbGroupCount)
        return kCbStart[static_cast<std::size_t>(group)];
    if (IsBandMode(mode)) {
        if (group >= 0 && group <= kVfoGroup) return group * kGroupWidth;
        if (group == kBandMemGroup) return kMemGroupStart;
    }
    return 0;
}

int GroupSize(int group, int mode) {
    if (IsCountryMode(mode) && group >= 0 && group < kCbGroupCount)
        return kCbSize[static_cast<std::size_t>(group)];
    if (IsBandMode(mode)) {
        if (group >= 0 && group < kLetterGroupCount) return kGroupWidth;
        if (group == kVfoGroup) return 1;
        if (group == kBandMemGroup) return kMemGroupSize;
    }
    return 0;
}

std::string GroupName(int group, int mode) {
    if (IsCountryMode(mode) && group >= 0 && group < kCbGroupCount)
        return kCbName[static_cast<std::size_t>(group)];
    if (IsBandMode(mode)) {
        if (group >= 0 && group < kLetterGroupCount)
            return std::string(1, static_cast<char>('A' + group));
        if (group == kVfoGroup) return "VFO";
        if (group == kBandMemGroup) return "MEM";
    }
    return {};
}

// In modes 1 and 2 this is the plain division by 40, which puts the MEM channels 402..409 into
// index 10 beside the VFO channel; code that must know the group that really holds a channel
// compares the number with GroupStart and GroupSize instead.
int GroupOfChannel(int channelNo, int mode) {
    if (IsCountryMode(mode)) {
        for (int g = 0; g < kCbMemGroup; ++g)
            if (channelNo <=
                kCbStart[static_cast<std::size_t>(g)] + kCbSize[static_cast<std::size_t>(g)])
                return g;
        return kCbMemGroup;
    }
    if (IsBandMode(mode)) return (channelNo - 1) / kGroupWidth;
    return -1;
}

ChannelPlace PlaceOfChannel(int channelNo, int mode) {
    for (int g = 0; g < GroupCount(mode); ++g) {
        const int position = channelNo - GroupStart(g, mode);
        if (position < 1 || position > GroupSize(g, mode)) continue;
        std::string name = GroupName(g, mode);
        if (GroupSize(g, mode) > 1) name += "-" + std::to_string(position);
        return {g, position, std::move(name)};
    }
    return {};
}

bool IsMemGroup(int group, int mode) {
    return (IsCountryMode(mode) && group == kCbMemGroup) ||
           (IsBandMode(mode) && group == kBandMemGroup);
}

bool IsFmOnlyPosition(int group, int position, int mode) {
    constexpr int kGroupCE = 1;
    constexpr int kGroupUK = 3;
    constexpr int kGroupDE = 6;
    constexpr int kFirstFmOnlyOfDE = 41;
    return IsCountryMode(mode) && (group == kGroupCE || group == kGroupUK ||
                                   (group == kGroupDE && position >= kFirstFmOnlyOfDE));
}

int MemoryGroupCount(int mode) {
    return IsCountryMode(mode) ? 8 : kLetterGroupCount;
}

int GroupCount(int mode) {
    return IsCountryMode(mode) ? kCbGroupCount : kBandGroupCount;
}

int CountInGroup(const DocumentState& doc, int group, int mode) {
    const int start = GroupStart(group, mode);
    const int size = GroupSize(group, mode);
    int n = 0;
    ForEachListed(doc, [&](const ChannelRecord& ch) {
        if (InGroup(ch.ChannelNo, start, size)) ++n;
    });
    return n;
}

int CountOtherMemory(const DocumentState& doc, int group, int mode) {
    const int start = GroupStart(group, mode);
    const int size = GroupSize(group, mode);
    int n = 0;
    ForEachListed(doc, [&](const ChannelRecord& ch) {
        if (ch.ChannelNo <= kLastMemoryChannel && !InGroup(ch.ChannelNo, start, size)) ++n;
    });
    return n;
}

int CountOtherEnabledGroups(const DocumentState& doc, int group, int mode) {
    int n = 0;
    for (int g = 0; g < MemoryGroupCount(mode); ++g)
        if (g != group && doc.WorkDoc.Options.GroupEnabled[static_cast<std::size_t>(g)] != 0) ++n;
    return n;
}

std::vector<int> PositionsInGroup(const DocumentState& doc, int group, int mode) {
    const int start = GroupStart(group, mode);
    const int size = GroupSize(group, mode);
    std::vector<int> positions;
    ForEachListed(doc, [&](const ChannelRecord& ch) {
        if (InGroup(ch.ChannelNo, start, size)) positions.push_back(ch.ChannelNo - start);
    });
    std::sort(positions.begin(), positions.end());
    return positions;
}

std::vector<std::string> GroupNamesList(const DocumentState& /*doc*/, int mode,
                                        std::string_view excludedName) {
    std::vector<std::string> names;
    for (int g = 0; g < kBandGroupCount; ++g) {
        std::string name = GroupName(g, mode);
        if (!name.empty() && name != excludedName) names.push_back(std::move(name));
    }
    return names;
}

}  // namespace k7x

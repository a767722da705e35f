#include "codeplug/MemFrequency.h"

#include <algorithm>
#include <cmath>

#include "codeplug/ChannelList.h"
#include "codeplug/Conversions.h"
#include "codeplug/Groups.h"

namespace k7x {

namespace {

constexpr int kCountryMode = 0;

// The group of a channel number when that group gives its frequency, else -1.
int SourceGroup(int channelNo) {
    return GivesMemFrequency(channelNo) ? GroupOfChannel(channelNo, kCountryMode) : -1;
}

// The frequency of a channel of group as the grid shows it; nullopt when it is no frequency.
std::optional<std::string> ShownInGroup(const ChannelRecord& ch, int group) {
    return DisplayForGroup(ch.Frequency.raw(), group, kCountryMode);
}

// The text gives the channel's frequency, as the grid shows it in group or as it is stored.
bool GivesFrequencyOf(std::string_view text, const ChannelRecord& ch, int group) {
    const std::optional<std::string> plain = StoredToDisplay(ch.Frequency.raw());
    const std::optional<std::string> shown = ShownInGroup(ch, group);
    return (plain && SameFrequency(text, *plain)) || (shown && SameFrequency(text, *shown));
}

}  // namespace

bool GivesMemFrequency(int channelNo) {
    return channelNo >= 1 && GroupOfChannel(channelNo, kCountryMode) < kMemSourceGroupCount;
}

bool SameFrequency(std::string_view a, std::string_view b) {
    const std::optional<double> x = ParseNumber(a);
    const std::optional<double> y = ParseNumber(b);
    return x && y && std::lround(*x * 1e5) == std::lround(*y * 1e5);
}

std::optional<std::string> OfferedMemFrequency(const DocumentState& doc, int group, int position) {
    if (group < 0 || group >= kMemSourceGroupCount || position < 1 ||
        position > GroupSize(group, kCountryMode))
        return std::nullopt;
    const int index = FindChannel(doc, GroupStart(group, kCountryMode) + position);
    if (index < 0) return std::nullopt;
    return ShownInGroup(doc.ChannelList[static_cast<std::size_t>(index)], group);
}

std::optional<std::string> MemFrequencyFor(std::string_view text, const ChannelRecord* own,
                                           const DocumentState& doc) {
    if (own && GivesFrequencyOf(text, *own, GroupOfChannel(own->ChannelNo, kCountryMode)))
        return own->Frequency.raw();
    const int count = std::clamp<int>(doc.WorkDoc.ChannelCount, 0, kChannelCapacity);
    for (int i = 0; i < count; ++i) {
        const ChannelRecord& ch = doc.ChannelList[static_cast<std::size_t>(i)];
        const int group = SourceGroup(ch.ChannelNo);
        if (group >= 0 && GivesFrequencyOf(text, ch, group)) return ch.Frequency.raw();
    }
    return std::nullopt;
}

}  // namespace k7x

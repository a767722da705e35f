#include "codeplug/ChangeSubject.h"

#include <algorithm>
#include <map>

#include "codeplug/ChannelList.h"

namespace k7x {

namespace {

using Kind = ChangeSubject::Kind;
constexpr int kFirstColumn = kColFrequency;
constexpr int kLastColumn = kColTdct;

// The channels in use, by channel number.
std::map<int, const ChannelRecord*> InUse(const ChannelArray& channels, Int count) {
    std::map<int, const ChannelRecord*> byNumber;
    const int n = std::clamp<int>(count, 0, kChannelCapacity);
    for (int i = 0; i < n; ++i)
        byNumber[channels[std::size_t(i)].ChannelNo] = &channels[std::size_t(i)];
    return byNumber;
}

// The one index where two arrays differ; -1 for none, -2 for several.
template <typename T, std::size_t N>
int OnlyDifference(const std::array<T, N>& a, const std::array<T, N>& b) {
    int found = -1;
    for (std::size_t i = 0; i < N; ++i) {
        if (a[i] == b[i]) continue;
        if (found >= 0) return -2;
        found = static_cast<int>(i);
    }
    return found;
}

ChangeSubject DescribeChannels(const ContentSnapshot& before, const DocumentState& now) {
    const auto was = InUse(before.channels, before.doc.ChannelCount);
    const auto is = InUse(now.ChannelList, now.WorkDoc.ChannelCount);
    std::vector<int> changed;
    for (const auto& [no, record] : was) {
        const auto at = is.find(no);
        if (at == is.end() || !(*at->second == *record)) changed.push_back(no);
    }
    for (const auto& [no, record] : is)
        if (!was.contains(no)) changed.push_back(no);
    if (changed.empty()) return {};
    if (changed.size() > 1) return {Kind::Channels, 0, 0, static_cast<int>(changed.size()), 0};
    const int no = changed.front();
    const auto a = was.find(no);
    const auto b = is.find(no);
    if (a == was.end() || b == is.end()) return {Kind::Channel, no, 0, 1, 0};
    int column = 0;
    for (int c = kFirstColumn; c <= kLastColumn; ++c) {
        if (ChannelField(*a->second, c) == ChannelField(*b->second, c)) continue;
        if (column != 0) return {Kind::Channel, no, 0, 1, 0};
        column = c;
    }
    return column != 0 ? ChangeSubject{Kind::ChannelField, no, column, 1, 0}
                       : ChangeSubject{Kind::Channel, no, 0, 1, 0};
}

bool SameGroupBookkeeping(const OptionRecord& a, const OptionRecord& b) {
    return a.CurrentMem == b.CurrentMem && a.GroupEnabled == b.GroupEnabled &&
           a.GroupCurrent == b.GroupCurrent && a.GroupPair == b.GroupPair &&
           a.GroupBytes == b.GroupBytes;
}

}  // namespace

ChangeSubject DescribeChange(const ContentSnapshot& before, const DocumentState& now) {
    const CodeplugDocument& was = before.doc;
    const CodeplugDocument& is = now.WorkDoc;
    if (before.mode.CountryMode != now.CurrentCountryMode) return {Kind::CountryMode};
    if (!(was.Dtmf.Codes == is.Dtmf.Codes)) {
        const int code = OnlyDifference(was.Dtmf.Codes, is.Dtmf.Codes);
        return code >= 0 ? ChangeSubject{Kind::DtmfCode, 0, 0, 0, code + 1}
                         : ChangeSubject{Kind::DtmfSettings};
    }
    if (!(was.ToneTips == is.ToneTips)) {
        const int tip = OnlyDifference(was.ToneTips, is.ToneTips);
        return {Kind::ToneTip, 0, 0, 0, tip >= 0 ? tip + 1 : 0};
    }
    if (!(was.Dtmf == is.Dtmf)) return {Kind::DtmfSettings};
    if (!(was.Keys == is.Keys)) return {Kind::Keys};
    if (!(was.PublicChannel == is.PublicChannel)) return {Kind::CommonSettings};
    if (was.Options.UseMem != is.Options.UseMem || was.Options.UseVfo != is.Options.UseVfo ||
        was.Options.Setting != is.Options.Setting)
        return {Kind::Options};
    if (ChangeSubject channels = DescribeChannels(before, now); channels.kind != Kind::Nothing)
        return channels;
    if (!SameGroupBookkeeping(was.Options, is.Options)) return {Kind::Groups};
    return {};
}

}  // namespace k7x

#include "codeplug/ContentChange.h"

#include <map>

namespace k7x {

namespace {

ModeState ModeOf(const DocumentState& doc) {
    return {doc.CurrentCountryMode, doc.BandText, doc.FreqMin, doc.FreqMax,
            doc.RadioInfo.InfoCountryMode};
}

bool SameBesideHeader(CodeplugDocument a, const CodeplugDocument& b) {
    a.Header = b.Header;
    return a == b;
}

bool SameMode(ModeState a, const ModeState& b) {
    a.InfoCountryMode = b.InfoCountryMode;
    return a == b;
}

}  // namespace

std::size_t ContentChange::bytes() const {
    return sizeof(ContentChange) + (document ? sizeof(DocumentPair) : 0) +
           channels.capacity() * sizeof(Channel) +
           (mode ? (*mode)[0].BandText.capacity() + (*mode)[1].BandText.capacity() : 0);
}

ContentSnapshot TakeSnapshot(const DocumentState& doc) {
    return {doc.WorkDoc, doc.ChannelList, ModeOf(doc)};
}

void FollowViewState(ContentSnapshot& seen, const DocumentState& now) {
    seen.doc.Options.CurrentGroup = now.WorkDoc.Options.CurrentGroup;
    if (SameMode(seen.mode, ModeOf(now))) seen.mode.InfoCountryMode = now.RadioInfo.InfoCountryMode;
}

ContentChange ChangeSince(const ContentSnapshot& before, const DocumentState& now) {
    ContentChange change;
    if (!SameBesideHeader(before.doc, now.WorkDoc))
        change.document = std::make_shared<const ContentChange::DocumentPair>(
            ContentChange::DocumentPair{before.doc, now.WorkDoc});
    // Every entry counts, also those past the channel count: the file keeps them all.
    for (std::size_t i = 0; i < before.channels.size(); ++i) {
        if (!(before.channels[i] == now.ChannelList[i]))
            change.channels.push_back(
                {static_cast<int>(i), before.channels[i], now.ChannelList[i]});
    }
    if (const ModeState mode = ModeOf(now); !(mode == before.mode))
        change.mode = {before.mode, mode};
    return change;
}

void ApplyChange(DocumentState& doc, const ContentChange& change, bool forward) {
    const std::size_t side = forward ? 1 : 0;
    if (change.document) {
        const DocumentHeader header = doc.WorkDoc.Header;
        const Int shownGroup = doc.WorkDoc.Options.CurrentGroup;
        doc.WorkDoc = (*change.document)[side];
        doc.WorkDoc.Header = header;
        doc.WorkDoc.Options.CurrentGroup = shownGroup;
    }
    for (const ContentChange::Channel& c : change.channels)
        doc.ChannelList[static_cast<std::size_t>(c.index)] = forward ? c.after : c.before;
    if (change.mode) {
        const ModeState& m = (*change.mode)[side];
        doc.CurrentCountryMode = m.CountryMode;
        doc.BandText = m.BandText;
        doc.FreqMin = m.FreqMin;
        doc.FreqMax = m.FreqMax;
        doc.RadioInfo.InfoCountryMode = m.InfoCountryMode;
        doc.WorkDoc.Header.CountryMode = m.CountryMode;
    }
}

ContentChange Merged(const ContentChange& first, const ContentChange& second) {
    ContentChange merged;
    if (first.document || second.document) {
        merged.document =
            std::make_shared<const ContentChange::DocumentPair>(ContentChange::DocumentPair{
                first.document ? (*first.document)[0] : (*second.document)[0],
                second.document ? (*second.document)[1] : (*first.document)[1]});
    }
    std::map<int, ContentChange::Channel> byIndex;
    for (const ContentChange::Channel& c : first.channels) byIndex[c.index] = c;
    for (const ContentChange::Channel& c : second.channels) {
        auto [at, fresh] = byIndex.try_emplace(c.index, c);
        if (!fresh) at->second.after = c.after;
    }
    for (const auto& [index, c] : byIndex) merged.channels.push_back(c);
    if (first.mode || second.mode) {
        merged.mode = {first.mode ? (*first.mode)[0] : (*second.mode)[0],
                       second.mode ? (*second.mode)[1] : (*first.mode)[1]};
    }
    return merged;
}

}  // namespace k7x

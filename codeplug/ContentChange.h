// What an undo step keeps: the parts of the document one user action changed, before and
// after. A step holds only what differs, so a single-field edit costs a few hundred bytes.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "codeplug/DocumentState.h"

namespace k7x {

// The country mode and what is derived from it.
struct ModeState {
    Int CountryMode = 0;
    std::string BandText;
    double FreqMin = 0;
    double FreqMax = 0;
    Int InfoCountryMode = 0;

    bool operator==(const ModeState&) const = default;
};

// The document as the history last saw it. The file header is not part of it: a save
// rewrites the header, and that is no edit. Neither is what the user merely looks at or
// reads: the group the grid shows (CurrentGroup, kept in files but changed by browsing) and
// the country mode an information read of the radio reports.
struct ContentSnapshot {
    CodeplugDocument doc;
    ChannelArray channels{};
    ModeState mode;
};

struct ContentChange {
    struct Channel {
        int index = 0;  // entry of the channel list
        ChannelRecord before, after;
    };
    using DocumentPair = std::array<CodeplugDocument, 2>;  // before, after
    std::shared_ptr<const DocumentPair> document;  // held apart: most steps change channels only
    std::vector<Channel> channels;
    std::optional<std::array<ModeState, 2>> mode;

    bool empty() const { return !document && channels.empty() && !mode; }
    // The memory the step holds, for the history's budget.
    std::size_t bytes() const;
};

ContentSnapshot TakeSnapshot(const DocumentState& doc);
// Takes the shown group and the reported country mode into the snapshot, so that browsing
// and information reads never become part of a step.
void FollowViewState(ContentSnapshot& seen, const DocumentState& now);
// What differs between a snapshot and the document now.
ContentChange ChangeSince(const ContentSnapshot& before, const DocumentState& now);
// Puts the document back to the change's before (undo) or forward to its after (redo). The
// file header and the shown group stay as they are, apart from the country mode a mode change
// carries.
void ApplyChange(DocumentState& doc, const ContentChange& change, bool forward);
// One change doing first, then second.
ContentChange Merged(const ContentChange& first, const ContentChange& second);

}  // namespace k7x

// What the codeplug fuzz targets share: prompts that decline everything, a check that traps,
// the documents they start from and the consistency every document must keep.
#pragma once

#include <array>
#include <cstddef>
#include <set>
#include <string>

#include "codeplug/CodeplugFile.h"
#include "codeplug/Defaults.h"
#include "codeplug/DocumentState.h"
#include "codeplug/Groups.h"
#include "codeplug/MemoryImage.h"
#include "codeplug/Prompts.h"

namespace k7x::fuzz {

// Records how many messages were shown and declines every question.
class CountingPrompts : public Prompts {
public:
    std::string text(int number) const override { return std::to_string(number); }
    Answer message(const std::string&, Buttons buttons, Icon, const std::string&) override {
        ++shown;
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
    std::optional<std::string> askPassword() override { return std::nullopt; }
    int shown = 0;
};

inline void Check(bool condition) {
    if (!condition) __builtin_trap();
}

inline bool SameDocumentState(const DocumentState& a, const DocumentState& b) {
    return a.WorkDoc == b.WorkDoc && a.SavedDoc == b.SavedDoc && a.ChannelList == b.ChannelList &&
           a.SavedChannels == b.SavedChannels && a.CurrentModel == b.CurrentModel &&
           a.CurrentCountryMode == b.CurrentCountryMode && a.BandText == b.BandText &&
           a.CurrentFilePath == b.CurrentFilePath && a.IsUntitled == b.IsUntitled &&
           a.RadioInfo == b.RadioInfo;
}

// The channels in use, the working records and what follows the list: what a save writes.
inline bool SameChannels(const DocumentState& a, const DocumentState& b) {
    if (!(a.WorkDoc == b.WorkDoc)) return false;
    for (int i = 0; i < a.WorkDoc.ChannelCount; ++i)
        if (!(a.ChannelList[static_cast<std::size_t>(i)] ==
              b.ChannelList[static_cast<std::size_t>(i)]))
            return false;
    return true;
}

// New documents of the three country modes, built once with the built-in defaults.
inline const DocumentState& NewDocument(int mode) {
    static const std::array<DocumentState, 3> docs = [] {
        std::array<DocumentState, 3> made;
        for (int m = 0; m < 3; ++m) {
            made[static_cast<std::size_t>(m)].CurrentCountryMode = static_cast<Int>(m);
            InitNewDocument(made[static_cast<std::size_t>(m)], "/nonexistent", false, "2026-01-01");
        }
        return made;
    }();
    return docs[static_cast<std::size_t>(mode)];
}

// A document the commands and readers leave behind: at most 409 channels, each at a number of
// its country mode (or the VFO channel, which mode 0 shows in no group) and none twice; saved, it
// is a sound file, and it packs into an image that unpacks again.
inline void CheckConsistent(const DocumentState& doc) {
    const int mode = doc.CurrentCountryMode;
    Check(mode >= 0 && mode <= 2);
    Check(doc.WorkDoc.ChannelCount >= 0 && doc.WorkDoc.ChannelCount <= kChannelCapacity);
    std::set<int> numbers;
    for (int i = 0; i < doc.WorkDoc.ChannelCount; ++i) {
        const int n = doc.ChannelList[static_cast<std::size_t>(i)].ChannelNo;
        Check(n == kVfoChannel || PlaceOfChannel(n, mode).group >= 0);
        Check(numbers.insert(n).second);
    }

    DocumentState copy = doc;
    TakeIntoSavedCopy(copy);
    const std::vector<Byte> saved = EncodeFile(copy.SavedDoc, copy.SavedChannels);
    Check(saved.size() == kFileSize);
    Check(!FindFileDamage(saved));

    CountingPrompts prompts;
    PackImage(copy);
    copy.RadioCountryMode = copy.CurrentCountryMode;
    Check(UnpackImage(copy, prompts));
}

}  // namespace k7x::fuzz

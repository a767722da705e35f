// What the lists of the optional features window hold and which record field each one edits:
// the seventeen radio-wide setting lists and the lists of the common channel.
#pragma once

#include <QStringList>

#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"
#include "shell/ui/ChannelChoices.h"

namespace k7x {

inline constexpr int kSettingListCount = 17;

// Setting lists that the window treats specially.
enum SettingListIndex : int {
    kListUseMem = 0,
    kListVfoGroup = 1,
};

// How a list's choice is stored: its position, or the number its entry reads.
enum class ListStorage { Index, Number };

// The entries of setting list i (0..16) for the document's country mode.
QStringList SettingEntries(int list, const DocumentState& doc, const Prompts& prompts);
ListStorage SettingStorage(int list);
// The field setting list i edits: UseMem, UseVfo, then Setting 0..14.
Int& SettingField(OptionRecord& options, int list);

// The common channel's lists are numbered 1..13 as their controls (see ChannelFields.h); the
// panel lays them out in that order.
inline constexpr int kCommonControlLast = 13;

}  // namespace k7x

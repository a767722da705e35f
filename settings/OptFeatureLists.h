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

// Lists of the common channel, numbered as their controls (3 has none).
enum CommonListIndex : int {
    kCommonDup = 1,
    kCommonRdct = 2,
    kCommonHiCut = 4,
    kCommonBusy = 5,
    kCommonNb = 6,
    kCommonAddSub5K = 7,
    kCommonAmFm = 8,
    kCommonTxPower = 9,
    kCommonRbTone = 10,
    kCommonDtmfBot = 11,
    kCommonDtmfEot = 12,
    kCommonDtmfCall = 13,
};
inline constexpr int kCommonListLast = kCommonDtmfCall;

// True for the control numbers 1..13 that have a list.
bool IsCommonList(int list);
// Whether the window shows list i (and, for the DUP list, the offset) in a country mode: the
// 5 kHz shift in none, the repeater shift and the power not in mode 0.
bool IsCommonListShown(int list, int mode);
// The entries of the lists whose content never changes (DUP to AM_FM); empty for the others.
QStringList CommonFixedEntries(int list);
// The roger-beep and DTMF lists store the number their entry reads.
ListStorage CommonStorage(int list);
Int& CommonField(ChannelRecord& channel, int list);

}  // namespace k7x

// The sixteen option rows of the channel edit window: what each row edits, how its list reads,
// and which rows the Public setting locks. The window builds its controls from this table.
#pragma once

#include <QStringList>
#include <array>

#include "channels/ChannelsTexts.h"
#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"
#include "shell/ui/ChannelChoices.h"

namespace k7x {

inline constexpr int kOptionRowCount = 16;

// Row indices that the window treats specially.
enum OptionRowIndex : int {
    kRowPublic = 0,
    kRowDup = 1,
    kRowTsq = 2,
    kRowScan = 3,
    kRowHiCut = 4,
    kRowBusy = 5,
    kRowNb = 6,
    kRowAddSub5K = 7,
    kRowAmFm = 8,
    kRowTxPower = 9,
    kRowRbTone = 10,
    kRowDtmfBot = 11,
    kRowDtmfEot = 12,
    kRowDtmfCall = 13,
    kRowRdct = 14,
    kRowTdct = 15,
};

struct OptionRow {
    const char* caption;  // shown when the language has no text for the row
    int column;           // channel column passed to EditChannelCell
    bool publicLocked;    // disabled while the channel's Public setting is "On"
    bool passesText;      // the commit passes the entry's text instead of its index
};

const std::array<OptionRow, kOptionRowCount>& OptionRows();

// Top-to-bottom order of the rows in the option frame; kOffsetSlot marks the offset field.
inline constexpr int kOffsetSlot = -1;
inline constexpr std::array<int, kOptionRowCount + 1> kFrameOrder = {
    kRowScan,     kRowTsq, kRowRdct,    kRowTdct,    kRowPublic,  kRowHiCut,
    kRowBusy,     kRowNb,  kRowAmFm,    kRowRbTone,  kRowDtmfBot, kRowDtmfEot,
    kRowDtmfCall, kRowDup, kOffsetSlot, kRowTxPower, kRowAddSub5K};

// The fixed entries of the rows whose list never changes (rows 0-8); empty for the others.
QStringList FixedRowEntries(int row);

// The language text of a number, or fallback when the language has none.
QString TextOr(const Prompts& prompts, int number, const char* fallback);

}  // namespace k7x

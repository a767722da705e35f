// The columns of the channel grid: what each one shows, how wide it is, and the texts of the
// lists that edit the flag columns. The grid, its cell editors and their tests share this table.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "channels/ChannelsTexts.h"
#include "codeplug/ChannelList.h"
#include "codeplug/Prompts.h"

namespace k7x {

inline constexpr int kGridColumnCount = 8;
inline constexpr int kGridNumberColumn = 0;
inline constexpr int kGridFirstField = kColFrequency;  // columns 1..6 are channel fields
inline constexpr int kGridLastField = kColScan;
inline constexpr int kGridEditColumn = 7;  // ">>": opens the channel edit window
inline constexpr int kGridFieldCount = kGridLastField - kGridFirstField + 1;

inline constexpr int kGridHeaderHeightTwips = 500;
inline constexpr std::array<int, kGridColumnCount> kGridColumnWidthTwips = {740, 1800, 1100, 0,
                                                                            0,   1200, 1100, 1400};
inline constexpr std::array<int, kGridColumnCount> kGridHeaderText = {
    kTextGridChannelNumber, kTextGridFrequency,   kTextGridCommon, kTextGridDuplex,
    kTextGridOffset,        kTextGridToneSquelch, kTextGridScan,   kTextGridEdit};
inline constexpr const char* kGridEditMark = ">>";

// The entries of the list that edits a flag column (2, 3, 5 or 6; index = stored value);
// empty for the other columns.
const QStringList& GridListEntries(int column);
// The entry shown for a stored value: the first entry when the value lies outside the list.
QString GridEntryText(int column, int value);
// The "VFO" group of modes 1 and 2: one channel, no group settings, no scan flag.
bool IsVfoGroup(int group, int mode);
// True for the columns edited with a list.
bool IsGridListColumn(int column);

// The texts of columns 1..6 of a channel's row when it is shown in group of the document's
// mode.
using GridRowTexts = std::array<QString, kGridFieldCount>;
GridRowTexts ChannelRowTexts(const ChannelRecord& record, int group, const DocumentState& doc,
                             Prompts& prompts);

}  // namespace k7x

// The language texts of the channel windows, by number.
#pragma once

namespace k7x {

// The channel grid's column headers.
inline constexpr int kTextGridChannelNumber = 14001;
inline constexpr int kTextGridFrequency = 14002;
inline constexpr int kTextGridCommon = 14003;  // the common settings ("Public")
inline constexpr int kTextGridDuplex = 14004;
inline constexpr int kTextGridOffset = 14005;
inline constexpr int kTextGridToneSquelch = 14006;
inline constexpr int kTextGridScan = 14008;
inline constexpr int kTextGridEdit = 14011;

// The channel grid window.
inline constexpr int kTextGridCaption =
    14012;  // followed by the group: on a group change, cell entry
inline constexpr int kTextEditChannelButton = 14023;
inline constexpr int kTextGroupLabel = 14050;      // also the caption while the texts are applied
inline constexpr int kTextWorkingChannel = 14052;  // + 1, + 2: emergency channels 1 and 2
inline constexpr int kTextGroupEnabled = 14101;

// Pasting, inserting, deleting and moving rows of the grid.
inline constexpr int kTextGridPastEnd = 9240;        // row count, group
inline constexpr int kTextGridGroupFull = 9241;      // group
inline constexpr int kTextGridChannelsKept = 9242;   // the channels that cannot be removed
inline constexpr int kTextGridNotPasted = 9243;      // heading of the rows not pasted
inline constexpr int kTextGridRowUnreadable = 9244;  // row, the field
inline constexpr int kTextGridRowOutOfBand = 9245;   // row, frequency
inline constexpr int kTextGridRowNoChannel = 9246;   // row, position
inline constexpr int kTextGridNoChannels = 9247;     // the clipboard holds no channels
// The names of the undo steps.
inline constexpr int kTextGridPasteStep = 9250;   // count
inline constexpr int kTextGridCutStep = 9251;     // count
inline constexpr int kTextGridInsertStep = 9252;  // channel, its frequency
inline constexpr int kTextGridDeleteStep = 9253;  // count
inline constexpr int kTextGridMoveStep = 9254;    // count

// The channel edit window.
inline constexpr int kTextEditPosition = 15001;
inline constexpr int kTextEditFrequency = 15002;
inline constexpr int kTextEditRowLabel = 15005;  // + option row: 15005..15020
inline constexpr int kTextEditGroup = 15029;
inline constexpr int kTextEditOffset = 15100;
// The printed line naming the groups without channels: %1 the group names.
inline constexpr int kTextGroupsLeftOut = 9550;

}  // namespace k7x

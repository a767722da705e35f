// The row commands of the channel grid over the positions of one group: clearing, inserting,
// deleting, moving and pasting. Each keeps the group settings consistent (the working and
// emergency channels follow a channel that moves) and, when done, tells the windows once:
// every row of the group, the group settings and the channel edit window.
//
// In country mode 0 a country group's frequencies belong to its positions: there the commands
// move, clear and paste the attributes of the channels and leave every frequency where it is.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codeplug/ChannelRecordText.h"
#include "codeplug/ChannelRows.h"
#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"

namespace k7x {

// One row to paste.
struct PasteRow {
    ChannelSlot channel;                      // none: the position is to be left empty
    std::string frequency;                    // MHz; with a row read from text, what it said
    std::vector<ChannelRowProblem> problems;  // values the row could not give
};

enum class PasteRefusal {
    Unreadable,  // a value of the row could not be read (problems name it)
    OutOfBand,   // the frequency lies outside the band of the document
    NoChannel,   // mode 0: the position has no channel to take the attributes
};

struct RefusedRow {
    int row = 0;  // 1-based among the rows pasted
    PasteRefusal why = PasteRefusal::Unreadable;
    std::string detail;  // the value concerned
};

struct ChannelCommandResult {
    bool changed = false;             // the document differs from before
    int count = 0;                    // positions the command acted on
    int pastEnd = 0;                  // paste: rows that would run past the group's end
    bool groupFull = false;           // insert: refused, the last position holds a channel
    std::vector<int> keptFrequency;   // channel numbers whose channel could not be removed
    std::vector<RefusedRow> refused;  // paste: rows not taken
};

// The rows of channels copied by this program: every field as it was.
std::vector<PasteRow> PasteRowsFromSlots(const std::vector<ChannelSlot>& copied);
// The rows of a table with a header row in the channel table's column names (any order, comma-
// or tab-separated); nullopt when the text has no such header. Rows before the header are
// left out.
std::optional<std::vector<PasteRow>> PasteRowsFromText(std::string_view text,
                                                       const DocumentState& doc);

// True where the commands move attributes only (mode 0, a group other than "MEM").
bool AttributesOnly(int group, int mode);

// The positions (1-based) as the clipboard takes them.
std::vector<ChannelSlot> CopyPositions(const DocumentState& doc, int group,
                                       const std::vector<int>& positions);
// Removes the channels of the positions (mode 0: gives them a new channel's attributes).
// The VFO channel, the last MEM channel and the last memory channels stay (keptFrequency).
ChannelCommandResult ClearPositions(DocumentState& doc, int group,
                                    const std::vector<int>& positions);
// Opens an empty position, moving the channels from it down by one.
ChannelCommandResult InsertPosition(DocumentState& doc, int group, int position);
// Removes the channels of the positions and moves the channels below them up.
ChannelCommandResult DeletePositions(DocumentState& doc, int group,
                                     const std::vector<int>& positions);
// Swaps positions first..last with the position above (step -1) or below (step +1).
ChannelCommandResult MoveBlock(DocumentState& doc, int group, int first, int last, int step);
// Puts the rows into the positions from first down, each value checked as typed input is.
ChannelCommandResult PasteRows(DocumentState& doc, Prompts& prompts, int group, int first,
                               const std::vector<PasteRow>& rows);

// A row to paste at a position of its own (1-based).
struct PlacedRow {
    int position = 0;
    PasteRow row;
};
// Puts each row into its position, each value checked as typed input is; refusals count the
// rows from 1 in the order given. Positions outside the group are left out.
ChannelCommandResult PasteRowsAt(DocumentState& doc, Prompts& prompts, int group,
                                 const std::vector<PlacedRow>& rows);

}  // namespace k7x

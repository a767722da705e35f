// Channels as rows of texts in the columns of the generic channel table other radio programs
// read and write (Location, Name, Frequency, Duplex, ..., one channel per row), and such rows
// read back into channels. The fields the table has no column for travel in its Comment column
// as "key=value" pairs named after the record fields.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codeplug/DelimitedText.h"
#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"

namespace k7x {

inline constexpr std::array<std::string_view, 21> kChannelRowColumns = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

// The header row: the column names in their order.
TextRow ChannelRowHeaderNames();

// The row of a listed channel; frequencies as shown in its group, in MHz with six decimals.
TextRow ChannelToRow(const ChannelRecord& channel, const DocumentState& doc);
// The row of a position that holds no channel: Location and Name only.
TextRow EmptyPositionRow(int channelNo, const DocumentState& doc);

// A value of a row that could not be read.
struct ChannelRowProblem {
    std::string column;
    std::string value;
};

// What a row says.
struct ChannelFromRow {
    // The defaults of a new channel with the row's values over them. ChannelNo and Frequency
    // are not set: where the row goes and how its frequency is checked is the caller's.
    ChannelRecord record;
    std::optional<int> location;  // the Location column, when it holds a whole number
    std::string frequency;        // the Frequency column in MHz, "" for a position left empty
    std::vector<ChannelRowProblem> problems;  // their fields keep the defaults
};

// Where each known column stands in a header row; columns may come in any order, and any may
// be missing (its fields then take a new channel's defaults).
class ChannelRowHeader {
public:
    // nullopt when the row names no Frequency column: it is data, not a header.
    static std::optional<ChannelRowHeader> FromRow(const TextRow& header);
    ChannelFromRow read(const TextRow& row, const DocumentState& doc) const;
    // Whether the header names a column (one of kChannelRowColumns).
    bool has(std::string_view column) const;
    // A row's value in a column, blanks around it removed; "" when the column is missing.
    std::string field(const TextRow& row, std::string_view column) const;

private:
    int indexOf(std::string_view column) const;
    std::array<int, kChannelRowColumns.size()> index_{};
};

}  // namespace k7x

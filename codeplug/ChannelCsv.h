// The channels of a document as a comma-separated file in the generic channel table of other
// radio programs, and such a file read back into the channels. An import works on a copy, so
// the caller can show what would not be taken and still leave the document as it was.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"

namespace k7x {

// Larger files are no channel table (409 channels take some 60 kB); they are refused unread.
inline constexpr std::size_t kMostCsvBytes = 1024 * 1024;

// The header and one row per channel in use, by channel number; CRLF line ends.
std::string ExportChannelsCsv(const DocumentState& doc);

// Where the rows go: each to the channel of its Location, or one after the other into the
// positions of a group from a first position on.
struct CsvPlacement {
    bool byLocation = true;
    int group = 0;
    int first = 1;
};

// Why a file is no channel table at all.
enum class CsvDamage {
    TooLarge,  // more than kMostCsvBytes
    NotText,   // NUL or other control bytes
    NoHeader,  // the first row names no Location and Frequency columns
    NoRows,    // a header and nothing else
};

enum class CsvRefusal {
    Unreadable,        // a value cannot be read (detail: column and value)
    NoFrequency,       // the Frequency column is empty
    OutOfBand,         // the frequency lies outside the band of the country mode
    NoLocation,        // the Location names no channel of the country mode (detail: value)
    RepeatedLocation,  // an earlier row has the same Location (detail: that row's line)
    FixedFrequency,    // mode 0: a country channel keeps its frequency (detail: the fixed one)
    NoChannel,         // mode 0: the position holds no channel to take the settings
    PastEnd,           // the group has no position left for the row
    NotOffered,        // mode 0: a "MEM" channel neither keeps its frequency nor takes a
                       // country channel's (detail: the frequency)
};

struct CsvRowRefused {
    int line = 0;       // line of the file the row begins on, counted from 1
    int channelNo = 0;  // where it would have gone; 0 when unknown
    CsvRefusal why = CsvRefusal::Unreadable;
    std::string detail;
};

struct CsvImport {
    std::optional<CsvDamage> damage;  // set: nothing was read, result is the document as it was
    DocumentState result;             // the document with the rows taken; no listeners
    int taken = 0;
    std::vector<CsvRowRefused> refused;
};

// Reads the rows as the grid takes typed input and puts those that pass into a copy of doc.
CsvImport ImportChannelsCsv(std::string_view text, const DocumentState& doc, Prompts& prompts,
                            const CsvPlacement& placement = {});

// Makes doc the import's result (channels and group settings) and tells every window to show
// the document afresh.
void TakeImport(DocumentState& doc, const CsvImport& import);

}  // namespace k7x

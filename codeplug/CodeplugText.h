// A codeplug as text: YAML for people, JSON (the same tree in flow form) for programs. The
// text holds every value of a .dat file, so a file written from it has the same bytes.
//
// Top level: model, country_mode, file_version, settings, channels, channel_order (only when
// the file lists its channels out of number order), dtmf, keys, tone_tips and spare_entries
// (the file's entries after the channel list that are not blank). Keys inside are the record
// field names. Texts whose bytes cannot be written as plain text (a frequency that is no
// frequency of the band, a text with control bytes) are written as a list of byte values.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "codeplug/DocumentState.h"

namespace k7x {

enum class TextForm { Yaml, Json };

// The text form of a document: its working records, its listed channels and the entries
// after them that a save writes out.
std::string WriteCodeplugText(const DocumentState& doc, TextForm form);

// One reason a text is refused, at the place it was found (line and column count from 1).
struct TextProblem {
    int line = 0;
    int column = 0;
    std::string what;

    bool operator==(const TextProblem&) const = default;
};

// "line 3, column 7: <what>"
std::string DescribeTextProblem(const TextProblem& problem);

// Reads a text form (YAML or JSON) into a new document of its country mode, built as a new
// document is (templates from programFolder/Init): a key the text leaves out keeps that
// document's value. Returns the problems found; doc changes only when there are none.
std::vector<TextProblem> ReadCodeplugText(std::string_view text, const std::string& programFolder,
                                          DocumentState& doc);

}  // namespace k7x

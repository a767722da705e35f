// A codeplug as text: YAML for people, JSON (the same tree in flow form) for programs. The
// text holds every value of a .dat file, so a file written from it has the same bytes.
//
// Top level: model, country_mode, file_version, settings, channels, channel_order (only when
// the file lists its channels out of number order), dtmf, keys, tone_tips and spare_entries
// (the file's entries after the channel list that are not blank). Keys inside are the record
// field names. Texts whose bytes cannot be written as plain text (a frequency that is no
// frequency of the band, a text with control bytes) are written as a list of byte values.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codeplug/DocumentState.h"
#include "codeplug/FillText.h"

namespace k7x {

enum class TextForm { Yaml, Json };

// A text longer than this is no codeplug; a whole codeplug's YAML takes some 200 kB.
inline constexpr std::size_t kLargestCodeplugText = 16 * 1024 * 1024;

// The text form a file name asks for by its extension (.yaml, .yml or .json, in any case);
// nullopt for any other, a .dat file among them.
std::optional<TextForm> TextFormOfPath(std::string_view path);

// The text form of a document: its working records, its listed channels and the entries
// after them that a save writes out.
std::string WriteCodeplugText(const DocumentState& doc, TextForm form);

// One reason a text is refused, at the place it was found (line and column count from 1).
struct TextProblem {
    int line = 0;
    int column = 0;
    int text = 0;                   // the language text saying what is wrong
    std::vector<std::string> args;  // the values it names

    bool operator==(const TextProblem&) const = default;
};

// "line 3, column 7: <what is wrong>" in the language of texts.
std::string DescribeTextProblem(const TextProblem& problem, const TextLookup& texts);

// The message for a refused text file: a heading naming the file, then one problem a line,
// the first 20 of them and how many more there are.
std::string DescribeTextProblems(const std::string& fileName,
                                 const std::vector<TextProblem>& problems, const TextLookup& texts);

// Reads a text form (YAML or JSON) into a new document of its country mode, built as a new
// document is (templates from programFolder/Init): a key the text leaves out keeps that
// document's value. Returns the problems found; doc changes only when there are none.
std::vector<TextProblem> ReadCodeplugText(std::string_view text, const std::string& programFolder,
                                          DocumentState& doc);

}  // namespace k7x

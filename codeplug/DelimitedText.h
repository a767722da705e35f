// Tables as text: comma- or tab-separated fields, quoted where needed, as spreadsheets and other
// radio programs write them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace k7x {

using TextRow = std::vector<std::string>;

// Reads a table. The delimiter is a tab when the first row holds one, a comma otherwise. Fields
// may be quoted ("a ""b"", c"), holding delimiters and line ends; lines end in LF, CRLF or CR; a
// UTF-8 byte order mark at the start is skipped; blank lines and lines that begin with "#" are
// left out. rowLines, when given, gets the line (counted from 1) each row begins on.
std::vector<TextRow> ReadDelimitedText(std::string_view text, std::vector<int>* rowLines = nullptr);

// Writes a table, one line per row ending in lineEnd. A field is quoted when it holds the
// delimiter, a quote or a line end, or when a row's first field begins with "#".
std::string WriteDelimitedText(const std::vector<TextRow>& rows, char delimiter,
                               std::string_view lineEnd = "\r\n");

}  // namespace k7x

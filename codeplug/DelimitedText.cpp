#include "codeplug/DelimitedText.h"

namespace k7x {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

char DetectDelimiter(std::string_view text) {
    // The first line that is neither blank nor a comment decides.
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(at, end - at);
        if (!line.empty() && line.front() != '#') return line.find('\t') != line.npos ? '\t' : ',';
        at = end + 1;
    }
    return ',';
}

bool IsBlankRow(const TextRow& row) {
    for (const std::string& field : row)
        if (!field.empty()) return false;
    return true;
}

}  // namespace

std::vector<TextRow> ReadDelimitedText(std::string_view text, std::vector<int>* rowLines) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    const char delimiter = DetectDelimiter(text);
    std::vector<TextRow> rows;
    TextRow row;
    std::string field;
    bool quoted = false;
    bool rowStart = true;
    bool comment = false;
    int line = 1;
    int rowLine = 1;
    auto endRow = [&] {
        row.push_back(std::move(field));
        field.clear();
        if (!comment && !IsBlankRow(row)) {
            rows.push_back(std::move(row));
            if (rowLines) rowLines->push_back(rowLine);
        }
        row.clear();
        rowStart = true;
        comment = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (rowStart) {
            rowStart = false;
            comment = c == '#';
            rowLine = line;
        }
        if (quoted) {
            if (c != '"') {
                if (c == '\n' || (c == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
                    ++line;
                field += c;
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"' && field.empty()) {
            quoted = true;
        } else if (c == delimiter) {
            row.push_back(std::move(field));
            field.clear();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            ++line;
            endRow();
        } else {
            field += c;
        }
    }
    if (!rowStart) endRow();
    return rows;
}

std::string WriteDelimitedText(const std::vector<TextRow>& rows, char delimiter,
                               std::string_view lineEnd) {
    const std::string special = std::string("\"\r\n") + delimiter;
    std::string out;
    for (const TextRow& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            const std::string& field = row[i];
            if (i > 0) out += delimiter;
            const bool quote = field.find_first_of(special) != std::string::npos ||
                               (i == 0 && field.starts_with('#'));
            if (!quote) {
                out += field;
                continue;
            }
            out += '"';
            for (char c : field) {
                if (c == '"') out += '"';
                out += c;
            }
            out += '"';
        }
        out += lineEnd;
    }
    return out;
}

}  // namespace k7x

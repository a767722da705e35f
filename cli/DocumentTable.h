// A document shown as text: header, settings and an aligned table of the channels.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"

namespace k7x::cli {

// Columns padded to their widest cell; numbers are right-aligned, texts left-aligned.
class TextTable {
public:
    enum class Align { Left, Right };
    struct Column {
        std::string heading;
        Align align = Align::Left;
    };

    explicit TextTable(std::vector<Column> columns) : columns_(std::move(columns)) {}
    // A row with fewer cells than columns is padded with empty cells.
    void addRow(std::vector<std::string> cells);
    void write(std::ostream& out, const std::string& indent = {}) const;

private:
    std::vector<Column> columns_;
    std::vector<std::vector<std::string>> rows_;
};

void WriteDocument(std::ostream& out, const DocumentState& doc, Prompts& prompts);

}  // namespace k7x::cli

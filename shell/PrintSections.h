// The document as printed: a list of tables, each with a title, lines of settings, column
// headers and rows of texts. Each subsystem describes its own part of the document this way, so
// the page layout need not know what a channel or a DTMF code is.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"

namespace k7x {

struct PrintTable {
    QString title;        // printed above the table, and again on every page it continues on
    QStringList notes;    // lines between the title and the table (a group's settings)
    QStringList columns;  // the column headers, repeated after every page break
    QList<QStringList> rows;
    bool startsPage = false;  // the table begins on a page of its own
};

// What the user asked to print.
struct PrintOptions {
    // Every position of every group; otherwise only the channels there are.
    bool allPositions = false;
};

// Describes one part of the document; several sources make up the printed document.
using PrintSectionSource = std::function<QList<PrintTable>(
    const DocumentState& doc, Prompts& prompts, const PrintOptions& options)>;

}  // namespace k7x

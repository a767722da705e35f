// The printed pages of a document: its tables laid out on the pages of a printer or PDF writer,
// each page headed by the model, the country mode, the file name and the date, and numbered at
// its foot. A table that runs over a page break repeats its title and column headers.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "shell/PrintSections.h"

class QPagedPaintDevice;

namespace k7x {

struct PageHeading {
    QString title;        // the model, at the left of every page's head
    QStringList details;  // "Country mode: CB", "File: new.dat", "Date: ..." at the right
    QString pageNumber;   // "Page %1 of %2": the page and the number of pages
};

class PrintedDocument {
public:
    PrintedDocument(PageHeading heading, QList<PrintTable> tables);

    // A4 landscape with margins of 10 mm: a group of 40 channels fits one page.
    static void usePageLayout(QPagedPaintDevice& device);
    // Paints every page on the device in its current page layout; returns the number of pages,
    // 0 when the device could not be painted on.
    int paint(QPagedPaintDevice& device) const;

private:
    class Layout;
    PageHeading heading_;
    QList<PrintTable> tables_;
};

}  // namespace k7x

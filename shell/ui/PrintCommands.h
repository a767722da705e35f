// File > Print and File > Export PDF: the document's printed pages in a print preview, or
// written to a PDF file. The channels there are are printed, or every position when the user
// ticks "All positions" in the preview; the choice holds for the PDF too.
#pragma once

#include <string>

#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"
#include "shell/PrintSections.h"
#include "shell/ShellTexts.h"
#include "shell/ui/FileChooser.h"
#include "shell/ui/PrintedDocument.h"

class QWidget;

namespace k7x {

class PrintCommands {
public:
    PrintCommands(const DocumentState& doc, Prompts& prompts, FileChooser& files,
                  PrintSectionSource sections);

    // The pages as they stand now, dated today.
    PrintedDocument document() const;
    bool allPositions() const { return options_.allPositions; }
    void setAllPositions(bool all) { options_.allPositions = all; }
    // Shows the print preview, from which the pages are printed; modal.
    void mnuFilePrint_Click(QWidget* parent);
    // Asks for a file name, then writes the PDF there; false when cancelled or not written.
    bool mnuFileExportPdf_Click(QWidget* parent);
    // Writes the PDF; a file that cannot be written gets a message and any earlier file of
    // that name stays as it was.
    bool writePdf(const std::string& path);

private:
    // Tells the user when a channel's frequency is damaged, which no page may show as valid.
    bool refuseDamaged() const;

    const DocumentState& doc_;
    Prompts& prompts_;
    FileChooser& files_;
    PrintSectionSource sections_;
    PrintOptions options_;
};

}  // namespace k7x

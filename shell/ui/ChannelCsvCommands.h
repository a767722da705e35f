// File > Import channels and Export channels: the channels of the document to and from a CSV
// channel table. An import that changes the document is one step of the history; rows that
// cannot be taken are shown first, and cancelling leaves the document as it was.
#pragma once

#include <QStringList>
#include <functional>
#include <optional>
#include <string>

#include "codeplug/ChannelCsv.h"
#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"
#include "shell/ui/FileChooser.h"

class QWidget;

namespace k7x {

// The questions of an import, behind an interface so tests can answer them without dialogs.
class CsvImportChoices {
public:
    virtual ~CsvImportChoices() = default;
    // Where the rows go; nullopt when the user cancels.
    virtual std::optional<CsvPlacement> choosePlacement(QWidget* parent,
                                                        const DocumentState& doc) = 0;
    // The rows that cannot be taken; true when the user takes the rest (only offered when
    // some rows can be taken).
    virtual bool takeTheRest(QWidget* parent, const QString& heading, const QStringList& rows,
                             bool someTaken) = 0;
};

class ChannelCsvCommands {
public:
    // changeMade records the import as one step under its name.
    ChannelCsvCommands(DocumentState& doc, Prompts& prompts, FileChooser& files,
                       CsvImportChoices& choices, std::function<QWidget*()> parent,
                       std::function<void(const QString& label)> changeMade);

    // True when the document changed.
    bool importChannels();
    // True when the file was written.
    bool exportChannels();

private:
    std::string filter() const;
    void warn(const std::string& text);

    DocumentState& doc_;
    Prompts& prompts_;
    FileChooser& files_;
    CsvImportChoices& choices_;
    std::function<QWidget*()> parent_;
    std::function<void(const QString&)> changeMade_;
};

}  // namespace k7x

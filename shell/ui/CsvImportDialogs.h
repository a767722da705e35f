// The dialogs of File > Import channels: where the rows go, and the rows that cannot be taken
// with the choice between taking the rest and cancelling.
#pragma once

#include "shell/ui/ChannelCsvCommands.h"

namespace k7x {

class DialogCsvImportChoices : public CsvImportChoices {
public:
    explicit DialogCsvImportChoices(const Prompts& prompts) : prompts_(prompts) {}

    std::optional<CsvPlacement> choosePlacement(QWidget* parent, const DocumentState& doc) override;
    bool takeTheRest(QWidget* parent, const QString& heading, const QStringList& rows,
                     bool someTaken) override;

private:
    const Prompts& prompts_;
};

}  // namespace k7x

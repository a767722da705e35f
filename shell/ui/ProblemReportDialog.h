// Help > Save problem report: a small dialog says what the report holds and asks whether the
// document goes in with it; then the save dialog asks where, and the report is written.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"
#include "shell/ProblemReportSources.h"
#include "shell/ui/FileChooser.h"

class QCheckBox;

namespace k7x {

class ProblemReportDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProblemReportDialog(Prompts& prompts, QWidget* parent = nullptr);

    bool includeDocument() const;

    QCheckBox* CheckDocument = nullptr;
};

// Asks where the report goes and writes it, with the document as it stands when the user chose
// to include it; tells the user how it went. The path written, or nullopt.
std::optional<std::string> SaveProblemReportAs(QWidget* parent, Prompts& prompts,
                                               FileChooser& files, ProblemReportSources sources,
                                               const DocumentState& doc);

}  // namespace k7x

#include "shell/ui/ProblemReportDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "codeplug/CodeplugFile.h"
#include "codeplug/FillText.h"
#include "shell/ShellTexts.h"
#include "shell/ui/Captions.h"

namespace k7x {

namespace {

constexpr const char* kReportName = "korvan7x-problem-report.txt";

// The .dat file of the document as the user sees it now, saved or not.
std::vector<Byte> DocumentFileNow(const DocumentState& doc) {
    DocumentState copy = doc;
    TakeIntoSavedCopy(copy);
    return EncodeFile(copy.SavedDoc, copy.SavedChannels);
}

}  // namespace

ProblemReportDialog::ProblemReportDialog(Prompts& prompts, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ProblemReportDialog"));
    setWindowTitle(LangText(prompts, kTextReportCaption));
    auto* about = new QLabel(LangText(prompts, kTextReportAbout), this);
    about->setWordWrap(true);
    CheckDocument = new QCheckBox(LangText(prompts, kTextReportIncludeDocument), this);
    CheckDocument->setObjectName(QStringLiteral("CheckDocument"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addWidget(CheckDocument);
    layout->addWidget(buttons);
}

bool ProblemReportDialog::includeDocument() const {
    return CheckDocument->isChecked();
}

std::optional<std::string> SaveProblemReportAs(QWidget* parent, Prompts& prompts,
                                               FileChooser& files, ProblemReportSources sources,
                                               const DocumentState& doc) {
    const std::string filter = prompts.text(kTextReportFiles) + " (*.txt)";
    const std::optional<std::string> path = files.chooseSaveFile(parent, filter, kReportName);
    if (!path) return std::nullopt;
    if (sources.includeDocument) {
        sources.documentName = doc.CurrentFilePath;
        sources.document = DocumentFileNow(doc);
    }
    if (const std::optional<std::string> problem = SaveProblemReport(*path, sources)) {
        prompts.message(FillText(prompts.text(kTextReportNotSaved), {*problem}), Buttons::Ok,
                        Icon::Warning, {});
        return std::nullopt;
    }
    prompts.message(FillText(prompts.text(kTextReportSaved), {*path}), Buttons::Ok,
                    Icon::Information, {});
    return path;
}

}  // namespace k7x

#include "shell/ui/PrintCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSaveFile>
#include <QToolBar>
#include <QWidget>
#include <utility>

#include "codeplug/Conversions.h"
#include "codeplug/DamagedFrequency.h"
#include "shell/Models.h"
#include "shell/ui/Captions.h"

namespace k7x {

namespace {

// The menu text without its mnemonic and ellipsis, as a window title.
QString TitleOfMenuText(QString text) {
    text.remove(QLatin1Char('&'));
    if (text.endsWith(QLatin1String("..."))) text.chop(3);
    return text.trimmed();
}

// Where the PDF of the document goes unless the user says otherwise: beside it, named alike.
std::string PresetPdfPath(const std::string& documentPath) {
    const QFileInfo info(QString::fromStdString(documentPath));
    const QString name = info.completeBaseName() + QStringLiteral(".pdf");
    return (info.isAbsolute() ? info.absoluteDir().filePath(name) : name).toStdString();
}

// The preview's toolbar buttons take no focus, so its commands get keys of their own. The
// actions are known by the texts the dialog gives them.
void AddPreviewKeys(QPrintPreviewDialog& preview) {
    const struct {
        const char* text;
        QKeySequence keys;
    } kKeys[] = {
        {"Print", QKeySequence::Print},
        {"Next page", QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
        {"Previous page", QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
        {"First page", QKeySequence(Qt::CTRL | Qt::Key_Home)},
        {"Last page", QKeySequence(Qt::CTRL | Qt::Key_End)},
        {"Zoom in", QKeySequence::ZoomIn},
        {"Zoom out", QKeySequence::ZoomOut},
    };
    for (QAction* action : preview.findChildren<QAction*>()) {
        for (const auto& k : kKeys) {
            if (action->text() != QCoreApplication::translate("QPrintPreviewDialog", k.text))
                continue;
            action->setShortcut(k.keys);
            action->setToolTip(action->text() + QStringLiteral(" (") +
                               k.keys.toString(QKeySequence::NativeText) + QLatin1Char(')'));
        }
    }
}

}  // namespace

PrintCommands::PrintCommands(const DocumentState& doc, Prompts& prompts, FileChooser& files,
                             PrintSectionSource sections)
    : doc_(doc), prompts_(prompts), files_(files), sections_(std::move(sections)) {}

PrintedDocument PrintCommands::document() const {
    const auto labelled = [this](int number, const std::string& value) {
        return LangText(prompts_, number) + QStringLiteral(": ") + QString::fromStdString(value);
    };
    PageHeading heading{
        QString::fromStdString(ModelDisplayName(doc_.CurrentModel)),
        {labelled(kTextPrintCountryMode, CountryModeName(doc_.CurrentCountryMode)),
         labelled(kTextPrintFileName, FileNameOfPath(doc_.CurrentFilePath)),
         labelled(kTextPrintDate, QDate::currentDate().toString(Qt::ISODate).toStdString())},
        LangText(prompts_, kTextPageNumber)};
    if (!heading.pageNumber.contains(QLatin1String("%1")))
        heading.pageNumber = QStringLiteral("%1 / %2");
    return PrintedDocument(std::move(heading),
                           sections_ ? sections_(doc_, prompts_, options_) : QList<PrintTable>{});
}

bool PrintCommands::refuseDamaged() const {
    const std::optional<std::string> refusal = DamagedFrequencyRefusal(doc_, prompts_);
    if (refusal) prompts_.message(*refusal, Buttons::Ok, Icon::Warning);
    return refusal.has_value();
}

void PrintCommands::mnuFilePrint_Click(QWidget* parent) {
    if (refuseDamaged()) return;
    QPrinter printer(QPrinter::HighResolution);
    PrintedDocument::usePageLayout(printer);
    printer.setDocName(QString::fromStdString(FileNameOfPath(doc_.CurrentFilePath)));
    PrintedDocument pages = document();
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    preview.setWindowTitle(TitleOfMenuText(LangText(prompts_, kTextPrintMenu)));
    AddPreviewKeys(preview);
    // "All positions" beside the page commands: the pages are laid out again when it changes.
    if (auto* bar = preview.findChild<QToolBar*>()) {
        bar->addSeparator();
        QAction* all = bar->addAction(LangText(prompts_, kTextPrintAllPositions));
        all->setObjectName(QStringLiteral("PrintAllPositions"));
        all->setCheckable(true);
        all->setChecked(options_.allPositions);
        QObject::connect(all, &QAction::toggled, &preview, [this, &pages, &preview](bool on) {
            options_.allPositions = on;
            pages = document();
            if (auto* widget = preview.findChild<QPrintPreviewWidget*>()) widget->updatePreview();
        });
    }
    // The pages are read at the size of the main window, not at the dialog's small default.
    if (parent) preview.resize(parent->window()->size());
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&pages](QPrinter* target) { pages.paint(*target); });
    preview.exec();
}

bool PrintCommands::mnuFileExportPdf_Click(QWidget* parent) {
    if (refuseDamaged()) return false;
    const std::string filter = LangText(prompts_, kTextPdfFiles).toStdString() + " (*.pdf)";
    const std::optional<std::string> path =
        files_.chooseSaveFile(parent, filter, PresetPdfPath(doc_.CurrentFilePath));
    if (!path || path->empty()) return false;
    return writePdf(*path);
}

bool PrintCommands::writePdf(const std::string& path) {
    const QString target = QString::fromStdString(path);
    // Written beside the target and renamed over it once complete.
    QSaveFile file(target);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        QPdfWriter writer(&file);
        writer.setTitle(QString::fromStdString(FileNameOfPath(doc_.CurrentFilePath)));
        writer.setCreator(QStringLiteral("korvan7x"));
        PrintedDocument::usePageLayout(writer);
        written = document().paint(writer) > 0;
    }
    if (written) written = file.commit();
    if (!written) {
        file.cancelWriting();
        prompts_.message(prompts_.text(kTextPdfNotWritten) + "\n" + path, Buttons::Ok,
                         Icon::Critical);
    }
    return written;
}

}  // namespace k7x

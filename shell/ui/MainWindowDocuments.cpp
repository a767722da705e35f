// The main window's part in the document's life: the new document at start and after New, what
// follows opening, keeping and restoring a document, the recent files, and files dropped onto
// the window.
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "codeplug/CodeplugText.h"
#include "codeplug/Defaults.h"
#include "shell/RecentFiles.h"
#include "shell/ui/ChangeLabels.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/RecentFilesMenu.h"

namespace k7x {

namespace {

// The first local codeplug among the dropped files, a .dat file or a text form; empty when
// there is none.
QString DroppedCodeplugFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) return {};
    for (const QUrl& url : mime->urls()) {
        const QString path = url.toLocalFile();
        if (path.isEmpty()) continue;
        if (QFileInfo(path).suffix().compare(QLatin1String("dat"), Qt::CaseInsensitive) == 0 ||
            TextFormOfPath(path.toStdString()))
            return path;
    }
    return {};
}

}  // namespace

void frmMain::LoadNewDoc2() {
    InitNewDocument(s_.doc, s_.settings.ProgramFolder, s_.settings.InitialiseSettingsRequest);
    SetCaptions();
    ShowChildWindow(kChannelGridWindow);
    ShowMainTxt();
}

void frmMain::LoadNewDoc() {
    CloseCurAllWindows();
    NewDocTimer.start();
}

void frmMain::NewDocTimer_Timer() {
    NewDocTimer.stop();
    // The same new document as at start, then the windows in cascade.
    LoadNewDoc2();
    arrangeCascade();
    s_.settings.InitialiseSettingsRequest = false;
    if (history_->held())
        history_->release(
            ChangeLabel({ChangeSubject::Kind::CountryMode}, s_.doc.CurrentCountryMode, s_.prompts));
    else
        history_->reset();
}

void frmMain::documentOpened() {
    history_->reset();
    ShowChildWindow(kChannelGridWindow);
    ShowMainTxt();
    Change_Language();
    arrangeCascade();
}

void frmMain::documentRestored(bool modeChanged) {
    if (modeChanged) {
        // The windows were built for the other mode's groups and band.
        CloseCurAllWindows();
        SetCaptions();
        ShowChildWindow(kChannelGridWindow);
        arrangeCascade();
    }
    ShowMainTxt();
}

void frmMain::rememberFile(const std::string& path) {
    if (!s_.recentFiles) return;
    s_.recentFiles->add(path);
    recentMenu_->refresh();
}

void frmMain::forgetFile(const std::string& path) {
    if (!s_.recentFiles) return;
    s_.recentFiles->remove(path);
    recentMenu_->refresh();
}

void frmMain::documentKept() {
    ShowChildWindow(kChannelGridWindow);
    arrangeCascade();
}

void frmMain::endProgram() {
    ending_ = true;
    close();
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    // No file replaces the document while a transfer works on it.
    if (!DroppedCodeplugFile(event->mimeData()).isEmpty() && !(s_.radio && s_.radio->busy()))
        event->acceptProposedAction();
}

void frmMain::dragMoveEvent(QDragMoveEvent* event) {
    if (!DroppedCodeplugFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event) {
    const QString path = DroppedCodeplugFile(event->mimeData());
    if (path.isEmpty() || (s_.radio && s_.radio->busy())) return;
    event->acceptProposedAction();
    // The file manager waits for the drop to end; the questions come after it has.
    QTimer::singleShot(0, this, [this, path] {
        runDocumentCommand([this, path] { commands_->openFile(path.toStdString()); });
    });
}

}  // namespace k7x

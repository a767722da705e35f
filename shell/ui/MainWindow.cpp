#include "shell/ui/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <cstdio>
#include <exception>

#include "codeplug/ChannelList.h"
#include "codeplug/Conversions.h"
#include "codeplug/Defaults.h"
#include "codeplug/FillText.h"
#include "shell/Models.h"
#include "shell/RecentFiles.h"
#include "shell/WindowPlacement.h"
#include "shell/ui/AboutDialog.h"
#include "shell/ui/Background.h"
#include "shell/ui/Captions.h"
#include "shell/ui/ChangeLabels.h"
#include "shell/ui/ChannelCsvCommands.h"
#include "shell/ui/ChildWindowArea.h"
#include "shell/ui/CsvImportDialogs.h"
#include "shell/ui/HistoryActions.h"
#include "shell/ui/LanguageDialog.h"
#include "shell/ui/ModelInfoDialog.h"
#include "shell/ui/NavigationPane.h"
#include "shell/ui/PendingEdits.h"
#include "shell/ui/PrintCommands.h"
#include "shell/ui/ProblemReportDialog.h"
#include "shell/ui/RecentFilesMenu.h"
#include "shell/ui/Twips.h"

namespace k7x {
namespace {}  // namespace

frmMain::frmMain(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent), s_(std::move(services)) {
    setObjectName(QStringLiteral("frmMain"));
    commands_ = std::make_unique<DocumentCommands>(
        s_.doc, s_.prompts, s_.files, *this, s_.settings.ProgramFolder, s_.settings.Versions,
        [this](const std::string& dataVersion, const std::string& filePath) {
            return s_.launchVersion && s_.launchVersion(dataVersion, filePath);
        });
    print_ = std::make_unique<PrintCommands>(s_.doc, s_.prompts, s_.files, s_.printSections);

    buildMenus();
    buildToolBar();
    buildCentralArea();
    buildStatusBar();
    connectCommands();

    NewDocTimer.setObjectName(QStringLiteral("NewDocTimer"));
    NewDocTimer.setSingleShot(true);
    NewDocTimer.setInterval(kNewDocInterval);
    connect(&NewDocTimer, &QTimer::timeout, this, &frmMain::NewDocTimer_Timer);

    // Load
    action("mnuHelpTopic")->setVisible(s_.settings.HelpEnabled);
    menus_.value(QStringLiteral("MnuCHEdit"))->menuAction()->setVisible(false);
    restorePlacement();
    SetCaptions();
    LoadTree();
    LoadNewDoc2();
    // The grid opened above is the active window: its commands are there from the start.
    const QMdiSubWindow* current = mdi_->currentSubWindow();
    ShowCHInfo(current && current->widget() &&
               current->widget()->objectName() == kChannelGridWindow);

    history_ = std::make_unique<DocumentHistory>(s_.doc, s_.prompts);
    history_->watchInput();
    historyActions_ =
        new HistoryActions(*this, *menus_.value(QStringLiteral("mnuEdit")), *history_, s_.prompts);
    connect(history_.get(), &DocumentHistory::restored, this, &frmMain::documentRestored);
    // Every edit, undo and redo is a step: the unsaved mark follows them.
    connect(&history_->stack(), &QUndoStack::indexChanged, this,
            [this] { setWindowModified(IsDocumentChanged(s_.doc)); });
    if (!s_.csvChoices) csvDialogs_ = std::make_unique<DialogCsvImportChoices>(s_.prompts);
    csv_ = std::make_unique<ChannelCsvCommands>(
        s_.doc, s_.prompts, s_.files, s_.csvChoices ? *s_.csvChoices : *csvDialogs_,
        [this] { return this; }, [this](const QString& label) { history_->record(label); });

    if (s_.recentFiles) {
        recentMenu_ = new RecentFilesMenu(*menus_.value(QStringLiteral("mnuFile")),
                                          action("mnuFileExit"), *s_.recentFiles, this);
        connect(recentMenu_, &RecentFilesMenu::chosen, this, [this](const QString& path) {
            runDocumentCommand([this, path] { commands_->openRecentFile(path.toStdString()); });
        });
    }
    setAcceptDrops(true);
}

frmMain::~frmMain() = default;

void frmMain::buildCentralArea() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralArea"));
    Picture1 = new NavigationPane([this] { return PixelsToTwips(width()); }, central);
    mdi_ = new QMdiArea(central);
    mdi_->setObjectName(QStringLiteral("mdiArea"));
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    windows_ = new ChildWindowArea(*mdi_, s_.children, s_.prompts, this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Picture1);
    layout->addWidget(mdi_, 1);
    setCentralWidget(central);
}

void frmMain::buildStatusBar() {
    sbStatusBar = statusBar();
    sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    sbStatusBar->setSizeGripEnabled(true);
    for (int i = 0; i < 3; ++i) {
        panels_[i] = new QLabel(sbStatusBar);
        panels_[i]->setObjectName(QStringLiteral("Panel_%1").arg(i + 1));
        panels_[i]->setContentsMargins(4, 0, 4, 0);
    }
    sbStatusBar->addWidget(panels_[0], 1);
    sbStatusBar->addPermanentWidget(panels_[1]);
    sbStatusBar->addPermanentWidget(panels_[2]);
}

QAction* frmMain::action(const char* name) const {
    return actions_.value(QString::fromLatin1(name));
}

void frmMain::connectCommands() {
    auto on = [this](const char* name, std::function<void()> command) {
        connect(action(name), &QAction::triggered, this,
                [this, command = std::move(command)] { runCommand(command); });
    };
    // A command that saves, prints, exports or replaces the document.
    auto onDocument = [this](const char* name, std::function<void()> command) {
        connect(action(name), &QAction::triggered, this,
                [this, command = std::move(command)] { runDocumentCommand(command); });
    };
    onDocument("mnuFileNew", [this] { commands_->mnuFileNew_Click(); });
    onDocument("mnuFileOpen", [this] { commands_->mnuFileOpen_Click(); });
    onDocument("mnuFileOpenBackup",
               [this] { commands_->mnuFileOpenBackup_Click(s_.backupFolder); });
    onDocument("mnuFileSave", [this] { commands_->mnuFileSave_Click(); });
    onDocument("mnuFileSaveAs", [this] { commands_->mnuFileSaveAs_Click(); });
    onDocument("mnuFileImportCsv", [this] { csv_->importChannels(); });
    onDocument("mnuFileExportCsv", [this] { csv_->exportChannels(); });
    onDocument("mnuFilePrint", [this] { print_->mnuFilePrint_Click(this); });
    onDocument("mnuFileExportPdf", [this] { print_->mnuFileExportPdf_Click(this); });
    on("mnuFileExit", [this] { close(); });
    onDocument("mnuModelInfo", [this] { mnuModelInfo_Click(); });
    on("mnuChannelInfo", [this] { ShowChildWindow(kChannelGridWindow); });
    on("mnuOptFeature", [this] { ShowChildWindow(kOptionalFeaturesWindow); });
    on("mnuToneTips", [this] { ShowChildWindow(kToneTipsWindow); });
    on("MnuDTMF", [this] { ShowChildWindow(kDtmfWindow); });
    on("MnuKey", [this] { ShowChildWindow(kKeyWindow); });
    on("MnuLocalInfo", [this] { MnuLocalInfo_Click(); });
    on("mnuReadFromRadio", [this] {
        if (s_.radio) s_.radio->readFromRadio();
    });
    on("mnuWriteToRadio", [this] {
        if (s_.radio) s_.radio->writeToRadio();
    });
    on("mnuCompareWithRadio", [this] {
        if (s_.radio) s_.radio->compareWithRadio();
    });
    // The choices around a write are the radio's to keep; the menu shows and changes them.
    const WriteChecks checks = s_.radio ? s_.radio->writeChecks() : WriteChecks{false, false};
    action("mnuPreviewWrite")->setChecked(checks.previewChanges);
    action("mnuCheckWrite")->setChecked(checks.checkAfterWrite);
    for (const char* name : {"mnuPreviewWrite", "mnuCheckWrite"}) {
        on(name, [this] {
            if (s_.radio)
                s_.radio->setWriteChecks(
                    {action("mnuPreviewWrite")->isChecked(), action("mnuCheckWrite")->isChecked()});
        });
    }
    on("MnuProPassWord", [this] {
        if (s_.radio) s_.radio->enterPassword(this);
    });
    on("mnuComm", [this] {
        if (s_.radio) s_.radio->choosePort(this);
        // The port dialog may have changed the port shown in the status bar.
        panels_[2]->setText(LangText(s_.prompts, kTextStatusPort) +
                            QString::number(s_.settings.ComPortNo));
    });
    on("mnuLanguage", [this] { mnuLanguage_Click(); });
    onDocument("MnuInit", [this] { mnuInit_Click(); });
    on("mnuTreeView", [this] { mnuTreeView_Click(); });
    on("mnuViewToolbar", [this] {
        const bool show = action("mnuViewToolbar")->isChecked();
        tbToolBar->setVisible(show);
        if (historyActions_) historyActions_->toolBar().setVisible(show);
    });
    on("mnuViewStatusBar",
       [this] { sbStatusBar->setVisible(action("mnuViewStatusBar")->isChecked()); });
    on("mnuWindowCascade", [this] { arrangeCascade(); });
    on("mnuCloseAll", [this] { CloseCurAllWindows(); });
    on("mnuHelpReport", [this] { mnuHelpReport_Click(); });
    on("mnuHelpAbout", [this] { mnuHelpAbout_Click(); });

    // The grid's row commands act on the document as the user sees it, typed values included.
    // Connected before the grid connects its own handlers, so this runs first.
    for (QAction* a : menus_.value(QStringLiteral("MnuCHEdit"))->actions() + channelEditButtons_)
        if (!a->isSeparator()) connect(a, &QAction::triggered, this, &frmMain::commitOpenEdits);

    connect(Picture1, &NavigationPane::nodeClicked, this,
            [this](const QString& key) { runCommand([this, key] { TreeView1_NodeClick(key); }); });
    connect(Picture1, &NavigationPane::closeClicked, this, &frmMain::hideNavigationPane);
}

void frmMain::commitOpenEdits() {
    CommitOpenEdits(childWindows());
}

void frmMain::runDocumentCommand(const std::function<void()>& command) {
    // What the user typed and has not yet confirmed is part of the document the command
    // saves, prints or exports, or asks about before replacing it.
    commitOpenEdits();
    runCommand(command);
}

void frmMain::runCommand(const std::function<void()>& command) {
    // A command that fails unexpectedly ends there; the window stays usable, and the user and
    // the log learn what happened instead of seeing nothing.
    try {
        command();
    } catch (const std::exception& e) {
        reportFault(e.what());
    } catch (...) {
        reportFault("unknown exception");
    }
}

void frmMain::reportFault(const char* what) {
    std::fprintf(stderr, "korvan7x: a command failed: %s\n", what);
    s_.prompts.message(FillText(s_.prompts.text(kTextCommandFault), {what}), Buttons::Ok,
                       Icon::Critical);
}

void frmMain::MnuLocalInfo_Click() {
    CloseWindowByName(kRadioInfoWindow);
    if (s_.radio) s_.radio->readRadioInfo();
}

void frmMain::mnuInit_Click() {
    s_.settings.InitialiseSettingsRequest = true;
    // A New that was not carried out must not leave the request behind for a later one.
    if (!commands_->mnuFileNew_Click()) s_.settings.InitialiseSettingsRequest = false;
}

void frmMain::mnuModelInfo_Click() {
    // The mode change and the new document it brings are one step of the history.
    FrmModelInfo dialog(
        s_.doc, s_.prompts,
        [this] {
            history_->hold();
            LoadNewDoc();
        },
        this);
    dialog.exec();
}

void frmMain::mnuLanguage_Click() {
    FrmSetLanguage dialog(s_.settings, s_.prompts, this);
    dialog.exec();
    // The main window is activated again when the dialog closes; the refresh runs there, and
    // here too for window systems that do not report the activation.
    Form_Activate();
}

void frmMain::mnuHelpAbout_Click() {
    frmAbout dialog(s_.prompts, this);
    dialog.exec();
}

void frmMain::mnuHelpReport_Click() {
    ProblemReportDialog dialog(s_.prompts, this);
    if (dialog.exec() != QDialog::Accepted) return;
    ProblemReportSources sources{
        s_.settings.SetupFilePath,
        s_.settings.SettingFilePath,
        s_.configuredPorts ? s_.configuredPorts() : std::map<int, std::string>(),
        s_.settings.ComPortNo,
        s_.backupFolder,
        s_.traceFile,
        [this](int number) { return s_.prompts.text(number); }};
    sources.includeDocument = dialog.includeDocument();
    SaveProblemReportAs(this, s_.prompts, s_.files, std::move(sources), s_.doc);
}

void frmMain::mnuTreeView_Click() {
    const bool show = Picture1->isHidden();
    Picture1->setVisible(show);
    action("mnuTreeView")->setChecked(show);
}

void frmMain::hideNavigationPane() {
    Picture1->hide();
    action("mnuTreeView")->setChecked(false);
}

void frmMain::setTransferRunning(bool running) {
    for (const char* name : {"mnuReadFromRadio", "mnuWriteToRadio", "mnuCompareWithRadio",
                             "MnuLocalInfo", "ReadRadio", "WriteRadio"})
        action(name)->setEnabled(!running);
}

// ---- texts ----

void frmMain::Change_Language() {
    SetCaptions();
    LoadTree();
}

void frmMain::ShowMainTxt() {
    const std::string model = ModelDisplayName(s_.doc.CurrentModel);
    const std::string mode = CountryModeName(s_.doc.CurrentCountryMode);
    const std::string title = s_.prompts.text(kTextAppTitle) + "[" + model + ":" + mode + ":" +
                              BandDisplayText(s_.doc.BandText) + "]" + "[" +
                              s_.prompts.text(kTextTitleFile) + ":" +
                              FileNameOfPath(s_.doc.CurrentFilePath) + "]";
    // "[*]" shows the unsaved-changes mark the desktop draws while the window is modified.
    setWindowTitle(QString::fromStdString(title) + QStringLiteral("[*]"));
    setWindowModified(IsDocumentChanged(s_.doc));
    Picture1->setModelText(QString::fromStdString(model + ":" + mode));
}

void frmMain::LoadTree() {
    Picture1->LoadTree(QString::fromStdString(ModelDisplayName(s_.doc.CurrentModel) + ":" +
                                              CountryModeName(s_.doc.CurrentCountryMode)),
                       s_.prompts);
}

void frmMain::LoadBKPic() {
    const QImage tile = BackgroundTile(BackgroundPicturePath(
        QString::fromStdString(s_.settings.ProgramFolder), s_.settings.LangIndex));
    // Without a picture the background stays plain.
    mdi_->setBackground(tile.isNull() ? palette().brush(QPalette::Dark) : QBrush(tile));
}

void frmMain::Form_Activate() {
    if (s_.settings.LangIndex == s_.settings.PrevLangIndex) return;
    s_.settings.PrevLangIndex = s_.settings.LangIndex;
    Change_Language();
    CloseCurAllWindows();
    ShowChildWindow(kChannelGridWindow);
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

// ---- editing windows ----

QWidget* frmMain::childWindow(const QString& name) const {
    return windows_->window(name);
}

QList<QWidget*> frmMain::childWindows() const {
    return windows_->windows();
}

QWidget* frmMain::ShowChildWindow(const QString& name) {
    return windows_->show(name, windowIcon());
}

void frmMain::CloseWindowByName(const QString& name) {
    windows_->close(name);
}

void frmMain::CloseCurAllWindows() {
    // The dialogs are modal and close themselves; the editing windows are closed here.
    windows_->closeAll();
}

void frmMain::arrangeCascade() {
    windows_->cascade();
}

// ---- placement and closing ----

void frmMain::restorePlacement() {
    const WindowPlacement p = s_.placement ? s_.placement->load() : WindowPlacement{};
    QRect frame(TwipsToPixels(p.MainLeft), TwipsToPixels(p.MainTop), TwipsToPixels(p.MainWidth),
                TwipsToPixels(p.MainHeight));
    frame.setWidth(std::max(frame.width(), 320));
    frame.setHeight(std::max(frame.height(), 240));
    // A position stored on a screen that is no longer there would put the window out of reach.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->virtualGeometry();
        if (!available.intersects(frame)) frame.moveCenter(available.center());
    }
    move(frame.topLeft());
    resize(frame.size());
}

void frmMain::storePlacement() {
    if (!s_.placement || isMinimized()) return;
    WindowPlacement p;
    p.MainLeft = static_cast<float>(PixelsToTwips(pos().x()));
    p.MainTop = static_cast<float>(PixelsToTwips(pos().y()));
    p.MainWidth = static_cast<float>(PixelsToTwips(width()));
    p.MainHeight = static_cast<float>(PixelsToTwips(height()));
    s_.placement->save(p);
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!ending_) {
        storePlacement();
        bool mayClose = false;
        runDocumentCommand([this, &mayClose] { mayClose = commands_->QueryUnload(); });
        if (!mayClose) {
            event->ignore();
            return;
        }
    }
    // Stopping a running transfer lets events through while it waits for the radio; a second
    // close meanwhile finds the window already closing and runs nothing again.
    if (s_.radio) s_.radio->closePort();
    if (s_.shutdownDuties) s_.shutdownDuties();
    NewDocTimer.stop();
    event->accept();
}

}  // namespace k7x

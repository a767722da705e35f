// The main window's menu bar and toolbar: the entries, their texts, shortcuts and visibility.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <optional>
#include <span>

#include "codeplug/CodeplugTexts.h"
#include "shell/Models.h"
#include "shell/ui/Captions.h"
#include "shell/ui/ChildWindowArea.h"
#include "shell/ui/HistoryActions.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/ToolIcons.h"

namespace k7x {

namespace {

struct MenuEntry {
    const char* name;  // nullptr for a separator
    int text;          // language text; 0 when the entry has a fixed text or none
    const char* fixedText;
    const char* shortcut;
    bool hidden;
    bool checked;  // a check entry, ticked at start
};

constexpr MenuEntry separator(bool hidden = false) {
    return {nullptr, 0, nullptr, nullptr, hidden, false};
}
constexpr MenuEntry entry(const char* name, int text, const char* shortcut = nullptr) {
    return {name, text, nullptr, shortcut, false, false};
}
constexpr MenuEntry hiddenEntry(const char* name, int text, const char* shortcut = nullptr) {
    return {name, text, nullptr, shortcut, true, false};
}

constexpr MenuEntry kFileMenu[] = {
    entry("mnuFileNew", kTextMenuFileNew, "Ctrl+N"),
    entry("mnuFileOpen", kTextMenuFileOpen, "Ctrl+O"),
    entry("mnuFileOpenBackup", kTextMenuFileOpenBackup),
    hiddenEntry("mnuFileEOpen", 0),
    entry("mnuFileSave", kTextMenuFileSave),
    entry("mnuFileSaveAs", kTextMenuFileSaveAs),
    separator(),
    entry("mnuFileImportCsv", kTextMenuFileImportCsv),
    entry("mnuFileExportCsv", kTextMenuFileExportCsv),
    separator(),
    entry("mnuFilePrint", kTextMenuFilePrint),
    entry("mnuFileExportPdf", kTextMenuFileExportPdf),
    separator(),
    entry("mnuFileExit", kTextMenuFileExit),
};
constexpr MenuEntry kModelMenu[] = {
    entry("mnuModelInfo", kTextMenuModelInfo),
};
constexpr MenuEntry kChannelEditMenu[] = {
    entry("MnuCHCut", kTextMenuChannelCut, "Ctrl+X"),
    entry("MnuCHCopy", kTextMenuChannelCopy, "Ctrl+C"),
    entry("MnuCHPaste", kTextMenuChannelPaste, "Ctrl+V"),
    separator(),
    entry("MnuCHInsert", kTextMenuChannelInsert, "Ctrl+I"),
    entry("MnuCHDelete", kTextMenuChannelDelete, "Del"),
    entry("MnuCHMoveUp", kTextMenuChannelMoveUp, "Ctrl+U"),
    entry("MnuCHMoveDown", kTextMenuChannelMoveDown, "Ctrl+D"),
};
constexpr MenuEntry kEditMenu[] = {
    entry("mnuChannelInfo", kTextMenuChannelInfo),
    separator(),
    entry("mnuOptFeature", kTextMenuOptFeature),
    hiddenEntry("mnuGroupName", kTextMenuGroupName),
    hiddenEntry("mnuResetInit", kTextMenuResetInit),
    entry("mnuToneTips", kTextMenuToneTips),
    hiddenEntry("MnuRadioFre", kTextMenuRadioFre),
    entry("MnuDTMF", kTextMenuDTMF),
    entry("MnuKey", kTextMenuKey),
    hiddenEntry("MnuScan", kTextMenuScan),
    hiddenEntry("MnuAlert", kTextMenuAlert),
    hiddenEntry("MnuTestFre", kTextMenuTestFre),
    separator(),
    hiddenEntry("mnuEmbeddedMsg", kTextMenuEmbeddedMsg),
    entry("MnuLocalInfo", kTextMenuLocalInfo),
};
constexpr MenuEntry kProgramMenu[] = {
    entry("mnuReadFromRadio", kTextMenuReadFromRadio, "Ctrl+R"),
    entry("mnuWriteToRadio", kTextMenuWriteToRadio, "Ctrl+W"),
    entry("MnuProPassWord", kTextMenuProPassWord, "Ctrl+P"),
    separator(),
    entry("mnuCompareWithRadio", kTextMenuCompareWithRadio),
};
constexpr MenuEntry kSettingsMenu[] = {
    entry("mnuComm", kTextMenuComm),
    entry("mnuLanguage", kTextMenuLanguage),
    entry("MnuInit", kTextMenuInit),
    separator(),
    {"mnuPreviewWrite", kTextMenuPreviewWrite, nullptr, nullptr, false, true},
    {"mnuCheckWrite", kTextMenuCheckWrite, nullptr, nullptr, false, true},
    separator(true),
    hiddenEntry("MnuCHHabits", kTextMenuChannelHabits, "Ctrl+H"),
};
constexpr MenuEntry kViewMenu[] = {
    {"mnuTreeView", kTextMenuTreeView, nullptr, nullptr, false, true},
    separator(),
    {"mnuViewToolbar", kTextMenuViewToolbar, nullptr, nullptr, false, true},
    {"mnuViewStatusBar", kTextMenuViewStatusBar, nullptr, nullptr, false, true},
};
constexpr MenuEntry kWindowMenu[] = {
    entry("mnuWindowCascade", kTextMenuWindowCascade),
    separator(),
    entry("mnuCloseAll", kTextMenuCloseAll),
    separator(),
};
constexpr MenuEntry kHelpMenu[] = {
    hiddenEntry("mnuHelpTopic", kTextMenuHelpTopic),
    separator(),
    entry("mnuHelpReport", kTextMenuHelpReport),
    entry("mnuHelpAbout", kTextMenuHelpAbout),
};

struct MenuDef {
    const char* name;
    int text;
    std::span<const MenuEntry> entries;
};

const MenuDef kMenus[] = {
    {"mnuFile", kTextMenuFile, kFileMenu},
    {"mnuModel", kTextMenuModel, kModelMenu},
    {"MnuCHEdit", kTextMenuChannelEdit, kChannelEditMenu},
    {"mnuEdit", kTextMenuEdit, kEditMenu},
    {"mnuProgram", kTextMenuProgram, kProgramMenu},
    {"mnuSet", kTextMenuSet, kSettingsMenu},
    {"mnuView", kTextMenuView, kViewMenu},
    {"mnuWindow", kTextMenuWindow, kWindowMenu},
    {"mnuHelp", kTextMenuHelp, kHelpMenu},
};

struct ToolButton {
    const char* key;  // nullptr for a separator
    int tooltip;
    const char* themeIcon;  // the freedesktop name; nullptr: always the program's drawing
    QStyle::StandardPixmap icon = {};
    std::optional<ToolDrawing> drawing = {};  // the program's drawing when the theme has none
};

// Positions 1..20; positions 11..19 are the channel edit buttons.
constexpr ToolButton kToolButtons[] = {
    {"NewFile", kTextToolNewFile, "document-new", QStyle::SP_FileIcon},
    {"OpenFile", kTextToolOpenFile, "document-open", QStyle::SP_DialogOpenButton},
    {"SaveFile", kTextToolSaveFile, "document-save", QStyle::SP_DialogSaveButton},
    {nullptr, 0, nullptr},
    {"Print", kTextToolPrint, "document-print", QStyle::SP_FileDialogContentsView},
    {nullptr, 0, nullptr},
    {"ReadRadio", kTextToolReadRadio, nullptr, {}, ToolDrawing::ReadRadio},
    {"CommSet", kTextToolCommSet, "network-wired", QStyle::SP_DriveNetIcon},
    {"WriteRadio", kTextToolWriteRadio, nullptr, {}, ToolDrawing::WriteRadio},
    {nullptr, 0, nullptr},
    {"BtnCHCut", kTextToolChannelCut, "edit-cut", {}, ToolDrawing::Cut},
    {"BtnCHCopy", kTextToolChannelCopy, "edit-copy", {}, ToolDrawing::Copy},
    {"BtnCHPaste", kTextToolChannelPaste, "edit-paste", {}, ToolDrawing::Paste},
    {nullptr, 0, nullptr},
    {"BtnCHInsert", kTextToolChannelInsert, "list-add", {}, ToolDrawing::Insert},
    {"BtnCHDelete", kTextToolChannelDelete, "list-remove", {}, ToolDrawing::Delete},
    {"BtnCHMoveUp", kTextToolChannelMoveUp, "go-up", {}, ToolDrawing::MoveUp},
    {"BtnCHMoveDown", kTextToolChannelMoveDown, "go-down", {}, ToolDrawing::MoveDown},
    {nullptr, 0, nullptr},
    {"About", kTextToolAbout, "help-about", QStyle::SP_MessageBoxInformation},
};
constexpr int kFirstChannelEditPosition = 11;
constexpr int kLastChannelEditPosition = 19;

}  // namespace

void frmMain::buildMenus() {
    QMenuBar* bar = menuBar();
    for (const MenuDef& def : kMenus) {
        auto* menu = new QMenu(bar);
        const QString menuName = QString::fromLatin1(def.name);
        menu->setObjectName(menuName);
        menu->menuAction()->setObjectName(menuName);
        menus_.insert(menuName, menu);
        bar->addMenu(menu);
        for (const MenuEntry& e : def.entries) {
            QAction* a = e.name ? menu->addAction(QString()) : menu->addSeparator();
            if (e.name) {
                a->setObjectName(QString::fromLatin1(e.name));
                actions_.insert(a->objectName(), a);
                if (e.shortcut) a->setShortcut(QKeySequence(QString::fromLatin1(e.shortcut)));
                if (e.checked) {
                    a->setCheckable(true);
                    a->setChecked(true);
                }
            }
            if (e.hidden) a->setVisible(false);
        }
    }
    // The desktop's keys for saving, beside the program's own shortcuts.
    action("mnuFileSave")->setShortcuts(QKeySequence::Save);
    action("mnuFileSaveAs")->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QMenu* windowMenu = menus_.value(QStringLiteral("mnuWindow"));
    connect(windowMenu, &QMenu::aboutToShow, this,
            [this, windowMenu] { windows_->listIn(*windowMenu); });
}

void frmMain::buildToolBar() {
    tbToolBar = addToolBar(QString());
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setIconSize(QSize(20, 20));
    int position = 0;
    for (const ToolButton& b : kToolButtons) {
        ++position;
        QAction* a = nullptr;
        if (b.key) {
            const QString theme = QString::fromLatin1(b.themeIcon);
            const QIcon icon = b.drawing ? ToolIcon(*b.drawing, theme)
                                         : QIcon::fromTheme(theme, style()->standardIcon(b.icon));
            a = tbToolBar->addAction(icon, QString());
            a->setObjectName(QString::fromLatin1(b.key));
            actions_.insert(a->objectName(), a);
        } else {
            a = tbToolBar->addSeparator();
        }
        if (position >= kFirstChannelEditPosition && position <= kLastChannelEditPosition)
            channelEditButtons_.append(a);
    }
    connect(tbToolBar, &QToolBar::actionTriggered, this, &frmMain::tbToolBar_ButtonClick);
}

void frmMain::SetCaptions() {
    qtLanguage_.follow(s_.settings.LangIndex);
    const std::string files = s_.prompts.text(kTextDatFiles);
    const std::string asText = s_.prompts.text(kTextCodeplugAsText);
    commands_->setFileFilters(
        files + " (*.dat *.yaml *.yml *.json);;" + asText + " (*.yaml *.yml *.json)",
        files + " (*.dat);;" + asText + " (*.yaml)");
    panels_[2]->setText(LangText(s_.prompts, kTextStatusPort) +
                        QString::number(s_.settings.ComPortNo));
    panels_[1]->setText(QString::fromStdString(ModelDisplayName(s_.doc.CurrentModel) + "[" +
                                               CountryModeName(s_.doc.CurrentCountryMode) + ":" +
                                               s_.doc.BandText + "]"));
    ShowMainTxt();
    LoadBKPic();
    if (historyActions_) historyActions_->applyTexts();

    for (const MenuDef& def : kMenus) {
        menus_.value(QString::fromLatin1(def.name))->setTitle(LangText(s_.prompts, def.text));
        for (const MenuEntry& e : def.entries) {
            if (!e.name) continue;
            QAction* a = action(e.name);
            if (e.fixedText)
                a->setText(QString::fromLatin1(e.fixedText));
            else if (e.text)
                a->setText(LangText(s_.prompts, e.text));
        }
    }
    for (const ToolButton& b : kToolButtons) {
        if (!b.key) continue;
        QAction* a = action(b.key);
        const QString tip = LangText(s_.prompts, b.tooltip);
        a->setText(tip);
        a->setToolTip(tip);
    }
}

void frmMain::ShowCHInfo(bool show) {
    menus_.value(QStringLiteral("MnuCHEdit"))->menuAction()->setVisible(show);
    for (QAction* a : channelEditButtons_) a->setVisible(show);
}

void frmMain::tbToolBar_ButtonClick(QAction* button) {
    const QString key = button->objectName();
    // Print, Read and Write go through their menu entries, which commit as they need.
    if (key == QLatin1String("NewFile") || key == QLatin1String("OpenFile") ||
        key == QLatin1String("SaveFile"))
        commitOpenEdits();
    runCommand([this, &key] {
        if (key == QLatin1String("NewFile"))
            commands_->NewFileButton_Click();
        else if (key == QLatin1String("OpenFile"))
            commands_->mnuFileOpen_Click();
        else if (key == QLatin1String("SaveFile"))
            commands_->mnuFileSave_Click();
        else if (key == QLatin1String("Print"))
            action("mnuFilePrint")->trigger();
        else if (key == QLatin1String("ReadRadio"))
            action("mnuReadFromRadio")->trigger();
        else if (key == QLatin1String("CommSet"))
            action("mnuComm")->trigger();
        else if (key == QLatin1String("WriteRadio"))
            action("mnuWriteToRadio")->trigger();
        else if (key == QLatin1String("About"))
            mnuHelpAbout_Click();
    });
}

void frmMain::TreeView1_NodeClick(const QString& key) {
    // The nodes that open an editing window; N7 reads the radio's information, and N0, N3, N5,
    // N6, N9, N10, N11 and N13 open nothing.
    static const std::pair<const char*, const QString*> kNodeWindows[] = {
        {"N1", &kChannelGridWindow}, {"N2", &kOptionalFeaturesWindow},
        {"N4", &kDtmfWindow},        {"N12", &kToneTipsWindow},
        {"N8", &kKeyWindow},
    };
    for (const auto& [node, window] : kNodeWindows)
        if (key == QLatin1String(node)) ShowChildWindow(*window);
    if (key == QLatin1String("N7") && action("MnuLocalInfo")->isEnabled()) MnuLocalInfo_Click();
}

}  // namespace k7x

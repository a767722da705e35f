// The main window's menu bar and toolbar: the entries, their texts, shortcuts and visibility.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <span>

#include "shell/Models.h"
#include "shell/ui/Captions.h"
#include "shell/ui/ChildWindowArea.h"
#include "shell/ui/HistoryActions.h"
#include "shell/ui/MainWindow.h"

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
    entry("mnuFileNew", 10001, "Ctrl+N"),
    entry("mnuFileOpen", 10002, "Ctrl+O"),
    entry("mnuFileOpenBackup", 10940),
    hiddenEntry("mnuFileEOpen", 0),
    entry("mnuFileSave", 10003),
    entry("mnuFileSaveAs", 10004),
    separator(),
    entry("mnuFileImportCsv", 10941),
    entry("mnuFileExportCsv", 10942),
    separator(),
    entry("mnuFilePrint", 10005),
    entry("mnuFileExportPdf", 10943),
    separator(),
    entry("mnuFileExit", 10006),
};
constexpr MenuEntry kModelMenu[] = {
    entry("mnuModelInfo", 10101),
};
constexpr MenuEntry kChannelEditMenu[] = {
    entry("MnuCHCut", 10801, "Ctrl+X"),    entry("MnuCHCopy", 10802, "Ctrl+C"),
    entry("MnuCHPaste", 10803, "Ctrl+V"),  separator(),
    entry("MnuCHInsert", 10804, "Ctrl+I"), entry("MnuCHDelete", 10805, "Del"),
    entry("MnuCHMoveUp", 10806, "Ctrl+U"), entry("MnuCHMoveDown", 10807, "Ctrl+D"),
};
constexpr MenuEntry kEditMenu[] = {
    entry("mnuChannelInfo", 10201),
    separator(),
    entry("mnuOptFeature", 10202),
    hiddenEntry("mnuGroupName", 10220),
    hiddenEntry("mnuResetInit", 10222),
    entry("mnuToneTips", 10221),
    hiddenEntry("MnuRadioFre", 10203),
    entry("MnuDTMF", 10204),
    entry("MnuKey", 10208),
    hiddenEntry("MnuScan", 10209),
    hiddenEntry("MnuAlert", 10210),
    hiddenEntry("MnuTestFre", 10205),
    separator(),
    hiddenEntry("mnuEmbeddedMsg", 10206),
    entry("MnuLocalInfo", 10207),
};
constexpr MenuEntry kProgramMenu[] = {
    entry("mnuReadFromRadio", 10301, "Ctrl+R"),
    entry("mnuWriteToRadio", 10302, "Ctrl+W"),
    entry("MnuProPassWord", 10303, "Ctrl+P"),
};
constexpr MenuEntry kSettingsMenu[] = {
    entry("mnuComm", 10401),
    entry("mnuLanguage", 10402),
    entry("MnuInit", 10403),
    separator(true),
    hiddenEntry("MnuCHHabits", 10808, "Ctrl+H"),
};
constexpr MenuEntry kViewMenu[] = {
    {"mnuTreeView", 10501, nullptr, nullptr, false, true},
    separator(),
    {"mnuViewToolbar", 10502, nullptr, nullptr, false, true},
    {"mnuViewStatusBar", 10503, nullptr, nullptr, false, true},
};
constexpr MenuEntry kWindowMenu[] = {
    entry("mnuWindowCascade", 10601),
    separator(),
    entry("mnuCloseAll", 10602),
    separator(),
};
constexpr MenuEntry kHelpMenu[] = {
    hiddenEntry("mnuHelpTopic", 10701),
    separator(),
    entry("mnuHelpAbout", 10702),
};

struct MenuDef {
    const char* name;
    int text;
    std::span<const MenuEntry> entries;
};

const MenuDef kMenus[] = {
    {"mnuFile", 10000, kFileMenu},          {"mnuModel", 10100, kModelMenu},
    {"MnuCHEdit", 10800, kChannelEditMenu}, {"mnuEdit", 10200, kEditMenu},
    {"mnuProgram", 10300, kProgramMenu},    {"mnuSet", 10400, kSettingsMenu},
    {"mnuView", 10500, kViewMenu},          {"mnuWindow", 10600, kWindowMenu},
    {"mnuHelp", 10700, kHelpMenu},
};

struct ToolButton {
    const char* key;  // nullptr for a separator
    int tooltip;
    QStyle::StandardPixmap icon;
    const char* themeIcon;
};

// Positions 1..20; positions 11..19 are the channel edit buttons.
constexpr ToolButton kToolButtons[] = {
    {"NewFile", 11000, QStyle::SP_FileIcon, "document-new"},
    {"OpenFile", 11001, QStyle::SP_DialogOpenButton, "document-open"},
    {"SaveFile", 11002, QStyle::SP_DialogSaveButton, "document-save"},
    {nullptr, 0, {}, nullptr},
    {"Print", 11003, QStyle::SP_FileDialogContentsView, "document-print"},
    {nullptr, 0, {}, nullptr},
    {"ReadRadio", 11004, QStyle::SP_ArrowDown, "go-down"},
    {"CommSet", 11005, QStyle::SP_DriveNetIcon, "network-wired"},
    {"WriteRadio", 11006, QStyle::SP_ArrowUp, "go-up"},
    {nullptr, 0, {}, nullptr},
    {"BtnCHCut", 11010, QStyle::SP_DialogDiscardButton, "edit-cut"},
    {"BtnCHCopy", 11011, QStyle::SP_FileDialogNewFolder, "edit-copy"},
    {"BtnCHPaste", 11012, QStyle::SP_DialogApplyButton, "edit-paste"},
    {nullptr, 0, {}, nullptr},
    {"BtnCHInsert", 11013, QStyle::SP_FileDialogStart, "list-add"},
    {"BtnCHDelete", 11014, QStyle::SP_TrashIcon, "list-remove"},
    {"BtnCHMoveUp", 11015, QStyle::SP_ArrowUp, "go-up"},
    {"BtnCHMoveDown", 11016, QStyle::SP_ArrowDown, "go-down"},
    {nullptr, 0, {}, nullptr},
    {"About", 11007, QStyle::SP_MessageBoxInformation, "help-about"},
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
            QIcon icon =
                QIcon::fromTheme(QString::fromLatin1(b.themeIcon), style()->standardIcon(b.icon));
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
    filter_ = LangText(s_.prompts, 9001) + QStringLiteral(" (*.dat)");
    commands_->setFileFilter(filter_.toStdString());
    panels_[2]->setText(LangText(s_.prompts, 12008) + QString::number(s_.settings.ComPortNo));
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

// The main window: title and status texts, menus and toolbar, the tree and the editing windows,
// the language refresh, the navigation pane and its splitter.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include "ShellTestRig.h"
#include "shell/IniFile.h"
#include "shell/ui/NavigationPane.h"
#include "shell/ui/Twips.h"

using namespace k7x;
using k7x::test::ShellTestRig;

namespace {

QAction* act(ShellTestRig& rig, const char* name) {
    return rig.find<QAction>(QString::fromLatin1(name));
}

QTreeWidgetItem* node(ShellTestRig& rig, const QString& key) {
    auto* tree = rig.find<QTreeWidget>(QStringLiteral("TreeView1"));
    QTreeWidgetItemIterator it(tree);
    for (; *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toString() == key) return *it;
    return nullptr;
}

void clickNode(ShellTestRig& rig, const QString& key) {
    auto* tree = rig.find<QTreeWidget>(QStringLiteral("TreeView1"));
    QTreeWidgetItem* item = node(rig, key);
    QVERIFY(item);
    emit tree->itemClicked(item, 0);
}

QStringList openWindowNames(ShellTestRig& rig) {
    QStringList names;
    for (QWidget* w : rig.main().childWindows()) names << w->objectName();
    return names;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Opening and closing editing windows must not leave the area complaining about windows
    // it no longer holds.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("QMdiArea"))); }

    void titleOfANewDocument() {
        ShellTestRig rig;
        QCOMPARE(rig.main().windowTitle(),
                 QStringLiteral("<12000>[KORVAN 7X:HAM:28.000 - 29.700 MHz][<12009>:new.dat][*]"));
        QCOMPARE(rig.find<QLabel>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("KORVAN 7X:HAM"));
        QCOMPARE(node(rig, QStringLiteral("N0"))->text(0), QStringLiteral("KORVAN 7X:HAM"));
    }

    void titleShowsFrequencyForTheCitizensBand() {
        ShellTestRig rig;
        rig.main();
        rig.doc.CurrentCountryMode = 0;
        rig.doc.BandText = "26.965 - 27.405 MHz";
        rig.doc.CurrentFilePath = "/home/user/radios/shop.dat";
        rig.main().ShowMainTxt();
        QCOMPARE(rig.main().windowTitle(),
                 QStringLiteral("<12000>[KORVAN 7X:CB:Frequency][<12009>:shop.dat][*]"));
    }

    // The title marks unsaved changes; Ctrl+S saves and Ctrl+Shift+S saves as.
    void titleMarksUnsavedChangesAndCtrlSSaves() {
        ShellTestRig rig;
        QAction* save = rig.main().findChild<QAction*>(QStringLiteral("mnuFileSave"));
        QCOMPARE(save->shortcut(), QKeySequence(QKeySequence::Save));
        QCOMPARE(rig.main().findChild<QAction*>(QStringLiteral("mnuFileSaveAs"))->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+Shift+S")));
        QVERIFY(!rig.main().isWindowModified());
        rig.doc.WorkDoc.Keys.KeyOption = static_cast<Int>(rig.doc.WorkDoc.Keys.KeyOption + 1);
        rig.main().history().record();
        QVERIFY(rig.main().isWindowModified());
        rig.main().history().undo();
        QVERIFY(!rig.main().isWindowModified());
        rig.main().history().redo();
        rig.files.answers = {rig.path(QStringLiteral("kept.dat")).toStdString()};
        save->trigger();
        QVERIFY(!rig.main().isWindowModified());
    }

    void statusPanelsShowModelBandAndPort() {
        ShellTestRig rig;
        rig.settings.ComPortNo = 7;
        rig.main();
        auto* bar = rig.find<QWidget>(QStringLiteral("sbStatusBar"));
        QVERIFY(bar);
        QCOMPARE(bar->findChild<QLabel*>(QStringLiteral("Panel_2"))->text(),
                 QStringLiteral("KORVAN 7X[HAM:28.000 - 29.700 MHz]"));
        QCOMPARE(bar->findChild<QLabel*>(QStringLiteral("Panel_3"))->text(),
                 QStringLiteral("<12008>7"));
    }

    void menuEntriesHaveTheirTextsShortcutsAndVisibility() {
        ShellTestRig rig;
        rig.main();
        struct Expected {
            const char* name;
            const char* text;
            const char* shortcut;
            bool visible;
        };
        const Expected expected[] = {
            {"mnuFileNew", "<10001>", "Ctrl+N", true},
            {"mnuFileOpen", "<10002>", "Ctrl+O", true},
            {"mnuFileEOpen", "", "", false},
            {"mnuFilePrint", "<10005>", "", true},
            {"mnuFileExportPdf", "<10943>", "", true},
            {"mnuFileExit", "<10006>", "", true},
            {"MnuCHDelete", "<10805>", "Del", true},
            {"mnuGroupName", "<10220>", "", false},
            {"MnuLocalInfo", "<10207>", "", true},
            {"mnuReadFromRadio", "<10301>", "Ctrl+R", true},
            {"mnuWriteToRadio", "<10302>", "Ctrl+W", true},
            {"MnuProPassWord", "<10303>", "Ctrl+P", true},
            {"MnuCHHabits", "<10808>", "Ctrl+H", false},
            {"mnuHelpTopic", "<10701>", "", false},
            {"mnuHelpAbout", "<10702>", "", true},
        };
        for (const Expected& e : expected) {
            QAction* a = act(rig, e.name);
            QVERIFY2(a, e.name);
            QCOMPARE(a->text(), QString::fromLatin1(e.text));
            QCOMPARE(a->shortcut().toString(), QString::fromLatin1(e.shortcut));
            QCOMPARE(a->isVisible(), e.visible);
        }
        // The grid is the active window from the start, and its commands with it.
        QVERIFY(rig.find<QMenu>(QStringLiteral("MnuCHEdit"))->menuAction()->isVisible());
        QCOMPARE(rig.find<QMenu>(QStringLiteral("mnuProgram"))->title(), QStringLiteral("<10300>"));
        for (const char* name : {"mnuTreeView", "mnuViewToolbar", "mnuViewStatusBar"})
            QVERIFY(act(rig, name)->isChecked());
    }

    void toolbarButtonsCarryTheirTooltipsAndChannelButtonsFollowTheGrid() {
        ShellTestRig rig;
        rig.main();
        auto* bar = rig.find<QToolBar>(QStringLiteral("tbToolBar"));
        const QList<QAction*> buttons = bar->actions();
        QCOMPARE(buttons.size(), 20);
        const char* keys[] = {"NewFile",     "OpenFile",      "SaveFile",    nullptr,
                              "Print",       nullptr,         "ReadRadio",   "CommSet",
                              "WriteRadio",  nullptr,         "BtnCHCut",    "BtnCHCopy",
                              "BtnCHPaste",  nullptr,         "BtnCHInsert", "BtnCHDelete",
                              "BtnCHMoveUp", "BtnCHMoveDown", nullptr,       "About"};
        rig.main().ShowCHInfo(false);  // another window became the active one
        for (int i = 0; i < 20; ++i) {
            const bool channelEdit = i + 1 >= 11 && i + 1 <= 19;
            QCOMPARE(buttons[i]->isVisible(), !channelEdit);
            if (!keys[i]) {
                QVERIFY(buttons[i]->isSeparator());
                continue;
            }
            QCOMPARE(buttons[i]->objectName(), QString::fromLatin1(keys[i]));
        }
        QCOMPARE(act(rig, "NewFile")->toolTip(), QStringLiteral("<11000>"));
        QCOMPARE(act(rig, "About")->toolTip(), QStringLiteral("<11007>"));
        QCOMPARE(act(rig, "BtnCHMoveDown")->toolTip(), QStringLiteral("<11016>"));
        // Every button shows its own picture: no two commands look alike.
        QHash<QByteArray, QString> pictures;
        for (QAction* b : buttons) {
            if (b->isSeparator()) continue;
            const QImage image = b->icon().pixmap(QSize(20, 20)).toImage();
            QVERIFY2(!image.isNull(), qPrintable(b->objectName()));
            const QByteArray bits(reinterpret_cast<const char*>(image.constBits()),
                                  image.sizeInBytes());
            QVERIFY2(!pictures.contains(bits),
                     qPrintable(b->objectName() + " looks like " + pictures.value(bits)));
            pictures.insert(bits, b->objectName());
        }

        rig.main().ShowCHInfo(true);
        QVERIFY(act(rig, "BtnCHCut")->isVisible());
        QVERIFY(rig.find<QMenu>(QStringLiteral("MnuCHEdit"))->menuAction()->isVisible());
    }

    void radioCommandsReachTheTransferMachinery() {
        ShellTestRig rig;
        rig.main();
        act(rig, "ReadRadio")->trigger();
        act(rig, "mnuWriteToRadio")->trigger();
        act(rig, "CommSet")->trigger();
        act(rig, "MnuProPassWord")->trigger();
        QCOMPARE(rig.radio.reads, 1);
        QCOMPARE(rig.radio.writes, 1);
        QCOMPARE(rig.radio.portDialogs, 1);
        QCOMPARE(rig.radio.passwordDialogs, 1);
    }

    void radioInformationClosesTheOldWindowFirst() {
        ShellTestRig rig;
        rig.main().ShowChildWindow(kRadioInfoWindow);
        QVERIFY(rig.main().childWindow(kRadioInfoWindow));
        clickNode(rig, QStringLiteral("N7"));
        QVERIFY(!rig.main().childWindow(kRadioInfoWindow));
        QCOMPARE(rig.radio.infoReads, 1);
    }

    void transferCommandsAreDisabledWhileATransferRuns() {
        ShellTestRig rig;
        rig.main().setTransferRunning(true);
        for (const char* name :
             {"mnuReadFromRadio", "mnuWriteToRadio", "MnuLocalInfo", "ReadRadio", "WriteRadio"})
            QVERIFY2(!act(rig, name)->isEnabled(), name);
        act(rig, "ReadRadio")->trigger();
        clickNode(rig, QStringLiteral("N7"));
        QCOMPARE(rig.radio.reads, 0);
        QCOMPARE(rig.radio.infoReads, 0);
        QVERIFY(act(rig, "mnuFileOpen")->isEnabled());
        rig.main().setTransferRunning(false);
        QVERIFY(act(rig, "MnuLocalInfo")->isEnabled());
    }

    void treeListsTheEditingWindowsInOrder() {
        ShellTestRig rig;
        rig.main();
        QTreeWidgetItem* root = node(rig, QStringLiteral("N0"));
        QVERIFY(root->isExpanded());
        QStringList keys, texts;
        for (int i = 0; i < root->childCount(); ++i) {
            keys << root->child(i)->data(0, Qt::UserRole).toString();
            texts << root->child(i)->text(0);
        }
        QCOMPARE(keys, (QStringList{"N1", "N2", "N4", "N12", "N8", "N7"}));
        QCOMPARE(texts,
                 (QStringList{"<12001>", "<12002>", "<12004>", "<12014>", "<12010>", "<12007>"}));
    }

    void enterAndSpaceOpenTheCurrentNode() {
        ShellTestRig rig;
        rig.main();
        auto* tree = rig.find<QTreeWidget>(QStringLiteral("TreeView1"));
        int reads = 0;
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            tree->setCurrentItem(node(rig, QStringLiteral("N7")));
            QTest::keyClick(tree, key);
            QCOMPARE(rig.radio.infoReads, ++reads);
        }
    }

    void startsWithTheChannelGridOnly() {
        ShellTestRig rig;
        QCOMPARE(openWindowNames(rig), QStringList{kChannelGridWindow});
        QCOMPARE(rig.main().childWindow(kChannelGridWindow)->windowTitle(),
                 QStringLiteral("<14050>"));
    }

    void oneInstancePerEditingWindow() {
        ShellTestRig rig;
        rig.main();
        const std::pair<const char*, QString> entries[] = {
            {"mnuOptFeature", kOptionalFeaturesWindow},
            {"MnuDTMF", kDtmfWindow},
            {"MnuKey", kKeyWindow},
            {"mnuToneTips", kToneTipsWindow},
            {"mnuChannelInfo", kChannelGridWindow}};
        for (const auto& [entry, name] : entries) {
            act(rig, entry)->trigger();
            QWidget* first = rig.main().childWindow(name);
            QVERIFY(first);
            act(rig, entry)->trigger();
            QCOMPARE(rig.main().childWindow(name), first);
        }
        clickNode(rig, QStringLiteral("N2"));
        clickNode(rig, QStringLiteral("N4"));
        clickNode(rig, QStringLiteral("N12"));
        clickNode(rig, QStringLiteral("N8"));
        clickNode(rig, QStringLiteral("N1"));
        clickNode(rig, QStringLiteral("N0"));
        QStringList names = openWindowNames(rig);
        names.sort();
        QCOMPARE(names, (QStringList{kDtmfWindow, kKeyWindow, kOptionalFeaturesWindow,
                                     kToneTipsWindow, kChannelGridWindow}));
        QCOMPARE(rig.main().mdiArea().subWindowList().size(), 5);
    }

    void aWindowOpenedAgainBringsTheSameOneForward() {
        ShellTestRig rig;
        rig.main().show();
        QWidget* dtmf = rig.main().ShowChildWindow(kDtmfWindow);
        rig.main().ShowChildWindow(kKeyWindow);
        QVERIFY(rig.main().mdiArea().activeSubWindow()->widget() != dtmf);
        QCOMPARE(rig.main().ShowChildWindow(kDtmfWindow), dtmf);
        QCOMPARE(rig.main().mdiArea().activeSubWindow()->widget(), dtmf);
    }

    void closingWindowsByNameAndAll() {
        ShellTestRig rig;
        rig.main().ShowChildWindow(kDtmfWindow);
        rig.main().ShowChildWindow(kKeyWindow);
        rig.main().CloseWindowByName(kDtmfWindow);
        QStringList names = openWindowNames(rig);
        names.sort();
        QCOMPARE(names, (QStringList{kKeyWindow, kChannelGridWindow}));
        // A window of that name opens again at once, before the old one is deleted.
        QWidget* again = rig.main().ShowChildWindow(kDtmfWindow);
        QVERIFY(again);
        QCOMPARE(rig.main().childWindow(kDtmfWindow), again);

        act(rig, "mnuCloseAll")->trigger();
        QVERIFY(rig.main().childWindows().isEmpty());
        QCOMPARE(rig.main().mdiArea().subWindowList().size(), 0);
    }

    void registeredWindowsAreMadeByTheirMaker() {
        ShellTestRig rig;
        int made = 0;
        rig.children.add(kKeyWindow, [&made] {
            ++made;
            auto* w = new QWidget;
            w->setWindowTitle(QStringLiteral("real keys"));
            return w;
        });
        rig.main().ShowChildWindow(kKeyWindow);
        rig.main().ShowChildWindow(kKeyWindow);
        QCOMPARE(made, 1);
        QCOMPARE(rig.main().childWindow(kKeyWindow)->windowTitle(), QStringLiteral("real keys"));
    }

    void windowMenuListsTheOpenWindows() {
        ShellTestRig rig;
        rig.main().ShowChildWindow(kDtmfWindow);
        auto* menu = rig.find<QMenu>(QStringLiteral("mnuWindow"));
        emit menu->aboutToShow();
        QStringList listed;
        for (QAction* a : menu->actions())
            if (a->isCheckable()) listed << a->text();
        QCOMPARE(listed, (QStringList{"&1 <14050>", "&2 <18000>"}));
    }

    void languageRefreshClosesEditingWindowsAndReopensTheGrid() {
        ShellTestRig rig(true);
        rig.settings.LangIndex = kEnglish;
        rig.settings.PrevLangIndex = kEnglish;
        rig.settings.LangFile = kEnglishFile;
        rig.main().ShowChildWindow(kDtmfWindow);
        rig.main().ShowChildWindow(kKeyWindow);
        QWidget* oldGrid = rig.main().childWindow(kChannelGridWindow);
        const QString englishTitle = rig.main().windowTitle();
        const QString englishNew = act(rig, "mnuFileNew")->text();

        // Nothing changed: activation rebuilds nothing.
        rig.main().Form_Activate();
        QCOMPARE(rig.main().childWindows().size(), 3);

        rig.settings.PrevLangIndex = kEnglish;
        rig.settings.LangIndex = kChinese;
        rig.settings.LangFile = kChineseFile;
        rig.main().Form_Activate();
        QCOMPARE(rig.settings.PrevLangIndex, kChinese);
        QCOMPARE(openWindowNames(rig), QStringList{kChannelGridWindow});
        QVERIFY(rig.main().childWindow(kChannelGridWindow) != oldGrid);
        QVERIFY(rig.main().windowTitle() != englishTitle);
        QCOMPARE(rig.main().windowTitle().left(rig.main().windowTitle().indexOf('[')),
                 QString::fromStdString(rig.prompts().text(12000)));
        QCOMPARE(act(rig, "mnuFileNew")->text(), QString::fromStdString(rig.prompts().text(10001)));
        QVERIFY(act(rig, "mnuFileNew")->text() != englishNew);
        QCOMPARE(node(rig, QStringLiteral("N1"))->text(0),
                 QString::fromStdString(rig.prompts().text(12001)));
        QCOMPARE(rig.main().childWindow(kChannelGridWindow)->windowTitle(),
                 QString::fromStdString(rig.prompts().text(14050)));
        // Qt's own dialogs follow: their buttons speak Chinese, then English again.
        const auto qtCancel = [] {
            return QCoreApplication::translate("QPlatformTheme", "Cancel");
        };
        QCOMPARE(qtCancel(), QString::fromUtf8("取消"));
        rig.settings.LangIndex = kEnglish;
        rig.settings.LangFile = kEnglishFile;
        rig.main().Form_Activate();
        QCOMPARE(qtCancel(), QStringLiteral("Cancel"));
    }

    void languageDialogThroughTheMenuRefreshesTheWindow() {
        ShellTestRig rig(true);
        rig.main().show();
        rig.main().ShowChildWindow(kDtmfWindow);
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            QCOMPARE(dialog->objectName(), QStringLiteral("FrmSetLanguage"));
            dialog->findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentIndex(1);
            dialog->findChild<QPushButton*>(QStringLiteral("CommandOK"))->click();
        });
        act(rig, "mnuLanguage")->trigger();
        QCOMPARE(rig.settings.LangIndex, kChinese);
        QCOMPARE(rig.settings.PrevLangIndex, kChinese);
        QCOMPARE(openWindowNames(rig), QStringList{kChannelGridWindow});
        QCOMPARE(ReadProfileString(QString::fromStdString(rig.settings.SetupFilePath),
                                   QStringLiteral("language"), QStringLiteral("CurrentLanguage"),
                                   {}, 512),
                 QStringLiteral("2"));
        QCOMPARE(act(rig, "mnuFileNew")->text(), QString::fromStdString(rig.prompts().text(10001)));
    }

    void paneCloseButtonClearsTheCheckMark() {
        ShellTestRig rig;
        rig.main().show();
        auto* pane = rig.find<QWidget>(QStringLiteral("Picture1"));
        QVERIFY(pane->isVisible());
        rig.find<QAction>(QStringLiteral("TB_CLOSE"))->trigger();
        QVERIFY(!pane->isVisible());
        QVERIFY(!act(rig, "mnuTreeView")->isChecked());
        act(rig, "mnuTreeView")->trigger();
        QVERIFY(pane->isVisible());
        QVERIFY(act(rig, "mnuTreeView")->isChecked());
        act(rig, "mnuTreeView")->trigger();
        QVERIFY(!pane->isVisible());
        QVERIFY(!act(rig, "mnuTreeView")->isChecked());
    }

    void toolbarAndStatusBarFollowTheirCheckMarks() {
        ShellTestRig rig;
        rig.main().show();
        act(rig, "mnuViewToolbar")->trigger();
        QVERIFY(!rig.find<QWidget>(QStringLiteral("tbToolBar"))->isVisible());
        act(rig, "mnuViewStatusBar")->trigger();
        QVERIFY(!rig.find<QWidget>(QStringLiteral("sbStatusBar"))->isVisible());
        act(rig, "mnuViewToolbar")->trigger();
        QVERIFY(rig.find<QWidget>(QStringLiteral("tbToolBar"))->isVisible());
    }

    void splitterKeepsThePaneBetweenItsLimits() {
        ShellTestRig rig;
        rig.main().resize(600, 400);
        NavigationPane& pane = rig.main().navigationPane();
        const int start = pane.widthTwips();
        const int inner = PixelsToTwips(rig.main().width());

        // Without the button held the pointer moves nothing.
        pane.CommandMove_MouseMove(150);
        QCOMPARE(pane.widthTwips(), start);

        pane.CommandMove_MouseDown();
        pane.CommandMove_MouseMove(299 - start);
        QCOMPARE(pane.widthTwips(), start);
        pane.CommandMove_MouseMove(300 - start);
        QCOMPARE(pane.widthTwips(), 300);
        QCOMPARE(pane.width(), 20);
        pane.CommandMove_MouseMove(inner - 300 + 1);
        QCOMPARE(pane.widthTwips(), 300);
        pane.CommandMove_MouseMove(inner - 300);
        QCOMPARE(pane.widthTwips(), inner);
        pane.CommandMove_MouseUp();
        QVERIFY(!pane.moveTree());
    }

    void splitterFollowsTheMouse() {
        ShellTestRig rig;
        rig.main().resize(800, 600);
        rig.main().show();
        NavigationPane& pane = rig.main().navigationPane();
        auto* bar = rig.find<QPushButton>(QStringLiteral("CommandMove"));
        const int start = pane.widthTwips();
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(2, 10));
        QVERIFY(pane.moveTree());
        QMouseEvent move(QEvent::MouseMove, QPointF(12, 10), bar->mapToGlobal(QPointF(12, 10)),
                         Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(bar, &move);
        QCOMPARE(pane.widthTwips(), start + 12 * kTwipsPerPixel);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(2, 10));
        QVERIFY(!pane.moveTree());
    }

    void placementIsStoredAndRestored() {
        ShellTestRig rig;
        rig.main().show();
        rig.main().move(45, 60);
        rig.main().resize(700, 500);
        QVERIFY(rig.main().close());
        const WindowPlacement stored = rig.placementStore.load();
        QCOMPARE(stored.MainWidth, 700.0f * 15);
        QCOMPARE(stored.MainHeight, 500.0f * 15);

        rig.window.reset();
        QCOMPARE(rig.main().size(), QSize(700, 500));
    }

    void missingBackgroundLeavesAPlainBackground() {
        ShellTestRig rig;
        QCOMPARE(rig.main().mdiArea().background().style(), Qt::SolidPattern);

        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::white);
        picture.setPixelColor(1, 1, Qt::red);  // first pixel of the tile
        QDir(rig.dir.path()).mkpath(QStringLiteral("V100/PIC"));
        QVERIFY(picture.save(rig.path(QStringLiteral("V100/PIC/BK_1.jpg")), "JPG", 100));
        rig.main().LoadBKPic();
        const QBrush brush = rig.main().mdiArea().background();
        QCOMPARE(brush.style(), Qt::TexturePattern);
        QCOMPARE(brush.textureImage().size(), QSize(38, 28));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"

// The row commands of the channel grid through the main window's actions: row selection, the
// clipboard in both forms, the messages, the labels of the changes and the keys that stay with
// a cell editor.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "GridTestRig.h"
#include "channels/GridColumns.h"
#include "channels/GridCommands.h"
#include "shell/ui/DocumentHistory.h"

using namespace k7x;
using namespace k7x::test;

namespace {

// Rig with the grid shown and active on group "A" (mode 1) or "DE" (mode 0).
struct CommandRig : GridTestRig {
    explicit CommandRig(int mode) : GridTestRig(mode) {
        // The main window shows the commands, as the program has it.
        services.showChannelCommands = [this](bool show) {
            channelCommandsShown = show;
            if (window) main().ShowCHInfo(show);
        };
        for (int n : {1, 2, 3}) channel(n).DTMF_Call = static_cast<Int>(n);
        channel(41);    // another group holds a memory channel
        if (mode == 0)  // the country channels of "DE"
            for (int n = 241; n <= 320; ++n) AddChannel(doc, n, "27.00500");
        main().show();
        open();
        showGroup(mode == 0 ? QStringLiteral("DE") : QStringLiteral("A"));
        QApplication::setActiveWindow(&main());
        table()->setFocus();
        QCoreApplication::processEvents();
    }
    QAction* action(const char* name) { return main().findChild<QAction*>(QLatin1String(name)); }
    void trigger(const char* name) { action(name)->trigger(); }
    void select(int first, int last) {
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, center(first));
        if (last != first)
            QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::ShiftModifier, center(last));
    }
    QPoint center(int position) {
        return table()->visualRect(table()->model()->index(position - 1, 2)).center();
    }
};

}  // namespace

class GridCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void commandsAreThereWhileTheGridIsActive() {
        CommandRig rig(1);
        QVERIFY(rig.channelCommandsShown);
        QVERIFY(rig.action("MnuCHDelete")->isEnabled());
        rig.main().ShowChildWindow(kChannelEditWindow);
        QCoreApplication::processEvents();
        QVERIFY(!rig.channelCommandsShown);
    }

    void selectionByMouseAndKeys() {
        CommandRig rig(1);
        rig.select(2, 4);
        QCOMPARE(rig.open()->commands().selectedPositions(), (std::vector<int>{2, 3, 4}));
        QTest::mouseClick(rig.table()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          rig.center(7));
        QCOMPARE(rig.open()->commands().selectedPositions(), (std::vector<int>{2, 3, 4, 7}));
        rig.select(5, 5);
        QTest::keyClick(rig.table(), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(rig.open()->commands().selectedPositions(), (std::vector<int>{5, 6}));
        // Enter still opens the cell's editor.
        QTest::keyClick(rig.table(), Qt::Key_Return);
        QCOMPARE(rig.openEditor(), QStringLiteral("Combo1_0"));
    }

    void deleteInACellEditorStaysThere() {
        CommandRig rig(1);
        rig.editCell(1, kColFrequency);
        QLineEdit* box = rig.control<QLineEdit>(QStringLiteral("Text1"));
        QVERIFY(box->hasFocus());
        QVERIFY(!rig.action("MnuCHDelete")->isEnabled());
        box->setCursorPosition(0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        QVERIFY(FindChannel(rig.doc, 1) >= 0);
        QCOMPARE(box->text().size(), rig.cell(1, kColFrequency).size() - 1);
        // Back in the table, Del deletes the row's channel and moves the rows below up.
        QTest::keyClick(box, Qt::Key_Escape);
        rig.table()->setFocus();
        rig.select(1, 1);
        QTest::keyClick(rig.table(), Qt::Key_Delete);
        QCOMPARE(rig.channel(1).DTMF_Call, Int{2});
        QCOMPARE(rig.changes, (std::vector<std::string>{"<9253>"}));
    }

    void copyAndPasteBothForms_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("asText");  // only the text reaches the grid
        QTest::newRow("40 rows, private format") << 1 << false;
        QTest::newRow("40 rows, text") << 1 << true;
        QTest::newRow("80 rows, attributes only") << 0 << false;
    }
    void copyAndPasteBothForms() {
        QFETCH(int, mode);
        QFETCH(bool, asText);
        CommandRig rig(mode);
        const int start = GroupStart(mode == 0 ? 6 : 0, mode);
        if (mode == 0)
            for (int p = 1; p <= 3; ++p) rig.channel(start + p).DTMF_Call = static_cast<Int>(p);
        rig.select(1, 3);
        rig.trigger("BtnCHCopy");
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied->hasFormat(QLatin1String(GridCommands::kClipboardFormat)));
        QVERIFY(copied->text().startsWith(QStringLiteral("Location\tName\tFrequency\t")));
        if (asText) QApplication::clipboard()->setText(copied->text());
        const std::string frequency = rig.channel(start + 11).Frequency.raw();
        rig.select(11, 11);
        rig.trigger("MnuCHPaste");
        for (int p = 1; p <= 3; ++p) QCOMPARE(rig.channel(start + 10 + p).DTMF_Call, Int(p));
        if (mode == 0) QCOMPARE(rig.channel(start + 11).Frequency.raw(), frequency);
        QCOMPARE(rig.changes, (std::vector<std::string>{"<9250>"}));
        QCOMPARE(rig.cell(11, kColFrequency),
                 mode == 0 ? QStringLiteral("27.00500") : rig.cell(1, kColFrequency));
        QCOMPARE(rig.open()->commands().selectedPositions(), (std::vector<int>{11, 12, 13}));
    }

    void pasteFromAnotherProgramReportsWhatItLeft() {
        CommandRig rig(1);
        QApplication::clipboard()->setText(
            QStringLiteral("Mode,Frequency,Name\nFM,28.5,x\nFM,40.0,y\nAM,29.0,z\nFM,29.5,w\n"));
        rig.select(38, 38);
        rig.trigger("MnuCHPaste");
        QCOMPARE(rig.prompts().texts().size(), std::size_t{1});  // one message says it all
        const QString shown = QString::fromStdString(rig.prompts().texts().front());
        QVERIFY(shown.contains(QStringLiteral("<9240>")));
        QVERIFY(shown.contains(QStringLiteral("<9245>")));
        QCOMPARE(rig.cell(38, kColFrequency), QStringLiteral("28.50000"));
        QCOMPARE(rig.cell(39, kColFrequency), QString());
        QCOMPARE(rig.cell(40, kColFrequency), QStringLiteral("29.00000"));
    }

    void refusalsAreReportedOnce_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("texts");
        QTest::newRow("cut of all MEM channels") << "MEM" << 1 << 8 << "MnuCHCut" << 9242;
        QTest::newRow("delete of the VFO") << "VFO" << 1 << 1 << "MnuCHDelete" << 9242;
        QTest::newRow("insert on a full group") << "B" << 1 << 1 << "MnuCHInsert" << 9241;
    }
    void refusalsAreReportedOnce() {
        QFETCH(QString, group);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QString, command);
        QFETCH(int, texts);
        CommandRig rig(1);
        for (int n = 41; n <= 80; ++n) rig.channel(n);
        for (int n = 402; n <= 409; ++n) rig.channel(n);
        rig.showGroup(group);
        rig.table()->setFocus();
        rig.select(first, last);
        rig.trigger(command.toLatin1().constData());
        QCOMPARE(rig.prompts().texts().size(), std::size_t{1});
        QVERIFY(rig.prompts().texts().front().starts_with("<" + std::to_string(texts) + ">"));
    }

    void aCommandIsOneUndoStepAndUndoRedrawsTheGrid() {
        CommandRig rig(1);
        rig.main().history().reset();  // the rig's own setting up is no step
        const DocumentState before = rig.doc;
        const QString shown = rig.table()->item(1, kColFrequency)->text();
        rig.select(2, 3);
        rig.trigger("MnuCHDelete");
        QCoreApplication::processEvents();
        const DocumentState after = rig.doc;
        DocumentHistory& history = rig.main().history();
        QCOMPARE(history.stack().count(), 1);
        QCOMPARE(history.stack().text(0).toStdString(), rig.changes.back());

        history.undo();
        QVERIFY(rig.doc.WorkDoc == before.WorkDoc && rig.doc.ChannelList == before.ChannelList);
        QCOMPARE(rig.table()->item(1, kColFrequency)->text(), shown);
        history.redo();
        QVERIFY(rig.doc.WorkDoc == after.WorkDoc && rig.doc.ChannelList == after.ChannelList);
    }

    void moveKeepsTheBlockSelected() {
        CommandRig rig(1);
        rig.select(2, 3);
        QTest::keyClick(rig.table(), Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(rig.channel(1).DTMF_Call, Int{2});
        QCOMPARE(rig.channel(3).DTMF_Call, Int{1});
        QCOMPARE(rig.open()->commands().selectedPositions(), (std::vector<int>{1, 2}));
        rig.trigger("MnuCHMoveUp");  // at the top: nothing moves, nothing is recorded
        QCOMPARE(rig.changes, (std::vector<std::string>{"<9254>"}));
    }
};

QTEST_MAIN(GridCommandsTest)
#include "GridCommandsTest.moc"

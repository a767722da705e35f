// Editing in the channel grid's cells: which cells open an editor, what the editors let in,
// when they commit, and what a commit does to the channel list.
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

#include "GridTestRig.h"
#include "ListChoice.h"
#include "channels/GridColumns.h"

using namespace k7x;
using namespace k7x::test;

namespace {

// Types text into the open editor and presses Enter.
void typeAndEnter(GridTestRig& rig, const QString& editor, const QString& text) {
    auto* box = rig.control<QLineEdit>(editor);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

}  // namespace

class GridCellEditingTest : public QObject {
    Q_OBJECT
private slots:
    void cellOpensItsEditorUnlessLocked_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("editor");  // "" when nothing opens
        // Channel 1 (position 1 of the first group) exists; position 5 is empty. Channel 2
        // has Public on.
        QTest::newRow("frequency, modes 1-2") << 1 << "A" << 1 << 1 << "Text1";
        QTest::newRow("frequency of an empty row") << 1 << "A" << 5 << 1 << "Text1";
        QTest::newRow("frequency, mode 0") << 0 << "EU" << 1 << 1 << "";
        QTest::newRow("mode 0 MEM frequency") << 0 << "MEM" << 1 << 1 << "";
        QTest::newRow("mode 0 empty row") << 0 << "EU" << 5 << 2 << "";
        QTest::newRow("mode 0 channel row") << 0 << "EU" << 1 << 2 << "Combo1_0";
        QTest::newRow("duplex, Public off") << 1 << "A" << 1 << 3 << "Combo2_0";
        QTest::newRow("offset, Public off") << 2 << "A" << 1 << 4 << "Text2";
        QTest::newRow("duplex, Public on") << 1 << "A" << 2 << 3 << "";
        QTest::newRow("offset, Public on") << 1 << "A" << 2 << 4 << "";
        QTest::newRow("TSQ, Public on") << 1 << "A" << 2 << 5 << "Combo3_0";
        QTest::newRow("scan of VFO") << 2 << "VFO" << 1 << 6 << "";
        QTest::newRow("TSQ of VFO") << 2 << "VFO" << 1 << 5 << "Combo3_0";
        QTest::newRow("number column") << 1 << "A" << 1 << 0 << "";
    }
    void cellOpensItsEditorUnlessLocked() {
        QFETCH(int, mode);
        QFETCH(QString, group);
        QFETCH(int, position);
        QFETCH(int, column);
        QFETCH(QString, editor);
        GridTestRig rig(mode);
        rig.channel(1).Public = 0;
        rig.channel(2).Public = 1;
        rig.open();
        rig.showGroup(group);
        rig.editCell(position, column);
        QCOMPARE(rig.openEditor(), editor);
        if (!editor.isEmpty()) {
            QCOMPARE(rig.state.EditPosition, position);
            QCOMPARE(rig.state.EditColumn, column);
        }
    }

    void typingAFrequencyIntoAnEmptyRowAddsAChannel() {
        GridTestRig rig(1);
        rig.open();
        rig.showGroup("B");
        rig.editCell(3, kColFrequency);
        typeAndEnter(rig, "Text1", "28.5");
        const int index = FindChannel(rig.doc, 43);
        QVERIFY(index >= 0);
        const ChannelRecord& ch = rig.doc.ChannelList[static_cast<std::size_t>(index)];
        QCOMPARE(ch.Frequency.str(), std::string("02850000"));
        QCOMPARE(ch.Scan, Int{1});
        QCOMPARE(ch.OffSetFre, Int{100});
        QCOMPARE(rig.cell(3, kColFrequency), QStringLiteral("28.50000"));
        QCOMPARE(rig.cell(3, kColScan), QStringLiteral("Add"));
        QCOMPARE(rig.openEditor(), QString());
        // Clearing it again removes it: channel 1 of group A is still there.
        rig.editCell(3, kColFrequency);
        typeAndEnter(rig, "Text1", "");
        QCOMPARE(FindChannel(rig.doc, 43), -1);
        QVERIFY(rig.cell(3, kColFrequency).isEmpty());
    }

    void clearingALastChannelIsRefusedAndTheRowRedrawn_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("channelNo");
        QTest::newRow("only memory channel") << "A" << 1;
        QTest::newRow("only MEM channel") << "MEM" << 402;
        QTest::newRow("VFO") << "VFO" << 401;
    }
    void clearingALastChannelIsRefusedAndTheRowRedrawn() {
        QFETCH(QString, group);
        QFETCH(int, channelNo);
        GridTestRig rig(2);
        while (FindChannel(rig.doc, 403) >= 0 || rig.doc.WorkDoc.ChannelCount > 3)
            DeleteChannel(rig.doc, rig.doc.WorkDoc.ChannelCount - 1);
        QCOMPARE(rig.doc.WorkDoc.ChannelCount, Int{3});  // channels 1, 401, 402
        rig.open();
        rig.showGroup(group);
        const QString before = rig.cell(1, kColFrequency);
        rig.editCell(1, kColFrequency);
        typeAndEnter(rig, "Text1", "");
        QVERIFY(FindChannel(rig.doc, channelNo) >= 0);
        QCOMPARE(rig.cell(1, kColFrequency), before);
    }

    void textBoxesLetInOnlyTheirCharacters_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("frequency") << 1 << "2a8.5x -"
                                   << "28.5";
        QTest::newRow("offset") << 4 << "1.5b0"
                                << "150";
    }
    void textBoxesLetInOnlyTheirCharacters() {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        GridTestRig rig(1);
        rig.channel(1).Public = 0;
        rig.open();
        rig.editCell(1, column);
        auto* box = rig.control<QLineEdit>(column == 1 ? "Text1" : "Text2");
        box->clear();
        QTest::keyClicks(box, typed);
        QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("é"));
        QCoreApplication::sendEvent(box, &accented);
        QCOMPARE(box->text(), kept);
        // Ctrl+V pastes nothing; a paste by another way lets nothing foreign in.
        QGuiApplication::clipboard()->setText(QStringLiteral("27"));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), kept);
        QGuiApplication::clipboard()->setText(QStringLiteral("x1"));
        box->paste();
        QCOMPARE(box->text(), kept);
    }

    void listCommitsTheUsersChoiceOnly() {
        GridTestRig rig(1);
        rig.channel(1).Scan = 1;
        rig.channel(2).Scan = 0;
        rig.open();
        RedrawCounter redraws(rig.doc);
        auto* list = rig.control("Combo4_0");
        rig.editCell(1, kColScan);  // the list moves to "Add"
        rig.editCell(2, kColScan);  // and back to "Del": neither is a choice
        QCOMPARE(list->currentText(), QStringLiteral("Del"));
        QCOMPARE(redraws.rows, 0);
        ChooseEntry(*list, 1);
        QCOMPARE(rig.channel(2).Scan, Int{1});
        QCOMPARE(rig.cell(2, kColScan), QStringLiteral("Add"));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(rig.openEditor(), QString());
        QCOMPARE(redraws.rows, 1);
    }

    void escapeLeavesWithoutCommitting() {
        GridTestRig rig(1);
        rig.open();
        rig.editCell(1, kColFrequency);
        auto* box = rig.control<QLineEdit>("Text1");
        const QString before = rig.cell(1, kColFrequency);
        QTest::keyClicks(box, "29");
        QTest::keyClick(box, Qt::Key_Escape);
        QCOMPARE(rig.openEditor(), QString());
        QCOMPARE(rig.cell(1, kColFrequency), before);
        rig.open()->ValidateControls();  // the hidden editor has nothing left to commit
        QCOMPARE(rig.cell(1, kColFrequency), before);
    }

    void leavingTheEditorCommits_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("focus to the group list") << "focus";
        QTest::newRow("before a transfer") << "validate";
        QTest::newRow("window closes") << "close";
        QTest::newRow("edit button") << "button";
    }
    void leavingTheEditorCommits() {
        QFETCH(QString, how);
        GridTestRig rig(1);
        rig.main().show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.main()));
        frmCommChInfo* grid = rig.open();
        rig.editCell(4, kColFrequency);
        auto* box = rig.control<QLineEdit>("Text1");
        QTRY_VERIFY(box->hasFocus());
        QTest::keyClicks(box, "29.1");
        if (how == "focus") rig.control("Combo7")->setFocus();
        if (how == "validate") grid->ValidateControls();
        if (how == "close") rig.control<QPushButton>("CommandClose")->click();
        if (how == "button") rig.control<QPushButton>("CommandCHInfoEdit")->click();
        QTRY_VERIFY(FindChannel(rig.doc, 4) >= 0);
        QCOMPARE(rig.channel(4).Frequency.str(), std::string("02910000"));
        if (how == "button") QVERIFY(rig.state.EditOpen);
    }

    void editorCommitsToTheCellItWasOpenedOn() {
        GridTestRig rig(1);
        rig.open();
        rig.editCell(6, kColFrequency);
        // The edit window moves the shared position while the grid's editor is open.
        rig.state.EditPosition = 9;
        typeAndEnter(rig, "Text1", "28.2");
        QVERIFY(FindChannel(rig.doc, 6) >= 0);
        QCOMPARE(FindChannel(rig.doc, 9), -1);
    }

    void typingOnACellStaysOnItsRow_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("editor");  // "" when nothing opens
        // Position 3 holds 27.1 MHz and scan "Add": a search by typing would jump there.
        QTest::newRow("frequency, mode 1") << 1 << "A" << 1 << "27.1"
                                           << "Text1";
        QTest::newRow("frequency, mode 2") << 2 << "A" << 1 << "27.1"
                                           << "Text1";
        QTest::newRow("country frequency, mode 0") << 0 << "EU" << 1 << "27.1"
                                                   << "";
        QTest::newRow("letter on a flag") << 1 << "A" << 6 << "A"
                                          << "";
    }
    void typingOnACellStaysOnItsRow() {
        QFETCH(int, mode);
        QFETCH(QString, group);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, editor);
        GridTestRig rig(mode);
        rig.main().show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.main()));
        rig.channel(1).Scan = 0;
        rig.channel(3).Scan = 1;
        rig.channel(3).Frequency.set("02710000");
        rig.open();
        rig.showGroup(group);
        QTableWidget* table = rig.table();
        table->setCurrentCell(0, column);
        QTRY_VERIFY(table->hasFocus());
        // Each key goes where the keyboard is, with the events between keys handled, as a
        // user's typing does.
        for (const QChar ch : typed) {
            QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
            QCoreApplication::processEvents();
        }
        QCOMPARE(rig.openEditor(), editor);
        QCOMPARE(table->currentRow(), 0);
        if (!editor.isEmpty()) QCOMPARE(rig.control<QLineEdit>(editor)->text(), typed);
    }

    void keysOfTheGrid() {
        GridTestRig rig(1);
        rig.open();
        QTableWidget* table = rig.table();
        table->setCurrentCell(0, kColPublic);
        QTest::keyClick(table, Qt::Key_F2);
        QCOMPARE(rig.openEditor(), QStringLiteral("Combo1_0"));
        QTest::keyClick(rig.control("Combo1_0"), Qt::Key_Escape);
        QCOMPARE(rig.openEditor(), QString());
        // Enter on ">>" opens the edit window on the row.
        table->setCurrentCell(2, kGridEditColumn);
        QTest::keyClick(table, Qt::Key_Return);
        QVERIFY(rig.state.EditOpen);
        QCOMPARE(rig.state.EditPosition, 3);
    }

    void currentCellIsFramedWhileTheGridHasTheFocus() {
        GridTestRig rig(1);
        rig.main().show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.main()));
        rig.open();
        QTableWidget* table = rig.table();
        table->setCurrentCell(1, kColTsq);
        // Inside the cell's left edge the selected row shows its text colour only as a frame.
        const QRect cell = table->visualRect(table->model()->index(1, kColTsq));
        auto framed = [&] {
            const QImage image = table->viewport()->grab().toImage();
            return image.pixelColor(cell.left() + 1, cell.center().y()) ==
                   table->palette().color(QPalette::HighlightedText);
        };
        QTRY_VERIFY(table->hasFocus());
        QVERIFY(framed());
        rig.control("Combo7")->setFocus();
        QTRY_VERIFY(!framed());
    }
};

QTEST_MAIN(GridCellEditingTest)
#include "GridCellEditingTest.moc"

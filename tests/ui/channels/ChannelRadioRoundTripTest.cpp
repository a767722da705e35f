// End to end with the simulated radio: read it, change a frequency in the grid and three
// attributes in the edit window with the keyboard, write it back, and read it again with
// korvan7x-cli. The radio then holds exactly those four changes.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>

#include "ChannelTestRig.h"
#include "SimulatedRadio.h"
#include "codeplug/Groups.h"

using namespace k7x;
using namespace k7x::test;

namespace {

constexpr int kGroupA = 0;
constexpr int kPosition = 2;  // the row edited

std::vector<ChannelRecord> channelsOf(const DocumentState& doc) {
    return {doc.ChannelList.begin(), doc.ChannelList.begin() + doc.WorkDoc.ChannelCount};
}

}  // namespace

class ChannelRadioRoundTripTest : public QObject {
    Q_OBJECT

private slots:
    // Modes 1 and 2 take a typed frequency in the grid; mode 0, whose country channels have
    // fixed frequencies, takes the Scan flag there instead.
    void editsMadeInTheWindowsAreWhatTheRadioGets_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("CB") << 0;
        QTest::newRow("HF") << 1;
        QTest::newRow("HAM") << 2;
    }
    void editsMadeInTheWindowsAreWhatTheRadioGets() {
        QFETCH(int, mode);
        const int kMode = mode;
        ChannelTestRig rig(kMode);
        SimulatedRadio radio(rig);
        if (!radio.staged()) QSKIP("programs not staged");
        const int channelNo = GroupStart(kGroupA, kMode) + kPosition;

        // The radio's channels: a new document's, with the edited row in use.
        DocumentState radioDoc = rig.doc;
        if (FindChannel(radioDoc, channelNo) < 0) QVERIFY(AddChannel(radioDoc, channelNo, ""));
        ChannelRecord& onRadio =
            radioDoc.ChannelList[std::size_t(FindChannel(radioDoc, channelNo))];
        SetChannelField(onRadio, kColFrequency, kMode == 0 ? "26.97500" : "28.50000", radioDoc);
        SetChannelField(onRadio, kColTsq, "0", radioDoc);
        SetChannelField(onRadio, kColRdct, "0", radioDoc);
        SetChannelField(onRadio, kColTdct, "0", radioDoc);
        radio.start(kMode, radioDoc);
        if (QTest::currentTestFailed()) return;

        // Read: the grid comes back with the radio's channels.
        radio.read();
        if (QTest::currentTestFailed()) return;
        DocumentState expected = rig.doc;  // what the radio holds, as the program reads it
        QVERIFY(FindChannel(expected, channelNo) >= 0);

        frmCommChInfo* grid = nullptr;
        QTRY_VERIFY((grid = qobject_cast<frmCommChInfo*>(
                         rig.window->childWindow(kChannelGridWindow))) != nullptr);
        auto* groups = grid->findChild<QComboBox*>(QStringLiteral("Combo7"));
        groups->setCurrentIndex(kGroupA);
        auto* table = grid->findChild<QTableWidget*>(QStringLiteral("MSFlexGrid1"));

        table->setFocus();
        if (kMode != 0) {
            // The frequency, typed into its cell.
            table->setCurrentCell(kPosition - 1, kColFrequency);
            QTest::keyClick(table, Qt::Key_F2);
            auto* editor = grid->findChild<QLineEdit*>(QStringLiteral("Text1"));
            QVERIFY(editor && editor->isVisible());
            QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(editor, QStringLiteral("28.125"));
            QTest::keyClick(editor, Qt::Key_Return);
            QCOMPARE(table->item(kPosition - 1, kColFrequency)->text(), QStringLiteral("28.12500"));
            EditChannelCell(expected, rig.prompts(), kGroupA, kPosition, kColFrequency, "28.12500");
        } else {
            // The Scan flag, chosen in its cell's list.
            const int scan =
                expected.ChannelList[std::size_t(FindChannel(expected, channelNo))].Scan;
            table->setCurrentCell(kPosition - 1, 6);
            QTest::keyClick(table, Qt::Key_F2);
            auto* list = grid->findChild<QComboBox*>(QStringLiteral("Combo4_0"));
            QVERIFY(list && list->isVisible());
            QTest::keyClick(list, scan == 0 ? Qt::Key_Down : Qt::Key_Up);
            QTest::keyClick(list, Qt::Key_Return);
            EditChannelCell(expected, rig.prompts(), kGroupA, kPosition, kColScan,
                            std::to_string(1 - scan));
            QCOMPARE(table->item(kPosition - 1, 6)->text(), list->itemText(1 - scan));
        }

        // Three attributes in the edit window, each one entry further down its list.
        table->setCurrentCell(kPosition - 1, 7);
        QTest::keyClick(table, Qt::Key_Return);
        FrmCHInfoEdit* edit = nullptr;
        QTRY_VERIFY((edit = qobject_cast<FrmCHInfoEdit*>(
                         rig.window->childWindow(kChannelEditWindow))) != nullptr);
        QCOMPARE(edit->findChild<QComboBox*>(QStringLiteral("Combo1"))->currentText(),
                 QString::number(kPosition));
        const std::pair<const char*, int> rows[] = {
            {"Combo2_2", kColTsq}, {"Combo2_14", kColRdct}, {"Combo2_15", kColTdct}};
        for (const auto& [name, column] : rows) {
            auto* list = edit->findChild<QComboBox*>(QString::fromLatin1(name));
            QVERIFY2(list && list->isEnabled(), name);
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(list->currentIndex(), 1);
            EditChannelCell(expected, rig.prompts(), kGroupA, kPosition, column, "1");
        }
        QVERIFY(channelsOf(rig.doc) == channelsOf(expected));

        // Write, then read the radio afresh with the command line.
        radio.write();
        if (QTest::currentTestFailed()) return;
        DocumentState after;
        radio.readWithCli(after);
        if (QTest::currentTestFailed()) return;
        QVERIFY(channelsOf(after) == channelsOf(expected));
        PackImage(after);
        PackImage(expected);
        PackImage(radioDoc);
        QCOMPARE(BytesOf(after.MemImage), BytesOf(expected.MemImage));
        QVERIFY(BytesOf(after.MemImage) != BytesOf(radioDoc.MemImage));
    }
};

QTEST_MAIN(ChannelRadioRoundTripTest)
#include "ChannelRadioRoundTripTest.moc"

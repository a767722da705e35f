// The channel grid window: which rows and settings each group shows, the country selectors,
// the group settings rules, row drawing and the caption.
#include <QApplication>
#include <QHeaderView>
#include <QLabel>

#include "GridTestRig.h"
#include "ListChoice.h"
#include "channels/GridColumns.h"
#include "shell/ui/ReadableColour.h"

using namespace k7x;
using namespace k7x::test;

class ChannelGridTest : public QObject {
    Q_OBJECT
private slots:
    void groupShowsItsRowsAndSettings_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("panel");  // the settings lists shown, in Combo8_0..3, Combo10
        QTest::newRow("letter group") << 1 << "A" << 40 << "8_0 8_1 8_2 8_3 10_0 10_1";
        QTest::newRow("VFO: no settings") << 2 << "VFO" << 1 << "";
        QTest::newRow("MEM, modes 1-2") << 1 << "MEM" << 8 << "8_0";
        QTest::newRow("country group") << 0 << "EU" << 40 << "8_0 8_1 8_2 10_0 10_1";
        QTest::newRow("DE: 80 rows") << 0 << "DE" << 80 << "8_0 8_1 8_2 10_0 10_1";
        QTest::newRow("MEM, mode 0") << 0 << "MEM" << 8 << "8_0";
    }
    void groupShowsItsRowsAndSettings() {
        QFETCH(int, mode);
        QFETCH(QString, group);
        GridTestRig rig(mode);
        rig.open();
        rig.showGroup(group);
        QFETCH(int, rows);
        QFETCH(QString, panel);
        QCOMPARE(rig.table()->rowCount(), rows);
        QCOMPARE(rig.cell(rig.table()->rowCount(), 0), QString::number(rig.table()->rowCount()));
        QCOMPARE(rig.cell(1, kGridEditColumn), QStringLiteral(">>"));
        QStringList shown;
        for (const char* name : {"8_0", "8_1", "8_2", "8_3", "10_0", "10_1"})
            if (rig.shown(QStringLiteral("Combo") + QLatin1String(name))) shown << name;
        QCOMPARE(shown.join(' '), panel);
        QVERIFY(!rig.shown("Label3_3"));
        // Mode 0 chooses with the country pair; the group list only keeps the selection.
        QCOMPARE(rig.shown("Combo7"), mode != 0);
        QCOMPARE(rig.shown("Combo9_0"), mode == 0);
    }

    void countryPairChoosesUAndUK() {
        GridTestRig rig(0);
        rig.channel(81).Public = 0;   // "U" position 1
        rig.channel(121).Public = 1;  // "UK" position 1
        rig.open();
        QComboBox* country = rig.control("Combo9_0");
        QComboBox* sub = rig.control("Combo9_1");
        QVERIFY(!rig.shown("Combo9_1"));
        ChooseEntry(*country, "U");
        QVERIFY(rig.shown("Combo9_1"));
        QCOMPARE(sub->currentText(), QStringLiteral("U"));
        QCOMPARE(rig.control("Combo7")->currentText(), QStringLiteral("U"));
        QCOMPARE(rig.cell(1, kColPublic), QStringLiteral("Off"));
        ChooseEntry(*sub, 1);
        QCOMPARE(rig.doc.WorkDoc.Options.CurrentGroup, Int{3});
        QCOMPARE(rig.cell(1, kColPublic), QStringLiteral("On"));
        ChooseEntry(*country, "PL");
        QVERIFY(!rig.shown("Combo9_1"));
        QCOMPARE(rig.state.EditGroup, 4);
        // The edit window leads: the pair mirrors the group without choosing again.
        rig.state.EditGroup = 3;
        rig.open()->ChangeGroup();
        QCOMPARE(country->currentText(), QStringLiteral("U"));
        QCOMPARE(sub->currentText(), QStringLiteral("UK"));
        QCOMPARE(rig.control("Combo7")->currentText(), QStringLiteral("UK"));
    }

    void reopensOnTheDocumentsGroup_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter group") << 1 << 3 << "D";
        QTest::newRow("outside the list: first group") << 2 << 50 << "A";
        QTest::newRow("UK through the pair") << 0 << 3 << "UK";
    }
    void reopensOnTheDocumentsGroup() {
        QFETCH(int, mode);
        QFETCH(int, stored);
        QFETCH(QString, shown);
        GridTestRig rig(mode);
        rig.doc.WorkDoc.Options.CurrentGroup = static_cast<Int>(stored);
        rig.open();
        QCOMPARE(rig.control("Combo7")->currentText(), shown);
        QCOMPARE(rig.doc.WorkDoc.Options.CurrentGroup, Int(rig.control("Combo7")->currentIndex()));
        if (mode == 0) QCOMPARE(rig.control("Combo9_1")->currentText(), shown);
    }

    void rowsShowTheRecordAndEmptyPositionsOnlyTheirNumber() {
        GridTestRig rig(1);
        ChannelRecord& ch = rig.channel(43);
        ch.Public = 0;
        ch.DUP = 2;
        ch.OffSetFre = 25;
        ch.TSQ = 1;
        ch.Scan = 7;  // outside the list: its first entry
        rig.open();
        rig.showGroup("B");
        const QStringList row3 = {"28.50000", "Off", "-", "25", "On", "Del"};
        for (int c = 1; c <= 6; ++c) QCOMPARE(rig.cell(3, c), row3[c - 1]);
        for (int c = 1; c <= 6; ++c) QVERIFY(rig.cell(2, c).isEmpty());
        QCOMPARE(rig.cell(2, 0), QStringLiteral("2"));
        QVERIFY(rig.table()->isColumnHidden(3) && rig.table()->isColumnHidden(4));
        QCOMPARE(rig.table()->horizontalHeaderItem(6)->text(), QStringLiteral("<14008>"));
        QCOMPARE(rig.table()->item(0, 0)->foreground().color(), QColor(0, 0, 255));
        QCOMPARE(rig.table()->item(0, 7)->background().color(), QColor(220, 220, 220));
    }

    // On a dark palette the numbers, the headers and the ">>" marks still stand out.
    void colouredTextsReadOnADarkPalette() {
        const QPalette before = QApplication::palette();
        QPalette dark = before;
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Button, QColor(53, 53, 53));
        dark.setColor(QPalette::Text, Qt::white);
        QApplication::setPalette(dark);
        {
            GridTestRig rig(1);
            rig.open();
            QTableWidget& t = *rig.table();
            const QColor base = t.palette().color(QPalette::Base);
            const struct {
                const char* what;
                QColor text, background;
            } kTexts[] = {
                {"number", t.item(1, 0)->foreground().color(), base},
                {"header", t.horizontalHeaderItem(1)->foreground().color(),
                 t.horizontalHeader()->palette().color(QPalette::Button)},
                {"edit mark", t.item(1, 7)->foreground().color(),
                 t.item(1, 7)->background().color()},
            };
            for (const auto& c : kTexts)
                QVERIFY2(ContrastRatio(c.text, c.background) >= kTextContrast, c.what);
            // The mark's face is the palette's, not a light grey patch.
            QCOMPARE(t.item(1, 7)->background().color(), QColor(53, 53, 53));
        }
        QApplication::setPalette(before);
    }

    void reShowGridRedrawsOnlyTheChannelsRow() {
        GridTestRig rig(1);
        rig.channel(2).TSQ = 0;
        frmCommChInfo* grid = rig.open();
        rig.channel(1).TSQ = 1;
        rig.channel(2).TSQ = 1;
        rig.channel(41).TSQ = 1;  // another group
        grid->reShowGrid(2);
        grid->reShowGrid(41);
        QCOMPARE(rig.cell(2, kColTsq), QStringLiteral("On"));
        QCOMPARE(rig.cell(1, kColTsq), QStringLiteral("Off"));  // not asked: still as drawn
        DeleteChannel(rig.doc, FindChannel(rig.doc, 2));
        grid->reShowGrid(2);
        QVERIFY(rig.cell(2, kColFrequency).isEmpty());
    }

    void modulationIsLockedToFmWhereOnlyFmIsSent() {
        GridTestRig rig(0);
        rig.channel(284);  // "DE" position 44
        rig.channel(244);  // "DE" position 4
        rig.channel(41);   // "CE" position 1
        OptionRecord& opt = rig.doc.WorkDoc.Options;
        opt.GroupPair[6] = {43, 3};
        opt.GroupBytes[6] = {1, 1};
        opt.GroupBytes[1] = {1, 1};
        rig.open();
        QComboBox* mod1 = rig.control("Combo10_0");
        QComboBox* mod2 = rig.control("Combo10_1");
        QComboBox* country = rig.control("Combo9_0");
        ChooseEntry(*country, "DE");
        QVERIFY(!mod1->isEnabled() && mod1->currentIndex() == 0 && opt.GroupBytes[6][0] == 0);
        QVERIFY(mod2->isEnabled() && mod2->currentIndex() == 1);
        // Choosing position 44 as emergency channel 2 locks its modulation too.
        QComboBox* pair2 = rig.control("Combo8_2");
        ChooseEntry(*pair2, "44");
        QCOMPARE(opt.GroupPair[6][1], Int{43});
        QVERIFY(!mod2->isEnabled() && opt.GroupBytes[6][1] == 0);
        ChooseEntry(*country, "CE");
        QVERIFY(!mod1->isEnabled() && !mod2->isEnabled());
        QCOMPARE(opt.GroupBytes[1], (std::array<Byte, 2>{0, 0}));
    }

    void lastEnabledGroupStaysEnabled() {
        GridTestRig rig(1);
        OptionRecord& opt = rig.doc.WorkDoc.Options;
        rig.open();
        QComboBox* enable = rig.control("Combo8_3");
        ChooseEntry(*enable, 0);  // "Disable" for "A", the only enabled group
        QCOMPARE(enable->currentText(), QStringLiteral("Enable"));
        QCOMPARE(opt.GroupEnabled[0], Int{1});
        // A group without channels cannot be enabled, and may be disabled though it is the
        // only enabled one: the group of the first channel takes over.
        opt.GroupEnabled = {0, 1};
        rig.showGroup("B");
        QCOMPARE(enable->currentText(), QStringLiteral("Enable"));
        ChooseEntry(*enable, 0);
        QCOMPARE(opt.GroupEnabled[1], Int{0});
        QCOMPARE(opt.GroupEnabled[0], Int{1});
        ChooseEntry(*enable, 1);
        QCOMPARE(enable->currentText(), QStringLiteral("Disable"));
        // With another group enabled, "A" may go.
        rig.channel(81);
        opt.GroupEnabled[2] = 1;
        rig.showGroup("A");
        ChooseEntry(*enable, 0);
        QCOMPARE(opt.GroupEnabled[0], Int{0});
    }

    void workingChannelListsThePositionsAndStoresTheChoice() {
        GridTestRig rig(2);
        rig.channel(5);
        rig.open();
        QComboBox* working = rig.control("Combo8_0");
        QCOMPARE(working->count(), 2);
        ChooseEntry(*working, "5");
        QCOMPARE(rig.doc.WorkDoc.Options.GroupCurrent[0], Int{4});
        rig.showGroup("MEM");
        QCOMPARE(working->count(), 8);
        QCOMPARE(working->currentText(), QStringLiteral("2"));  // CurrentMem 1
        ChooseEntry(*working, "7");
        QCOMPARE(rig.doc.WorkDoc.Options.CurrentMem, Int{6});
    }

    void captionNamesGroupAndRow() {
        GridTestRig rig(1);
        frmCommChInfo* grid = rig.open();
        QCOMPARE(grid->windowTitle(), QStringLiteral("<14012> A ---  1]"));
        rig.table()->setCurrentCell(11, 2);
        QCOMPARE(grid->windowTitle(), QStringLiteral("<14012> A ---  12]"));
        rig.showGroup("MEM");
        QCOMPARE(grid->windowTitle(), QStringLiteral("<14012> MEM ---  1]"));
    }

    void editPositionBeyondTheNewGroupReturnsToOne() {
        GridTestRig rig(1);
        rig.open();
        rig.state.EditPosition = 30;
        rig.showGroup("B");
        QCOMPARE(rig.state.EditPosition, 30);
        rig.showGroup("MEM");
        QCOMPARE(rig.state.EditPosition, 1);
    }

    void everyLabelHasItsControl() {
        GridTestRig rig(1);
        frmCommChInfo* grid = rig.open();
        for (QLabel* label : grid->findChildren<QLabel*>())
            QVERIFY2(label->buddy(), qPrintable(label->objectName()));
        QVERIFY(!rig.shown("CommandHelp"));
    }

    void deactivationHidesTheChannelCommands() {
        GridTestRig rig(1);
        rig.main().show();
        rig.open();
        rig.edit();
        QTRY_VERIFY(rig.channelCommandCalls > 0);
        QVERIFY(!rig.channelCommandsShown);
    }
};

QTEST_MAIN(ChannelGridTest)
#include "ChannelGridTest.moc"

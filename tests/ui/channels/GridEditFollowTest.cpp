// The grid and the edit window follow each other: a group chosen in either shows in both, and a
// commit in either redraws the other.
#include "GridTestRig.h"
#include "ListChoice.h"

using namespace k7x;
using namespace k7x::test;

class GridEditFollowTest : public QObject {
    Q_OBJECT

    static QComboBox* editList(FrmCHInfoEdit* edit, const char* name) {
        return edit->findChild<QComboBox*>(QString::fromLatin1(name));
    }

private slots:
    // A group picked in one window is the group of the other, in either direction and by
    // either kind of selector (letter groups, the mode-0 country pair).
    void aGroupChosenInEitherWindowShowsInBoth_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("inGrid");
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("rows");
        QTest::newRow("grid picks C") << 1 << true << "C" << 40;
        QTest::newRow("edit window picks VFO") << 2 << false << "VFO" << 1;
        QTest::newRow("grid picks DE by country") << 0 << true << "DE" << 80;
        QTest::newRow("edit window picks UK by country") << 0 << false << "UK" << 40;
    }
    void aGroupChosenInEitherWindowShowsInBoth() {
        QFETCH(int, mode);
        QFETCH(bool, inGrid);
        QFETCH(QString, group);
        QFETCH(int, rows);
        GridTestRig rig(mode);
        frmCommChInfo* grid = rig.open();
        FrmCHInfoEdit* edit = rig.edit();
        QVERIFY(grid && edit);

        QWidget* window = inGrid ? static_cast<QWidget*>(grid) : edit;
        const char* country = inGrid ? "Combo9_0" : "Combo3_0";
        const char* sub = inGrid ? "Combo9_1" : "Combo3_1";
        const char* letters = inGrid ? "Combo7" : "Combo4";
        if (mode == 0) {
            auto* countries = window->findChild<QComboBox*>(QString::fromLatin1(country));
            const bool viaU = group == QLatin1String("U") || group == QLatin1String("UK");
            ChooseEntry(*countries, viaU ? QStringLiteral("U") : group);
            if (viaU) {
                auto* subList = window->findChild<QComboBox*>(QString::fromLatin1(sub));
                ChooseEntry(*subList, group);
            }
        } else {
            auto* list = window->findChild<QComboBox*>(QString::fromLatin1(letters));
            list->setCurrentIndex(list->findText(group));
        }

        QCOMPARE(rig.control(QStringLiteral("Combo7"))->currentText(), group);
        QCOMPARE(editList(edit, "Combo4")->currentText(), group);
        QCOMPARE(rig.table()->rowCount(), rows);
        QCOMPARE(editList(edit, "Combo1")->count(), rows);
        QCOMPARE(QString::fromStdString(GroupName(rig.state.EditGroup, mode)), group);
        if (mode == 0) {
            QCOMPARE(rig.control(QStringLiteral("Combo9_1"))->currentText() == group,
                     editList(edit, "Combo3_1")->currentText() == group);
        }
    }

    // A cell committed in the grid shows in the edit window on that channel, and a list
    // committed in the edit window redraws the grid row.
    void aCommitInEitherWindowRedrawsTheOther() {
        GridTestRig rig(1);
        rig.channel(3);  // group A, position 3
        frmCommChInfo* grid = rig.open();
        rig.editCell(3, kColTsq);  // the grid's position is the edit window's
        grid->SetEditDisable();
        FrmCHInfoEdit* edit = rig.edit();
        QCOMPARE(editList(edit, "Combo1")->currentText(), QStringLiteral("3"));

        auto* tsq = editList(edit, "Combo2_2");
        const int before = tsq->currentIndex();
        EditChannelCell(rig.doc, rig.prompts(), 0, 3, kColTsq, before == 0 ? "1" : "0");
        QCOMPARE(tsq->currentIndex(), 1 - before);

        auto* scan = editList(edit, "Combo2_3");
        const QString shownBefore = rig.cell(3, 6);
        ChooseEntry(*scan, 1 - scan->currentIndex());
        QVERIFY(rig.cell(3, 6) != shownBefore);
        QCOMPARE(rig.cell(3, 6), scan->currentText());
    }

    // ">>" on a row opens the edit window on that row's channel.
    void theEditColumnOpensTheEditWindowOnItsRow() {
        GridTestRig rig(2);
        rig.channel(5);
        rig.open();
        rig.editCell(5, 7);
        auto* edit = qobject_cast<FrmCHInfoEdit*>(rig.main().childWindow(kChannelEditWindow));
        QVERIFY(edit);
        QCOMPARE(editList(edit, "Combo1")->currentText(), QStringLiteral("5"));
        QCOMPARE(rig.state.EditPosition, 5);
    }
};

QTEST_MAIN(GridEditFollowTest)
#include "GridEditFollowTest.moc"

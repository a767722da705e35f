// The memory frequency dialog: the country channel it preselects, what its lists offer, and what
// its OK and Cancel do to the MEM channel through the channel edit window.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "ChannelTestRig.h"
#include "channels/Frm_Mem_Freq.h"
#include "codeplug/CodeplugFile.h"

using namespace k7x;
using namespace k7x::test;

namespace {

constexpr int kGroupMem = 8;

// A mode-0 document: channel 1 (EU 1) at 27.18500 from the defaults, CE 21 and EU 21 both at
// 27.20500 (CE listed first), UK 4 shown at 27.60125, and the eight default MEM channels.
struct MemRig {
    MemRig() : rig(0) {
        rig.main();
        for (auto [number, frequency] : {std::pair{61, "27.205"}, {21, "27.205"}, {124, "27.601"}})
            AddChannel(rig.doc, number, frequency);
        TakeIntoSavedCopy(rig.doc);
    }
    QComboBox* list(const QWidget& w, int i) {
        return w.findChild<QComboBox*>(QStringLiteral("Combo1_%1").arg(i));
    }
    QLineEdit* text(const QWidget& w) { return w.findChild<QLineEdit*>(QStringLiteral("Text1")); }

    // Opens the edit window on MEM position 1 and presses ">"; act drives the dialog.
    FrmCHInfoEdit* pressMemButton(const std::function<void(Frm_Mem_Freq&)>& act) {
        rig.state.EditGroup = kGroupMem;
        rig.state.EditPosition = 1;
        FrmCHInfoEdit* edit = rig.edit();
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<Frm_Mem_Freq*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            act(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        edit->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        return edit;
    }
    void choose(Frm_Mem_Freq& d, int country, int position) {
        list(d, 0)->setCurrentIndex(country);
        if (position >= 0) list(d, 1)->setCurrentIndex(position);
    }
    void press(Frm_Mem_Freq& d, const char* name) {
        d.findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }

    ChannelTestRig rig;
};

}  // namespace

class MemFreqDialogTest : public QObject {
    Q_OBJECT
private slots:
    void preselectsTheNearestCountryChannel_data() {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<int>("country");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("positions");
        QTest::newRow("first of equals in list order") << "27.20500" << 2 << 20 << 40;
        QTest::newRow("nearest") << "27.19000" << 1 << 0 << 40;
        QTest::newRow("UK by its shown frequency") << "27.60125" << 4 << 3 << 40;
        QTest::newRow("not numeric") << "abc" << 0 << -1 << 0;
        QTest::newRow("empty") << "" << 0 << -1 << 0;
    }
    void preselectsTheNearestCountryChannel() {
        QFETCH(QString, frequency);
        QFETCH(int, country);
        QFETCH(int, position);
        QFETCH(int, positions);
        MemRig r;
        Frm_Mem_Freq dialog(r.rig.doc, r.rig.prompts(), frequency);
        QCOMPARE(r.list(dialog, 0)->count(), 9);
        QCOMPARE(r.list(dialog, 0)->currentIndex(), country);
        QCOMPARE(r.list(dialog, 1)->count(), positions);
        QCOMPARE(r.list(dialog, 1)->currentIndex(), position);
        QCOMPARE(dialog.frequencyText(), frequency);  // opening shows, does not choose
    }

    void countryChangeKeepsPositionWhereItFits() {
        MemRig r;
        Frm_Mem_Freq dialog(r.rig.doc, r.rig.prompts(), QStringLiteral("27.20500"));
        r.choose(dialog, 7, -1);  // "DE"
        QCOMPARE(r.list(dialog, 1)->count(), 80);
        QCOMPARE(r.list(dialog, 1)->currentIndex(), 20);
        QCOMPARE(dialog.frequencyText(), QStringLiteral("27.20500"));  // DE 21 is not listed
        r.choose(dialog, 7, 60);
        r.choose(dialog, 1, -1);  // "EU" has 40 positions: back to the first
        QCOMPARE(r.list(dialog, 1)->currentIndex(), 0);
        QCOMPARE(dialog.frequencyText(), QStringLiteral("27.18500"));
        r.choose(dialog, 4, 3);  // "UK" 4 shows its 12.5 kHz frequency
        QCOMPARE(dialog.frequencyText(), QStringLiteral("27.60125"));
        r.choose(dialog, 0, -1);
        QCOMPARE(r.list(dialog, 1)->count(), 0);
        QVERIFY(dialog.frequencyText().isEmpty());
    }

    void okStoresTheChosenFrequency() {
        MemRig r;
        FrmCHInfoEdit* edit = r.pressMemButton([&r](Frm_Mem_Freq& d) {
            r.choose(d, 1, 20);
            r.press(d, "CommandOK");
        });
        const int index = FindChannel(r.rig.doc, kFirstMemChannel);
        QCOMPARE(r.rig.doc.ChannelList[static_cast<std::size_t>(index)].Frequency.str(),
                 std::string("02720500"));
        QCOMPARE(r.text(*edit)->text(), QStringLiteral("27.20500"));
    }

    void cancelChangesNothing() {
        MemRig r;
        FrmCHInfoEdit* edit = r.pressMemButton([&r](Frm_Mem_Freq& d) {
            r.choose(d, 1, 20);
            r.press(d, "CommandCancel");
        });
        QVERIFY(!IsDocumentChanged(r.rig.doc));
        QCOMPARE(r.text(*edit)->text(), QStringLiteral("28.01125"));
    }

    void offRemovesTheMemChannelUnlessItIsTheLast_data() {
        QTest::addColumn<bool>("onlyOne");
        QTest::newRow("eight MEM channels") << false;
        QTest::newRow("the last MEM channel") << true;
    }
    void offRemovesTheMemChannelUnlessItIsTheLast() {
        QFETCH(bool, onlyOne);
        MemRig r;
        if (onlyOne) {
            for (int n = kFirstMemChannel + 1; n <= kFirstMemChannel + 7; ++n)
                DeleteChannel(r.rig.doc, FindChannel(r.rig.doc, n));
        }
        r.pressMemButton([&r](Frm_Mem_Freq& d) {
            r.choose(d, 0, -1);
            r.press(d, "CommandOK");
        });
        QCOMPARE(FindChannel(r.rig.doc, kFirstMemChannel) >= 0, onlyOne);
    }
};

QTEST_MAIN(MemFreqDialogTest)
#include "MemFreqDialogTest.moc"

// The optional features window: what its lists hold and store, the rows each country mode
// shows, the ratio and offset fields, the reference lists that follow the document, and that
// opening it changes nothing.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ListChoice.h"
#include "SettingsTestRig.h"
#include "codeplug/ChannelList.h"
#include "codeplug/CodeplugFile.h"
#include "settings/FrmOptFeatures.h"
#include "settings/OptFeatureLists.h"

using namespace k7x;
using namespace k7x::test;

namespace {

struct OptRig {
    explicit OptRig(int mode = 1) : rig(mode) { rig.main(); }
    FrmOptFeatures* open() {
        TakeIntoSavedCopy(rig.doc);
        window = rig.open<FrmOptFeatures>(kOptionalFeaturesWindow);
        return window;
    }
    template <typename T = QComboBox>
    T* get(const QString& name) {
        return window->findChild<T*>(name);
    }
    QComboBox* setting(int i) { return get(QStringLiteral("Combo1_%1").arg(i)); }
    QComboBox* common(ChannelColumn c) {
        return get(QStringLiteral("Combo2_%1").arg(FieldOf(c).commonControl));
    }
    QLineEdit* text(int i) { return get<QLineEdit>(QStringLiteral("Text%1").arg(i)); }
    OptionRecord& options() { return rig.doc.WorkDoc.Options; }
    ChannelRecord& pub() { return rig.doc.WorkDoc.PublicChannel; }
    static QStringList entries(const QComboBox* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->itemText(i);
        return out;
    }

    SettingsTestRig rig;
    FrmOptFeatures* window = nullptr;
};

// The control Tab moves to from w.
QWidget* NextTabStop(QWidget* w) {
    do w = w->nextInFocusChain();
    while (!(w->focusPolicy() & Qt::TabFocus) || w->isHidden());
    return w;
}

}  // namespace

class OptFeaturesWindowTest : public QObject {
    Q_OBJECT
private slots:
    void settingListsHoldAndStore_data() {
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("pick");
        QTest::addColumn<int>("stored");
        QTest::newRow("timer by index") << 3 << 31 << "30<16061>" << 5 << 5;
        QTest::newRow("brightness by number") << 4 << 3 << "3" << 2 << 3;
        QTest::newRow("volume by number") << 5 << 56 << "56" << 39 << 40;
        QTest::newRow("squelch by index") << 6 << 29 << "28" << 28 << 28;
        QTest::newRow("gain by index") << 9 << 12 << "<16049>" << 11 << 11;
        QTest::newRow("scan time by index") << 12 << 6 << "30<16060>" << 0 << 0;
        QTest::newRow("ASQ back-off by number") << 14 << 7 << "7" << 0 << 1;
    }
    void settingListsHoldAndStore() {
        QFETCH(int, list);
        QFETCH(int, count);
        QFETCH(QString, last);
        QFETCH(int, pick);
        QFETCH(int, stored);
        OptRig r;
        r.options().Setting[static_cast<std::size_t>(list - 2)] = 2;
        r.open();
        QComboBox* combo = r.setting(list);
        QCOMPARE(combo->count(), count);
        QCOMPARE(combo->itemText(count - 1), last);
        ChooseEntry(*combo, pick);
        QCOMPARE(r.options().Setting[static_cast<std::size_t>(list - 2)], stored);
    }

    void modeChoosesTheRowsShown_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("CB") << 0;
        QTest::newRow("HF") << 1;
        QTest::newRow("HAM") << 2;
    }
    void modeChoosesTheRowsShown() {
        QFETCH(int, mode);
        OptRig r(mode);
        r.open();
        const bool cb = mode == 0;
        for (ChannelColumn i : {kColDup, kColTxPower}) QCOMPARE(r.common(i)->isHidden(), cb);
        QCOMPARE(r.text(2)->isHidden(), cb);
        QVERIFY(r.common(kColAddSub5K)->isHidden());
        QCOMPARE(r.setting(kListVfoGroup)->isHidden(), cb);
        QCOMPARE(r.get(QStringLiteral("Combo3_0"))->isHidden(), !cb);
        QCOMPARE(r.get<QLabel>(QStringLiteral("Label1_1"))->buddy(),
                 cb ? r.get(QStringLiteral("Combo3_0")) : r.setting(kListVfoGroup));
        QVERIFY(!OptRig::entries(r.setting(kListVfoGroup)).contains(QStringLiteral("MEM")));
        QVERIFY(r.get<QPushButton>(QStringLiteral("CommandHelp"))->isHidden());
        for (QLabel* label : r.window->findChildren<QLabel*>()) QVERIFY(label->buddy());
        // Tab follows the rows: the offset after the duplex list, the group row in its place.
        QCOMPARE(NextTabStop(r.setting(0)), cb ? r.get(QStringLiteral("Combo3_0")) : r.setting(1));
        QCOMPARE(NextTabStop(r.setting(16)), r.get<QWidget>(QStringLiteral("Check1")));
        QWidget* afterRatio = NextTabStop(r.text(1));
        QCOMPARE(afterRatio, cb ? r.common(kColRdct) : r.common(kColDup));
        if (!cb) QCOMPARE(NextTabStop(NextTabStop(afterRatio)), r.common(kColRdct));
    }

    void countryPairStoresTheVfoGroup() {
        OptRig r(0);
        r.options().UseVfo = 3;  // UK
        r.open();
        auto* country = r.get(QStringLiteral("Combo3_0"));
        auto* sub = r.get(QStringLiteral("Combo3_1"));
        QCOMPARE(country->currentText(), QStringLiteral("U"));
        QCOMPARE(sub->currentText(), QStringLiteral("UK"));
        QCOMPARE(country->findText(QStringLiteral("MEM")), -1);  // the VFO is never in MEM
        ChooseEntry(*country, QStringLiteral("DE"));
        QCOMPARE(r.options().UseVfo, 6);
        QVERIFY(sub->isHidden());
        ChooseEntry(*country, QStringLiteral("U"));  // the sub-selector keeps its choice
        QCOMPARE(r.options().UseVfo, 3);
        ChooseEntry(*sub, QStringLiteral("U"));
        QCOMPARE(r.options().UseVfo, 2);
    }

    void choosingAmLowersHighPower() {
        OptRig r;
        r.pub().AM_FM = 0;
        r.pub().Tx_Power = 2;
        r.open();
        QCOMPARE(r.common(kColTxPower)->count(), 3);
        ChooseEntry(*r.common(kColAmFm), 1);
        QCOMPARE(r.pub().AM_FM, 1);
        QCOMPARE(r.pub().Tx_Power, 1);
        QCOMPARE(r.common(kColTxPower)->count(), 2);
        QCOMPARE(r.common(kColTxPower)->currentIndex(), 1);
        ChooseEntry(*r.common(kColAmFm), 0);
        QCOMPARE(r.common(kColTxPower)->count(), 3);
        QCOMPARE(r.pub().Tx_Power, 1);
    }

    void ratioFieldLimitsAndRounds_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("stored");
        QTest::newRow("above") << "25"
                               << "20.0" << 200;
        QTest::newRow("below") << "6.5"
                               << "7.0" << 70;
        QTest::newRow("letters dropped, empty") << "abc"
                                                << "20.0" << 200;
        QTest::newRow("two points") << "1.2.3"
                                    << "20.0" << 200;
        QTest::newRow("shown as stored") << "7.25"
                                         << "7.3" << 73;
    }
    void ratioFieldLimitsAndRounds() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, stored);
        OptRig r;
        r.open();
        QLineEdit* ratio = r.text(1);
        ratio->clear();
        QTest::keyClicks(ratio, typed);
        QTest::keyClick(ratio, Qt::Key_Return);
        QCOMPARE(ratio->text(), shown);
        QCOMPARE(r.options().Setting[kSetMaxSwr], stored);
    }

    void offsetFieldFiltersAndClamps_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("above") << "1003" << 1000;
        QTest::newRow("below") << "2" << 5;
        QTest::newRow("step, letters dropped") << "3a3.7" << 335;
    }
    void offsetFieldFiltersAndClamps() {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        OptRig r;
        r.open();
        QLineEdit* offset = r.text(2);
        offset->selectAll();
        QTest::keyClick(offset, Qt::Key_V, Qt::ControlModifier);  // paste is swallowed
        QTest::keyClicks(offset, typed);
        QCOMPARE(r.pub().OffSetFre, stored);
        QTest::keyClick(offset, Qt::Key_Return);
        QCOMPARE(offset->text(), QString::number(stored));
    }

    void referenceListsFollowTheDocument() {
        OptRig r;
        CodeplugDocument& w = r.rig.doc.WorkDoc;
        for (ToneTipRecord& tip : w.ToneTips) tip.RepeatCount = 0;
        for (int tip : {3, 5}) {
            w.ToneTips[static_cast<std::size_t>(tip - 1)].RepeatCount = 1;
            w.ToneTips[static_cast<std::size_t>(tip - 1)].Steps[0] = {100, 10};
        }
        for (DtmfCode& code : w.Dtmf.Codes) code.CodeLength = 0;
        w.Dtmf.Codes[1].CodeLength = 3;
        r.pub().RBTone = 3;
        r.pub().DTMF_EOT = 4;  // not defined
        r.open();
        QComboBox* rb = r.common(kColRbTone);
        QCOMPARE(OptRig::entries(rb), QStringList({"<15030>", "3", "5"}));
        QCOMPARE(rb->currentText(), QStringLiteral("3"));
        QCOMPARE(r.common(kColDtmfEot)->currentIndex(), 0);
        ChooseEntry(*r.common(kColDtmfBot), QStringLiteral("2"));
        QCOMPARE(r.pub().DTMF_BOT, 2);

        w.ToneTips[2].RepeatCount = 0;
        RevalidateToneTipReferences(r.rig.doc);
        QCOMPARE(OptRig::entries(rb), QStringList({"<15030>", "5"}));
        QCOMPARE(rb->currentIndex(), 0);
        QCOMPARE(r.pub().RBTone, 0);

        w.Dtmf.Codes[3].CodeLength = 2;
        r.rig.doc.notify([](DocumentListener& l) { l.ShowDtmfLists(); });
        QCOMPARE(OptRig::entries(r.common(kColDtmfCall)), QStringList({"<14013>", "2", "4"}));
        QCOMPARE(r.common(kColDtmfEot)->currentText(), QStringLiteral("4"));
        QCOMPARE(r.pub().DTMF_EOT, 4);
    }

    void openingLeavesAFileWithOutOfListValuesAlone() {
        OptRig r;
        r.options().Setting[kSetUseMaxSwr] = 2;
        r.options().Setting[kSetMaxSwr] = 300;
        r.options().Setting[3] = 60;  // no such volume entry
        r.options().UseVfo = 40;
        r.pub().Tx_Power = 2;
        r.pub().AM_FM = 1;
        r.pub().RBTone = 9;
        r.pub().OffSetFre = 3;
        const QString first = r.rig.path(QStringLiteral("first.dat"));
        const QString second = r.rig.path(QStringLiteral("second.dat"));
        QVERIFY(SaveFile(r.rig.doc, first.toStdString(), r.rig.prompts()));
        QCOMPARE(OpenFile(r.rig.doc, first.toStdString(), "", r.rig.settings.Versions,
                          r.rig.prompts(), {}),
                 OpenResult::Opened);
        r.window = r.rig.open<FrmOptFeatures>(kOptionalFeaturesWindow);
        QVERIFY(!r.get<QCheckBox>(QStringLiteral("Check1"))->isChecked());
        QCOMPARE(r.text(1)->text(), QStringLiteral("30.0"));
        QCOMPARE(r.common(kColTxPower)->currentIndex(), 1);
        r.text(1)->setFocus();
        r.window->ValidateControls();  // passing through the ratio field is no edit
        r.rig.main().CloseCurAllWindows();
        QTRY_VERIFY(r.rig.doc.listeners.empty());
        QVERIFY(!IsDocumentChanged(r.rig.doc));
        QVERIFY(SaveFile(r.rig.doc, second.toStdString(), r.rig.prompts()));
        QFile a(first), b(second);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(a.readAll(), b.readAll());
    }
};

QTEST_MAIN(OptFeaturesWindowTest)
#include "OptFeaturesWindowTest.moc"

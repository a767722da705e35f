// The channel edit window: which rows it offers and locks, what its lists hold, how its
// frequency and offset fields filter and commit, and that its own filling changes nothing.
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <set>

#include "ChannelTestRig.h"
#include "ListChoice.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/Conversions.h"
#include "codeplug/Groups.h"

using namespace k7x;
using namespace k7x::test;

namespace {

// A fresh document of the mode (the main window starts it with the mode's band and
// defaults) and the edit window on it.
struct EditRig {
    explicit EditRig(int mode) : rig(mode) { rig.main(); }
    ChannelRecord& add(int channelNo, const char* frequency) {
        AddChannel(rig.doc, channelNo, frequency);
        return record(channelNo);
    }
    ChannelRecord& record(int channelNo) {
        return rig.doc.ChannelList[static_cast<std::size_t>(FindChannel(rig.doc, channelNo))];
    }
    // Opens on group/position with the document as saved, so changes show in IsDocumentChanged.
    FrmCHInfoEdit* open(int group, int position) {
        rig.state.EditGroup = group;
        rig.state.EditPosition = position;
        TakeIntoSavedCopy(rig.doc);
        window = rig.edit();
        return window;
    }
    template <typename T>
    T* get(const QString& name) {
        return window->findChild<T*>(name);
    }
    QComboBox* row(int i) { return get<QComboBox>(QStringLiteral("Combo2_%1").arg(i)); }
    QComboBox* list(ChannelColumn c) { return row(FieldOf(c).editRow); }
    QLineEdit* text(int i) { return get<QLineEdit>(QStringLiteral("Text%1").arg(i)); }
    QStringList entries(QComboBox* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->itemText(i);
        return out;
    }

    ChannelTestRig rig;
    FrmCHInfoEdit* window = nullptr;
};

constexpr int kModeCb = 0;
constexpr int kModeHf = 1;
constexpr int kGroupA = 0, kGroupVfo = 10, kGroupMemHf = 11;
constexpr int kGroupEU = 0, kGroupCE = 1, kGroupUK = 3, kGroupDE = 6, kGroupMemCb = 8;

}  // namespace

class ChannelEditWindowTest : public QObject {
    Q_OBJECT
private slots:
    void fmOnlyChannelsAreStoredAsFm_data() {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("fixed");
        QTest::newRow("CE") << kGroupCE << 5 << true;
        QTest::newRow("UK") << kGroupUK << 1 << true;
        QTest::newRow("DE 41") << kGroupDE << 41 << true;
        QTest::newRow("DE 40") << kGroupDE << 40 << false;
        QTest::newRow("EU") << kGroupEU << 3 << false;
    }
    void fmOnlyChannelsAreStoredAsFm() {
        QFETCH(int, group);
        QFETCH(int, position);
        QFETCH(bool, fixed);
        EditRig r(kModeCb);
        const int channelNo = GroupStart(group, kModeCb) + position;
        ChannelRecord& ch = r.add(channelNo, "27.00500");
        ch.Public = 0;
        ch.AM_FM = 1;
        r.open(group, position);
        QCOMPARE(r.record(channelNo).AM_FM, fixed ? 0 : 1);
        QCOMPARE(r.list(kColAmFm)->currentIndex(), fixed ? 0 : 1);
        QCOMPARE(r.list(kColAmFm)->isEnabled(), !fixed);
        QCOMPARE(FrmCHInfoEdit::IsFixFM(position, group, kModeHf), false);
    }

    void publicOnLocksTheOtherRows() {
        EditRig r(kModeHf);
        r.record(1).Public = 1;
        r.open(kGroupA, 1);
        const std::set<int> alwaysOpen = {kColPublic, kColTsq, kColScan, kColRdct, kColTdct};
        for (const ChannelFieldInfo& f : kChannelFields)
            if (f.editRow != kNoControl)
                QVERIFY2(r.list(f.column)->isEnabled() == (alwaysOpen.count(f.column) > 0),
                         f.key.data());
        QVERIFY(!r.text(2)->isEnabled());
        ChooseEntry(*r.list(kColPublic), 0);
        QCOMPARE(r.record(1).Public, 0);
        for (int i = 0; i < kOptionRowCount; ++i) QVERIFY(r.row(i)->isEnabled());
        QVERIFY(r.text(2)->isEnabled());
    }

    void txPowerListFollowsModulation_data() {
        QTest::addColumn<int>("amFm");
        QTest::addColumn<int>("power");
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("shown");
        QTest::newRow("FM high") << 0 << 2 << 3 << 2;
        QTest::newRow("AM high from a file shows middle") << 1 << 2 << 2 << 1;
        QTest::newRow("AM low") << 1 << 0 << 2 << 0;
    }
    void txPowerListFollowsModulation() {
        QFETCH(int, amFm);
        QFETCH(int, power);
        QFETCH(int, entries);
        QFETCH(int, shown);
        EditRig r(kModeHf);
        ChannelRecord& ch = r.record(1);
        ch.Public = 0;
        ch.AM_FM = static_cast<Int>(amFm);
        ch.Tx_Power = static_cast<Int>(power);
        r.open(kGroupA, 1);
        QCOMPARE(r.list(kColTxPower)->count(), entries);
        QCOMPARE(r.list(kColTxPower)->currentIndex(), shown);
        QCOMPARE(r.record(1).Tx_Power, power);  // showing does not store
        QVERIFY(!IsDocumentChanged(r.rig.doc));
    }

    void choosingAmLowersHighPower() {
        EditRig r(kModeHf);
        r.record(1).Public = 0;
        r.record(1).Tx_Power = 2;
        r.open(kGroupA, 1);
        ChooseEntry(*r.list(kColAmFm), 1);
        QCOMPARE(r.record(1).AM_FM, 1);
        QCOMPARE(r.record(1).Tx_Power, 1);
        QCOMPARE(r.list(kColTxPower)->count(), 2);
        QCOMPARE(r.list(kColTxPower)->currentIndex(), 1);
    }

    void rowsShownByModeAndGroup() {
        EditRig cb(kModeCb);
        cb.open(kGroupMemCb, 1);
        for (ChannelColumn hidden : {kColDup, kColTxPower, kColAddSub5K})
            QVERIFY(cb.list(hidden)->isHidden());
        QVERIFY(cb.text(2)->isHidden());
        QVERIFY(!cb.text(1)->isEnabled());
        QVERIFY(!cb.get<QPushButton>(QStringLiteral("Command1"))->isHidden());
        QCOMPARE(cb.window->heightTwips(), 7645);

        EditRig hf(kModeHf);
        hf.open(kGroupVfo, 1);
        QVERIFY(hf.list(kColScan)->isHidden());
        for (ChannelColumn shown : {kColDup, kColTxPower}) QVERIFY(!hf.list(shown)->isHidden());
        QVERIFY(hf.list(kColAddSub5K)->isHidden());
        QVERIFY(hf.get<QPushButton>(QStringLiteral("Command1"))->isHidden());
        QCOMPARE(hf.window->heightTwips(), 8725);
        hf.get<QComboBox>(QStringLiteral("Combo4"))->setCurrentIndex(kGroupA);
        QVERIFY(!hf.list(kColScan)->isHidden());
    }

    void referenceListsHoldValidTipsAndDefinedCodes() {
        EditRig r(kModeHf);
        CodeplugDocument& w = r.rig.doc.WorkDoc;
        for (ToneTipRecord& tip : w.ToneTips) tip.RepeatCount = 0;
        for (int tip : {3, 5}) {
            w.ToneTips[static_cast<std::size_t>(tip - 1)].RepeatCount = 1;
            w.ToneTips[static_cast<std::size_t>(tip - 1)].Steps[0] = {100, 10};
        }
        for (int code : {2, 7}) w.Dtmf.Codes[static_cast<std::size_t>(code - 1)].CodeLength = 3;
        ChannelRecord& ch = r.record(1);
        ch.Public = 0;
        ch.RBTone = 5;
        ch.DTMF_BOT = 7;
        ch.DTMF_EOT = 4;  // no longer defined
        r.open(kGroupA, 1);
        QCOMPARE(r.entries(r.list(kColRbTone)), QStringList({"<15030>", "3", "5"}));
        QCOMPARE(r.list(kColRbTone)->currentText(), QStringLiteral("5"));
        QCOMPARE(r.entries(r.list(kColDtmfBot)), QStringList({"<14013>", "2", "7"}));
        QCOMPARE(r.list(kColDtmfBot)->currentText(), QStringLiteral("7"));
        QCOMPARE(r.list(kColDtmfEot)->currentIndex(), 0);
        QCOMPARE(r.list(kColRdct)->count(), kToneValueCount);

        ChooseEntry(*r.list(kColRbTone), QStringLiteral("3"));
        QCOMPARE(r.record(1).RBTone, 3);
        ChooseEntry(*r.list(kColDtmfBot), 0);  // the "none" entry stores 0
        QCOMPARE(r.record(1).DTMF_BOT, 0);

        // Tone tip 3 stops sounding: the references are re-checked and the list rebuilt.
        w.ToneTips[2].RepeatCount = 0;
        RevalidateToneTipReferences(r.rig.doc);
        QCOMPARE(r.entries(r.list(kColRbTone)), QStringList({"<15030>", "5"}));
        QCOMPARE(r.list(kColRbTone)->currentIndex(), 0);
        // Code 4 is defined again: the refreshed lists offer it and find the reference.
        w.Dtmf.Codes[3].CodeLength = 2;
        r.window->ShowDtmfLists();
        QCOMPARE(r.list(kColDtmfEot)->currentText(), QStringLiteral("4"));
    }

    void frequencyFieldFiltersAndCommits() {
        EditRig r(kModeHf);
        r.open(kGroupA, 2);  // no channel there yet
        QLineEdit* freq = r.text(1);
        QVERIFY(freq->isEnabled());
        for (int i = 0; i < kOptionRowCount; ++i) QVERIFY(!r.row(i)->isEnabled());
        QGuiApplication::clipboard()->setText(QStringLiteral("29"));
        QTest::keyClick(freq, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClicks(freq, QStringLiteral("2a8.5x"));
        QCOMPARE(freq->text(), QStringLiteral("28.5"));
        QTest::keyClick(freq, Qt::Key_Return);
        const ChannelRecord& made = r.record(2);
        QCOMPARE(made.Frequency.str(), std::string("02850000"));
        QCOMPARE(made.OffSetFre, 100);  // the defaults of a new channel
        QCOMPARE(made.Public, 1);
        QCOMPARE(freq->text(), QStringLiteral("28.50000"));
        QVERIFY(r.list(kColScan)->isEnabled());

        // Group A holds the only memory channels: emptying one is refused and the field
        // shows the stored frequency again.
        r.get<QComboBox>(QStringLiteral("Combo1"))->setCurrentIndex(0);
        const QString stored = freq->text();
        freq->selectAll();
        QTest::keyClick(freq, Qt::Key_Delete);
        r.window->ValidateControls();
        QVERIFY(FindChannel(r.rig.doc, 1) >= 0);
        QCOMPARE(freq->text(), stored);
    }

    void leavingTheFieldCommits() {
        EditRig r(kModeHf);
        r.rig.main().show();
        QVERIFY(QTest::qWaitForWindowActive(&r.rig.main()));
        r.open(kGroupA, 3);
        QLineEdit* freq = r.text(1);
        freq->setFocus();
        QTest::keyClicks(freq, QStringLiteral("27.5"));
        r.get<QComboBox>(QStringLiteral("Combo1"))->setFocus();
        QCOMPARE(r.record(3).Frequency.str(), std::string("02750000"));
        // Only passing through the field commits nothing.
        TakeIntoSavedCopy(r.rig.doc);
        freq->setFocus();
        r.list(kColScan)->setFocus();
        QVERIFY(!IsDocumentChanged(r.rig.doc));
    }

    void offsetFieldFiltersClampsAndRestores() {
        EditRig r(kModeHf);
        r.record(1).Public = 0;
        r.open(kGroupA, 1);
        QLineEdit* offset = r.text(2);
        offset->clear();
        QTest::keyClicks(offset, QStringLiteral("3a3.3"));
        QCOMPARE(offset->text(), QStringLiteral("333"));
        QTest::keyClick(offset, Qt::Key_Return);
        QCOMPARE(r.record(1).OffSetFre, 330);
        QCOMPARE(offset->text(), QStringLiteral("330"));
        offset->selectAll();
        QTest::keyClick(offset, Qt::Key_Backspace);
        r.window->ValidateControls();
        QCOMPARE(offset->text(), QStringLiteral("330"));
        QCOMPARE(r.record(1).OffSetFre, 330);
    }

    void ownFillingChangesNothing_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("CB") << kModeCb;
        QTest::newRow("HF") << kModeHf;
    }
    void ownFillingChangesNothing() {
        QFETCH(int, mode);
        EditRig r(mode);
        r.open(0, 1);
        auto* groups = r.get<QComboBox>(QStringLiteral("Combo4"));
        auto* positions = r.get<QComboBox>(QStringLiteral("Combo1"));
        for (int g = groups->count() - 1; g >= 0; --g) {
            groups->setCurrentIndex(g);
            for (int p = 0; p < positions->count(); p += 7) positions->setCurrentIndex(p);
        }
        r.window->SetGridEditData(true);
        r.window->ShowRB();
        r.window->ShowDtmfLists();
        QVERIFY(!IsDocumentChanged(r.rig.doc));
        QVERIFY(r.rig.prompts().shown.empty());
    }

    void groupAndPositionListsLeadAndFollow() {
        EditRig r(kModeHf);
        r.open(kGroupA, 1);
        auto* groups = r.get<QComboBox>(QStringLiteral("Combo4"));
        auto* positions = r.get<QComboBox>(QStringLiteral("Combo1"));
        positions->setCurrentIndex(4);
        QCOMPARE(r.rig.state.EditPosition, 5);
        groups->setCurrentIndex(kGroupMemHf);
        QCOMPARE(r.rig.state.EditGroup, kGroupMemHf);
        QCOMPARE(positions->count(), 8);
        QCOMPARE(r.rig.state.EditPosition, 1);
        // From outside: another group brings its position; the same group keeps the shown one.
        r.rig.state.EditGroup = 2;
        r.rig.state.EditPosition = 7;
        r.window->SetGridEditData(true);
        QCOMPARE(groups->currentIndex(), 2);
        QCOMPARE(positions->currentText(), QStringLiteral("7"));
        r.rig.state.EditPosition = 9;
        r.window->SetGridEditData(true);
        QCOMPARE(positions->currentText(), QStringLiteral("7"));
    }

    void countrySelectorsChooseTheGroup() {
        EditRig r(kModeCb);
        r.open(kGroupEU, 1);
        auto* country = r.get<QComboBox>(QStringLiteral("Combo3_0"));
        auto* sub = r.get<QComboBox>(QStringLiteral("Combo3_1"));
        QVERIFY(r.get<QComboBox>(QStringLiteral("Combo4"))->isHidden());
        ChooseEntry(*country, QStringLiteral("U"));
        QVERIFY(!sub->isHidden());
        QCOMPARE(r.rig.state.EditGroup, 2);
        ChooseEntry(*sub, QStringLiteral("UK"));
        QCOMPARE(r.rig.state.EditGroup, kGroupUK);
        r.rig.state.EditGroup = kGroupDE;
        r.window->SetGridEditData(true);
        QCOMPARE(country->currentText(), QStringLiteral("DE"));
        QVERIFY(sub->isHidden());
        QCOMPARE(r.get<QComboBox>(QStringLiteral("Combo1"))->count(), 80);
    }

    void labelsNameTheirControlsInTabOrder() {
        EditRig r(kModeHf);
        r.open(kGroupA, 1);
        for (QLabel* label : r.window->findChildren<QLabel*>()) QVERIFY(label->buddy());
        QCOMPARE(r.get<QLabel>(QStringLiteral("Label3_9"))->buddy(), r.list(kColTxPower));
        // The offset sits between DUP and Tx_Power, as on the screen.
        QWidget* w = r.list(kColDup);
        QCOMPARE(w->nextInFocusChain(), r.text(2));
        QCOMPARE(r.text(2)->nextInFocusChain(), r.list(kColTxPower));
        QVERIFY(r.get<QPushButton>(QStringLiteral("CommandHelp"))->isHidden());
    }
};

QTEST_MAIN(ChannelEditWindowTest)
#include "ChannelEditWindowTest.moc"

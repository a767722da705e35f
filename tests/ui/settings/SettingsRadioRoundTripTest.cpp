// End to end with the simulated radio: read it, change one control in each settings window
// with the keyboard, write it back and read it again with korvan7x-cli. The radio then holds
// exactly those changes and nothing else.
#include <QComboBox>
#include <QLineEdit>

#include "SettingsTestRig.h"
#include "SimulatedRadio.h"

using namespace k7x;
using namespace k7x::test;

class SettingsRadioRoundTripTest : public QObject {
    Q_OBJECT
private slots:
    void editsMadeInTheSettingsWindowsAreWhatTheRadioGets() {
        constexpr int kMode = 1;
        SettingsTestRig rig(kMode);
        SimulatedRadio radio(rig);
        if (!radio.staged()) QSKIP("programs not staged");
        radio.start(kMode, rig.doc);
        if (QTest::currentTestFailed()) return;
        radio.read();
        if (QTest::currentTestFailed()) return;
        const CodeplugDocument before = rig.doc.WorkDoc;

        // Each edit moves one list one entry down, or types one DTMF code.
        const auto stepDown = [&](const QString& window, const QString& list) {
            QWidget* w = rig.main().ShowChildWindow(window);
            QVERIFY2(w, qPrintable(window));
            auto* combo = w->findChild<QComboBox*>(list);
            QVERIFY2(combo && combo->isEnabled(), qPrintable(list));
            const int index = combo->currentIndex();
            combo->setFocus();
            QTest::keyClick(combo, index + 1 < combo->count() ? Qt::Key_Down : Qt::Key_Up);
            QVERIFY(combo->currentIndex() != index);
        };
        stepDown(kOptionalFeaturesWindow, QStringLiteral("Combo1_2"));  // Setting 0
        stepDown(kKeyWindow, QStringLiteral("Combo1_0"));
        stepDown(kToneTipsWindow, QStringLiteral("Combo3_0"));
        stepDown(kToneTipsWindow, QStringLiteral("Combo4_1"));
        if (QTest::currentTestFailed()) return;
        QWidget* dtmf = rig.main().ShowChildWindow(kDtmfWindow);
        auto* code = dtmf->findChild<QLineEdit*>(QStringLiteral("Text2_4"));  // code 5
        QVERIFY(code);
        code->setFocus();
        QTest::keyClick(code, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(code, QStringLiteral("7b#0"));
        QTest::keyClick(code, Qt::Key_Tab);

        // What the windows stored: these fields changed, each to what its control shows.
        const CodeplugDocument& now = rig.doc.WorkDoc;
        QVERIFY(now.Options.Setting[0] != before.Options.Setting[0]);
        QVERIFY(now.Keys.KeyFunction[0] != before.Keys.KeyFunction[0]);
        QVERIFY(now.ToneTips[0].Steps[0].Pitch != before.ToneTips[0].Steps[0].Pitch);
        QVERIFY(now.ToneTips[0].Steps[1].Duration != before.ToneTips[0].Steps[1].Duration);
        const DtmfCode& typed = now.Dtmf.Codes[4];
        QCOMPARE(typed.CodeLength, Int(4));
        QCOMPARE(QByteArray(typed.Digits.chars.data(), 4), QByteArray("7B#0"));

        // ... and nothing else: the read document with only these fields taken over.
        DocumentState expected = rig.doc;
        expected.WorkDoc = before;
        expected.WorkDoc.Options.Setting[0] = now.Options.Setting[0];
        expected.WorkDoc.Keys.KeyFunction[0] = now.Keys.KeyFunction[0];
        expected.WorkDoc.ToneTips[0].Steps[0].Pitch = now.ToneTips[0].Steps[0].Pitch;
        expected.WorkDoc.ToneTips[0].Steps[1].Duration = now.ToneTips[0].Steps[1].Duration;
        expected.WorkDoc.Dtmf.Codes[4] = typed;
        PackImage(expected);

        radio.write();
        if (QTest::currentTestFailed()) return;
        DocumentState after;
        radio.readWithCli(after);
        if (QTest::currentTestFailed()) return;
        PackImage(after);
        QCOMPARE(BytesOf(after.MemImage), BytesOf(expected.MemImage));
        DocumentState unchanged = rig.doc;
        unchanged.WorkDoc = before;
        PackImage(unchanged);
        QVERIFY(BytesOf(after.MemImage) != BytesOf(unchanged.MemImage));
    }
};

QTEST_MAIN(SettingsRadioRoundTripTest)
#include "SettingsRadioRoundTripTest.moc"

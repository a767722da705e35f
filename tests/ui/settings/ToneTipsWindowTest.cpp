// The tone tips window: what its lists store, the references a disabled tip loses, a document
// that opening leaves alone, the chart, the keyboard, and what Play says without a sound output.
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>

#include "HeardNotes.h"
#include "ListChoice.h"
#include "SettingsTestRig.h"
#include "codeplug/ChannelList.h"
#include "codeplug/CodeplugFile.h"
#include "settings/FrmToneTips.h"
#include "settings/ToneChart.h"
#include "settings/TonePlayer.h"

using namespace k7x;
using namespace k7x::test;

namespace {

struct RogerBeepListener : DocumentListener {
    int showRB = 0;
    int showRBOpt = 0;
    void ShowRB() override { ++showRB; }
    void ShowRBOpt() override { ++showRBOpt; }
};

// A main window whose tips sound: tip n has RepeatCount 1 and one note of 100 ms.
struct TipsRig {
    TipsRig() {
        rig.main();
        for (ToneTipRecord& tip : tips()) {
            tip = {};
            tip.RepeatCount = 1;
            tip.Steps[0] = {100, 10};
        }
        for (int n : {1, 2, 3}) AddChannel(rig.doc, n, "28.005");
        TakeIntoSavedCopy(rig.doc);
    }
    std::array<ToneTipRecord, 8>& tips() { return rig.doc.WorkDoc.ToneTips; }
    FrmToneTips* open() { return window = rig.open<FrmToneTips>(kToneTipsWindow); }
    template <typename T = QComboBox>
    T* get(const QString& name) {
        return window->findChild<T*>(name);
    }
    QComboBox* list(const char* name, int index) {
        return get(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index));
    }
    TonePlayer* player() { return window->findChild<TonePlayer*>(); }
    QTabBar* tabs() { return get<QTabBar>(QStringLiteral("TabStrip1")); }
    QPushButton* play() { return get<QPushButton>(QStringLiteral("Command1_0")); }

    SettingsTestRig rig;
    FrmToneTips* window = nullptr;
};

}  // namespace

class ToneTipsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void listsStoreTheirValuesIntoTheShownTip() {
        TipsRig r;
        r.open();
        QCOMPARE(r.tabs()->count(), 8);
        QCOMPARE(r.tabs()->tabText(2), QStringLiteral("<29001> 3"));
        r.tabs()->setCurrentIndex(2);
        QCOMPARE(r.window->CurrentTip(), 3);
        struct Case {
            const char* list;
            int index;
            QString text;
            std::function<int(const ToneTipRecord&)> field;
            int stored;
        };
        const std::vector<Case> cases = {
            {"Combo3", 0, "400", [](auto& t) { return t.Steps[0].Pitch; }, 40},
            {"Combo3", 13, "2550", [](auto& t) { return t.Steps[13].Pitch; }, 255},
            {"Combo3", 0, "<29201>", [](auto& t) { return t.Steps[0].Pitch; }, 0},
            {"Combo4", 6, "730", [](auto& t) { return t.Steps[6].Duration; }, 73},
            {"Combo4", 13, "2550", [](auto& t) { return t.Steps[13].Duration; }, 255},
            {"Combo1", 0, "10", [](auto& t) { return t.RepeatCount; }, 10},
            {"Combo2", 0, "500", [](auto& t) { return t.RepeatGap; }, 50},
        };
        for (const Case& c : cases) {
            QComboBox* list = r.list(c.list, c.index);
            ChooseEntry(*list, c.text);
            QVERIFY2(list->currentText() == c.text, qPrintable(c.text));
            QCOMPARE(c.field(r.tips()[2]), c.stored);
        }
        QCOMPARE(r.tips()[0], r.rig.doc.SavedDoc.ToneTips[0]);  // other tips untouched
        QCOMPARE(r.get<ToneChart>(QStringLiteral("Picture1_0"))->tip().Steps, r.tips()[2].Steps);
        QCOMPARE(r.list("Combo1", 0)->itemText(0), QStringLiteral("<29200>"));
    }

    void disabledTipLosesItsReferences() {
        struct Case {
            const char* how;
            std::function<void(TipsRig&)> disable;
        };
        const std::vector<Case> cases = {
            {"repeat count off", [](TipsRig& r) { ChooseEntry(*r.list("Combo1", 0), 0); }},
            {"every duration 0",
             [](TipsRig& r) {
                 ChooseEntry(*r.list("Combo4", 0), 0);
                 QCOMPARE(r.rig.doc.ChannelList[0].RBTone, 2);  // step 6 still sounds
                 ChooseEntry(*r.list("Combo4", 5), 0);
             }},
        };
        for (const Case& c : cases) {
            TipsRig r;
            r.rig.doc.ChannelList[0].RBTone = 2;
            r.rig.doc.ChannelList[1].RBTone = 3;
            r.rig.doc.WorkDoc.PublicChannel.RBTone = 2;
            r.tips()[1].Steps[5] = {80, 20};
            r.open();
            r.tabs()->setCurrentIndex(1);
            RogerBeepListener listener;
            r.rig.doc.subscribe(&listener);
            c.disable(r);
            QVERIFY2(r.rig.doc.ChannelList[0].RBTone == 0, c.how);
            QCOMPARE(r.rig.doc.WorkDoc.PublicChannel.RBTone, 0);
            QCOMPARE(r.rig.doc.ChannelList[1].RBTone, 3);
            QVERIFY(listener.showRB > 0 && listener.showRBOpt > 0);
            QCOMPARE(CheckToneTipReference(r.rig.doc.WorkDoc, 2), 0);
            r.rig.doc.unsubscribe(&listener);
        }
    }

    void openingAndClosingLeavesOutOfListValuesStored() {
        TipsRig r;
        ToneTipRecord& odd = r.tips()[0];
        odd.Steps[0] = {30, 10};   // a pitch below the lists
        odd.Steps[1] = {-4, 400};  // and one out of every list
        odd.Steps[2] = {100, -1};
        odd.RepeatCount = 20;
        odd.RepeatGap = 300;
        TakeIntoSavedCopy(r.rig.doc);
        const std::vector<Byte> before = EncodeFile(r.rig.doc.WorkDoc, r.rig.doc.ChannelList);
        r.open();
        QCOMPARE(r.list("Combo3", 0)->currentText(), QStringLiteral("<29201>"));
        QCOMPARE(r.list("Combo3", 1)->currentText(), QStringLiteral("<29201>"));
        QCOMPARE(r.list("Combo4", 1)->currentIndex(), 0);
        QCOMPARE(r.list("Combo1", 0)->currentIndex(), 0);
        r.tabs()->setCurrentIndex(4);
        r.tabs()->setCurrentIndex(0);
        r.rig.main().CloseCurAllWindows();
        QTRY_VERIFY(r.rig.doc.listeners.empty());
        QVERIFY(!IsDocumentChanged(r.rig.doc));
        QVERIFY(EncodeFile(r.rig.doc.WorkDoc, r.rig.doc.ChannelList) == before);

        // Picking the shown rest stores the rest.
        r.open();
        ChooseEntry(*r.list("Combo3", 0), 1);
        ChooseEntry(*r.list("Combo3", 0), 0);
        QCOMPARE(r.tips()[0].Steps[0].Pitch, 0);
    }

    void everyLabelHasItsListAndTheKeyboardReachesEveryControl() {
        TipsRig r;
        r.open();
        for (QLabel* label : r.window->findChildren<QLabel*>())
            QVERIFY2(label->buddy() != nullptr, qPrintable(label->objectName()));
        QVERIFY(r.get<QPushButton>(QStringLiteral("CommandHelp"))->isHidden());
        QCOMPARE(r.get<QLabel>(QStringLiteral("Label5_13"))->buddy(), r.list("Combo3", 13));

        QStringList expected = {"TabStrip1", "Combo1_0", "Combo2_0"};
        for (int k = 0; k < kToneStepCount; ++k)
            expected << QStringLiteral("Combo3_%1").arg(k) << QStringLiteral("Combo4_%1").arg(k);
        expected << "Command1_0"
                 << "Command2_0"
                 << "CommandClose";
        QStringList chain;
        QWidget* w = r.tabs();
        for (int i = 0; i < expected.size(); ++i, w = w->nextInFocusChain()) {
            while (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(r.window))
                w = w->nextInFocusChain();
            chain << w->objectName();
        }
        QCOMPARE(chain, expected);

        // The tabs switch with the arrow keys.
        r.rig.main().show();
        QTabBar* tabs = r.tabs();
        tabs->setFocus();
        QTest::keyClick(tabs, Qt::Key_Right);
        QCOMPARE(r.window->CurrentTip(), 2);
    }

    void chartShowsOddStepsRedAndEvenStepsBlue() {
        TipsRig r;
        r.tips()[0].Steps[1] = {200, 10};
        r.open();
        auto* chart = r.get<ToneChart>(QStringLiteral("Picture1_0"));
        chart->resize(300, 120);
        auto colours = [chart] {
            const QImage image = chart->grab().toImage();
            bool red = false, blue = false;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    red |= image.pixelColor(x, y) == QColor(255, 0, 0);
                    blue |= image.pixelColor(x, y) == QColor(0, 0, 255);
                }
            return std::pair{red, blue};
        };
        QCOMPARE(colours(), std::pair(true, true));
        for (int k = 0; k < 2; ++k) ChooseEntry(*r.list("Combo4", k), 0);
        QCOMPARE(colours(), std::pair(false, false));
    }

    // The tests run with a sound server that is not there (see the test set-up); the sound
    // itself is checked against a real server in ToneSoundTest.
    void withoutSoundOutputPlaySaysWhyAtOnce() {
        TipsRig r;
        r.open();
        auto* why = r.get<QLabel>(QStringLiteral("LabelSound"));
        QVERIFY(why->isHidden());
        r.play()->click();
        QVERIFY(r.play()->isEnabled());
        QVERIFY(!r.player()->isPlaying());
        QVERIFY(!why->isHidden());
        QCOMPARE(why->text(), QStringLiteral("<29008>"));
        // A silent tip does not play and leaves the reason as it stands.
        for (ToneStep& step : r.tips()[3].Steps) step.Duration = 0;
        r.tabs()->setCurrentIndex(3);
        r.play()->click();
        QVERIFY(!why->isHidden());
        r.rig.main().CloseCurAllWindows();
        QTRY_VERIFY(r.rig.doc.listeners.empty());
    }

    // Without a sound server the tip goes straight to ALSA's default device, here one that
    // writes what it is given into a file.
    void withoutSoundServerAlsaPlaysTheMelody() {
        QTemporaryDir dir;
        QFile config(dir.filePath(QStringLiteral("asound.conf")));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("pcm.!default { type file slave.pcm { type null } format raw file \"" +
                     dir.filePath(QStringLiteral("out.raw")).toUtf8() + "\" }\n");
        config.close();
        const QByteArray before = qgetenv("ALSA_CONFIG_PATH");
        qputenv("ALSA_CONFIG_PATH", config.fileName().toUtf8());
        SettingsTestRig rig;
        rig.main();
        auto* window = rig.open<FrmToneTips>(kToneTipsWindow);
        auto* play = window->findChild<QPushButton*>(QStringLiteral("Command1_0"));
        play->click();
        QTRY_VERIFY(play->isEnabled());
        qputenv("ALSA_CONFIG_PATH", before);
        QVERIFY(window->findChild<QLabel*>(QStringLiteral("LabelSound"))->isHidden());
        // The new document's tip 1: four notes of 2100 Hz, 100 ms each, one every 200 ms.
        const QByteArray differ =
            NotesDiffer(FindNotes(ReadSamples(dir.filePath(QStringLiteral("out.raw"))), 48000),
                        {{0, 100, 2100}, {200, 100, 2100}, {400, 100, 2100}, {600, 100, 2100}});
        QVERIFY2(differ.isEmpty(), differ.constData());
    }
};

QTEST_MAIN(ToneTipsWindowTest)
#include "ToneTipsWindowTest.moc"

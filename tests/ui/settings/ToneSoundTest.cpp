// What the tone tips window sounds like, heard the way a user hears it: a PulseAudio server of
// its own with a null sink, the tip played from the window's Play button, the sink's monitor
// recorded with parecord, and every note found in the recording by its start, length and pitch.
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <vector>

#include "HeardNotes.h"
#include "SettingsTestRig.h"
#include "settings/FrmToneTips.h"
#include "settings/TonePlayer.h"

using namespace k7x;
using namespace k7x::test;

namespace {

constexpr int kRate = 48000;

}  // namespace

Q_DECLARE_METATYPE(std::vector<Note>)

class ToneSoundTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QProcess server_;
    QProcessEnvironment env_ = QProcessEnvironment::systemEnvironment();

    QString path(const char* name) const { return dir_.filePath(QLatin1String(name)); }

    // Records the sink while `act` runs, and for a moment after, as 16-bit mono samples.
    template <typename Act>
    std::vector<qint16> record(Act act) {
        QProcess recorder;
        recorder.setProcessEnvironment(env_);
        QFile::remove(path("take.raw"));
        recorder.start(QStringLiteral("parecord"),
                       {"-d", "k7.monitor", "--raw", "--format=s16le",
                        QStringLiteral("--rate=%1").arg(kRate), "--channels=1", path("take.raw")});
        [&] { QVERIFY(recorder.waitForStarted()); }();
        // The monitor delivers its first samples a while after the recorder starts.
        [&] { QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(path("take.raw")).size() > kRate / 5, 10000); }();
        act();
        QTest::qWait(400);
        ::kill(static_cast<pid_t>(recorder.processId()), SIGINT);
        [&] { QVERIFY(recorder.waitForFinished(5000)); }();
        return ReadSamples(path("take.raw"));
    }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("parecord")).isEmpty())
            QFAIL("pulseaudio and parecord are needed: scripts/setup.sh installs them");
        QVERIFY(dir_.isValid());
        env_.insert(QStringLiteral("PULSE_RUNTIME_PATH"), dir_.path());
        env_.insert(QStringLiteral("PULSE_STATE_PATH"), dir_.path());
        env_.insert(QStringLiteral("HOME"), dir_.path());
        env_.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + path("pulse.sock"));
        server_.setProcessEnvironment(env_);
        server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server_.start(
            QStringLiteral("pulseaudio"),
            {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "--disallow-exit",
             "--log-level=error", "-L", "module-null-sink sink_name=k7", "-L",
             QStringLiteral("module-native-protocol-unix socket=%1 auth-anonymous=1")
                 .arg(path("pulse.sock"))});
        QVERIFY(server_.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(path("pulse.sock")), 10000);
        // The program finds the server as a desktop session's programs do.
        qputenv("PULSE_SERVER", env_.value(QStringLiteral("PULSE_SERVER")).toLocal8Bit());
    }

    void cleanupTestCase() {
        server_.terminate();
        server_.waitForFinished(5000);
    }

    void everyNoteAtItsTimeWholeAndInTune_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<std::vector<Note>>("expected");
        // The new document's tip 1: four notes of 2100 Hz, 100 ms each, one every 200 ms.
        QTest::newRow("default tip 1")
            << 0
            << std::vector<Note>{
                   {0, 100, 2100}, {200, 100, 2100}, {400, 100, 2100}, {600, 100, 2100}};
        // Tip 2 as set up below: two adjacent notes, a rest, a skipped step, a last note, a
        // pause of 150 ms, and all of it once more.
        QTest::newRow("adjacent, rest, skipped, repeat")
            << 1 << std::vector<Note>{{0, 80, 1000},   {80, 60, 1500},  {190, 70, 800},
                                      {410, 80, 1000}, {490, 60, 1500}, {600, 70, 800}};
    }

    void everyNoteAtItsTimeWholeAndInTune() {
        QFETCH(int, tab);
        QFETCH(std::vector<Note>, expected);
        SettingsTestRig rig;
        rig.main();
        ToneTipRecord& tip2 = rig.doc.WorkDoc.ToneTips[1];
        tip2 = {};
        tip2.Steps[0] = {100, 8};
        tip2.Steps[1] = {150, 6};
        tip2.Steps[2] = {0, 5};
        tip2.Steps[3] = {200, 0};
        tip2.Steps[4] = {80, 7};
        tip2.RepeatCount = 2;
        tip2.RepeatGap = 15;
        auto* window = rig.open<FrmToneTips>(kToneTipsWindow);
        window->findChild<QTabBar*>(QStringLiteral("TabStrip1"))->setCurrentIndex(tab);
        auto* play = window->findChild<QPushButton*>(QStringLiteral("Command1_0"));

        const std::vector<qint16> take = record([&] {
            play->click();
            QVERIFY(!play->isEnabled());
            // Play is offered again when the output has played the melody.
            QTRY_VERIFY_WITH_TIMEOUT(play->isEnabled(), 10000);
        });
        QVERIFY(window->findChild<QLabel*>(QStringLiteral("LabelSound"))->isHidden());

        const QByteArray differ = NotesDiffer(FindNotes(take, kRate), expected);
        QVERIFY2(differ.isEmpty(), differ.constData());
    }

    void stopAndClosingEndTheSoundAtOnce() {
        SettingsTestRig rig;
        rig.main();
        auto* window = rig.open<FrmToneTips>(kToneTipsWindow);
        auto* play = window->findChild<QPushButton*>(QStringLiteral("Command1_0"));
        // Stopped 150 ms into tip 1, whose four notes last 700 ms: the second is never heard.
        const std::vector<qint16> take = record([&] {
            play->click();
            QTest::qWait(150);
            window->findChild<QPushButton*>(QStringLiteral("Command2_0"))->click();
            QVERIFY(play->isEnabled());
            QVERIFY(!window->findChild<TonePlayer*>()->isPlaying());
            QTest::qWait(800);
        });
        QVERIFY(FindNotes(take, kRate).size() <= 1);

        // Closing every window, then the program, in the middle of a playing.
        play->click();
        QTest::qWait(100);
        rig.main().CloseCurAllWindows();
        QTRY_VERIFY(rig.doc.listeners.empty());
        rig.open<FrmToneTips>(kToneTipsWindow)
            ->findChild<QPushButton*>(QStringLiteral("Command1_0"))
            ->click();
        QTest::qWait(50);
        rig.window.reset();
        QTRY_VERIFY(rig.doc.listeners.empty());
    }
};

QTEST_MAIN(ToneSoundTest)
#include "ToneSoundTest.moc"

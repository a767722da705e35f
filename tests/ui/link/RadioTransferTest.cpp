// The desktop program's transfers end to end: the main window's radio commands drive the
// transfer controller against the simulated radio on a pseudo-terminal, reached through the
// port named in the "ports" section of the setup file of a temporary installation.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "ShellTestRig.h"
#include "codeplug/ChannelList.h"
#include "codeplug/MemoryImage.h"
#include "link/ui/FrmRadioInfo.h"
#include "link/ui/MainWindowLink.h"
#include "link/ui/TransferController.h"
#include "shell/ui/DesktopPrompts.h"

using namespace k7x;
using k7x::test::ShellTestRig;

namespace {

// An editing window that counts how often it was asked to commit its open edit.
class CommittingWindow : public QWidget {
    Q_OBJECT
public:
    Q_INVOKABLE void ValidateControls() { ++commits; }
    int commits = 0;
};

// Runs a check while a question is open, as a message box's own event loop would allow.
class ProbingPrompts : public test::RecordingPrompts {
public:
    std::function<void()> onQuestion;
    Answer message(const std::string& text, Buttons buttons, Icon icon,
                   const std::string& title) override {
        if (onQuestion) onQuestion();
        return RecordingPrompts::message(text, buttons, icon, title);
    }
};

QByteArray bytesOf(const MemoryImage& image) {
    return QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The channel list in use, for comparing documents.
std::vector<ChannelRecord> channelsOf(const DocumentState& doc) {
    return {doc.ChannelList.begin(), doc.ChannelList.begin() + doc.WorkDoc.ChannelCount};
}

}  // namespace

class RadioTransferTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ShellTestRig> rig_;
    std::unique_ptr<TransferController> radio_;
    std::unique_ptr<frmMain> main_;
    QProcess sim_;
    QString link_;
    QString saved_;
    DocumentState radioDoc_;  // what the simulated radio holds at the start

    QAction* act(const char* name) { return main_->findChild<QAction*>(QString::fromLatin1(name)); }
    test::RecordingPrompts& prompts() { return rig_->prompts(); }

    // While a transfer runs: the reply timer survives resizing, a second start is refused and
    // the commands that start one are disabled. Returns how many checks ran.
    struct RunningChecks {
        int samples = 0;
        int failures = 0;
        QPointer<FrmProgress> progress;
        // The progress window as the transfer ended (it is deleted soon after).
        int finalValue = -1;
        QString finalLabel;
        QString title;
    };
    void watchWhileRunning(QTimer& timer, RunningChecks& checks) {
        connect(&timer, &QTimer::timeout, this, [this, &checks] {
            if (radio_->progressWindow()) checks.progress = radio_->progressWindow();
            const LinkState& state = radio_->engine().state();
            if (state.operation == Operation::Idle || !state.awaitingReply) return;
            ++checks.samples;
            main_->resize(main_->width() + (checks.samples % 2 ? 7 : -7), main_->height());
            QCoreApplication::processEvents();
            // The resize may have let the transfer move on, or end.
            if (state.operation == Operation::Idle || !state.awaitingReply) return;
            const bool ok = radio_->timers().isActive(TimerId::WaitTimer) && !radio_->startRead() &&
                            !radio_->startWrite() && !radio_->startInfo() &&
                            !act("mnuReadFromRadio")->isEnabled() &&
                            !act("mnuWriteToRadio")->isEnabled() &&
                            !act("MnuLocalInfo")->isEnabled();
            if (!ok) ++checks.failures;
        });
        timer.start(15);
        connect(radio_.get(), &TransferController::transferEnded, &timer, [&checks] {
            if (!checks.progress) return;
            checks.finalValue =
                checks.progress->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))->value();
            checks.finalLabel =
                checks.progress->findChild<QLabel*>(QStringLiteral("Label2"))->text();
            checks.title = checks.progress->windowTitle();
        });
    }

private slots:
    void initTestCase() {
        const QString program =
            qEnvironmentVariable("K7X_STAGE") + QStringLiteral("/V100/korvan7x-radio");
        if (!QFile::exists(program)) QSKIP("korvan7x-radio is not built");

        rig_ = std::make_unique<ShellTestRig>();
        link_ = rig_->path(QStringLiteral("radio-link"));
        saved_ = rig_->path(QStringLiteral("radio-saved.bin"));

        // The radio holds a document that differs from a new one in some channels.
        radioDoc_ = rig_->doc;
        QVERIFY(radioDoc_.WorkDoc.ChannelCount >= 3);
        for (int i = 0; i < 3; ++i) {
            ChannelRecord& ch = radioDoc_.ChannelList[static_cast<std::size_t>(i)];
            SetChannelField(ch, kColScan, ch.Scan ? "0" : "1", radioDoc_);
            SetChannelField(ch, kColBusy, ch.BUSY ? "0" : "1", radioDoc_);
            SetChannelField(ch, kColDtmfBot, "2", radioDoc_);
        }
        PackImage(radioDoc_);
        QVERIFY(
            writeFile(rig_->path(QStringLiteral("radio-image.bin")), bytesOf(radioDoc_.MemImage)));
        QByteArray info(256, char(0xFF));
        info[0] = char(rig_->doc.CurrentCountryMode);
        info.replace(48, 10, "SN-E2E-001");
        info.replace(240, 6, "Tester");
        QVERIFY(writeFile(rig_->path(QStringLiteral("radio-info.bin")), info));

        sim_.setProgram(program);
        sim_.setArguments({QStringLiteral("--link"), link_, QStringLiteral("--mode"),
                           QString::number(rig_->doc.CurrentCountryMode), QStringLiteral("--image"),
                           rig_->path(QStringLiteral("radio-image.bin")), QStringLiteral("--info"),
                           rig_->path(QStringLiteral("radio-info.bin")), QStringLiteral("--save"),
                           saved_, QStringLiteral("--verbose")});
        sim_.start();
        QVERIFY(sim_.waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(link_), 5000);

        // Port 1 is the radio, by the setup file of the installation.
        QVERIFY(writeFile(QString::fromStdString(rig_->settings.SetupFilePath),
                          "[language]\r\ncomPort=1\r\n[ports]\r\nCOM1=" + link_.toUtf8() +
                              "\r\nCOM16=" + rig_->path(QStringLiteral("no-such-device")).toUtf8() +
                              "\r\n"));
        rig_->settings.ComPortNo = 1;

        radio_ = std::make_unique<TransferController>(
            TransferControllerServices{rig_->settings, rig_->doc, prompts(), {}, {}, {}});
        RegisterRadioInfoWindow(rig_->children, rig_->doc, prompts(), rig_->settings);
        rig_->children.add(kChannelGridWindow, [] { return new CommittingWindow; });
        MainWindowServices services{
            rig_->settings, rig_->doc, prompts(), rig_->files, rig_->children,
            radio_.get(),   nullptr,   {},        {}};
        main_ = std::make_unique<frmMain>(std::move(services));
        ConnectTransferController(*radio_, *main_);
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
    }

    void cleanupTestCase() {
        main_.reset();
        radio_.reset();
        if (sim_.state() != QProcess::NotRunning) {
            sim_.terminate();
            if (!sim_.waitForFinished(5000)) sim_.kill();
        }
    }

    void init() {
        prompts().shown.clear();
        QTest::failOnWarning(QRegularExpression(QStringLiteral("QMdiArea")));
    }

    void readEndsWithTheRadiosChannelsInTheDocument() {
        QVERIFY(channelsOf(rig_->doc) != channelsOf(radioDoc_));
        QPointer<QWidget> grid = main_->ShowChildWindow(kChannelGridWindow);
        rig_->doc.CurrentFilePath = "elsewhere.dat";
        rig_->doc.IsUntitled = false;

        QSignalSpy busy(radio_.get(), &TransferController::busyChanged);
        QSignalSpy replaced(radio_.get(), &TransferController::documentReplaced);
        QTimer watch;
        RunningChecks checks;
        watchWhileRunning(watch, checks);

        act("mnuReadFromRadio")->trigger();
        // The grid committed its open edit before the question.
        QCOMPARE(qobject_cast<CommittingWindow*>(grid.data())->commits, 1);
        QTRY_COMPARE_WITH_TIMEOUT(replaced.count(), 1, 60000);
        watch.stop();

        QCOMPARE(prompts().texts(), (std::vector<std::string>{"<9004>", "<9009>"}));
        QVERIFY(radio_->lastOutcome().completed);
        QVERIFY(channelsOf(rig_->doc) == channelsOf(radioDoc_));
        PackImage(rig_->doc);
        QCOMPARE(bytesOf(rig_->doc.MemImage), bytesOf(radioDoc_.MemImage));
        QCOMPARE(rig_->doc.CurrentFilePath, std::string("new.dat"));
        QVERIFY(rig_->doc.IsUntitled);
        QVERIFY(main_->windowTitle().contains(QStringLiteral("new.dat")));
        // The old windows closed; a fresh grid shows the radio's channels.
        QTRY_VERIFY(grid.isNull());
        QVERIFY(main_->childWindow(kChannelGridWindow) != nullptr);

        QVERIFY2(checks.samples > 0, "the transfer was never seen running");
        QCOMPARE(checks.failures, 0);
        QCOMPARE(checks.finalValue, 100);
        QCOMPARE(checks.finalLabel, QStringLiteral("100%"));
        QCOMPARE(checks.title, QStringLiteral("<9027>"));
        QVERIFY(checks.progress.isNull());
        QCOMPARE(busy.count(), 2);
        QCOMPARE(busy.at(0).at(0).toBool(), true);
        QCOMPARE(busy.at(1).at(0).toBool(), false);
        QVERIFY(act("mnuReadFromRadio")->isEnabled());
        QVERIFY(!radio_->serial().isOpen());
    }

    void writeSendsTheDocumentAfterTheEditsAreCommitted() {
        QVERIFY(rig_->doc.WorkDoc.ChannelCount > 5);
        ChannelRecord& ch = rig_->doc.ChannelList[5];
        SetChannelField(ch, kColNb, ch.NB ? "0" : "1", rig_->doc);
        DocumentState expected = rig_->doc;
        PackImage(expected);
        QVERIFY(bytesOf(expected.MemImage) != bytesOf(radioDoc_.MemImage));
        auto* grid = qobject_cast<CommittingWindow*>(main_->ShowChildWindow(kChannelGridWindow));
        QVERIFY(grid);
        QFile::remove(saved_);

        QSignalSpy ended(radio_.get(), &TransferController::transferEnded);
        QTimer watch;
        RunningChecks checks;
        watchWhileRunning(watch, checks);
        act("mnuWriteToRadio")->trigger();
        // The edits are committed at once; the write waits 100 ms before it asks.
        QCOMPARE(grid->commits, 1);
        QVERIFY(radio_->timers().isActive(TimerId::WaitSaveDataTimer));
        QVERIFY(prompts().shown.empty());
        QVERIFY(radio_->busy());
        QVERIFY(!act("mnuWriteToRadio")->isEnabled());
        QVERIFY(!radio_->startWrite());

        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 60000);
        watch.stop();
        QCOMPARE(prompts().texts(), (std::vector<std::string>{"<9005>", "<9010>"}));
        QVERIFY2(checks.samples > 0, "the transfer was never seen running");
        QVERIFY(radio_->lastOutcome().completed);
        QCOMPARE(checks.failures, 0);
        QCOMPARE(checks.finalValue, 100);
        QCOMPARE(checks.title, QStringLiteral("<9028>"));
        // The radio now holds exactly the document's image; the document stays as it was.
        QTRY_COMPARE_WITH_TIMEOUT(readFile(saved_), bytesOf(expected.MemImage), 5000);
        QVERIFY(act("mnuWriteToRadio")->isEnabled());
        QVERIFY(main_->childWindow(kChannelGridWindow) == grid);
    }

    void informationReadOpensAFreshWindowEachTime() {
        QSignalSpy ready(radio_.get(), &TransferController::radioInformationReady);
        act("MnuLocalInfo")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(ready.count(), 1, 20000);
        QPointer<QWidget> first = main_->childWindow(kRadioInfoWindow);
        QVERIFY(qobject_cast<FrmRadioInfo*>(first.data()));
        QCOMPARE(first->findChild<QLineEdit*>(QStringLiteral("Text1_1"))->text(),
                 QStringLiteral("SN-E2E-001"));
        QCOMPARE(first->findChild<QLineEdit*>(QStringLiteral("Text1_11"))->text(),
                 QStringLiteral("Tester"));
        QVERIFY(prompts().shown.empty());  // no question, no closing message
        QVERIFY(act("MnuLocalInfo")->isEnabled());

        act("MnuLocalInfo")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(ready.count(), 2, 20000);
        QTRY_VERIFY(first.isNull());
        QVERIFY(qobject_cast<FrmRadioInfo*>(main_->childWindow(kRadioInfoWindow)));
    }

    void portWithoutDeviceIsReportedAndNothingRuns() {
        rig_->settings.ComPortNo = 16;
        const auto before = channelsOf(rig_->doc);
        act("mnuReadFromRadio")->trigger();
        rig_->settings.ComPortNo = 1;
        QCOMPARE(prompts().shown.size(), std::size_t(1));
        QVERIFY(prompts().shown[0].text.starts_with("<9003>"));
        QCOMPARE(prompts().shown[0].icon, Icon::Critical);
        QCOMPARE(radio_->lastOutcome().reason, FailureReason::PortError);
        QVERIFY(!radio_->busy());
        QVERIFY(act("mnuReadFromRadio")->isEnabled());
        QVERIFY(radio_->progressWindow() == nullptr);
        QVERIFY(channelsOf(rig_->doc) == before);
    }

    void cancelledReadChangesNothing() {
        const auto before = channelsOf(rig_->doc);
        prompts().answers = {Answer::Cancel};
        QVERIFY(radio_->startRead());
        QCOMPARE(prompts().texts(), (std::vector<std::string>{"<9004>"}));
        QCOMPARE(radio_->lastOutcome().reason, FailureReason::Cancelled);
        QVERIFY(!radio_->busy());
        QVERIFY(!radio_->serial().isOpen());
        QVERIFY(act("mnuReadFromRadio")->isEnabled());
        QVERIFY(channelsOf(rig_->doc) == before);
    }

    void passwordCommandKeepsWhatTheDialogGives() {
        radio_->engine().setStoredPassword("AB");
        QString shown;
        QTimer::singleShot(0, this, [&shown] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            auto* text = dialog->findChild<QLineEdit*>(QStringLiteral("Text1"));
            shown = text->text();
            text->setText(QStringLiteral("cd "));
            dialog->findChild<QPushButton*>(QStringLiteral("CommandOK"))->click();
        });
        act("MnuProPassWord")->trigger();
        QCOMPARE(shown, QStringLiteral("AB"));
        QCOMPARE(radio_->storedPassword(), std::string("cd"));

        QTimer::singleShot(0, this, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("zz"));
            dialog->findChild<QPushButton*>(QStringLiteral("CommandCancel"))->click();
        });
        act("MnuProPassWord")->trigger();
        QCOMPARE(radio_->storedPassword(), std::string("cd"));
        radio_->engine().setStoredPassword({});
    }

    void readAndWriteWithRealMessageBoxes() {
        // Message boxes run their own event loops inside the serial port's and the timers'
        // handlers; the transfers must come through them unharmed.
        DesktopPrompts boxes([](int number) { return "#" + std::to_string(number); });
        TransferController controller(
            TransferControllerServices{rig_->settings, rig_->doc, boxes, {}, {}, {}});
        QStringList seen;
        QTimer clicker;
        connect(&clicker, &QTimer::timeout, this, [&seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible()) return;
            seen << box->text();
            box->defaultButton()->click();
        });
        clicker.start(10);
        QSignalSpy replaced(&controller, &TransferController::documentReplaced);
        QSignalSpy ended(&controller, &TransferController::transferEnded);

        QVERIFY(controller.startRead());
        QTRY_COMPARE_WITH_TIMEOUT(replaced.count(), 1, 60000);
        QTRY_COMPARE(seen, (QStringList{"#9004", "#9009"}));
        QVERIFY(!controller.busy());
        seen.clear();
        QVERIFY(controller.startWrite());
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 2, 60000);
        QTRY_COMPARE(seen, (QStringList{"#9005", "#9010"}));
        QVERIFY(controller.lastOutcome().completed);
    }

    void noSecondTransferStartsFromInsideTheConfirmation() {
        ProbingPrompts probe;
        TransferController controller(
            TransferControllerServices{rig_->settings, rig_->doc, probe, {}, {}, {}});
        bool commandsDisabled = false;
        connect(&controller, &TransferController::busyChanged, this,
                [&commandsDisabled](bool busy) { commandsDisabled = busy; });
        int questions = 0;
        bool refused = true;
        probe.onQuestion = [&] {
            ++questions;
            refused = refused && commandsDisabled && !controller.startRead() &&
                      !controller.startInfo() && !controller.startWrite();
        };
        probe.answers = {Answer::Cancel};
        QVERIFY(controller.startRead());
        QCOMPARE(questions, 1);
        QVERIFY(refused);
        QVERIFY(!commandsDisabled);
        QCOMPARE(probe.texts(), std::vector<std::string>{"<9004>"});
    }

    void programEndsForAnotherVersionOnlyWhenThatVersionStarts() {
        const QString otherLink = rig_->path(QStringLiteral("other-radio"));
        QProcess other;
        other.setProgram(sim_.program());
        other.setArguments({QStringLiteral("--link"), otherLink, QStringLiteral("--mode"),
                            QString::number(rig_->doc.CurrentCountryMode),
                            QStringLiteral("--version"), QStringLiteral("V999")});
        other.start();
        QVERIFY(other.waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(otherLink), 5000);

        for (const bool starts : {false, true}) {
            std::vector<std::string> launched;
            TransferControllerServices services{rig_->settings, rig_->doc, prompts(), {}, {}, {}};
            services.launchVersion = [&launched, starts](const std::string& version) {
                launched.push_back(version);
                return starts;
            };
            services.resolver = [otherLink] {
                return ResolvedDevice{otherLink.toStdString(), otherLink.toStdString(), {}};
            };
            TransferController controller(std::move(services));
            QSignalSpy ended(&controller, &TransferController::transferEnded);
            QSignalSpy endProgram(&controller, &TransferController::programEndRequested);
            prompts().shown.clear();
            const auto before = channelsOf(rig_->doc);
            QVERIFY(controller.startRead());
            QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 20000);
            // The version question was answered Yes.
            QCOMPARE(launched, std::vector<std::string>{"V999"});
            QCOMPARE(controller.lastOutcome().reason, FailureReason::OtherVersion);
            QCOMPARE(endProgram.count(), starts ? 1 : 0);
            QVERIFY(channelsOf(rig_->doc) == before);
            QVERIFY(!controller.busy());
        }
        other.terminate();
        if (!other.waitForFinished(5000)) other.kill();
    }

    void closingTheWindowStopsARunningInformationRead() {
        // An information read leaves the window usable, so it can be closed mid-transfer.
        rig_->doc.SavedDoc = rig_->doc.WorkDoc;
        rig_->doc.SavedChannels = rig_->doc.ChannelList;
        main_->CloseWindowByName(kRadioInfoWindow);
        QSignalSpy ready(radio_.get(), &TransferController::radioInformationReady);
        QSignalSpy ended(radio_.get(), &TransferController::transferEnded);
        sim_.readAllStandardError();
        act("MnuLocalInfo")->trigger();
        QVERIFY(radio_->busy());

        QVERIFY(main_->close());
        // The window closed only once the transfer had stopped: told END, port closed.
        QVERIFY(!radio_->busy());
        QCOMPARE(ended.count(), 1);
        QCOMPARE(radio_->lastOutcome().reason, FailureReason::Cancelled);
        QVERIFY(!radio_->serial().isOpen());
        QVERIFY(!radio_->timers().isActive(TimerId::WaitTimer));
        QVERIFY(prompts().shown.empty());
        QCOMPARE(ready.count(), 0);
        QVERIFY(main_->childWindow(kRadioInfoWindow) == nullptr);
        // The radio was told to leave programming mode, and that was the last it heard.
        QByteArray heard;
        QTRY_VERIFY((heard += sim_.readAllStandardError()).trimmed().endsWith("END"));
        QVERIFY(heard.startsWith("PROGRAM"));

        // The radio is left ready for the next session.
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
        QVERIFY(act("MnuLocalInfo")->isEnabled());
        act("MnuLocalInfo")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(ready.count(), 1, 20000);
        QVERIFY(radio_->lastOutcome().completed);
    }

    void portDialogFindsTheRadioThroughTheSetupFile() {
        const std::optional<PortMap::Entry> entry = SystemPortScan(rig_->settings)().entry(1);
        QVERIFY(entry.has_value());
        QCOMPARE(QString::fromStdString(entry->path), link_);
        QVERIFY(entry->present);
    }
};

QTEST_MAIN(RadioTransferTest)
#include "RadioTransferTest.moc"

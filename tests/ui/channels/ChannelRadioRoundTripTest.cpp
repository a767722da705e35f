// End to end with the simulated radio: read it, change a frequency in the grid and three
// attributes in the edit window with the keyboard, write it back, and read it again with
// korvan7x-cli. The radio then holds exactly those four changes.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTableWidget>

#include "ChannelTestRig.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/Groups.h"
#include "codeplug/MemoryImage.h"
#include "link/ui/MainWindowLink.h"
#include "link/ui/TransferController.h"

using namespace k7x;
using namespace k7x::test;

namespace {

constexpr int kGroupA = 0;
constexpr int kPosition = 2;  // the row edited

QByteArray bytesOf(const MemoryImage& image) {
    return QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

std::vector<ChannelRecord> channelsOf(const DocumentState& doc) {
    return {doc.ChannelList.begin(), doc.ChannelList.begin() + doc.WorkDoc.ChannelCount};
}

}  // namespace

class ChannelRadioRoundTripTest : public QObject {
    Q_OBJECT

    QString stage_ = qEnvironmentVariable("K7X_STAGE");

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
        const QString radioProgram = stage_ + QStringLiteral("/V100/korvan7x-radio");
        const QString cli = stage_ + QStringLiteral("/V100/korvan7x-cli");
        if (!QFile::exists(radioProgram) || !QFile::exists(cli)) QSKIP("programs not staged");

        std::unique_ptr<TransferController> radio;  // outlives the rig's main window
        ChannelTestRig rig(kMode);
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
        PackImage(radioDoc);
        QVERIFY(writeFile(rig.path(QStringLiteral("radio.bin")), bytesOf(radioDoc.MemImage)));

        const QString link = rig.path(QStringLiteral("radio-link"));
        QProcess sim;
        sim.start(radioProgram,
                  {QStringLiteral("--link"), link, QStringLiteral("--mode"), QString::number(kMode),
                   QStringLiteral("--image"), rig.path(QStringLiteral("radio.bin"))});
        QVERIFY(sim.waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(link), 5000);
        QVERIFY(writeFile(QString::fromStdString(rig.settings.SetupFilePath),
                          "[language]\r\ncomPort=1\r\n[ports]\r\nCOM1=" + link.toUtf8() + "\r\n"));
        rig.settings.ComPortNo = 1;

        radio = std::make_unique<TransferController>(
            TransferControllerServices{rig.settings, rig.doc, rig.prompts(), {}, {}, {}});
        MainWindowServices services{rig.settings,        rig.doc,      rig.prompts(),
                                    rig.files,           rig.children, radio.get(),
                                    &rig.placementStore, {},           {}};
        services.shutdownDuties = [] {};
        services.launchVersion = [](const std::string&) { return false; };
        rig.window = std::make_unique<frmMain>(std::move(services));
        ConnectTransferController(*radio, *rig.window);
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));

        // Read: the grid comes back with the radio's channels.
        QSignalSpy replaced(radio.get(), &TransferController::documentReplaced);
        rig.window->findChild<QAction*>(QStringLiteral("mnuReadFromRadio"))->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(replaced.count(), 1, 60000);
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
        QSignalSpy ended(radio.get(), &TransferController::transferEnded);
        rig.window->findChild<QAction*>(QStringLiteral("mnuWriteToRadio"))->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 60000);
        QVERIFY(radio->lastOutcome().completed);

        QProcess read;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), rig.path(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), rig.path(QStringLiteral("home/.config")));
        read.setProcessEnvironment(env);
        const QString out = rig.path(QStringLiteral("after.dat"));
        read.start(cli, {QStringLiteral("read"), QStringLiteral("--port"), link,
                         QStringLiteral("-o"), out});
        QVERIFY(read.waitForFinished(60000));
        QVERIFY2(read.exitCode() == 0, read.readAllStandardError().constData());

        DocumentState after;
        QCOMPARE(OpenFile(after, out.toStdString(), rig.settings.Versions, rig.prompts(), {}),
                 OpenResult::Opened);
        QVERIFY(channelsOf(after) == channelsOf(expected));
        PackImage(after);
        PackImage(expected);
        QCOMPARE(bytesOf(after.MemImage), bytesOf(expected.MemImage));
        QVERIFY(bytesOf(after.MemImage) != bytesOf(radioDoc.MemImage));

        rig.window.reset();
        sim.terminate();
        if (!sim.waitForFinished(5000)) sim.kill();
    }
};

QTEST_MAIN(ChannelRadioRoundTripTest)
#include "ChannelRadioRoundTripTest.moc"

// The staged korvan7x-radio behind a rig's main window, for end-to-end tests: the radio starts
// with a chosen image, the main window reads and writes it through a real transfer controller,
// and korvan7x-cli reads it afresh. The helpers use Qt Test's checks; after one of them the
// caller returns when QTest::currentTestFailed().
#pragma once

#include <QAction>
#include <QProcess>
#include <QSignalSpy>
#include <memory>

#include "ShellTestRig.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/MemoryImage.h"
#include "link/ui/MainWindowLink.h"
#include "link/ui/TransferController.h"

namespace k7x::test {

inline QByteArray BytesOf(const MemoryImage& image) {
    return QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
}

class SimulatedRadio {
public:
    explicit SimulatedRadio(ShellTestRig& rig)
        : rig_(rig), stage_(qEnvironmentVariable("K7X_STAGE") + QStringLiteral("/V100/")) {}
    ~SimulatedRadio() {
        rig_.window.reset();  // the main window goes before the controller it is connected to
        controller_.reset();
        sim_.terminate();
        if (!sim_.waitForFinished(5000)) sim_.kill();
    }

    bool staged() const {
        return QFile::exists(stage_ + QStringLiteral("korvan7x-radio")) &&
               QFile::exists(stage_ + QStringLiteral("korvan7x-cli"));
    }

    // Starts the radio in a country mode holding the image of `radioDoc`, points the rig's
    // port at it and shows a main window whose Read and Write reach it.
    // `options` go to korvan7x-radio besides those.
    void start(int mode, DocumentState radioDoc, const QStringList& options = {}) {
        PackImage(radioDoc);
        const QString image = rig_.path(QStringLiteral("radio.bin"));
        QVERIFY(writeFile(image, BytesOf(radioDoc.MemImage)));
        sim_.start(stage_ + QStringLiteral("korvan7x-radio"),
                   QStringList{QStringLiteral("--link"), link(), QStringLiteral("--mode"),
                               QString::number(mode), QStringLiteral("--image"), image} +
                       options);
        QVERIFY(sim_.waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(link()), 5000);
        QVERIFY(
            writeFile(QString::fromStdString(rig_.settings.SetupFilePath),
                      "[language]\r\ncomPort=1\r\n[ports]\r\nCOM1=" + link().toUtf8() + "\r\n"));
        rig_.settings.ComPortNo = 1;

        TransferControllerServices link{rig_.settings, rig_.doc, rig_.prompts(), {}, {}, {}};
        link.backups = backups;
        link.writeChecks = writeChecks;
        link.lastTrace = lastTrace;
        controller_ = std::make_unique<TransferController>(std::move(link));
        MainWindowServices services{rig_.settings,
                                    rig_.doc,
                                    rig_.prompts(),
                                    rig_.files,
                                    rig_.children,
                                    controller_.get(),
                                    &rig_.placementStore,
                                    {},
                                    {}};
        services.shutdownDuties = [] {};
        services.launchVersion = [](const std::string&, const std::string&) { return false; };
        services.backupFolder = backupFolder;
        rig_.window = std::make_unique<frmMain>(std::move(services));
        ConnectTransferController(*controller_, *rig_.window);
        rig_.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig_.window.get()));
    }

    // Read from radio, as the menu does it; the rig's document then holds the radio's image.
    void read() {
        QSignalSpy replaced(controller_.get(), &TransferController::documentReplaced);
        trigger("mnuReadFromRadio");
        QTRY_COMPARE_WITH_TIMEOUT(replaced.count(), 1, 60000);
    }

    void write() {
        QSignalSpy ended(controller_.get(), &TransferController::transferEnded);
        trigger("mnuWriteToRadio");
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 60000);
        QVERIFY(controller_->lastOutcome().completed);
    }

    // What `korvan7x-cli read` gets from the radio now, opened as a document.
    void readWithCli(DocumentState& into) {
        QProcess read;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), rig_.path(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), rig_.path(QStringLiteral("home/.config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), rig_.path(QStringLiteral("home/.local/share")));
        env.insert(QStringLiteral("XDG_STATE_HOME"),
                   rig_.path(QStringLiteral("home/.local/state")));
        read.setProcessEnvironment(env);
        const QString out = rig_.path(QStringLiteral("after.dat"));
        read.start(
            stage_ + QStringLiteral("korvan7x-cli"),
            {QStringLiteral("read"), QStringLiteral("--port"), link(), QStringLiteral("-o"), out});
        QVERIFY(read.waitForFinished(60000));
        QVERIFY2(read.exitCode() == 0, read.readAllStandardError().constData());
        QCOMPARE(OpenFile(into, out.toStdString(), "", rig_.settings.Versions, rig_.prompts(), {}),
                 OpenResult::Opened);
    }

    // Set before start(): the backup copies of the main window's transfers and their folder.
    BackupKeeper* backups = nullptr;
    std::string backupFolder;
    // Set before start(): the choices around a write; none: a plain write.
    WriteCheckStore* writeChecks = nullptr;
    // Set before start(): keeps the trace of the main window's last transfer.
    LastTransferTrace* lastTrace = nullptr;

private:
    QString link() const { return rig_.path(QStringLiteral("radio-link")); }
    void trigger(const char* action) {
        rig_.window->findChild<QAction*>(QString::fromLatin1(action))->trigger();
    }
    static bool writeFile(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
    }

    ShellTestRig& rig_;
    QString stage_;
    QProcess sim_;
    std::unique_ptr<TransferController> controller_;
};

}  // namespace k7x::test

// A radio written by mistake is put back from its automatic backup: the main window's read and
// write against korvan7x-radio keep their copies, a declined write keeps none, and File > Open
// backup starts in the backups folder.
#include <QAction>
#include <QDir>
#include <QtTest>

#include "SimulatedRadio.h"
#include "codeplug/Defaults.h"
#include "link/BackupKeeper.h"

using namespace k7x;
using namespace k7x::test;

namespace {

QStringList Kept(const QString& folder, const QString& kind) {
    return QDir(folder).entryList({QStringLiteral("KORVAN-7X_") + kind + QStringLiteral("_*.dat")},
                                  QDir::Files, QDir::Name);
}

void Trigger(ShellTestRig& rig, const char* name) {
    rig.window->findChild<QAction*>(QString::fromLatin1(name))->trigger();
}

}  // namespace

class BackupRestoreTest : public QObject {
    Q_OBJECT
private slots:
    void aWrongWriteIsUndoneFromTheBackupOfTheRead() {
        ShellTestRig rig;
        SimulatedRadio radio(rig);
        if (!radio.staged()) QSKIP("programs not staged");
        const QString folder = rig.path(QStringLiteral("data/backups"));
        BackupStore store(folder.toStdString());
        StoreBackupKeeper keeper(store);
        radio.backups = &keeper;
        radio.backupFolder = store.folder();
        DocumentState original = rig.doc;
        original.WorkDoc.Keys.KeyOption = 3;
        radio.start(0, original);
        if (QTest::currentTestFailed()) return;

        radio.read();
        if (QTest::currentTestFailed()) return;
        QCOMPARE(Kept(folder, QStringLiteral("read")).size(), 1);

        // A write the user declines leaves nothing; the one that goes ahead leaves its copy.
        rig.doc.WorkDoc.Keys.KeyOption = 7;
        const std::size_t shown = rig.prompts().shown.size();
        rig.prompts().answers = {Answer::Cancel};
        Trigger(rig, "mnuWriteToRadio");
        QTRY_COMPARE(rig.prompts().shown.size(), shown + 1);
        QCOMPARE(rig.prompts().shown.back().text, std::string("<9005>"));
        QVERIFY(Kept(folder, QStringLiteral("write")).isEmpty());
        radio.write();
        if (QTest::currentTestFailed()) return;
        QCOMPARE(Kept(folder, QStringLiteral("write")).size(), 1);

        // Put back: the copy of the read, opened from its folder after the unsaved question,
        // and written again.
        rig.doc.WorkDoc.Keys.KeyOption = 9;
        rig.doc.SavedDoc.Keys.KeyOption = 8;  // an unsaved change
        const QString copy = folder + QLatin1Char('/') + Kept(folder, QStringLiteral("read"))[0];
        rig.files.answers = {copy.toStdString()};
        rig.prompts().answers = {Answer::No};
        Trigger(rig, "mnuFileOpenBackup");
        QCOMPARE(rig.prompts().shown.back().text, std::string("<9006>"));
        QCOMPARE(rig.files.calls.back().startFolder, store.folder());
        QCOMPARE(rig.doc.WorkDoc.Keys.KeyOption, Int(3));
        QCOMPARE(rig.doc.CurrentFilePath, copy.toStdString());
        radio.write();
        if (QTest::currentTestFailed()) return;
        DocumentState after;
        InitNewDocument(after, "", false);
        radio.readWithCli(after);
        if (QTest::currentTestFailed()) return;
        QCOMPARE(after.WorkDoc.Keys.KeyOption, Int(3));
    }

    void openBackupMakesAMissingFolderAndStartsThere() {
        ShellTestRig rig;
        const std::string folder = rig.path(QStringLiteral("no/backups/yet")).toStdString();
        rig.main();
        QVERIFY(rig.main().documentCommands().mnuFileOpenBackup_Click(folder) == false);
        QCOMPARE(rig.files.calls.size(), std::size_t(1));
        QCOMPARE(rig.files.calls[0].startFolder, folder);
        QVERIFY(QDir(QString::fromStdString(folder)).exists());
    }
};

QTEST_MAIN(BackupRestoreTest)
#include "BackupRestoreTest.moc"

// The prompt sequences of New, Open, Save, Save As and closing the main window, driven through
// the menu and toolbar entries, with the messages answered by the recorder.
#include <QAction>
#include <QFileInfo>
#include <QtTest>
#include <stdexcept>

#include "ShellTestRig.h"
#include "codeplug/ChannelList.h"
#include "codeplug/CodeplugFile.h"
#include "shell/ui/ChildWindows.h"

using namespace k7x;
using k7x::test::ShellTestRig;

namespace {

std::vector<std::string> texts(const ShellTestRig& rig) {
    return const_cast<ShellTestRig&>(rig).prompts().texts();
}

void trigger(ShellTestRig& rig, const char* name) {
    QAction* a = rig.find<QAction>(QString::fromLatin1(name));
    QVERIFY2(a, name);
    a->trigger();
}

// Writes a sound codeplug file with a recognisable key option.
void writeCodeplug(const QString& path, Int keyOption) {
    DocumentState other;
    SetStartDocumentValues(other);
    InitNewDocument(other, "", false);
    other.WorkDoc.Keys.KeyOption = keyOption;
    test::RecordingPrompts quiet;
    QVERIFY(SaveFile(other, path.toStdString(), quiet));
}

}  // namespace

class DocumentCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void aDamagedFrequencyIsNeverExportedOrPrinted() {
        for (const char* command : {"mnuFileExportCsv", "mnuFileExportPdf", "mnuFilePrint"}) {
            ShellTestRig rig;
            rig.main();
            rig.doc.ChannelList[0].Frequency.set("028X5000");  // channel 1, from a damaged file
            rig.files.answers.push_back(rig.path(QStringLiteral("out")).toStdString());
            rig.find<QAction>(QString::fromLatin1(command))->trigger();
            QVERIFY2(rig.files.calls.empty(), command);
            QCOMPARE(rig.prompts().texts(), std::vector<std::string>{"<9473>"});
        }
    }

    void aCommandThatFailsUnexpectedlyIsReportedAndTheWindowGoesOn() {
        ShellTestRig rig;
        rig.children.add(kToneTipsWindow, []() -> QWidget* { throw std::runtime_error("boom"); });
        rig.main();
        trigger(rig, "mnuToneTips");
        QCOMPARE(texts(rig), std::vector<std::string>{"<9475>"});
        QCOMPARE(rig.prompts().shown[0].icon, Icon::Critical);
        rig.prompts().answers = {Answer::Ok};
        trigger(rig, "mnuFileNew");
        QCOMPARE(texts(rig).back(), "<9026>");
    }

    void newWithoutChangesOnlyConfirms() {
        ShellTestRig rig;
        rig.main();
        rig.prompts().answers = {Answer::Ok};
        trigger(rig, "mnuFileNew");
        QCOMPARE(texts(rig), std::vector<std::string>{"<9026>"});
        QCOMPARE(rig.prompts().shown[0].buttons, Buttons::OkCancel);
        QVERIFY(rig.main().newDocTimer().isActive());
        QVERIFY(rig.main().childWindows().isEmpty());

        rig.main().NewDocTimer_Timer();
        QVERIFY(!rig.main().newDocTimer().isActive());
        QVERIFY(rig.main().childWindow(kChannelGridWindow));
        QVERIFY(rig.doc.IsUntitled);
        QCOMPARE(rig.doc.CurrentFilePath, std::string("new.dat"));
    }

    void newCancelledAtConfirmationKeepsDocument() {
        ShellTestRig rig;
        rig.main();
        rig.changeDocument();
        rig.prompts().answers = {Answer::No, Answer::Cancel};
        trigger(rig, "mnuFileNew");
        QCOMPARE(texts(rig), (std::vector<std::string>{"<9006>", "<9026>"}));
        QVERIFY(!rig.main().newDocTimer().isActive());
        QVERIFY(IsDocumentChanged(rig.doc));
        QVERIFY(rig.main().childWindow(kChannelGridWindow));
    }

    void newCancelAtSaveQuestionStillConfirmsAndDiscards() {
        ShellTestRig rig;
        rig.main();
        rig.changeDocument();
        rig.prompts().answers = {Answer::Cancel, Answer::Ok};
        trigger(rig, "mnuFileNew");
        QCOMPARE(texts(rig), (std::vector<std::string>{"<9006>", "<9026>"}));
        QVERIFY(rig.files.calls.empty());
        rig.main().NewDocTimer_Timer();
        QVERIFY(!IsDocumentChanged(rig.doc));
    }

    void newYesOnTitledDocumentSavesUnderItsName() {
        ShellTestRig rig;
        rig.main();
        const QString file = rig.path(QStringLiteral("mine.dat"));
        rig.doc.CurrentFilePath = file.toStdString();
        rig.doc.IsUntitled = false;
        rig.changeDocument();
        const Int changed = rig.doc.WorkDoc.Keys.KeyOption;
        rig.prompts().answers = {Answer::Yes, Answer::Ok};
        trigger(rig, "mnuFileNew");
        // Saved without a dialog and without the 9007 question, then confirmed.
        QCOMPARE(texts(rig), (std::vector<std::string>{"<9006>", "<9026>"}));
        QVERIFY(rig.files.calls.empty());
        QCOMPARE(QFileInfo(file).size(), qint64(kFileSize));

        DocumentState reread;
        SetStartDocumentValues(reread);
        QCOMPARE(OpenFile(reread, file.toStdString(), "", rig.settings.Versions, rig.prompts(), {}),
                 OpenResult::Opened);
        QCOMPARE(reread.WorkDoc.Keys.KeyOption, changed);
    }

    void newYesOnUntitledDocumentAsksForAName() {
        ShellTestRig rig;
        rig.main();
        rig.changeDocument();
        const QString file = rig.path(QStringLiteral("named.dat"));
        rig.files.answers = {file.toStdString()};
        rig.prompts().answers = {Answer::Yes, Answer::Ok};
        QDir::setCurrent(rig.dir.path());
        trigger(rig, "mnuFileNew");
        QCOMPARE(rig.files.calls.size(), std::size_t(1));
        QVERIFY(rig.files.calls[0].save);
        QCOMPARE(rig.files.calls[0].preset, std::string("new.dat"));
        QVERIFY(QFileInfo::exists(file));
        // Never written silently as new.dat in the working folder.
        QVERIFY(!QFileInfo::exists(rig.path(QStringLiteral("new.dat"))));
        QCOMPARE(texts(rig), (std::vector<std::string>{"<9006>", "<9026>"}));
    }

    void newStopsWhenTheSaveDialogIsCancelled() {
        ShellTestRig rig;
        rig.main();
        rig.changeDocument();
        rig.prompts().answers = {Answer::Yes};
        trigger(rig, "mnuFileNew");
        QCOMPARE(texts(rig), std::vector<std::string>{"<9006>"});
        QVERIFY(!rig.main().newDocTimer().isActive());
        QVERIFY(IsDocumentChanged(rig.doc));
    }

    void newStopsWhenTheSaveFails() {
        ShellTestRig rig;
        rig.main();
        rig.doc.CurrentFilePath = rig.path(QStringLiteral("missing/folder/x.dat")).toStdString();
        rig.doc.IsUntitled = false;
        rig.changeDocument();
        rig.prompts().answers = {Answer::Yes};
        trigger(rig, "mnuFileNew");
        QCOMPARE(texts(rig), (std::vector<std::string>{"<9006>", "<9002>"}));
        QVERIFY(!rig.main().newDocTimer().isActive());
        QVERIFY(IsDocumentChanged(rig.doc));
    }

    void toolbarNewWithoutChangesAsksNothing() {
        ShellTestRig rig;
        rig.main();
        trigger(rig, "NewFile");
        QVERIFY(texts(rig).empty());
        QVERIFY(rig.main().newDocTimer().isActive());
    }

    void toolbarNewWithChangesAsksToSaveFirst() {
        ShellTestRig rig;
        rig.main();
        rig.changeDocument();
        rig.prompts().answers = {Answer::Cancel};
        trigger(rig, "NewFile");
        QCOMPARE(texts(rig), std::vector<std::string>{"<9006>"});
        QVERIFY(!rig.main().newDocTimer().isActive());
        QVERIFY(rig.main().childWindow(kChannelGridWindow));

        rig.prompts().shown.clear();
        rig.prompts().answers = {Answer::No};
        trigger(rig, "NewFile");
        QCOMPARE(texts(rig), std::vector<std::string>{"<9006>"});
        QVERIFY(rig.main().newDocTimer().isActive());
        rig.main().NewDocTimer_Timer();
        QVERIFY(!IsDocumentChanged(rig.doc));
    }

    void openWithChangesAndCancelOpensNoDialog() {
        ShellTestRig rig;
        rig.main();
        rig.changeDocument();
        rig.prompts().answers = {Answer::Cancel};
        trigger(rig, "mnuFileOpen");
        QCOMPARE(texts(rig), std::vector<std::string>{"<9006>"});
        QVERIFY(rig.files.calls.empty());
        QVERIFY(rig.main().childWindow(kChannelGridWindow));
    }

    void openAndToolbarNewStopWhenTheSaveOfAnUntitledDocumentIsCancelled() {
        for (const char* command : {"mnuFileOpen", "NewFile"}) {
            ShellTestRig rig;
            rig.main();
            rig.changeDocument();
            rig.prompts().answers = {Answer::Yes};
            trigger(rig, command);
            // Yes asks for a name; cancelling that ends the command with the changes kept.
            QCOMPARE(texts(rig), std::vector<std::string>{"<9006>"});
            QCOMPARE(rig.files.calls.size(), std::size_t(1));
            QVERIFY2(rig.files.calls[0].save, command);
            QVERIFY(!rig.main().newDocTimer().isActive());
            QVERIFY(IsDocumentChanged(rig.doc));
            QVERIFY(rig.main().childWindow(kChannelGridWindow));
        }
    }

    void openCancelledDialogChangesNothing() {
        ShellTestRig rig;
        rig.main();
        const QString title = rig.main().windowTitle();
        trigger(rig, "OpenFile");
        QCOMPARE(rig.files.calls.size(), std::size_t(1));
        QVERIFY(!rig.files.calls[0].save);
        QCOMPARE(rig.files.calls[0].filter,
                 std::string("<9001> (*.dat *.yaml *.yml *.json);;<9588> (*.yaml *.yml *.json)"));
        QCOMPARE(rig.main().windowTitle(), title);
        QVERIFY(rig.main().childWindow(kChannelGridWindow));
        QCOMPARE(rig.doc.CurrentFilePath, std::string("new.dat"));
    }

    void openTakesTheFileAndItsName() {
        ShellTestRig rig;
        rig.main();
        const QString file = rig.path(QStringLiteral("radio one.dat"));
        writeCodeplug(file, 5);
        rig.files.answers = {file.toStdString()};
        trigger(rig, "mnuFileOpen");
        QVERIFY(texts(rig).empty());
        QCOMPARE(rig.doc.CurrentFilePath, file.toStdString());
        QVERIFY(!rig.doc.IsUntitled);
        QCOMPARE(rig.doc.WorkDoc.Keys.KeyOption, Int(5));
        QVERIFY(!IsDocumentChanged(rig.doc));
        QVERIFY(rig.main().windowTitle().endsWith(QStringLiteral("[<12009>:radio one.dat][*]")));
        QCOMPARE(rig.main().childWindows().size(), 1);
        QVERIFY(rig.main().childWindow(kChannelGridWindow));
    }

    // A codeplug kept as text goes through Save As, the title, Save and Open as a .dat file does;
    // a text with faults is refused with their places and leaves everything as it was.
    void aCodeplugKeptAsTextSavesAndOpensLikeADatFile() {
        ShellTestRig rig;
        rig.main();
        rig.changeDocument();
        const Int changed = rig.doc.WorkDoc.Keys.KeyOption;
        const QString file = rig.path(QStringLiteral("radio.yaml"));
        rig.files.answers = {file.toStdString()};
        trigger(rig, "mnuFileSaveAs");
        QCOMPARE(rig.files.calls[0].filter, std::string("<9001> (*.dat);;<9588> (*.yaml)"));
        QVERIFY(!IsDocumentChanged(rig.doc));
        QVERIFY(rig.main().windowTitle().endsWith(QStringLiteral("[<12009>:radio.yaml][*]")));
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().startsWith("model: KORVN7X\n"));
        saved.close();

        // Save writes the text again under its name.
        rig.doc.WorkDoc.Keys.KeyOption = static_cast<Int>(changed + 1);
        rig.prompts().answers = {Answer::Ok};
        trigger(rig, "mnuFileSave");
        QVERIFY(!IsDocumentChanged(rig.doc));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("KeyOption: " + QByteArray::number(changed + 1)));
        saved.close();

        ShellTestRig other;
        other.main();
        QVERIFY(other.main().documentCommands().openFile(file.toStdString()));
        QVERIFY(other.prompts().texts().empty());
        QCOMPARE(other.doc.WorkDoc.Keys.KeyOption, Int(changed + 1));
        QVERIFY(other.doc.WorkDoc == rig.doc.WorkDoc);
        QVERIFY(!IsDocumentChanged(other.doc));
        QVERIFY(other.main().windowTitle().endsWith(QStringLiteral("[<12009>:radio.yaml][*]")));

        const QString faulty = rig.path(QStringLiteral("faulty.json"));
        QFile f(faulty);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("{\"channels\": [{\"ChannelNo\": 1, \"RDCT\": \"88.6\"}],\n \"keys\": 3}\n");
        f.close();
        const DocumentState before = other.doc;
        QVERIFY(!other.main().documentCommands().openFile(faulty.toStdString()));
        QCOMPARE(other.prompts().texts(),
                 std::vector<std::string>{"<9586>\n<9564>\n<9564>"});  // heading, two places
        QCOMPARE(other.doc.CurrentFilePath, file.toStdString());
        QVERIFY(other.doc.WorkDoc == before.WorkDoc);
    }

    void refusedOpenLeavesNameTitleAndDocument() {
        ShellTestRig rig;
        rig.main();
        rig.changeDocument();
        const DocumentState before = rig.doc;
        const QString title = rig.main().windowTitle();
        const QString file = rig.path(QStringLiteral("other model.dat"));
        writeCodeplug(file, 9);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.write("OTHER99");
        f.close();
        rig.files.answers = {file.toStdString()};
        rig.prompts().answers = {Answer::No};
        trigger(rig, "mnuFileOpen");
        QCOMPARE(texts(rig), (std::vector<std::string>{"<9006>", "<9012>"}));
        QCOMPARE(rig.doc.CurrentFilePath, std::string("new.dat"));
        QVERIFY(rig.doc.IsUntitled);
        QCOMPARE(rig.main().windowTitle(), title);
        QVERIFY(rig.doc.WorkDoc == before.WorkDoc);
        QVERIFY(rig.doc.SavedDoc == before.SavedDoc);
        // The editing windows closed for the file give way to the unchanged document's grid.
        QCOMPARE(rig.main().childWindows().size(), 1);
        QVERIFY(rig.main().childWindow(kChannelGridWindow));
    }

    void openOfAnotherVersionEndsTheProgramOnlyWhenItStarted() {
        for (bool starts : {false, true}) {
            ShellTestRig rig;
            rig.launchSucceeds = starts;
            rig.main().show();
            const QString file = rig.path(QStringLiteral("v200.dat"));
            writeCodeplug(file, 1);
            // Make the file's version one this program does not list.
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.seek(9);
            f.write("V200");
            f.close();
            rig.files.answers = {file.toStdString()};
            rig.prompts().answers = {Answer::Yes};
            trigger(rig, "mnuFileOpen");
            // The version started is handed the file, so it opens there.
            QCOMPARE(rig.launched, std::vector<std::string>{"V200 " + file.toStdString()});
            QCOMPARE(rig.main().isVisible(), !starts);
            QCOMPARE(rig.shutdowns, starts ? 1 : 0);
            QCOMPARE(rig.doc.CurrentFilePath, std::string("new.dat"));
        }
    }

    void saveOfTitledDocumentAsksWithTheFileName() {
        ShellTestRig rig;
        rig.main();
        const QString file = rig.path(QStringLiteral("keep.dat"));
        rig.doc.CurrentFilePath = file.toStdString();
        rig.doc.IsUntitled = false;
        rig.changeDocument();

        rig.prompts().answers = {Answer::Cancel};
        trigger(rig, "mnuFileSave");
        QCOMPARE(texts(rig), std::vector<std::string>{"\"keep.dat\"<9007>"});
        QCOMPARE(rig.prompts().shown[0].icon, Icon::Question);
        QVERIFY(!QFileInfo::exists(file));
        QVERIFY(IsDocumentChanged(rig.doc));

        rig.prompts().answers = {Answer::Ok};
        trigger(rig, "SaveFile");
        QVERIFY(QFileInfo::exists(file));
        QVERIFY(!IsDocumentChanged(rig.doc));
        QVERIFY(rig.files.calls.empty());
    }

    void saveOfUntitledDocumentGoesThroughSaveAs() {
        ShellTestRig rig;
        rig.main();
        const QString file = rig.path(QStringLiteral("first.dat"));
        rig.files.answers = {file.toStdString()};
        trigger(rig, "mnuFileSave");
        QVERIFY(texts(rig).empty());
        QCOMPARE(rig.files.calls.size(), std::size_t(1));
        QCOMPARE(rig.files.calls[0].preset, std::string("new.dat"));
        QCOMPARE(QFileInfo(file).size(), qint64(kFileSize));
        QCOMPARE(rig.doc.CurrentFilePath, file.toStdString());
        QVERIFY(!rig.doc.IsUntitled);
        QVERIFY(rig.main().windowTitle().endsWith(QStringLiteral("[<12009>:first.dat][*]")));
    }

    void cancelledOrFailedSaveAsKeepsTheName() {
        ShellTestRig rig;
        rig.main();
        trigger(rig, "mnuFileSaveAs");
        QCOMPARE(rig.files.calls.size(), std::size_t(1));
        QCOMPARE(rig.doc.CurrentFilePath, std::string("new.dat"));
        QVERIFY(QDir(rig.dir.path()).entryList({QStringLiteral("*.dat")}, QDir::Files).isEmpty());

        rig.files.answers = {rig.path(QStringLiteral("no/such/folder/x.dat")).toStdString()};
        trigger(rig, "mnuFileSaveAs");
        QCOMPARE(texts(rig), std::vector<std::string>{"<9002>"});
        QCOMPARE(rig.doc.CurrentFilePath, std::string("new.dat"));
        QVERIFY(rig.doc.IsUntitled);
        QVERIFY(rig.main().windowTitle().endsWith(QStringLiteral("[<12009>:new.dat][*]")));
    }

    void closingWithoutChangesAsksNothing() {
        ShellTestRig rig;
        rig.main().show();
        trigger(rig, "mnuFileExit");
        QVERIFY(texts(rig).empty());
        QVERIFY(!rig.main().isVisible());
        QCOMPARE(rig.shutdowns, 1);
        QCOMPARE(rig.radio.portCloses, 1);
    }

    void closingWithChangesAndCancelKeepsRunning() {
        ShellTestRig rig;
        rig.main().show();
        rig.changeDocument();
        rig.prompts().answers = {Answer::Cancel};
        QVERIFY(!rig.main().close());
        QCOMPARE(texts(rig), std::vector<std::string>{"<9006>"});
        QVERIFY(rig.main().isVisible());
        QCOMPARE(rig.shutdowns, 0);
        // A transfer that runs goes on.
        QCOMPARE(rig.radio.portCloses, 0);
        // The placement was stored before the question.
        QVERIFY(QFileInfo::exists(rig.path(QStringLiteral("placement.ini"))));
    }

    void aSecondCloseWhileClosingRunsNothingAgain() {
        ShellTestRig rig;
        rig.main().show();
        rig.changeDocument();
        rig.prompts().answers = {Answer::No};
        rig.radio.whileClosingPort = [&] { rig.main().close(); };
        QVERIFY(rig.main().close());
        // One question, one stop of the radio, one shutdown.
        QCOMPARE(texts(rig), std::vector<std::string>{"<9006>"});
        QCOMPARE(rig.radio.portCloses, 1);
        QCOMPARE(rig.shutdowns, 1);
        QVERIFY(!rig.main().isVisible());
    }

    void closingWithChangesAndNoDiscards() {
        ShellTestRig rig;
        rig.main().show();
        rig.changeDocument();
        rig.prompts().answers = {Answer::No};
        QVERIFY(rig.main().close());
        QCOMPARE(rig.shutdowns, 1);
        QVERIFY(rig.files.calls.empty());
    }

    void closingUntitledWithYesAsksForANameFirst() {
        ShellTestRig rig;
        rig.main().show();
        rig.changeDocument();
        const QString file = rig.path(QStringLiteral("exit.dat"));
        rig.files.answers = {file.toStdString()};
        rig.prompts().answers = {Answer::Yes};
        QVERIFY(rig.main().close());
        QCOMPARE(rig.files.calls.size(), std::size_t(1));
        QVERIFY(rig.files.calls[0].save);
        QVERIFY(QFileInfo::exists(file));
        QCOMPARE(rig.shutdowns, 1);
    }

    void closingWithYesAndACancelledSaveKeepsRunning() {
        ShellTestRig rig;
        rig.main().show();
        rig.changeDocument();
        rig.prompts().answers = {Answer::Yes};
        QVERIFY(!rig.main().close());
        QVERIFY(rig.main().isVisible());
        QCOMPARE(rig.shutdowns, 0);

        // A titled document: Cancel at the 9007 question also keeps the window.
        rig.doc.CurrentFilePath = rig.path(QStringLiteral("t.dat")).toStdString();
        rig.doc.IsUntitled = false;
        rig.prompts().shown.clear();
        rig.prompts().answers = {Answer::Yes, Answer::Cancel};
        QVERIFY(!rig.main().close());
        QCOMPARE(texts(rig), (std::vector<std::string>{"<9006>", "\"t.dat\"<9007>"}));
        QCOMPARE(rig.shutdowns, 0);
    }

    void initialiseRequestOnlyLastsForItsNewDocument() {
        ShellTestRig rig;
        rig.main();
        rig.prompts().answers = {Answer::Cancel};
        trigger(rig, "MnuInit");
        QVERIFY(!rig.settings.InitialiseSettingsRequest);

        rig.prompts().answers = {Answer::Ok};
        trigger(rig, "MnuInit");
        QVERIFY(rig.settings.InitialiseSettingsRequest);
        rig.main().NewDocTimer_Timer();
        QVERIFY(!rig.settings.InitialiseSettingsRequest);
    }
};

QTEST_MAIN(DocumentCommandsTest)
#include "DocumentCommandsTest.moc"

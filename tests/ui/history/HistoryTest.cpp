// Undo and redo across the windows: each edit made with the keyboard is one named step,
// undo puts the document back and every open window shows it, and the history starts afresh
// with an opened file.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>

#include "ChannelTestRig.h"
#include "codeplug/CodeplugFile.h"
#include "settings/SettingsWindows.h"
#include "shell/ui/DocumentHistory.h"

using namespace k7x;
using namespace k7x::test;

namespace {

// The channel and the settings windows on one main window, with the English texts.
struct HistoryRig : ChannelTestRig {
    HistoryRig() : ChannelTestRig(1, true), settingsServices{doc, prompts(), settings} {
        RegisterSettingsWindows(children, settingsServices);
        main().show();
    }
    ~HistoryRig() { window.reset(); }

    DocumentHistory& history() { return main().history(); }
    QAction* undo() { return find<QAction>(QStringLiteral("mnuUndo")); }
    QAction* redo() { return find<QAction>(QStringLiteral("mnuRedo")); }
    template <typename T>
    T* in(const QString& window, const QString& name) {
        QWidget* w = main().ShowChildWindow(window);
        return w ? w->findChild<T*>(name) : nullptr;
    }
    // Lets the history look at what the last input did.
    static void settle() { QCoreApplication::processEvents(); }
    void stepDown(QComboBox* list) {
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        settle();
    }

    SettingsWindowServices settingsServices;
};

constexpr int kRow = 1;  // channel A 2

}  // namespace

class HistoryTest : public QObject {
    Q_OBJECT
private slots:
    void editsInEveryWindowUndoAndRedoWithTheWindowsRedrawn() {
        HistoryRig rig;
        const DocumentState start = rig.doc;
        QVERIFY(!rig.undo()->isEnabled());

        // A channel made by typing its frequency into the grid, then a new frequency for it.
        auto* table = rig.in<QTableWidget>(kChannelGridWindow, QStringLiteral("MSFlexGrid1"));
        auto* cell = rig.grid()->findChild<QLineEdit*>(QStringLiteral("Text1"));
        for (const char* frequency : {"28.5", "28.125"}) {
            table->setFocus();
            table->setCurrentCell(kRow, kColFrequency);
            QTest::keyClick(table, Qt::Key_F2);
            QTest::keyClick(cell, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(cell, QString::fromLatin1(frequency));
            QTest::keyClick(cell, Qt::Key_Return);
            HistoryRig::settle();
        }
        QCOMPARE(rig.history().stack().count(), 2);
        QCOMPARE(rig.history().stack().text(0), QStringLiteral("channel A 2"));
        QCOMPARE(rig.undo()->text(), QStringLiteral("&Undo: frequency of channel A 2"));

        // A list in the edit window, one in the key functions, one in the tone tips.
        rig.stepDown(rig.in<QComboBox>(kChannelEditWindow, QStringLiteral("Combo2_2")));
        auto* key = rig.in<QComboBox>(kKeyWindow, QStringLiteral("Combo1_0"));
        const int keyShown = key->currentIndex();
        rig.stepDown(key);
        QCOMPARE(rig.undo()->text(), QStringLiteral("&Undo: key functions"));
        auto* pitch = rig.in<QComboBox>(kToneTipsWindow, QStringLiteral("Combo3_0"));
        const int pitchShown = pitch->currentIndex();
        rig.stepDown(pitch);
        QCOMPARE(rig.history().stack().count(), 5);
        const DocumentState edited = rig.doc;

        // Undo all five: the document is the start again, and the windows show it.
        for (int i = 0; i < 5; ++i) rig.undo()->trigger();
        QVERIFY(rig.doc.WorkDoc == start.WorkDoc);
        QVERIFY(rig.doc.ChannelList == start.ChannelList);
        QVERIFY(!IsDocumentChanged(rig.doc));
        QCOMPARE(key->currentIndex(), keyShown);
        QCOMPARE(pitch->currentIndex(), pitchShown);
        QCOMPARE(table->item(kRow, kColFrequency)->text(), QString());
        QVERIFY(!rig.undo()->isEnabled());
        QCOMPARE(rig.redo()->text(), QStringLiteral("&Redo: channel A 2"));

        for (int i = 0; i < 5; ++i) rig.redo()->trigger();
        QVERIFY(rig.doc.WorkDoc == edited.WorkDoc);
        QVERIFY(rig.doc.ChannelList == edited.ChannelList);
        QCOMPARE(table->item(kRow, kColFrequency)->text(), QStringLiteral("28.12500"));
        QVERIFY(key->currentIndex() != keyShown);
    }

    void typingIntoATextBoxIsOneStepUntilTheTypingEnds() {
        HistoryRig rig;
        auto* first = rig.in<QLineEdit>(kDtmfWindow, QStringLiteral("Text2_0"));
        first->setFocus();
        for (const char* key : {"1", "2", "3"}) {
            QTest::keyClicks(first, QString::fromLatin1(key));
            HistoryRig::settle();
        }
        QCOMPARE(rig.history().stack().count(), 1);
        QCOMPARE(rig.undo()->text(), QStringLiteral("&Undo: DTMF code 1"));

        // Typing into the next box is a step of its own.
        auto* second = rig.in<QLineEdit>(kDtmfWindow, QStringLiteral("Text2_1"));
        QTest::mouseClick(second, Qt::LeftButton);
        QTest::keyClicks(second, QStringLiteral("9"));
        HistoryRig::settle();
        QCOMPARE(rig.history().stack().count(), 2);

        rig.undo()->trigger();
        rig.undo()->trigger();
        QCOMPARE(first->text(), QString());
        QCOMPARE(second->text(), QString());
        QCOMPARE(rig.doc.WorkDoc.Dtmf.Codes[0].CodeLength, Int(0));
    }

    void undoingToTheSavedStateLeavesNothingUnsavedAndOpeningStartsAfresh() {
        HistoryRig rig;
        const QString file = rig.path(QStringLiteral("saved.dat"));
        QVERIFY(SaveFile(rig.doc, file.toStdString(), rig.prompts()));
        rig.stepDown(rig.in<QComboBox>(kKeyWindow, QStringLiteral("Combo1_3")));
        QVERIFY(IsDocumentChanged(rig.doc));
        rig.undo()->trigger();
        QVERIFY(!IsDocumentChanged(rig.doc));
        rig.redo()->trigger();
        QVERIFY(IsDocumentChanged(rig.doc));

        rig.prompts().answers.push_back(Answer::No);  // do not save the change first
        rig.files.answers.push_back(file.toStdString());
        QVERIFY(rig.main().documentCommands().mnuFileOpen_Click());
        QCOMPARE(rig.history().stack().count(), 0);
        QVERIFY(!rig.undo()->isEnabled());
    }

    void lookingAtAnotherGroupOrReadingTheRadiosInformationIsNoStep() {
        HistoryRig rig;
        auto* groups = rig.in<QComboBox>(kChannelGridWindow, QStringLiteral("Combo7"));
        rig.stepDown(rig.in<QComboBox>(kChannelEditWindow, QStringLiteral("Combo2_2")));
        rig.undo()->trigger();
        QVERIFY(rig.redo()->isEnabled());

        rig.stepDown(groups);  // group B
        QCOMPARE(rig.doc.WorkDoc.Options.CurrentGroup, Int(1));
        rig.doc.RadioInfo.InfoCountryMode = 2;  // what an information read reports
        rig.history().record();
        QCOMPARE(rig.history().stack().count(), 1);
        QVERIFY(rig.redo()->isEnabled());

        // Redo changes the channel back, not the group on show: list, caption and rows agree.
        rig.redo()->trigger();
        QCOMPARE(rig.doc.WorkDoc.Options.CurrentGroup, Int(1));
        QCOMPARE(groups->currentText(), QStringLiteral("B"));
        QVERIFY(rig.grid()->windowTitle().contains(QStringLiteral(" B ")));
        rig.undo()->trigger();
        QCOMPARE(groups->currentText(), QStringLiteral("B"));
        QVERIFY(rig.grid()->windowTitle().contains(QStringLiteral(" B ")));
    }

    void aHeldChangeIsOneStepAndUndoingAModeChangeReopensTheGrid() {
        HistoryRig rig;
        QWidget* grid = rig.grid();
        DocumentHistory& history = rig.history();
        QSignalSpy restored(&history, &DocumentHistory::restored);
        history.hold();
        rig.doc.CurrentCountryMode = 2;
        rig.doc.BandText = "28.000 - 29.700";
        rig.doc.WorkDoc.Header.CountryMode = 2;
        history.record();  // what an input event would do meanwhile: nothing while held
        QCOMPARE(history.stack().count(), 0);
        history.release(QStringLiteral("country mode"));
        QCOMPARE(history.stack().count(), 1);

        rig.undo()->trigger();
        QCOMPARE(rig.doc.CurrentCountryMode, Int(1));
        QCOMPARE(rig.doc.WorkDoc.Header.CountryMode, Int(1));
        QCOMPARE(restored.count(), 1);
        QCOMPARE(restored.at(0).at(0).toBool(), true);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QPointer<QWidget> reopened = rig.main().childWindow(kChannelGridWindow);
        QVERIFY(reopened && reopened != grid);
    }
};

QTEST_MAIN(HistoryTest)
#include "HistoryTest.moc"

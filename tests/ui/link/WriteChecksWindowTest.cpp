// Writing with certainty in the desktop program against korvan7x-radio: Compare with radio
// lists what differs and changes nothing, a write first shows its changes (Cancel writes
// nothing and keeps what the radio held), and after a write the radio is read back and checked.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "SimulatedRadio.h"
#include "codeplug/Defaults.h"
#include "link/BackupKeeper.h"
#include "link/ui/FrmRadioDiff.h"

using namespace k7x;
using namespace k7x::test;

namespace {

constexpr int kKeysBlock = 0x1A40;  // the block holding Keys.KeyOption

// Once the differences window shows, records its lines and presses `button`.
void AnswerDifferences(const char* button, QStringList& lines) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, button, &lines] {
        auto* window = qobject_cast<FrmRadioDiff*>(QApplication::activeModalWidget());
        if (!window) return;
        timer->deleteLater();
        timer->stop();
        const auto* list = window->findChild<QListWidget*>(QStringLiteral("List1"));
        for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
        window->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    });
    timer->start(20);
}

struct Rig {
    ShellTestRig shell;
    SimulatedRadio radio{shell};
    QString folder = shell.path(QStringLiteral("data/backups"));
    BackupStore store{folder.toStdString()};
    StoreBackupKeeper keeper{store};
    WriteCheckStore checks = WriteCheckStore::inFile(shell.path(QStringLiteral("checks.ini")));

    // The radio holds KeyOption 3, the document KeyOption `mine`.
    void start(int mine, const QStringList& radioOptions = {}) {
        radio.backups = &keeper;
        radio.writeChecks = &checks;
        DocumentState held = shell.doc;
        held.WorkDoc.Keys.KeyOption = 3;
        radio.start(shell.doc.CurrentCountryMode, held, radioOptions);
        shell.doc.WorkDoc.Keys.KeyOption = static_cast<Int>(mine);
    }
    void trigger(const char* name) {
        shell.window->findChild<QAction*>(QString::fromLatin1(name))->trigger();
    }
    bool idle() {
        return shell.window->findChild<QAction*>(QStringLiteral("mnuWriteToRadio"))->isEnabled();
    }
    int kept(const char* kind) const {
        return int(QDir(folder)
                       .entryList({QStringLiteral("KORVAN-7X_%1_*.dat").arg(QLatin1String(kind))})
                       .size());
    }
    Int radioKeyOption() {
        DocumentState after;
        InitNewDocument(after, "", false);
        radio.readWithCli(after);
        return after.WorkDoc.Keys.KeyOption;
    }
    bool shown(const std::string& text) {
        for (const std::string& t : shell.prompts().texts())
            if (t.find(text) != std::string::npos) return true;
        return false;
    }
};

}  // namespace

class WriteChecksWindowTest : public QObject {
    Q_OBJECT
private slots:
    void compareThenPreviewCancelThenWriteAndCheck() {
        Rig r;
        if (!r.radio.staged()) QSKIP("programs not staged");
        r.start(7);
        if (QTest::currentTestFailed()) return;
        const QString difference = QStringLiteral("Keys.KeyOption: 7 \u2192 3");

        QStringList lines;
        AnswerDifferences("CommandClose", lines);
        r.trigger("mnuCompareWithRadio");
        QTRY_VERIFY_WITH_TIMEOUT(!lines.isEmpty() && r.idle(), 60000);
        QCOMPARE(lines, QStringList{difference});
        QCOMPARE(r.shell.doc.WorkDoc.Keys.KeyOption, Int(7));
        QCOMPARE(r.kept("read"), 1);

        // Cancel on the list of changes: nothing written, what the radio held is kept.
        lines.clear();
        AnswerDifferences("CommandCancel", lines);
        r.trigger("mnuWriteToRadio");
        QTRY_VERIFY_WITH_TIMEOUT(!lines.isEmpty() && r.idle(), 60000);
        QCOMPARE(lines, QStringList{difference});
        QCOMPARE(r.kept("before-write"), 1);
        QCOMPARE(r.kept("write"), 0);
        QCOMPARE(r.radioKeyOption(), Int(3));

        lines.clear();
        AnswerDifferences("CommandWrite", lines);
        r.trigger("mnuWriteToRadio");
        QTRY_VERIFY_WITH_TIMEOUT(r.shown("<9486>") && r.idle(), 60000);
        QCOMPARE(r.kept("write"), 1);
        QCOMPARE(r.radioKeyOption(), Int(7));
    }

    void aWriteTheRadioDidNotTakeIsReportedByBlockAndField() {
        Rig r;
        if (!r.radio.staged()) QSKIP("programs not staged");
        r.checks.save({false, true});
        r.start(9, {QStringLiteral("--drop-write-block"), QString::number(kKeysBlock)});
        if (QTest::currentTestFailed()) return;
        // Confirm the write and its completion; do not write again after the failed check.
        r.shell.prompts().answers = {Answer::Ok, Answer::Ok, Answer::No};
        r.trigger("mnuWriteToRadio");
        QTRY_VERIFY_WITH_TIMEOUT(r.shown("<9487>") && r.idle(), 60000);
        QVERIFY(r.shown("Keys.KeyOption: 9 \u2192 3"));
        QVERIFY(!r.shown("<9486>"));
    }
};

QTEST_MAIN(WriteChecksWindowTest)
#include "WriteChecksWindowTest.moc"

// File > Import channels on the main window with the channel grid open: the report of rows
// not taken lets the user cancel with the document as it was, and an import taken is one
// named undo step that the grid follows both ways.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>

#include "ChannelTestRig.h"
#include "shell/ui/CsvImportDialogs.h"
#include "shell/ui/DocumentHistory.h"

using namespace k7x;
using namespace k7x::test;

namespace {

// Answers the import's questions from a script and keeps what the report showed.
struct ScriptedCsvChoices : CsvImportChoices {
    std::optional<CsvPlacement> choosePlacement(QWidget*, const DocumentState&) override {
        ++placements;
        return placement;
    }
    bool takeTheRest(QWidget*, const QString& heading, const QStringList& rows,
                     bool someTaken) override {
        reported = heading;
        reportedRows = rows;
        offered = someTaken;
        return take;
    }
    std::optional<CsvPlacement> placement = CsvPlacement{};
    bool take = false;
    int placements = 0;
    QString reported;
    QStringList reportedRows;
    bool offered = false;
};

struct ImportRig : ChannelTestRig {
    ImportRig() : ChannelTestRig(1, true) {
        csvChoices = &choices;
        main().show();
        grid();
    }
    ~ImportRig() { window.reset(); }

    // Chooses a file with these lines in File > Import channels.
    void import(const QByteArray& lines) {
        const QString path = this->path(QStringLiteral("channels.csv"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("Location,Name,Frequency,Tone,rToneFreq\r\n" + lines);
        file.close();
        files.answers.push_back(path.toStdString());
        find<QAction>(QStringLiteral("mnuFileImportCsv"))->trigger();
        QCoreApplication::processEvents();
    }
    QString gridFrequency(int position) {
        const QTableWidgetItem* item =
            grid()->findChild<QTableWidget*>(QStringLiteral("MSFlexGrid1"))->item(position - 1, 1);
        return item ? item->text() : QString();
    }

    ScriptedCsvChoices choices;
};

const QByteArray kTwoRows = "3,A-3,28.500000,Tone,88.5\r\n4,A-4,146.520000,,\r\n";

}  // namespace

class CsvImportTest : public QObject {
    Q_OBJECT
private slots:
    void cancellingTheReportLeavesTheDocumentAsItWas() {
        ImportRig rig;
        const DocumentState before = rig.doc;
        rig.import(kTwoRows);
        QCOMPARE(rig.choices.reportedRows.size(), 1);
        QVERIFY(rig.choices.reportedRows[0].startsWith(QStringLiteral("Line 3:")));
        QVERIFY(rig.choices.reportedRows[0].contains(QStringLiteral("146.520000")));
        QVERIFY(rig.choices.offered);
        QVERIFY(rig.doc.ChannelList == before.ChannelList);
        QVERIFY(rig.doc.WorkDoc == before.WorkDoc);
        QCOMPARE(rig.main().history().stack().count(), 0);
        QCOMPARE(rig.gridFrequency(3), QString());

        // A file that is no channel table is told, and asks nothing.
        rig.import(QByteArray("x\0y", 3));
        QCOMPARE(rig.choices.placements, 1);
        QVERIFY(rig.prompts().texts().back().find("not text") != std::string::npos);
        QVERIFY(rig.doc.ChannelList == before.ChannelList);
    }

    void anImportIsOneUndoStepTheGridFollows() {
        ImportRig rig;
        const DocumentState before = rig.doc;
        rig.choices.take = true;
        rig.import(kTwoRows);
        QCOMPARE(rig.gridFrequency(3), QStringLiteral("28.50000"));
        QCOMPARE(rig.main().history().stack().count(), 1);
        QCOMPARE(rig.main().history().stack().text(0), QStringLiteral("import of 1 channels"));

        rig.main().history().undo();
        QVERIFY(rig.doc.ChannelList == before.ChannelList);
        QCOMPARE(rig.gridFrequency(3), QString());
        rig.main().history().redo();
        QCOMPARE(rig.gridFrequency(3), QStringLiteral("28.50000"));
        QCOMPARE(FindChannel(rig.doc, 4), -1);
    }

    // The placement dialog, worked from the keyboard: the group and position follow the choice.
    void thePlacementDialogGivesTheChosenGroupAndPosition() {
        ImportRig rig;
        DialogCsvImportChoices dialogs(rig.prompts());
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            auto* group = dialog->findChild<QComboBox*>(QStringLiteral("ComboGroup"));
            QVERIFY(!group->isEnabled());
            QTest::keyClick(dialog->findChild<QRadioButton*>(QStringLiteral("OptionGroup")),
                            Qt::Key_Space);
            QVERIFY(group->isEnabled());
            group->setCurrentIndex(10);  // "VFO": one position only
            QCOMPARE(dialog->findChild<QSpinBox*>(QStringLiteral("TextPosition"))->maximum(), 1);
            group->setCurrentIndex(1);
            dialog->findChild<QSpinBox*>(QStringLiteral("TextPosition"))->setValue(7);
            dialog->findChild<QPushButton*>(QStringLiteral("CommandOK"))->click();
        });
        const std::optional<CsvPlacement> placement = dialogs.choosePlacement(&rig.main(), rig.doc);
        QVERIFY(placement && !placement->byLocation);
        QCOMPARE(placement->group, 1);
        QCOMPARE(placement->first, 7);
    }
};

QTEST_MAIN(CsvImportTest)
#include "CsvImportTest.moc"

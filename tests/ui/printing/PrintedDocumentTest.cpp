// File > Export PDF and File > Print on whole documents: the PDF is read back with pdfinfo and
// pdftotext, page by page.
#include <QAction>
#include <QDate>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QTimer>
#include <QtTest>

#include "ShellTestRig.h"
#include "channels/ChannelPrintSections.h"
#include "codeplug/ChannelList.h"
#include "codeplug/Conversions.h"
#include "codeplug/Groups.h"
#include "settings/SettingsPrintSections.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/PrintCommands.h"

using namespace k7x;
using k7x::test::ShellTestRig;

namespace {

// A rig whose pages hold the channels and the settings, as the program's do.
struct PrintRig : ShellTestRig {
    explicit PrintRig(int mode) : ShellTestRig(true) {
        doc.CurrentCountryMode = static_cast<Int>(mode);
        InitNewDocument(doc, settings.ProgramFolder, false);
        printSections = [](const DocumentState& d, Prompts& p, const PrintOptions& o) {
            return ChannelPrintSections(d, p, o) + SettingsPrintSections(d, p);
        };
        main();  // it starts on a new document of the mode
    }

    // Exports through the menu to name in the rig's folder; the PDF's pages as text.
    QStringList exportPages(const QString& name) {
        files.answers = {path(name).toStdString()};
        main().findChild<QAction*>(QStringLiteral("mnuFileExportPdf"))->trigger();
        return PdfPages(path(name));
    }

    static QString Run(const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    static int PageCount(const QString& pdf) {
        const QString info = Run(QStringLiteral("pdfinfo"), {pdf});
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"),
                                                             QRegularExpression::MultilineOption)
                                              .match(info);
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }

    static QStringList PdfPages(const QString& pdf) {
        QStringList pages =
            Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
                .split(QLatin1Char('\f'));
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
        return pages;
    }
};

// The first page (1-based) whose text holds needle; 0 when none does.
int PageWith(const QStringList& pages, const QString& needle) {
    for (qsizetype i = 0; i < pages.size(); ++i)
        if (pages[i].contains(needle)) return static_cast<int>(i) + 1;
    return 0;
}

// The position numbers that begin the table rows of a page, in order.
QList<int> RowNumbers(const QString& page) {
    QList<int> numbers;
    const QRegularExpression row(QStringLiteral("^\\s*(\\d+)(\\s|$)"),
                                 QRegularExpression::MultilineOption);
    for (auto it = row.globalMatch(page); it.hasNext();)
        numbers.append(it.next().captured(1).toInt());
    return numbers;
}

}  // namespace

class PrintedDocumentTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext (poppler-utils, installed by scripts/setup.sh) is needed");
    }

    // Mode 0: EU, CE, U, UK, PL, I2 of 40 positions, DE of 80, IN of 40 and MEM of 8.
    void groupsOfFortyTakeOnePageEachAndDeBreaksWithItsHeaders() {
        PrintRig rig(0);
        const int eu = GroupStart(0, 0);
        const int firstIndex = FindChannel(rig.doc, eu + 1);
        QVERIFY(firstIndex >= 0);
        ChannelRecord& first = rig.doc.ChannelList[static_cast<std::size_t>(firstIndex)];
        first.RDCT = 1;
        const int de60 = GroupStart(6, 0) + 60;
        QVERIFY(AddChannel(rig.doc, de60, "26.96500"));
        const std::string de60Shown =
            DisplayForGroup(
                rig.doc.ChannelList[static_cast<std::size_t>(FindChannel(rig.doc, de60))]
                    .Frequency.str(),
                6, 0)
                .value();
        rig.doc.WorkDoc.Dtmf.Codes[2] = {6, FixedText<16>("123ABC")};
        rig.main().printCommands().setAllPositions(true);
        const QStringList pages = rig.exportPages(QStringLiteral("cb.pdf"));

        QCOMPARE(rig.files.calls.size(), std::size_t{1});
        QVERIFY(rig.files.calls[0].save);
        QVERIFY(QString::fromStdString(rig.files.calls[0].filter).contains(QLatin1String("*.pdf")));
        QCOMPARE(rig.files.calls[0].preset, std::string("new.pdf"));
        QCOMPARE(PrintRig::PageCount(rig.path(QStringLiteral("cb.pdf"))), pages.size());

        const QStringList groups = {"EU", "CE", "U", "UK", "PL", "I2", "DE", "DE", "IN", "MEM"};
        for (qsizetype p = 0; p < groups.size(); ++p) {
            const QString& page = pages[p];
            QVERIFY2(page.contains(QStringLiteral("Group ") + groups[p] + QLatin1Char('\n')) ||
                         page.contains(QStringLiteral("Group ") + groups[p] + QLatin1Char(' ')),
                     qPrintable(QStringLiteral("page %1").arg(p + 1)));
            QVERIFY(page.contains(QLatin1String("Frequency (MHz)")));
            QVERIFY(page.contains(QLatin1String("RX tone")));
        }
        // The settings follow the last group on a page of their own.
        QCOMPARE(PageWith(pages, QStringLiteral("Optional features")), 11);

        // Every page is headed and numbered.
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        for (qsizetype p = 0; p < pages.size(); ++p) {
            for (const QString& needle :
                 {QStringLiteral("KORVAN 7X"), QStringLiteral("Country mode: CB"),
                  QStringLiteral("File: new.dat"), QStringLiteral("Date: ") + today,
                  QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages.size())})
                QVERIFY2(pages[p].contains(needle), qPrintable(needle));
        }

        // The first EU channel with its frequency and receive tone; positions 41-80 of DE
        // on the second DE page, under repeated column headers.
        const std::string shown = DisplayForGroup(first.Frequency.str(), 0, 0).value();
        QVERIFY(shown.size() == 8);
        QVERIFY(pages[0].contains(QString::fromStdString(shown)));
        QVERIFY(pages[0].contains(QLatin1String("C_001(67.0Hz)")));
        const QList<int> deFirst = RowNumbers(pages[6]), deSecond = RowNumbers(pages[7]);
        QVERIFY(deFirst.size() >= 40);
        QCOMPARE(deFirst.size() + deSecond.size(), 80);
        QCOMPARE(deSecond.front(), deFirst.back() + 1);
        QCOMPARE(deSecond.back(), 80);
        QVERIFY(pages[7].contains(QString::fromStdString(de60Shown)));
        QVERIFY(!pages[6].contains(QString::fromStdString(de60Shown)));
        QVERIFY(pages[9].contains(QLatin1String("Working CH")));

        // The settings: DTMF codes, keys and tone tips.
        const QString settings = pages.mid(10).join(QLatin1Char('\n'));
        for (const char* needle : {"DTMF settings", "123ABC", "Key functions", "Key mode 3",
                                   "Tone tips", "Note 14", "Common settings"})
            QVERIFY2(settings.contains(QLatin1String(needle)), needle);
        // CB channels have no repeater shift and no choice of power, in no table.
        for (const char* absent : {"TX power", "Duplex", "5 kHz shift"})
            QVERIFY2(!pages.join(QLatin1Char('\n')).contains(QLatin1String(absent)), absent);
    }

    // Modes 1 and 2 show the duplex, offset and power columns; the VFO group has no scan flag.
    void lettersModeAddsTheColumnsModeZeroHides() {
        PrintRig rig(1);
        rig.main().printCommands().setAllPositions(true);
        const QStringList pages = rig.exportPages(QStringLiteral("hf.pdf"));
        QCOMPARE(PageWith(pages, QStringLiteral("Optional features")), 13);  // A-J, VFO, MEM
        for (const char* needle : {"Duplex", "Offset", "TX power", "Group enabled"})
            QVERIFY2(pages[0].contains(QLatin1String(needle)), needle);
        QVERIFY(pages[10].contains(QLatin1String("Group VFO")));
        QVERIFY(!pages[10].contains(QLatin1String("Scan")));
        QVERIFY(pages[0].contains(QLatin1String("Scan")));
    }

    // By default the channels there are: a new document's channels take one page in every mode,
    // the groups without channels named on one line; a channel added shows in its group's table.
    void onlyTheChannelsThereArePrinted() {
        const struct {
            int mode;
            int added;  // the channel number added
            const char *group, *leftOut;
        } kCases[] = {{0, GroupStart(6, 0) + 60, "Group DE", "CE, U, UK"},
                      {1, GroupStart(3, 1) + 7, "Group D", "B, C, D, E"},
                      {2, GroupStart(9, 2) + 40, "Group J", "B, C, D"}};
        for (const auto& c : kCases) {
            PrintRig rig(c.mode);
            const QString name = QStringLiteral("new%1.pdf").arg(c.mode);
            const QStringList fresh = rig.exportPages(name);
            // The channels take the first page; the settings follow as before.
            QCOMPARE(PageWith(fresh, QStringLiteral("Optional features")), 2);
            QVERIFY(fresh[0].contains(QStringLiteral("Groups without channels, left out: ")));
            QVERIFY2(fresh[0].contains(QLatin1String(c.leftOut)), qPrintable(fresh[0]));
            const QString all = fresh.join(QLatin1Char('\n'));
            QVERIFY(!all.contains(QLatin1String(c.group)));
            QVERIFY(AddChannel(rig.doc, c.added, "27.00500"));
            const QString more = rig.exportPages(name).join(QLatin1Char('\n'));
            QVERIFY2(more.contains(QLatin1String(c.group)), qPrintable(name));
            // Only the channels' rows: the new table has a single numbered row.
            const qsizetype at = more.indexOf(QLatin1String(c.group));
            const QRegularExpression nextTitle(QStringLiteral("^Group "),
                                               QRegularExpression::MultilineOption);
            QCOMPARE(RowNumbers(more.mid(at, more.indexOf(nextTitle, at + 1) - at)).size(), 1);
        }
    }

    // A file that cannot be written is reported and nothing is left behind.
    void failedWriteIsReported() {
        PrintRig rig(0);
        const QString target = rig.path(QStringLiteral("missing/folder/out.pdf"));
        QVERIFY(!rig.main().printCommands().writePdf(target.toStdString()));
        QCOMPARE(rig.prompts().shown.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(rig.prompts().shown[0].text)
                    .startsWith(QLatin1String("The PDF file could not be written:")));
        QCOMPARE(rig.prompts().shown[0].icon, Icon::Critical);
        QVERIFY(!QFile::exists(target));
        // Cancelling the file dialog writes nothing and asks nothing.
        rig.files.answers = {std::nullopt};
        QVERIFY(!rig.main().printCommands().mnuFileExportPdf_Click(&rig.main()));
        QCOMPARE(rig.prompts().shown.size(), std::size_t{1});
    }

    // File > Print and the toolbar's Print button open the preview of the same pages.
    void printOpensThePreview() {
        PrintRig rig(0);
        for (const char* entry : {"mnuFilePrint", "Print"}) {
            QString title;
            int pages = 0, allPages = 0;
            QKeySequence printKeys;
            QTimer::singleShot(0, [&] {
                auto* preview =
                    qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
                if (!preview) return;
                title = preview->windowTitle();
                // The toolbar takes no focus: its print command has a key.
                for (QAction* a : preview->findChildren<QAction*>())
                    if (a->text() == QLatin1String("Print")) printKeys = a->shortcut();
                auto* widget = preview->findChild<QPrintPreviewWidget*>();
                pages = widget->pageCount();
                // Ticking "All positions" lays out every position; the choice is kept.
                preview->findChild<QAction*>(QStringLiteral("PrintAllPositions"))->trigger();
                allPages = widget->pageCount();
                preview->findChild<QAction*>(QStringLiteral("PrintAllPositions"))->trigger();
                preview->reject();
            });
            QAction* action = rig.main().findChild<QAction*>(QLatin1String(entry));
            QVERIFY2(action && action->isVisible(), entry);
            action->trigger();
            QCOMPARE(title, QStringLiteral("Print"));
            QCOMPARE(printKeys, QKeySequence(QKeySequence::Print));
            // Every position: ten pages of groups where the channels there are take one.
            QCOMPARE(allPages - pages, 9);
        }
    }
};

QTEST_MAIN(PrintedDocumentTest)
#include "PrintedDocumentTest.moc"

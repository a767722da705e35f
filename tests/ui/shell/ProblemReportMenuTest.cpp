// Help > Save problem report: the dialog's tick decides whether the document and the whole
// trace go into the file the save dialog names.
#include <QApplication>
#include <QCheckBox>
#include <QtTest>
#include <sstream>

#include "ShellTestRig.h"
#include "codeplug/FileIo.h"
#include "link/Frames.h"
#include "link/serial/SerialTrace.h"
#include "shell/ui/ProblemReportDialog.h"

using namespace k7x;
using k7x::test::ShellTestRig;

class ProblemReportMenuTest : public QObject {
    Q_OBJECT

private slots:
    void theTickPutsTheDocumentAndTheWholeTraceIn() {
        ShellTestRig rig(true);  // the texts fill in the path
        // A trace whose block carries a serial number.
        std::ostringstream trace;
        SerialTrace(trace, [] { return 1.0; })
            .received(
                WriteBlockRequest(0x3E30, std::array<Byte, kBlockSize>{'S', 'N', '4', '2'}).bytes);
        rig.traceFile = rig.path(QStringLiteral("last.trace")).toStdString();
        const std::string text = trace.str();
        QVERIFY(!WriteFileAtomically(
            rig.traceFile, std::span(reinterpret_cast<const Byte*>(text.data()), text.size())));
        rig.main();
        for (const bool tick : {false, true}) {
            const std::string report = rig.path(QStringLiteral("report.txt")).toStdString();
            rig.files.answers.push_back(report);
            QTimer::singleShot(0, [tick] {
                auto* dialog =
                    qobject_cast<ProblemReportDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                dialog->CheckDocument->setChecked(tick);
                dialog->accept();
            });
            rig.find<QAction>(QStringLiteral("mnuHelpReport"))->trigger();

            const auto bytes = ReadFileBytes(report, 1 << 20);
            QVERIFY(bytes);
            const std::string written(bytes->begin(), bytes->end());
            QCOMPARE(written.find("53 4E 34 32") != std::string::npos, tick);
            QCOMPARE(written.find("Base64 of the .dat file:") != std::string::npos, tick);
            QVERIFY(written.find("57 3E 30 10 [17 bytes withheld] 06") != std::string::npos ||
                    tick);
            QCOMPARE(rig.files.calls.back().preset, std::string("korvan7x-problem-report.txt"));
            QVERIFY(rig.prompts().texts().back().find(report) != std::string::npos);
        }
    }
};

QTEST_MAIN(ProblemReportMenuTest)
#include "ProblemReportMenuTest.moc"

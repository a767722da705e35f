// The main window's transfers with korvan7x-radio each leave their trace in the kept file,
// replacing the one before and ending with how they went.
#include <QtTest>

#include "SimulatedRadio.h"
#include "codeplug/FileIo.h"
#include "link/serial/LastTransferTrace.h"

using namespace k7x;
using namespace k7x::test;

class KeptTraceTest : public QObject {
    Q_OBJECT
private slots:
    void eachTransferReplacesTheKeptTrace() {
        ShellTestRig rig;
        SimulatedRadio radio(rig);
        if (!radio.staged()) QSKIP("programs not staged");
        const std::string path = rig.path(QStringLiteral("state/last.trace")).toStdString();
        LastTransferTrace kept(path);
        radio.lastTrace = &kept;
        radio.start(0, rig.doc);
        if (QTest::currentTestFailed()) return;
        const auto text = [&path] {
            const auto bytes = ReadFileBytes(path, kLastTraceLimit);
            return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
        };

        radio.read();
        if (QTest::currentTestFailed()) return;
        QVERIFY(text().starts_with("# korvan7x read, "));
        QVERIFY(text().ends_with(" -- outcome: read completed\n"));
        radio.write();
        if (QTest::currentTestFailed()) return;
        QVERIFY(text().starts_with("# korvan7x write, "));
        QVERIFY(text().find("# korvan7x read") == std::string::npos);
        QVERIFY(text().ends_with(" -- outcome: write completed\n"));
    }
};

QTEST_MAIN(KeptTraceTest)
#include "KeptTraceTest.moc"

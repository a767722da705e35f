// The channel windows open from the main window's factory and keep the shared state.
#include "ChannelTestRig.h"

using namespace k7x;
using namespace k7x::test;

class ChannelWindowsSmokeTest : public QObject {
    Q_OBJECT
private slots:
    void windowsOpenCloseAndTrackState() {
        ChannelTestRig rig;
        QVERIFY(rig.grid());
        QVERIFY(rig.state.GridOpen);
        QVERIFY(rig.edit());
        QVERIFY(rig.state.EditOpen);
        rig.main().CloseCurAllWindows();
        QTRY_VERIFY(!rig.state.GridOpen && !rig.state.EditOpen);
        QTRY_VERIFY(rig.doc.listeners.empty());
    }
};

QTEST_MAIN(ChannelWindowsSmokeTest)
#include "ChannelWindowsSmokeTest.moc"

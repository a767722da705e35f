// The settings windows open from the main window's factory and leave the document alone.
#include "SettingsTestRig.h"
#include "codeplug/ChannelList.h"
#include "settings/FrmDTMF.h"
#include "settings/FrmKey.h"
#include "settings/FrmOptFeatures.h"
#include "settings/FrmToneTips.h"

using namespace k7x;
using namespace k7x::test;

class SettingsWindowsSmokeTest : public QObject {
    Q_OBJECT
private slots:
    void everyWindowOpensAndCloses() {
        SettingsTestRig rig;
        rig.main();
        QVERIFY(rig.open<FrmOptFeatures>(kOptionalFeaturesWindow));
        QVERIFY(rig.open<FrmDTMF>(kDtmfWindow));
        QVERIFY(rig.open<FrmKey>(kKeyWindow));
        QVERIFY(rig.open<FrmToneTips>(kToneTipsWindow));
        rig.main().CloseCurAllWindows();
        QTRY_VERIFY(rig.doc.listeners.empty());
        QVERIFY(!IsDocumentChanged(rig.doc));
    }
};

QTEST_MAIN(SettingsWindowsSmokeTest)
#include "SettingsWindowsSmokeTest.moc"

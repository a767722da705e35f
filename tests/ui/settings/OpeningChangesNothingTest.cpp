// Opening and closing any settings window leaves the document as it was, even when the file
// holds values that none of the window's lists offers.
#include "SettingsTestRig.h"
#include "codeplug/ChannelList.h"
#include "codeplug/CodeplugFile.h"

using namespace k7x;
using namespace k7x::test;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class OpeningChangesNothingTest : public QObject {
    Q_OBJECT
private slots:
    void openingAndClosingEveryWindowKeepsTheFile_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("CB") << 0;
        QTest::newRow("HAM") << 2;
    }
    void openingAndClosingEveryWindowKeepsTheFile() {
        QFETCH(int, mode);
        SettingsTestRig rig(mode);
        rig.main();
        DocumentState& doc = rig.doc;
        doc.WorkDoc.Options.Setting[15] = 2;
        doc.WorkDoc.Keys.KeyFunction[3] = 25;
        doc.WorkDoc.Dtmf.DtmfSetting[3] = 2;
        doc.WorkDoc.ToneTips[0].RepeatCount = 1;
        doc.WorkDoc.ToneTips[0].Steps[0] = {30, 10};
        const QString before = rig.path(QStringLiteral("before.dat"));
        QVERIFY(SaveFile(doc, before.toStdString(), rig.prompts()));
        QCOMPARE(OpenFile(doc, before.toStdString(), "", rig.settings.Versions, rig.prompts(), {}),
                 OpenResult::Opened);
        QVERIFY(!IsDocumentChanged(doc));

        for (const QString* name :
             {&kOptionalFeaturesWindow, &kDtmfWindow, &kKeyWindow, &kToneTipsWindow}) {
            QVERIFY(rig.main().ShowChildWindow(*name));
            QCoreApplication::processEvents();
            rig.main().CloseWindowByName(*name);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY2(!IsDocumentChanged(doc), qPrintable(*name));
        }
        const QString after = rig.path(QStringLiteral("after.dat"));
        QVERIFY(SaveFile(doc, after.toStdString(), rig.prompts()));
        QCOMPARE(readAll(after), readAll(before));
    }
};

QTEST_MAIN(OpeningChangesNothingTest)
#include "OpeningChangesNothingTest.moc"

// A list shows its first entry for a stored value outside it; choosing that entry, as a user
// does with the popup, stores it, so the document then holds what the window showed.
#include <QAbstractItemView>
#include <QComboBox>
#include <functional>

#include "SettingsTestRig.h"
#include "codeplug/ChannelList.h"
#include "codeplug/CodeplugFile.h"

using namespace k7x;
using namespace k7x::test;

namespace {

// Opens the list's popup, which starts on the entry shown, and takes that entry with Enter.
void ChooseShownEntry(QComboBox& list) {
    list.showPopup();
    QTest::keyClick(list.view(), Qt::Key_Return);
}

}  // namespace

class ShownEntryChoiceTest : public QObject {
    Q_OBJECT
private slots:
    void choosingTheShownEntryStoresIt() {
        using Document = DocumentState;
        struct Case {
            const char* what;
            int mode;
            QString window;
            const char* list;
            std::function<void(Document&)> outOfList;
            const char* shown;
            std::function<bool(const Document&)> stored;
        };
        const std::vector<Case> cases = {
            {"repeat count 20: the tip is off and loses its references", 1, kToneTipsWindow,
             "Combo1_0",
             [](Document& d) {
                 d.WorkDoc.ToneTips[0].RepeatCount = 20;
                 d.WorkDoc.ToneTips[0].Steps[0] = {100, 10};
                 d.ChannelList[0].RBTone = 1;
             },
             "<29200>",
             [](const Document& d) {
                 return d.WorkDoc.ToneTips[0].RepeatCount == 0 && d.ChannelList[0].RBTone == 0;
             }},
            {"pitch below the list: a rest", 1, kToneTipsWindow, "Combo3_1",
             [](Document& d) {
                 d.WorkDoc.ToneTips[0].Steps[1] = {-4, 10};
             },
             "<29201>",
             [](const Document& d) { return d.WorkDoc.ToneTips[0].Steps[1].Pitch == 0; }},
            {"duration beyond the list: none", 1, kToneTipsWindow, "Combo4_2",
             [](Document& d) {
                 d.WorkDoc.ToneTips[0].Steps[2] = {100, 400};
             },
             "0", [](const Document& d) { return d.WorkDoc.ToneTips[0].Steps[2].Duration == 0; }},
            {"VFO group beyond the countries: EU", 0, kOptionalFeaturesWindow, "Combo3_0",
             [](Document& d) { d.WorkDoc.Options.UseVfo = 40; }, "EU",
             [](const Document& d) { return d.WorkDoc.Options.UseVfo == 0; }},
        };
        for (const Case& c : cases) {
            SettingsTestRig rig(c.mode);
            rig.main().show();
            c.outOfList(rig.doc);
            TakeIntoSavedCopy(rig.doc);
            auto* list = rig.main().ShowChildWindow(c.window)->findChild<QComboBox*>(c.list);
            QVERIFY2(list->currentText() == QLatin1String(c.shown), c.what);
            QVERIFY2(!IsDocumentChanged(rig.doc), c.what);
            ChooseShownEntry(*list);
            QVERIFY2(list->currentText() == QLatin1String(c.shown), c.what);
            QVERIFY2(c.stored(rig.doc), c.what);
        }
    }
};

QTEST_MAIN(ShownEntryChoiceTest)
#include "ShownEntryChoiceTest.moc"

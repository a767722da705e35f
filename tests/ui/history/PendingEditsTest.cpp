// A value typed into a box and not yet confirmed is part of the document: File > Save writes
// it, and File > New asks about it before it would be lost.
#include <QAction>
#include <QLineEdit>
#include <QTableWidget>
#include <functional>

#include "ChannelTestRig.h"
#include "codeplug/ChannelList.h"
#include "codeplug/CodeplugFile.h"
#include "settings/SettingsWindows.h"

using namespace k7x;
using namespace k7x::test;

namespace {

struct Typing {
    const char* what;
    QString window;
    const char* box;
    const char* keys;
    std::function<bool(const DocumentState&)> holds;
};

std::string FrequencyOf(const DocumentState& doc, int channelNo) {
    const int index = FindChannel(doc, channelNo);
    return index < 0 ? std::string()
                     : doc.ChannelList[static_cast<std::size_t>(index)].Frequency.str();
}

const Typing kTypings[] = {
    {"max. SWR", kOptionalFeaturesWindow, "Text1", "12.5",
     [](const DocumentState& d) { return d.WorkDoc.Options.Setting[kSetMaxSwr] == 125; }},
    {"frequency in the edit window", kChannelEditWindow, "Text1", "28.5",
     [](const DocumentState& d) { return FrequencyOf(d, 1) == "02850000"; }},
    {"frequency in a grid cell", kChannelGridWindow, "Text1", "28.125",
     [](const DocumentState& d) { return FrequencyOf(d, 2) == "02812500"; }},
    {"DTMF code", kDtmfWindow, "Text2_0", "123",
     [](const DocumentState& d) { return d.WorkDoc.Dtmf.Codes[0].Digits.str() == "123"; }},
};

struct PendingRig : ChannelTestRig {
    PendingRig() : ChannelTestRig(1), settingsServices{doc, prompts(), settings} {
        RegisterSettingsWindows(children, settingsServices);
        main().show();
        file = path(QStringLiteral("radio.dat"));
        doc.IsUntitled = false;
        doc.CurrentFilePath = file.toStdString();
        SaveFile(doc, doc.CurrentFilePath, prompts());
    }
    ~PendingRig() { window.reset(); }

    // Types the keys into the box and leaves the edit open, as a user reaching for the menu.
    void type(const Typing& t) {
        QWidget* shown = main().ShowChildWindow(t.window);
        if (t.window == kChannelGridWindow) {
            auto* table = shown->findChild<QTableWidget*>(QStringLiteral("MSFlexGrid1"));
            table->setFocus();
            table->setCurrentCell(1, kColFrequency);
            QTest::keyClick(table, Qt::Key_F2);
        }
        auto* box = shown->findChild<QLineEdit*>(QString::fromLatin1(t.box));
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QString::fromLatin1(t.keys));
    }
    void trigger(const char* name) { find<QAction>(QString::fromLatin1(name))->trigger(); }

    SettingsWindowServices settingsServices;
    QString file;
};

}  // namespace

class PendingEditsTest : public QObject {
    Q_OBJECT
private slots:
    void saveWritesAndNewAsksAboutWhatWasTyped() {
        for (const Typing& t : kTypings) {
            {
                PendingRig rig;
                rig.type(t);
                rig.trigger("mnuFileSave");
                DocumentState saved;
                SetStartDocumentValues(saved);
                QCOMPARE(OpenFile(saved, rig.file.toStdString(), "", rig.settings.Versions,
                                  rig.prompts(), {}),
                         OpenResult::Opened);
                QVERIFY2(t.holds(saved), t.what);
            }
            {
                PendingRig rig;
                rig.type(t);
                rig.prompts().answers.push_back(Answer::Cancel);
                rig.trigger("mnuFileNew");
                QVERIFY2(
                    !rig.prompts().texts().empty() && rig.prompts().texts().front() == "<9006>",
                    t.what);
                QVERIFY2(t.holds(rig.doc), t.what);
            }
        }
    }
};

QTEST_MAIN(PendingEditsTest)
#include "PendingEditsTest.moc"

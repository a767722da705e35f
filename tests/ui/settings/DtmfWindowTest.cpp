// The DTMF settings window: how its lists show and store the settings, what its code boxes take,
// what emptying a code does to the references, keyboard use, and that opening it changes nothing.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "SettingsTestRig.h"
#include "codeplug/ChannelList.h"
#include "codeplug/CodeplugFile.h"
#include "settings/FrmDTMF.h"

using namespace k7x;
using namespace k7x::test;

namespace {

DtmfCode Code(int length, const char* digits) {
    DtmfCode code;
    code.CodeLength = static_cast<Int>(length);
    code.Digits.set(digits);
    return code;
}

struct DtmfListsSpy : DocumentListener {
    void ShowDtmfLists() override { ++refreshes; }
    int refreshes = 0;
};

// A main window on a document the test shapes first; it counts as saved when the window opens.
struct DtmfRig {
    explicit DtmfRig(bool shown = false) {
        rig.main();
        if (shown) rig.main().show();
    }
    ~DtmfRig() { rig.doc.unsubscribe(&spy); }
    DtmfRecord& dtmf() { return rig.doc.WorkDoc.Dtmf; }
    void open() {
        TakeIntoSavedCopy(rig.doc);
        rig.doc.subscribe(&spy);
        window = rig.open<FrmDTMF>(kDtmfWindow);
    }
    template <typename T = QWidget>
    T* get(const QString& name) {
        return window->findChild<T*>(name);
    }
    QComboBox* list(int k) { return get<QComboBox>(QStringLiteral("Combo1_%1").arg(k)); }
    QLineEdit* box(int i) { return get<QLineEdit>(QStringLiteral("Text2_%1").arg(i)); }

    SettingsTestRig rig;
    DtmfListsSpy spy;
    FrmDTMF* window = nullptr;
};

}  // namespace

class DtmfWindowTest : public QObject {
    Q_OBJECT
private slots:
    void listsShowAndStoreWithTheirFactors_data() {
        QTest::addColumn<int>("setting");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("picked");
        QTest::addColumn<int>("storedAfter");
        QTest::newRow("digit time 7") << 0 << 7 << "70"
                                      << "500" << 50;
        QTest::newRow("digit time 0, not listed") << 0 << 0 << "10"
                                                  << "10" << 1;
        QTest::newRow("first delay 10") << 1 << 10 << "1000"
                                        << "0" << 0;
        QTest::newRow("pre-carrier 25") << 2 << 25 << "2500"
                                        << "100" << 1;
        QTest::newRow("star time 2, not listed") << 3 << 2 << "0"
                                                 << "0" << 0;
        QTest::newRow("star time 5") << 3 << 5 << "500"
                                     << "1000" << 10;
        QTest::newRow("reset 16") << 4 << 16 << "16s"
                                  << "<18040>" << 0;
        QTest::newRow("reset 17, out of range") << 4 << 17 << "<18040>"
                                                << "3s" << 3;
        QTest::newRow("reset -1") << 4 << -1 << "<18040>"
                                  << "1s" << 1;
    }
    void listsShowAndStoreWithTheirFactors() {
        QFETCH(int, setting);
        QFETCH(int, stored);
        QFETCH(QString, shown);
        QFETCH(QString, picked);
        QFETCH(int, storedAfter);
        DtmfRig r;
        Int& value = r.dtmf().DtmfSetting[static_cast<std::size_t>(setting)];
        value = static_cast<Int>(stored);
        r.open();
        QComboBox* list = r.list(setting);
        QCOMPARE(list->count(), (QList<int>{50, 11, 25, 4, 17}[setting]));
        QCOMPARE(list->currentText(), shown);
        QVERIFY(!IsDocumentChanged(r.rig.doc));
        // What the user's pick does: even the entry already shown is stored.
        const int index = list->findText(picked);
        list->setCurrentIndex(index);
        emit list->activated(index);
        QCOMPARE(value, storedAfter);
    }

    void codeBoxesTakeDtmfCharactersOnly_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("code");
        QTest::newRow("lower case becomes capital") << "1a*#d"
                                                    << "1A*#D";
        QTest::newRow("other characters dropped") << "1xe 5B,c-"
                                                  << "15BC";
        QTest::newRow("beyond ASCII dropped") << QString::fromUtf8("7é8ä") << "78";
        QTest::newRow("backspace edits") << "12\b3"
                                         << "13";
        QTest::newRow("sixteen at most") << QString(20, QLatin1Char('9')) << QString(16, '9');
    }
    void codeBoxesTakeDtmfCharactersOnly() {
        QFETCH(QString, typed);
        QFETCH(QString, code);
        DtmfRig r;
        r.open();
        QLineEdit* box = r.box(4);
        for (const QChar ch : typed) {  // beyond ASCII a key has a text but no key code
            if (ch.unicode() < 128)
                QTest::keyClick(box, static_cast<char>(ch.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), {});
        }
        // Nothing is pasted or cut.
        QGuiApplication::clipboard()->setText(QStringLiteral("999"));
        box->selectAll();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(box->text(), code);
        const DtmfCode& stored = r.dtmf().Codes[4];
        QCOMPARE(stored.CodeLength, code.size());
        QCOMPARE(QString::fromStdString(stored.Digits.raw()), code.leftJustified(16));
    }

    // A hand-made file may hold other characters in a code: the box shows the DTMF ones and
    // takes every edit, and the first edit stores only DTMF characters.
    void codeWithForeignCharactersStaysEditable_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("code");
        QTest::newRow("backspace") << "\b"
                                   << "12";
        QTest::newRow("typing") << "9"
                                << "12*9";
    }
    void codeWithForeignCharactersStaysEditable() {
        QFETCH(QString, typed);
        QFETCH(QString, code);
        DtmfRig r;
        r.dtmf().Codes[3] = Code(5, "1x2\xff*");
        r.open();
        QLineEdit* box = r.box(3);
        QCOMPARE(box->text(), QStringLiteral("12*"));
        box->end(false);
        for (const QChar ch : typed) QTest::keyClick(box, static_cast<char>(ch.unicode()));
        const DtmfCode& stored = r.dtmf().Codes[3];
        QCOMPARE(QString::fromLatin1(stored.Digits.raw()).left(stored.CodeLength), code);
        QCOMPARE(stored.CodeLength, code.size());
    }

    void emptyingACodeClearsItsReferences() {
        DtmfRig r;
        for (int n : {1, 2}) AddChannel(r.rig.doc, n, "02700000");
        ChannelRecord& one = r.rig.doc.ChannelList[0];
        ChannelRecord& two = r.rig.doc.ChannelList[1];
        one.DTMF_BOT = 3;
        one.DTMF_Call = 2;
        two.DTMF_EOT = 3;
        two.DTMF_Call = 3;
        r.rig.doc.WorkDoc.PublicChannel.DTMF_BOT = 3;
        r.dtmf().Codes[2] = Code(2, "12");
        r.open();
        QLineEdit* box = r.box(2);
        box->end(false);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(one.DTMF_BOT, 3);  // the code is still in use
        QCOMPARE(r.spy.refreshes, 0);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(r.dtmf().Codes[2].CodeLength, 0);
        QCOMPARE((QList<Int>{one.DTMF_BOT, two.DTMF_EOT, two.DTMF_Call, one.DTMF_Call}),
                 (QList<Int>{0, 0, 0, 2}));
        QCOMPARE(r.rig.doc.WorkDoc.PublicChannel.DTMF_BOT, 0);
        QCOMPARE(r.spy.refreshes, 1);
        QTest::keyClicks(box, QStringLiteral("5"));  // offered again
        QCOMPARE(r.spy.refreshes, 2);
    }

    void openingTabbingAndClosingChangeNothing() {
        DtmfRig r(true);
        DtmfRecord& d = r.dtmf();
        d.DtmfSetting = {0, 11, 26, 2, 40, 2};
        d.Codes[0] = Code(20, "12");
        d.Codes[1] = Code(3, "12345");
        d.Codes[5] = Code(-1, "99");
        TakeIntoSavedCopy(r.rig.doc);
        const std::string before = r.rig.path(QStringLiteral("before.dat")).toStdString();
        const std::string after = r.rig.path(QStringLiteral("after.dat")).toStdString();
        QVERIFY(SaveFile(r.rig.doc, before, r.rig.prompts()));
        QVERIFY(QTest::qWaitForWindowActive(&r.rig.main()));
        r.open();
        QCOMPARE((QList<QString>{r.box(0)->text(), r.box(1)->text(), r.box(5)->text()}),
                 (QList<QString>{"", "123", ""}));
        QVERIFY(!r.get<QCheckBox>(QStringLiteral("Check1"))->isChecked());
        auto* tabs = r.get<QTabWidget>(QStringLiteral("SSTab1"));
        for (int tab : {0, 2}) {
            tabs->setCurrentIndex(tab);
            for (int i = 0; i < 30; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        r.get<QPushButton>(QStringLiteral("CommandClose"))->click();
        QTRY_VERIFY(r.rig.doc.listeners.size() == 1);  // only the spy is left
        QVERIFY(!IsDocumentChanged(r.rig.doc));
        QVERIFY(SaveFile(r.rig.doc, after, r.rig.prompts()));
        QFile a(QString::fromStdString(before)), b(QString::fromStdString(after));
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(a.readAll(), b.readAll());
    }

    void keyboardReachesAndChangesEveryControl() {
        DtmfRig r(true);
        QVERIFY(QTest::qWaitForWindowActive(&r.rig.main()));
        r.open();
        auto* tabs = r.get<QTabWidget>(QStringLiteral("SSTab1"));
        QVERIFY(!tabs->isTabVisible(1));
        QVERIFY(!r.get(QStringLiteral("CommandHelp"))->isVisible());
        for (int k = 0; k < 5; ++k)
            QCOMPARE(r.get<QLabel>(QStringLiteral("Label1_%1").arg(k))->buddy(), r.list(k));
        for (int i = 0; i < 16; ++i)
            QCOMPARE(r.get<QLabel>(QStringLiteral("Label4_%1").arg(i))->buddy(), r.box(i));

        // Enter moves on as Tab does, from the tab strip through the lists to the check box.
        tabs->tabBar()->setFocus();
        QTest::keyClick(tabs->tabBar(), Qt::Key_Return);
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(QApplication::focusWidget(), r.list(k));
            QTest::keyClick(r.list(k), Qt::Key_Return);
        }
        QWidget* check = r.get(QStringLiteral("Check1"));
        QCOMPARE(QApplication::focusWidget(), check);
        QTest::keyClick(r.list(1), Qt::Key_Down);
        QTest::keyClick(check, Qt::Key_Space);
        QCOMPARE(r.dtmf().DtmfSetting[1], 1);
        QCOMPARE(r.dtmf().DtmfSetting[5], 0);  // a new document has it ticked

        // The tab strip steps over the hidden tab both ways; the codes follow in their order.
        tabs->tabBar()->setFocus();
        for (int key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Right}) {
            QTest::keyClick(tabs->tabBar(), static_cast<Qt::Key>(key));
            QCOMPARE(tabs->currentIndex(), key == Qt::Key_Right ? 2 : 0);
        }
        QTest::keyClick(tabs->tabBar(), Qt::Key_Tab);
        for (int i = 0; i < 16; ++i) {
            QCOMPARE(QApplication::focusWidget(), r.box(i));
            QTest::keyClick(r.box(i), i % 2 ? Qt::Key_Return : Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), r.get(QStringLiteral("CommandClose")));
    }
};

QTEST_MAIN(DtmfWindowTest)
#include "DtmfWindowTest.moc"

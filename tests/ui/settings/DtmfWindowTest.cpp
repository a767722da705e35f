// The DTMF settings window: how its lists show and store the settings, what its code boxes take,
// what emptying a code does to the references, and that opening it changes nothing.
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

// Types text key by key; characters beyond ASCII arrive as keys without a key code.
void Type(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        if (ch.unicode() < 128)
            QTest::keyClick(widget, static_cast<char>(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

struct DtmfListsSpy : DocumentListener {
    void ShowDtmfLists() override { ++refreshes; }
    int refreshes = 0;
};

// A main window on a fresh document that the test shapes before it opens the DTMF window; the
// document counts as saved when the window opens.
struct DtmfRig {
    DtmfRig() { rig.main(); }
    ~DtmfRig() { rig.doc.unsubscribe(&spy); }
    DtmfRecord& dtmf() { return rig.doc.WorkDoc.Dtmf; }
    FrmDTMF* open() {
        TakeIntoSavedCopy(rig.doc);
        rig.doc.subscribe(&spy);
        window = rig.open<FrmDTMF>(kDtmfWindow);
        return window;
    }
    template <typename T>
    T* get(const QString& name) {
        return window->findChild<T*>(name);
    }
    QComboBox* list(int k) { return get<QComboBox>(QStringLiteral("Combo1_%1").arg(k)); }
    QLineEdit* box(int i) { return get<QLineEdit>(QStringLiteral("Text2_%1").arg(i)); }
    // What the user's pick of an entry does.
    static void pick(QComboBox* list, const QString& text) {
        const int index = list->findText(text);
        QVERIFY(index >= 0);
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

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
        QCOMPARE(r.list(setting)->currentText(), shown);
        QCOMPARE(value, stored);
        QVERIFY(!IsDocumentChanged(r.rig.doc));
        DtmfRig::pick(r.list(setting), picked);
        QCOMPARE(value, storedAfter);
    }

    void listEntries() {
        DtmfRig r;
        r.open();
        const int counts[] = {50, 11, 25, 4, 17};
        for (int k = 0; k < 5; ++k) QCOMPARE(r.list(k)->count(), counts[k]);
        QCOMPARE(r.list(0)->itemText(49), QStringLiteral("500"));
        QCOMPARE(r.list(3)->itemText(2), QStringLiteral("500"));
        // The keyboard picks as the mouse does.
        QTest::keyClick(r.list(1), Qt::Key_Down);
        QCOMPARE(r.dtmf().DtmfSetting[1], 1);
    }

    void checkBoxStoresOnlyWhenClicked() {
        DtmfRig r;
        r.dtmf().DtmfSetting[5] = 2;
        r.open();
        auto* check = r.get<QCheckBox>(QStringLiteral("Check1"));
        QVERIFY(!check->isChecked());
        QCOMPARE(r.dtmf().DtmfSetting[5], 2);
        QTest::keyClick(check, Qt::Key_Space);
        QCOMPARE(r.dtmf().DtmfSetting[5], 1);
        QTest::keyClick(check, Qt::Key_Space);
        QCOMPARE(r.dtmf().DtmfSetting[5], 0);
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
        Type(r.box(4), typed);
        QCOMPARE(r.box(4)->text(), code);
        const DtmfCode& stored = r.dtmf().Codes[4];
        QCOMPARE(stored.CodeLength, code.size());
        QCOMPARE(QString::fromStdString(stored.Digits.raw()), code.leftJustified(16));
    }

    void nothingIsPastedOrCut() {
        DtmfRig r;
        r.dtmf().Codes[0] = Code(2, "12");
        r.open();
        QGuiApplication::clipboard()->setText(QStringLiteral("999"));
        QLineEdit* box = r.box(0);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(box->text(), QStringLiteral("12"));
        QCOMPARE(box->contextMenuPolicy(), Qt::NoContextMenu);
        QVERIFY(!IsDocumentChanged(r.rig.doc));
    }

    void storedCodesShowTheirLength() {
        DtmfRig r;
        r.dtmf().Codes[0] = Code(3, "12345");
        r.dtmf().Codes[1] = Code(20, "777");
        r.open();
        QCOMPARE(r.box(0)->text(), QStringLiteral("123"));
        QCOMPARE(r.box(1)->text(), QString());
        QCOMPARE(r.dtmf().Codes[1].CodeLength, 20);
        QTest::keyClicks(r.box(1), QStringLiteral("4"));
        QCOMPARE(r.dtmf().Codes[1].CodeLength, 1);
        QCOMPARE(r.dtmf().Codes[1].Digits.str(), std::string("4"));
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
        QCOMPARE(one.DTMF_BOT, 0);
        QCOMPARE(two.DTMF_EOT, 0);
        QCOMPARE(two.DTMF_Call, 0);
        QCOMPARE(r.rig.doc.WorkDoc.PublicChannel.DTMF_BOT, 0);
        QCOMPARE(one.DTMF_Call, 2);
        QCOMPARE(r.spy.refreshes, 1);
        QTest::keyClicks(box, QStringLiteral("5"));  // offered again
        QCOMPARE(r.spy.refreshes, 2);
    }

    void openingTabbingAndClosingChangeNothing() {
        DtmfRig r;
        DtmfRecord& d = r.dtmf();
        d.DtmfSetting = {0, 11, 26, 2, 40, 2};
        d.Codes[0] = Code(20, "12");
        d.Codes[1] = Code(3, "12345");  // shows "123"
        d.Codes[5] = Code(-1, "99");
        TakeIntoSavedCopy(r.rig.doc);
        const std::string before = r.rig.path(QStringLiteral("before.dat")).toStdString();
        const std::string after = r.rig.path(QStringLiteral("after.dat")).toStdString();
        QVERIFY(SaveFile(r.rig.doc, before, r.rig.prompts()));
        r.rig.main().show();
        QVERIFY(QTest::qWaitForWindowActive(&r.rig.main()));
        r.open();
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

    void keyboardReachesEveryControl() {
        DtmfRig r;
        r.rig.main().show();
        QVERIFY(QTest::qWaitForWindowActive(&r.rig.main()));
        r.open();
        auto* tabs = r.get<QTabWidget>(QStringLiteral("SSTab1"));
        QVERIFY(!tabs->isTabVisible(1));
        QVERIFY(!r.get<QPushButton>(QStringLiteral("CommandHelp"))->isVisible());
        for (int k = 0; k < 5; ++k)
            QCOMPARE(r.get<QLabel>(QStringLiteral("Label1_%1").arg(k))->buddy(), r.list(k));
        for (int i = 0; i < 16; ++i)
            QCOMPARE(r.get<QLabel>(QStringLiteral("Label4_%1").arg(i))->buddy(), r.box(i));

        // Enter moves on as Tab does: from the tab strip through the lists to the check box.
        tabs->tabBar()->setFocus();
        QTest::keyClick(tabs->tabBar(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), r.list(0));
        for (int k = 0; k < 4; ++k) QTest::keyClick(r.list(k), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), r.list(4));
        QTest::keyClick(r.list(4), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), r.get<QWidget>(QStringLiteral("Check1")));

        // The tab strip skips the hidden tab; the codes follow in their order.
        tabs->tabBar()->setFocus();
        QTest::keyClick(tabs->tabBar(), Qt::Key_Right);
        QCOMPARE(tabs->currentIndex(), 2);
        QTest::keyClick(tabs->tabBar(), Qt::Key_Left);
        QCOMPARE(tabs->currentIndex(), 0);
        QTest::keyClick(tabs->tabBar(), Qt::Key_Right);
        QTest::keyClick(tabs->tabBar(), Qt::Key_Tab);
        for (int i = 0; i < 15; ++i) {
            QCOMPARE(QApplication::focusWidget(), r.box(i));
            QTest::keyClick(r.box(i), i % 2 ? Qt::Key_Return : Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), r.box(15));
        QTest::keyClick(r.box(15), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), r.get<QWidget>(QStringLiteral("CommandClose")));
    }
};

QTEST_MAIN(DtmfWindowTest)
#include "DtmfWindowTest.moc"

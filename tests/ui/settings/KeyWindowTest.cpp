// The key assignments window: the lists of every frame, what a pick stores, stored values
// outside the lists, and the keyboard.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ListChoice.h"
#include "SettingsTestRig.h"
#include "codeplug/ChannelList.h"
#include "codeplug/CodeplugFile.h"
#include "settings/FrmKey.h"

using namespace k7x;
using namespace k7x::test;

namespace {

struct KeyRig {
    KeyRig() { rig.main(); }
    FrmKey* open() {
        TakeIntoSavedCopy(rig.doc);
        window = rig.open<FrmKey>(kKeyWindow);
        return window;
    }
    QComboBox* key(int i) {
        return window->findChild<QComboBox*>(QStringLiteral("Combo1_%1").arg(i));
    }
    QComboBox* mode() { return window->findChild<QComboBox*>(QStringLiteral("Combo2")); }
    KeyRecord& keys() { return rig.doc.WorkDoc.Keys; }

    SettingsTestRig rig;
    FrmKey* window = nullptr;
};

// The control Tab moves to from w.
QWidget* NextTabStop(QWidget* w) {
    do w = w->nextInFocusChain();
    while (!(w->focusPolicy() & Qt::TabFocus) || w->isHidden());
    return w;
}

}  // namespace

class KeyWindowTest : public QObject {
    Q_OBJECT
private slots:
    void storedFunctionsShowAndPicksStore_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("pick");
        QTest::addColumn<int>("expected");
        QTest::newRow("first, MOD to NULL") << 0 << 1 << "MOD" << 19 << 20;
        QTest::newRow("mode 2 P3, DIM") << 8 << 19 << "DIM" << 1 << 2;
        QTest::newRow("last key, 5K") << 17 << 18 << "5K" << 0 << 1;
    }
    void storedFunctionsShowAndPicksStore() {
        QFETCH(int, key);
        QFETCH(int, stored);
        QFETCH(QString, shown);
        QFETCH(int, pick);
        QFETCH(int, expected);
        KeyRig r;
        r.keys().KeyFunction[static_cast<std::size_t>(key)] = static_cast<Int>(stored);
        r.open();
        QCOMPARE(r.key(key)->count(), 20);
        QCOMPARE(r.key(key)->currentText(), shown);
        ChooseEntry(*r.key(key), pick);
        QCOMPARE(r.keys().KeyFunction[static_cast<std::size_t>(key)], expected);
    }

    void valuesOutsideTheListsStayUntilPicked_data() {
        QTest::addColumn<int>("stored");
        QTest::newRow("0") << 0;
        QTest::newRow("25") << 25;
        QTest::newRow("negative") << -1;
    }
    void valuesOutsideTheListsStayUntilPicked() {
        QFETCH(int, stored);
        KeyRig r;
        r.keys().KeyFunction[4] = static_cast<Int>(stored);
        r.keys().KeyOption = 7;
        const QString file = r.rig.path(QStringLiteral("keys.dat"));
        QVERIFY(SaveFile(r.rig.doc, file.toStdString(), r.rig.prompts()));
        r.open();
        QCOMPARE(r.key(4)->currentText(), QStringLiteral("MOD"));
        QCOMPARE(r.mode()->currentText(), QStringLiteral("1&2"));
        r.rig.main().CloseCurAllWindows();
        QTRY_VERIFY(r.rig.doc.listeners.empty());
        QVERIFY(!IsDocumentChanged(r.rig.doc));

        // Picking the entry already shown replaces the stored value.
        r.open();
        emit r.key(4)->activated(0);
        QCOMPARE(r.keys().KeyFunction[4], 1);
        emit r.mode()->activated(0);
        QCOMPARE(r.keys().KeyOption, 0);
    }

    void keyModeListShowsAndStores() {
        KeyRig r;
        r.keys().KeyOption = 3;
        r.open();
        QCOMPARE(r.mode()->currentText(), QStringLiteral("1&2&3"));
        QTest::keyClick(r.mode(), Qt::Key_Up);
        QTest::keyClick(r.mode(), Qt::Key_Up);
        QCOMPARE(r.mode()->currentText(), QStringLiteral("2&3"));
        QCOMPARE(r.keys().KeyOption, 1);
    }

    void framesLabelsAndTabOrderFollowTheLayout() {
        KeyRig r;
        r.open();
        for (int frame = 0; frame < 3; ++frame) {
            auto* box = r.window->findChild<QGroupBox*>(QStringLiteral("Frame1_%1").arg(frame));
            QCOMPARE(box->title(), QStringLiteral("<25008> %1").arg(frame + 1));
            for (int k = 0; k < 6; ++k) QCOMPARE(r.key(frame * 6 + k)->parentWidget(), box);
        }
        for (QLabel* label : r.window->findChildren<QLabel*>()) QVERIFY(label->buddy());
        QCOMPARE(r.window->findChild<QLabel*>(QStringLiteral("Label2_13"))->text(),
                 QStringLiteral("P2"));
        QCOMPARE(NextTabStop(r.mode()), r.key(0));
        for (int i = 0; i + 1 < 18; ++i) QCOMPARE(NextTabStop(r.key(i)), r.key(i + 1));
        QVERIFY(r.window->findChild<QPushButton*>(QStringLiteral("CommandHelp"))->isHidden());
    }
};

QTEST_MAIN(KeyWindowTest)
#include "KeyWindowTest.moc"

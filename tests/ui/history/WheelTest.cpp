// The mouse wheel over the lists of the windows: a list with the keyboard focus steps to its
// next entry, any other list is scrolled past, the wheel going on to the window beneath, and
// the document stays as it was.
#include <QtTest/qtestspontaneevent.h>

#include <QComboBox>
#include <QWheelEvent>

#include "ChannelTestRig.h"
#include "codeplug/ChannelFields.h"
#include "codeplug/CodeplugFile.h"
#include "settings/SettingsWindows.h"

using namespace k7x;
using namespace k7x::test;

namespace {

// The channel and the settings windows on one shown main window, with channels at positions
// 1 to 3 of group A.
struct WheelRig : ChannelTestRig {
    WheelRig() : settingsServices{doc, prompts(), settings} {
        RegisterSettingsWindows(children, settingsServices);
        main();
        for (int n : {2, 3}) AddChannel(doc, n, "28.50000");
        // The grid the main window opened as it started goes; the grid opened next lists them.
        main().CloseCurAllWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        main().show();
    }
    ~WheelRig() { window.reset(); }
    SettingsWindowServices settingsServices;
};

// Counts the wheel turns a widget receives.
struct WheelCounter : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        turns += event->type() == QEvent::Wheel ? 1 : 0;
        return false;
    }
    int turns = 0;
};

// Turns the wheel over the middle of the list as the window system reports it (the application
// gives the focus and passes the event on as for a real wheel): one notch towards the next
// entry, or the previous one from the last.
void TurnWheel(QComboBox& list) {
    const int steps = list.currentIndex() + 1 < list.count() ? -1 : 1;
    const QPointF at(list.width() / 2.0, list.height() / 2.0);
    QWheelEvent wheel(at, list.mapToGlobal(at), QPoint(),
                      QPoint(0, steps * QWheelEvent::DefaultDeltasPerStep), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(&list, &wheel);  // sendEvent would take it for the program's own event
}

}  // namespace

class WheelTest : public QObject {
    Q_OBJECT
private slots:
    void wheelStepsOnlyTheFocusedList_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("focused");
        for (const bool focused : {false, true}) {
            const char* how = focused ? "focused" : "scrolled past";
            QTest::addRow("edit window RX tone, %s", how)
                << kChannelEditWindow << QStringLiteral("Combo2_%1").arg(FieldOf(kColRdct).editRow)
                << focused;
            QTest::addRow("grid working channel, %s", how)
                << kChannelGridWindow << QStringLiteral("Combo8_0") << focused;
            QTest::addRow("grid emergency channel, %s", how)
                << kChannelGridWindow << QStringLiteral("Combo8_1") << focused;
            QTest::addRow("key function, %s", how)
                << kKeyWindow << QStringLiteral("Combo1_0") << focused;
        }
    }
    void wheelStepsOnlyTheFocusedList() {
        QFETCH(QString, window);
        QFETCH(QString, list);
        QFETCH(bool, focused);
        WheelRig rig;
        QVERIFY(QTest::qWaitForWindowActive(&rig.main()));
        rig.state.EditGroup = 0;
        rig.state.EditPosition = 1;
        TakeIntoSavedCopy(rig.doc);
        auto* shown = rig.main().ShowChildWindow(window)->findChild<QComboBox*>(list);
        QVERIFY(shown->isEnabled() && shown->count() > 1);
        if (focused)
            shown->setFocus();
        else
            shown->window()->setFocus();
        QCOMPARE(shown->hasFocus(), focused);
        WheelCounter beneath;
        shown->parentWidget()->installEventFilter(&beneath);
        const int before = shown->currentIndex();

        TurnWheel(*shown);
        QCoreApplication::processEvents();
        QCOMPARE(shown->currentIndex() != before, focused);
        QCOMPARE(IsDocumentChanged(rig.doc), focused);
        QCOMPARE(shown->hasFocus(), focused);
        QCOMPARE(beneath.turns, focused ? 0 : 1);
    }
};

QTEST_MAIN(WheelTest)
#include "WheelTest.moc"

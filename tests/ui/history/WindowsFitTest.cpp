// At the main window's first size every editing window fits the work area, which never
// scrolls: a window taller than the area scrolls inside itself with its Close button in sight.
#include <QMdiArea>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include "ChannelTestRig.h"
#include "link/ui/MainWindowLink.h"
#include "settings/SettingsWindows.h"

using namespace k7x;
using namespace k7x::test;

class WindowsFitTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowFitsTheWorkArea() {
        for (const int mode : {0, 1, 2}) {
            ChannelTestRig rig(mode, true);
            SettingsWindowServices settings{rig.doc, rig.prompts(), rig.settings};
            RegisterSettingsWindows(rig.children, settings);
            RegisterRadioInfoWindow(rig.children, rig.doc, rig.prompts(), rig.settings);
            rig.main().show();
            QVERIFY(QTest::qWaitForWindowExposed(&rig.main()));
            QMdiArea& area = rig.main().mdiArea();
            for (const QString& name :
                 {kChannelGridWindow, kChannelEditWindow, kOptionalFeaturesWindow, kDtmfWindow,
                  kKeyWindow, kToneTipsWindow, kRadioInfoWindow}) {
                const QString what = name + QStringLiteral(" in mode ") + QString::number(mode);
                rig.main().CloseCurAllWindows();
                QWidget* window = rig.main().ShowChildWindow(name);
                QApplication::processEvents();
                const QRect shown(window->mapTo(area.viewport(), QPoint(0, 0)), window->size());
                QVERIFY2(area.viewport()->rect().contains(shown), qPrintable(what));
                QVERIFY2(!area.verticalScrollBar()->isVisible(), qPrintable(what));
                QVERIFY2(!area.horizontalScrollBar()->isVisible(), qPrintable(what));
                auto* close = window->findChild<QPushButton*>(QStringLiteral("CommandClose"));
                if (close) {
                    const QRect button(close->mapTo(window, QPoint(0, 0)), close->size());
                    QVERIFY2(window->rect().contains(button), qPrintable(what));
                }
                // A body cut short scrolls up and down only.
                if (auto* body = window->findChild<QScrollArea*>(QStringLiteral("ScrollingBody")))
                    QVERIFY2(!body->horizontalScrollBar()->isVisible(), qPrintable(what));
            }
            // The windows use the settings services as they close.
            rig.window.reset();
        }
    }
};

QTEST_MAIN(WindowsFitTest)
#include "WindowsFitTest.moc"

// The progress window: its start, its percentage, a refused value, and that the user cannot
// close it while the transfer runs.
#include <QLabel>
#include <QProgressBar>
#include <QtTest>

#include "RecordingPrompts.h"
#include "link/ui/FrmProgress.h"

using namespace k7x;

class ProgressWindowTest : public QObject {
    Q_OBJECT

    test::RecordingPrompts prompts_;

    static QProgressBar* bar(QWidget& w) {
        return w.findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
    }
    static QString percent(QWidget& w) {
        return w.findChild<QLabel*>(QStringLiteral("Label2"))->text();
    }

private slots:
    void startsAtZero() {
        FrmProgress window(prompts_, Operation::ImageRead);
        QCOMPARE(bar(window)->value(), 0);
        QCOMPARE(percent(window), QStringLiteral("0%"));
    }

    void showsThePercentageAndRefusesValuesOutsideTheBar() {
        FrmProgress window(prompts_, Operation::ImageRead);
        window.showPercent(37);
        QCOMPARE(bar(window)->value(), 37);
        QCOMPARE(percent(window), QStringLiteral("37%"));
        window.SetProgressValue(101);
        QCOMPARE(prompts_.texts(), (std::vector<std::string>{"SetProgressValueError"}));
        QCOMPARE(bar(window)->value(), 37);
        window.showPercent(-1);
        QCOMPARE(percent(window), QStringLiteral("37%"));
    }

    void labelAndPercentageNeverRunTogether() {
        FrmProgress window(prompts_, Operation::ImageRead);
        window.showPercent(42);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* label = window.findChild<QLabel*>(QStringLiteral("Label1"));
        auto* value = window.findChild<QLabel*>(QStringLiteral("Label2"));
        // The label's text has no blank at its end, so the gap is all there is between them.
        QVERIFY(!label->text().endsWith(u' '));
        QVERIFY(label->width() >= label->sizeHint().width());
        QCOMPARE(label->geometry().center().y(), value->geometry().center().y());
        const int gap = value->geometry().left() - label->geometry().right() - 1;
        QVERIFY2(gap >= std::max(3, label->fontMetrics().horizontalAdvance(u' ')),
                 qPrintable(QString::number(gap)));
        QVERIFY(value->width() >= value->fontMetrics().horizontalAdvance(QStringLiteral("100%")));
    }

    void onlyTheTransferClosesIt() {
        FrmProgress window(prompts_, Operation::ImageWrite);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!window.close());
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(window.isVisible());
        window.finish();
        QVERIFY(!window.isVisible());
    }

    void displayMakesAModalWindowAndRemovesIt() {
        ProgressWindowDisplay display(prompts_, [] { return nullptr; });
        display.setValue(5);  // no window: nothing happens
        display.show(Operation::ImageRead);
        QPointer<FrmProgress> window = display.window();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowModality(), Qt::ApplicationModal);
        display.setValue(100);
        QCOMPARE(percent(*window), QStringLiteral("100%"));
        display.close();
        QVERIFY(display.window() == nullptr);
        QVERIFY(!window->isVisible());
        QTRY_VERIFY(window.isNull());
        display.close();  // twice is harmless
    }
};

QTEST_MAIN(ProgressWindowTest)
#include "ProgressWindowTest.moc"

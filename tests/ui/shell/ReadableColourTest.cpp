// The signal colours stay as they are where they read, and become a lighter or darker shade of
// themselves where they would not.
#include <QtTest>

#include "shell/ui/ReadableColour.h"

using namespace k7x;

class ReadableColourTest : public QObject {
    Q_OBJECT
private slots:
    void signalColoursReadOnEveryBackground() {
        const QColor white(Qt::white), paper(240, 240, 240), dark(30, 30, 30), grey(53, 53, 53);
        const struct {
            QColor colour, background;
            double minimum;
            bool kept;
        } kCases[] = {
            {QColor(0, 0, 255), white, kTextContrast, true},
            {QColor(0, 0, 155), paper, kTextContrast, true},
            {QColor(255, 0, 0), white, kGraphicContrast, true},
            {QColor(255, 0, 0), QColor(220, 220, 220), kTextContrast, false},
            {QColor(0, 0, 255), dark, kTextContrast, false},
            {QColor(0, 0, 155), grey, kTextContrast, false},
            {QColor(255, 0, 0), grey, kTextContrast, false},
            {QColor(0, 0, 255), dark, kGraphicContrast, false},
            {QColor(255, 255, 0), white, kTextContrast, false},
        };
        for (const auto& c : kCases) {
            const QColor shown = ReadableColour(c.colour, c.background, c.minimum);
            const QString what = c.colour.name() + QStringLiteral(" on ") + c.background.name();
            QVERIFY2(ContrastRatio(shown, c.background) >= c.minimum, qPrintable(what));
            QVERIFY2((shown == c.colour) == c.kept, qPrintable(what + " -> " + shown.name()));
            // A shade of the same colour: lighter on dark, darker on light.
            if (!c.kept)
                QVERIFY2((shown.lightness() > c.colour.lightness()) == IsDark(c.background),
                         qPrintable(what));
        }
        QCOMPARE(ContrastRatio(Qt::black, Qt::white), 21.0);
    }
};

QTEST_MAIN(ReadableColourTest)
#include "ReadableColourTest.moc"

#include "shell/ui/NumericEntry.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace k7x {

namespace {

bool Allowed(QChar ch, NumericEntry entry) {
    return (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) ||
           (entry == NumericEntry::DigitsAndPoint && ch == QLatin1Char('.'));
}

}  // namespace

bool NumericKeyPasses(const QKeyEvent& event, NumericEntry entry) {
    if (event.matches(QKeySequence::Cut) || event.matches(QKeySequence::Copy) ||
        event.matches(QKeySequence::Paste))
        return false;
    if (event.modifiers() & Qt::ControlModifier) {
        const int key = event.key();
        if (key == Qt::Key_X || key == Qt::Key_C || key == Qt::Key_V) return false;
    }
    const QString text = event.text();
    // Keys without a character (the arrows, Home, End) move the cursor.
    if (text.isEmpty()) return true;
    for (const QChar ch : text) {
        const char16_t code = ch.unicode();
        if (code > 127) return false;
        // Control codes (Backspace among them) and Delete pass; of the printable
        // characters only the allowed ones.
        if (code >= 32 && code < 127 && !Allowed(ch, entry)) return false;
    }
    return true;
}

void RestrictToNumericEntry(QLineEdit& box, NumericEntry entry) {
    const QString pattern = entry == NumericEntry::DigitsAndPoint ? QStringLiteral("[0-9.]*")
                                                                  : QStringLiteral("[0-9]*");
    box.setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), &box));
}

}  // namespace k7x

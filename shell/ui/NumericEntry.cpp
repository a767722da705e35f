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

bool TextKeyPasses(const QKeyEvent& event, const std::function<bool(QChar)>& allowed) {
    if (event.matches(QKeySequence::Cut) || event.matches(QKeySequence::Copy) ||
        event.matches(QKeySequence::Paste))
        return false;
    if (event.modifiers() & Qt::ControlModifier) {
        const int key = event.key();
        if (key == Qt::Key_X || key == Qt::Key_C || key == Qt::Key_V) return false;
    }
    for (const QChar ch : event.text()) {
        const char16_t code = ch.unicode();
        if (code > 127) return false;
        if (code >= 32 && code < 127 && !allowed(ch)) return false;
    }
    return true;
}

bool NumericKeyPasses(const QKeyEvent& event, NumericEntry entry) {
    return TextKeyPasses(event, [entry](QChar ch) { return Allowed(ch, entry); });
}

void RestrictToNumericEntry(QLineEdit& box, NumericEntry entry) {
    const QString pattern = entry == NumericEntry::DigitsAndPoint ? QStringLiteral("[0-9.]*")
                                                                  : QStringLiteral("[0-9]*");
    box.setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), &box));
}

}  // namespace k7x

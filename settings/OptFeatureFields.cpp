#include "settings/OptFeatureFields.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "codeplug/Conversions.h"

namespace k7x {

namespace {

bool Allowed(QChar ch, FieldKeys keys) {
    return (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) ||
           (keys == FieldKeys::DigitsAndPoint && ch == QLatin1Char('.'));
}

bool KeyPasses(const QKeyEvent& event, FieldKeys keys) {
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
        // Control codes (Backspace among them) and Delete pass; of the printable characters
        // only the allowed ones.
        if (code >= 32 && code < 127 && !Allowed(ch, keys)) return false;
    }
    return true;
}

}  // namespace

OptFeatureField::OptFeatureField(QLineEdit& field, FieldKeys keys, std::function<void()> leave)
    : QObject(&field), field_(field), keys_(keys), leave_(std::move(leave)) {
    const QString pattern =
        keys == FieldKeys::DigitsAndPoint ? QStringLiteral("[0-9.]*") : QStringLiteral("[0-9]*");
    field_.setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), &field_));
    field_.setContextMenuPolicy(Qt::NoContextMenu);
    field_.installEventFilter(this);
}

bool OptFeatureField::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &field_) return false;
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                // Enter takes what was typed, then moves on as Tab does.
                leave_();
                QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
                QCoreApplication::sendEvent(&field_, &tab);
                return true;
            }
            return !KeyPasses(*key, keys_);
        }
        case QEvent::FocusIn:
            // Deferred: a click that gave the focus would otherwise place the cursor at once.
            QTimer::singleShot(0, &field_, [this] { field_.selectAll(); });
            return false;
        case QEvent::FocusOut: {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) leave_();
            return false;
        }
        default:
            return false;
    }
}

int RatioTenths(const QString& text) {
    const std::optional<double> value = ParseNumber(text.toStdString());
    if (!value) return kRatioMaxTenths;
    const double limited = std::clamp(*value, kRatioMinTenths / 10.0, kRatioMaxTenths / 10.0);
    // Rounded once, so that the text shown and the value stored agree.
    return static_cast<int>(std::lround(limited * 10.0));
}

QString RatioText(int tenths) {
    return QString::number(tenths / 10.0, 'f', 1);
}

}  // namespace k7x

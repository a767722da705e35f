#include "shell/ui/CommittingField.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace k7x {

CommittingField::CommittingField(QLineEdit& field, NumericEntry entry, std::function<void()> commit)
    : QObject(&field), field_(field), entry_(entry), commit_(std::move(commit)) {
    RestrictToNumericEntry(field_, entry_);
    field_.setContextMenuPolicy(Qt::NoContextMenu);
    field_.installEventFilter(this);
}

bool CommittingField::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &field_) return false;
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                commit_();
                QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
                QCoreApplication::sendEvent(&field_, &tab);
                return true;
            }
            return !NumericKeyPasses(*key, entry_);
        }
        case QEvent::FocusIn:
            // Deferred: a mouse click that gave the focus would otherwise place the cursor
            // over the selection at once.
            QTimer::singleShot(0, &field_, [this] { field_.selectAll(); });
            return false;
        case QEvent::FocusOut: {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) commit_();
            return false;
        }
        default:
            return false;
    }
}

}  // namespace k7x

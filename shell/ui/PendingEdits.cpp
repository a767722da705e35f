#include "shell/ui/PendingEdits.h"

#include <QApplication>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>

namespace k7x {

void CommitOpenEdit(QWidget& window) {
    if (window.metaObject()->indexOfMethod("ValidateControls()") >= 0) {
        QMetaObject::invokeMethod(&window, "ValidateControls", Qt::DirectConnection);
        return;
    }
    // Text boxes finish their edit and item views commit their open editor on losing focus.
    QPointer<QWidget> focus = QApplication::focusWidget();
    if (!focus || !window.isAncestorOf(focus)) return;
    focus->clearFocus();
    // The user goes on where the command found him.
    if (focus && focus->isVisible()) focus->setFocus(Qt::OtherFocusReason);
}

void CommitOpenEdits(const QList<QWidget*>& windows) {
    for (QWidget* window : windows)
        if (window) CommitOpenEdit(*window);
}

}  // namespace k7x

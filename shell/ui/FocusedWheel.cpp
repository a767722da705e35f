#include "shell/ui/FocusedWheel.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>

namespace k7x {

namespace {

// A control whose value a wheel turn steps.
QWidget* ValueControl(QObject* object) {
    if (auto* list = qobject_cast<QComboBox*>(object)) return list;
    if (auto* box = qobject_cast<QAbstractSpinBox*>(object)) return box;
    return nullptr;
}

}  // namespace

FocusedWheelFilter::FocusedWheelFilter(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
}

FocusedWheelFilter::~FocusedWheelFilter() {
    if (qApp) qApp->removeEventFilter(this);
}

bool FocusedWheelFilter::eventFilter(QObject* watched, QEvent* event) {
    QWidget* control = nullptr;
    switch (event->type()) {
        case QEvent::Polish:
            // A wheel turn would give these controls the focus before anything else sees it;
            // they take it from clicks and the keyboard only.
            control = ValueControl(watched);
            if (control && control->focusPolicy() == Qt::WheelFocus)
                control->setFocusPolicy(Qt::StrongFocus);
            return false;
        case QEvent::Wheel:
            control = ValueControl(watched);
            if (!control || control->hasFocus()) return false;
            // An ignored wheel event goes on to the widget beneath, which scrolls.
            event->ignore();
            return true;
        default:
            return false;
    }
}

}  // namespace k7x

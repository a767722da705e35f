#include "shell/ui/DialogControls.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>

#include "shell/ui/Captions.h"

namespace k7x {

namespace {

QPushButton* makeButton(QWidget& window, const char* name) {
    auto* button = new QPushButton(&window);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// Turns Enter into Tab for the control it belongs to.
class EnterAsTab : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(watched, &tab);
        return true;
    }
};

}  // namespace

OkCancelButtons AddOkCancelButtons(QWidget& window, const Prompts& prompts) {
    const OkCancelButtons buttons{makeButton(window, "CommandOK"),
                                  makeButton(window, "CommandCancel")};
    buttons.ok->setDefault(true);
    SetOKCancelCaption(window, prompts);
    return buttons;
}

CloseHelpButtons AddCloseHelpButtons(QWidget& window, const Prompts& prompts, bool helpEnabled) {
    const CloseHelpButtons buttons{makeButton(window, "CommandClose"),
                                   makeButton(window, "CommandHelp")};
    buttons.help->setVisible(helpEnabled);
    SetCloseHelpCaption(window, prompts);
    return buttons;
}

QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QWidget* button : buttons) row->addWidget(button);
    return row;
}

void MoveFocusOnEnter(QWidget& control) {
    control.installEventFilter(new EnterAsTab(&control));
}

void CloseEditingWindow(QWidget& window) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window.parentWidget()))
        sub->close();
    else
        window.close();
}

QLabel* MakeBuddyLabel(QWidget* parent, const QString& name, QWidget* buddy,
                       Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(alignment);
    label->setBuddy(buddy);
    return label;
}

void SetTabChain(const std::vector<QWidget*>& chain) {
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

}  // namespace k7x

#include "shell/ui/DialogControls.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

#include "shell/ui/Captions.h"

namespace k7x {

namespace {

QPushButton* makeButton(QWidget& window, const char* name) {
    auto* button = new QPushButton(&window);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// Asks for the whole body, so the window opens at its natural size and scrolls only when made
// lower than that. It scrolls up and down only: it is never narrower than the body with a
// vertical scroll bar beside it.
class BodyScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

    QSize sizeHint() const override {
        const int frame = 2 * frameWidth();
        const QSize body = widget() ? widget()->sizeHint() : QSize();
        return {std::max(body.width() + frame, minimumSizeHint().width()), body.height() + frame};
    }
    QSize minimumSizeHint() const override {
        const int body = widget() ? widget()->minimumSizeHint().width() : 0;
        return {body + 2 * frameWidth() + verticalScrollBar()->sizeHint().width(),
                QScrollArea::minimumSizeHint().height()};
    }

protected:
    // The body's layout changing (rows shown or hidden, labels widened) changes what the area
    // asks for.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget() && event->type() == QEvent::LayoutRequest) updateGeometry();
        return QScrollArea::eventFilter(watched, event);
    }
};

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

QScrollArea* ScrollingBody(QLayout* body, QWidget& window) {
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("ScrollingBodyContent"));
    // The body's controls move from the window into the scrolled content.
    content->setLayout(body);
    auto* area = new BodyScrollArea(&window);
    area->setObjectName(QStringLiteral("ScrollingBody"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidget(content);
    content->installEventFilter(area);
    // The window's own colour, not the base colour of a scrolled list.
    area->viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
    return area;
}

}  // namespace k7x

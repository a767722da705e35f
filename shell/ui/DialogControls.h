// What the dialogs and editing windows share besides their captions: the named button pairs,
// the row that carries them at its right end, the body that scrolls when the window is smaller
// than it, and the Enter key that moves on as Tab does.
#pragma once

#include <QString>
#include <Qt>
#include <initializer_list>
#include <vector>

#include "codeplug/Prompts.h"

class QHBoxLayout;
class QLabel;
class QLayout;
class QPushButton;
class QScrollArea;
class QWidget;

namespace k7x {

struct OkCancelButtons {
    QPushButton* ok;
    QPushButton* cancel;
};

struct CloseHelpButtons {
    QPushButton* close;
    QPushButton* help;
};

// Makes "CommandOK", the default button, and "CommandCancel" on window, captioned by
// SetOKCancelCaption. The caller connects them.
OkCancelButtons AddOkCancelButtons(QWidget& window, const Prompts& prompts);

// Makes "CommandClose" and "CommandHelp" on window, captioned by SetCloseHelpCaption; the help
// button shows only when help is enabled. The caller connects them.
CloseHelpButtons AddCloseHelpButtons(QWidget& window, const Prompts& prompts, bool helpEnabled);

// A row with the buttons at its right end, in the order given.
QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons);
// The window's body, laid out by body, in a frameless area that scrolls when the window is
// made smaller than the body (a small screen, a large font): the caller puts it in the
// window's layout above the button row, which stays in sight. The area asks for the body's
// whole size.
QScrollArea* ScrollingBody(QLayout* body, QWidget& window);
// Tab moves through the widgets in this order.
void SetTabChain(const std::vector<QWidget*>& chain);

// Enter pressed in control moves the focus to the next control, as Tab does, and goes no
// further: a dialog's default button does not see it.
void MoveFocusOnEnter(QWidget& control);
// Closes an editing window: inside the main window its frame is what closes.
void CloseEditingWindow(QWidget& window);
// A label named name, aligned as given, whose buddy is the control it names.
QLabel* MakeBuddyLabel(QWidget* parent, const QString& name, QWidget* buddy,
                       Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter);

// Counts the nesting of a window's own filling of its controls; their handlers store nothing
// while it runs.
class BusyScope {
public:
    explicit BusyScope(int& busy) : busy_(busy) { ++busy_; }
    ~BusyScope() { --busy_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    int& busy_;
};

}  // namespace k7x

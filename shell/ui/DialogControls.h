// What the dialogs and editing windows share besides their captions: the named button pairs,
// the row that carries them at its right end, and the Enter key that moves on as Tab does.
#pragma once

#include <initializer_list>

#include "codeplug/Prompts.h"

class QHBoxLayout;
class QPushButton;
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

// Enter pressed in control moves the focus to the next control, as Tab does, and goes no
// further: a dialog's default button does not see it.
void MoveFocusOnEnter(QWidget& control);
// Closes an editing window: inside the main window its frame is what closes.
void CloseEditingWindow(QWidget& window);

}  // namespace k7x

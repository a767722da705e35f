// Language texts for widgets, and the caption routines shared by the dialogs and editing windows.
#pragma once

#include <QString>

#include "codeplug/Prompts.h"
#include "shell/ShellTexts.h"

class QWidget;

namespace k7x {

// The language text of a number as a QString.
QString LangText(const Prompts& prompts, int number);

// Sets the text of the child named "CommandOK" to kTextOk and of "CommandCancel" to kTextCancel.
void SetOKCancelCaption(QWidget& window, const Prompts& prompts);
// Sets the text of the child named "CommandClose" to kTextClose and of "CommandHelp" to
// kTextHelp.
void SetCloseHelpCaption(QWidget& window, const Prompts& prompts);

}  // namespace k7x

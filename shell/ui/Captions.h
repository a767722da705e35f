// Language texts for widgets, and the caption routines shared by the dialogs and editing windows.
#pragma once

#include <QString>

#include "codeplug/Prompts.h"

class QWidget;

namespace k7x {

// The language text of a number as a QString.
QString LangText(const Prompts& prompts, int number);

// Sets the text of the child named "CommandOK" to text 9017 and of "CommandCancel" to 9018.
void SetOKCancelCaption(QWidget& window, const Prompts& prompts);
// Sets the text of the child named "CommandClose" to text 9023 and of "CommandHelp" to 9025.
void SetCloseHelpCaption(QWidget& window, const Prompts& prompts);

}  // namespace k7x

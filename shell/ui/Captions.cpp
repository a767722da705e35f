#include "shell/ui/Captions.h"

#include <QAbstractButton>
#include <QWidget>

namespace k7x {

QString LangText(const Prompts& prompts, int number) {
    return QString::fromStdString(prompts.text(number));
}

namespace {

void setButtonText(QWidget& window, const char* name, const QString& text) {
    // Every window handed to the caption routines carries buttons of these names.
    if (auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name)))
        button->setText(text);
}

}  // namespace

void SetOKCancelCaption(QWidget& window, const Prompts& prompts) {
    setButtonText(window, "CommandOK", LangText(prompts, kTextOk));
    setButtonText(window, "CommandCancel", LangText(prompts, kTextCancel));
}

void SetCloseHelpCaption(QWidget& window, const Prompts& prompts) {
    setButtonText(window, "CommandClose", LangText(prompts, kTextClose));
    setButtonText(window, "CommandHelp", LangText(prompts, kTextHelp));
}

}  // namespace k7x

// The desktop program's way of talking to the user: message boxes with the buttons named in the
// current language, and the password dialog. Core operations see only Prompts.
#pragma once

#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "codeplug/Prompts.h"
#include "shell/ShellTexts.h"
#include "shell/ui/Captions.h"

class QMessageBox;
class QWidget;

namespace k7x {

class DesktopPrompts : public Prompts {
public:
    // text(n) of the current language; asked afresh each time, so a language change shows at
    // the next message.
    using TextLookup = std::function<std::string(int number)>;

    explicit DesktopPrompts(TextLookup lookup);

    std::string text(int number) const override;
    Answer message(const std::string& text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                   const std::string& title = {}) override;
    using Prompts::message;
    // The password dialog, showing the stored password; nullopt when cancelled.
    std::optional<std::string> askPassword() override;

    // The window the message boxes belong to; without one the modal window in front, or the
    // active window, takes them.
    void setParentWindow(QWidget* window) { parent_ = window; }
    // Where the password dialog gets the password it shows first.
    void setPasswordSource(std::function<std::string()> stored) { stored_ = std::move(stored); }

    // Builds the message box message() runs; a test can inspect it without running it.
    QMessageBox* buildMessageBox(const std::string& text, Buttons buttons, Icon icon,
                                 const std::string& title) const;

private:
    QWidget* dialogParent() const;

    TextLookup lookup_;
    QPointer<QWidget> parent_;
    std::function<std::string()> stored_;
};

}  // namespace k7x

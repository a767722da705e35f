#include "shell/ui/DesktopPrompts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <array>
#include <memory>
#include <span>

#include "shell/ui/FrmPassWord.h"

namespace k7x {

namespace {

struct ButtonChoice {
    QMessageBox::StandardButton button;
    Answer answer;
    int textNumber;
};

// The buttons of each choice, in the order they stand, and the one Escape gives.
struct ButtonSet {
    std::array<ButtonChoice, 3> choices;
    std::size_t count;
    std::size_t escape;  // index into choices

    std::span<const ButtonChoice> shown() const { return {choices.data(), count}; }
    const ButtonChoice& escapeChoice() const { return choices[escape]; }
};

ButtonSet buttonSetOf(Buttons buttons) {
    const ButtonChoice ok{QMessageBox::Ok, Answer::Ok, kTextOk};
    const ButtonChoice cancel{QMessageBox::Cancel, Answer::Cancel, kTextCancel};
    const ButtonChoice yes{QMessageBox::Yes, Answer::Yes, kTextYes};
    const ButtonChoice no{QMessageBox::No, Answer::No, kTextNo};
    const ButtonChoice retry{QMessageBox::Retry, Answer::Retry, kTextRetry};
    switch (buttons) {
        case Buttons::OkCancel:
            return {{ok, cancel, cancel}, 2, 1};
        case Buttons::YesNo:
            return {{yes, no, no}, 2, 1};
        case Buttons::YesNoCancel:
            return {{yes, no, cancel}, 3, 2};
        case Buttons::RetryCancel:
            return {{retry, cancel, cancel}, 2, 1};
        case Buttons::Ok:
            break;
    }
    return {{ok, ok, ok}, 1, 0};
}

QMessageBox::Icon iconOf(Icon icon) {
    switch (icon) {
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Warning:
            return QMessageBox::Warning;
        case Icon::Critical:
            return QMessageBox::Critical;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

DesktopPrompts::DesktopPrompts(TextLookup lookup) : lookup_(std::move(lookup)) {}

std::string DesktopPrompts::text(int number) const {
    return lookup_ ? lookup_(number) : std::string();
}

QWidget* DesktopPrompts::dialogParent() const {
    if (parent_) {
        // A modal window in front of ours (the progress window) must not hide the message.
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible()) return modal;
        return parent_;
    }
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

QMessageBox* DesktopPrompts::buildMessageBox(const std::string& text, Buttons buttons, Icon icon,
                                             const std::string& title) const {
    auto* box = new QMessageBox(dialogParent());
    box->setObjectName(QStringLiteral("MessageBox"));
    box->setIcon(iconOf(icon));
    // Texts may hold "<" and line breaks in the CR LF form of the language files.
    box->setTextFormat(Qt::PlainText);
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box->setText(shown);
    const std::string caption = title.empty() ? this->text(kTextAppTitle) : title;
    box->setWindowTitle(QString::fromStdString(caption));

    const ButtonSet set = buttonSetOf(buttons);
    QMessageBox::StandardButtons standard;
    for (const ButtonChoice& c : set.shown()) standard |= c.button;
    box->setStandardButtons(standard);
    for (const ButtonChoice& c : set.shown()) {
        const std::string caption = this->text(c.textNumber);
        // Without a language file the buttons keep the toolkit's own words.
        if (!caption.empty()) box->button(c.button)->setText(QString::fromStdString(caption));
    }
    box->setDefaultButton(set.choices[0].button);
    box->setEscapeButton(set.escapeChoice().button);
    return box;
}

Answer DesktopPrompts::message(const std::string& text, Buttons buttons, Icon icon,
                               const std::string& title) {
    const std::unique_ptr<QMessageBox> box(buildMessageBox(text, buttons, icon, title));
    box->exec();
    const ButtonSet set = buttonSetOf(buttons);
    const QAbstractButton* clicked = box->clickedButton();
    for (const ButtonChoice& c : set.shown())
        if (clicked != nullptr && clicked == box->button(c.button)) return c.answer;
    return set.escapeChoice().answer;
}

std::optional<std::string> DesktopPrompts::askPassword() {
    FrmPassWord dialog(*this, stored_ ? stored_() : std::string(), dialogParent());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.password();
}

}  // namespace k7x

// The radio password dialog: one text box showing the stored password, OK and Cancel. Opened
// from the menu and by a transfer that meets a radio with another password.
#pragma once

#include <QDialog>
#include <string>

#include "codeplug/Prompts.h"
#include "shell/ShellTexts.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace k7x {

class FrmPassWord : public QDialog {
    Q_OBJECT
public:
    FrmPassWord(const Prompts& prompts, const std::string& stored, QWidget* parent = nullptr);

    // What OK takes as the stored password: the text right-trimmed and cut at the first NUL.
    std::string password() const;

private:
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
};

}  // namespace k7x

// The language dialog: English or Chinese. It only changes the settings and stores the choice;
// the main window rebuilds its texts when it is activated again.
#pragma once

#include <QDialog>

#include "codeplug/Prompts.h"
#include "shell/AppSettings.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace k7x {

class FrmSetLanguage : public QDialog {
    Q_OBJECT
public:
    FrmSetLanguage(AppSettings& settings, const Prompts& prompts, QWidget* parent = nullptr);

    void CommandOK_Click();
    void CommandCancel_Click();

private:
    AppSettings& settings_;
    QLabel* Label1;
    QComboBox* Combo1;
    QPushButton* CommandOK;
    QPushButton* CommandCancel;
};

}  // namespace k7x

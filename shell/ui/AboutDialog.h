// The About box: title, version, description and disclaimer from the language file.
#pragma once

#include <QDialog>

#include "codeplug/Prompts.h"

class QLabel;
class QPushButton;

namespace k7x {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(const Prompts& prompts, QWidget* parent = nullptr);

private:
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblDisclaimer;
    QPushButton* cmdOK;
};

}  // namespace k7x

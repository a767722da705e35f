// The model information dialog: shows the model, country mode and band, and switches the
// document to another country mode (which replaces the document by a new one).
#pragma once

#include <QDialog>
#include <functional>

#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace k7x {

class FrmModelInfo : public QDialog {
    Q_OBJECT
public:
    // loadNewDoc closes the editing windows and builds a new document (the main window's
    // LoadNewDoc).
    FrmModelInfo(DocumentState& doc, Prompts& prompts, std::function<void()> loadNewDoc,
                 QWidget* parent = nullptr);

    void CommandOK_Click();
    void CommandCancel_Click();

private:
    void Combo3_Click();

    DocumentState& doc_;
    Prompts& prompts_;
    std::function<void()> loadNewDoc_;
    bool loading_ = false;

    QLabel* Label1[3];
    QComboBox* Combo1;
    QComboBox* Combo2;
    QComboBox* Combo3;
    QPushButton* CommandOK;
    QPushButton* CommandCancel;
};

}  // namespace k7x

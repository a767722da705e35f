// The radio information window: the model, mode and band, serial number, production and repair
// data and the dealer data the last information read brought back. It only displays.
#pragma once

#include <QWidget>
#include <array>

#include "codeplug/Prompts.h"
#include "codeplug/Records.h"
#include "link/LinkTexts.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace k7x {

inline constexpr int kRadioInfoHelpContext = 3600;
inline constexpr const char* kCountryModeError = "Country Mode Error!";

class FrmRadioInfo : public QWidget {
    Q_OBJECT
public:
    // info: the radio information record, read afresh by ShowByData.
    FrmRadioInfo(const RadioInfoRecord& info, Prompts& prompts, bool helpEnabled,
                 QWidget* parent = nullptr);

    // Fills every field from the radio information record. A mode outside 0..2 is reported
    // and leaves the band empty; the window stays usable.
    void ShowByData();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void alignLabels();
    QLabel* makeLabel(const QString& name, const QString& text);
    QLineEdit* makeText(int index);
    void CommandClose_Click();

    const RadioInfoRecord& info_;
    Prompts& prompts_;
    // Text1(4) is the multi-line repair reason; the other indices are single-line boxes.
    std::array<QLineEdit*, 12> Text1{};
    QPlainTextEdit* repairReason_ = nullptr;
    QComboBox* Combo1_0 = nullptr;  // model
    QComboBox* Combo1_1 = nullptr;  // band
    QComboBox* Combo3 = nullptr;    // mode
    QGroupBox* Frame1 = nullptr;
    QPushButton* CommandClose = nullptr;
    QPushButton* CommandHelp = nullptr;
    QGridLayout* grid_ = nullptr;        // the fields on the window itself
    QGridLayout* dealerGrid_ = nullptr;  // the fields in Frame1
    int outerLabelWidth_ = 0;
    int dealerLabelWidth_ = 0;
};

}  // namespace k7x

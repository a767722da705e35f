// The DTMF settings window: the signalling options and the sixteen DTMF codes. Every change goes
// straight into the document's DTMF record.
#pragma once

#include <QWidget>
#include <array>

#include "settings/DtmfSettingLists.h"
#include "settings/SettingsWindows.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace k7x {

class FrmDTMF : public QWidget, public DocumentListener {
    Q_OBJECT
public:
    static constexpr int kCodeCount = 16;

    explicit FrmDTMF(const SettingsWindowServices& services, QWidget* parent = nullptr);
    ~FrmDTMF() override;

    void DocumentRestored() override { showRecord(); }

private:
    // Building the window.
    QWidget* buildSettingsTab();
    QWidget* buildCodesTab();
    void setTabChain();
    void applyTexts();
    // Shows the document's DTMF record in the controls.
    void showRecord();

    // User changes; nothing calls them while the window fills its controls.
    void Combo1_Click(int setting);
    void Check1_Click(bool checked);
    void Text2_Change(int box, const QString& text);
    void CommandClose_Click();

    const SettingsWindowServices& s_;

    QTabWidget* SSTab1 = nullptr;
    int shownTab_ = 0;                                 // the visible tab last shown
    std::array<QStringList, kDtmfListCount> entries_;  // what the lists Combo1 hold
    std::array<QComboBox*, kDtmfListCount> Combo1{};
    std::array<QLabel*, kDtmfListCount> Label1{};
    QCheckBox* Check1 = nullptr;
    std::array<QLineEdit*, kCodeCount> Text2{};
    std::array<QLabel*, kCodeCount> Label4{};
    QPushButton* CommandClose = nullptr;
    QPushButton* CommandHelp = nullptr;
};

}  // namespace k7x

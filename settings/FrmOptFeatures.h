// The optional features window: the radio-wide settings, the common channel and, in country mode 0,
// the country the radio starts in.
#pragma once

#include <QWidget>
#include <array>

#include "settings/OptFeatureLists.h"
#include "settings/SettingsWindows.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace k7x {

class CountrySelectors;
class CommittingField;

class FrmOptFeatures : public QWidget, public DocumentListener {
    Q_OBJECT
public:
    explicit FrmOptFeatures(const SettingsWindowServices& services, QWidget* parent = nullptr);
    ~FrmOptFeatures() override;

    void DocumentRestored() override;

    // Stores one control into the records: 0-16 a setting list, 101-113 a common channel list,
    // 200 the offset, 300 the ratio check box.
    void SaveOptFeat(int id);
    // Rebuilds the roger-beep list from the tone tips that may be referred to.
    void ShowRBOpt() override;
    // Rebuilds the three DTMF lists from the codes in use.
    void ShowDtmfLists() override;
    // True when index names no entry of list.
    static bool NotInComboList(const QComboBox& list, int index);
    // Takes a ratio still being typed (before a write and when the window closes).
    Q_INVOKABLE void ValidateControls();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    QGroupBox* buildSettingsFrame();
    QGroupBox* buildCommonFrame();
    void setTabChain();
    void applyModeLayout();
    void applyTexts();
    void fillLists();
    void showValues();
    void showPowerList(const ChannelRecord& common);

    QString storedRatioText() const;
    void Text1_LostFocus();
    void Text2_LostFocus();
    void countryChosen(const QString& name);
    void CommandClose_Click();

    const SettingsWindowServices& s_;
    const int mode_;
    bool loading_ = false;

    std::array<QLabel*, kSettingListCount> Label1{};
    std::array<QComboBox*, kSettingListCount> Combo1{};
    std::array<QComboBox*, 2> Combo3{};
    CountrySelectors* countries_ = nullptr;
    QCheckBox* Check1 = nullptr;
    QLineEdit* Text1 = nullptr;
    std::array<QLabel*, kCommonListLast + 1> Label3{};     // index 0 and 3 unused
    std::array<QComboBox*, kCommonListLast + 1> Combo2{};  // index 0 and 3 unused
    QLabel* Label2 = nullptr;
    QLineEdit* Text2 = nullptr;
    std::array<CommittingField*, 2> fields_{};  // the key filters of Text1 and Text2
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QPushButton* CommandClose = nullptr;
    QPushButton* CommandHelp = nullptr;
};

}  // namespace k7x

// The radio-wide settings of the optional features window: the seventeen setting lists, the
// country the VFO starts in (country mode 0) and the standing-wave ratio limit.
#pragma once

#include <QGroupBox>
#include <array>
#include <vector>

#include "settings/OptFeatureLists.h"
#include "settings/SettingsWindows.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace k7x {

class CommittingField;
class CountrySelectors;

class RadioSettingsPanel : public QGroupBox {
    Q_OBJECT
public:
    RadioSettingsPanel(const SettingsWindowServices& services, int mode, QWidget* parent);
    ~RadioSettingsPanel() override;

    void applyTexts();
    void showValues();
    // Takes a ratio still being typed (before a write and when the window closes).
    void commitRatio();
    // The controls in the order Tab visits them.
    std::vector<QWidget*> tabChain() const;

private:
    void fillLists();
    void settingChosen(int list);
    void useRatioToggled(bool checked);
    void countryChosen(const QString& name);
    QString storedRatioText() const;

    const SettingsWindowServices& s_;
    const int mode_;
    int busy_ = 0;  // above 0 while the panel fills its own controls

    std::array<QLabel*, kSettingListCount> Label1{};
    std::array<QComboBox*, kSettingListCount> Combo1{};
    std::array<QComboBox*, 2> Combo3{};
    CountrySelectors* countries_ = nullptr;
    QCheckBox* Check1 = nullptr;
    QLineEdit* Text1 = nullptr;
    CommittingField* ratioField_ = nullptr;
};

}  // namespace k7x

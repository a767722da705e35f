// The common channel of the optional features window: the settings every public channel takes
// (repeater shift and offset, tones, filters, modulation, power, roger beep, DTMF codes).
#pragma once

#include <QGroupBox>
#include <array>
#include <vector>

#include "settings/OptFeatureLists.h"
#include "settings/SettingsWindows.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace k7x {

class CommittingField;

class CommonChannelPanel : public QGroupBox {
    Q_OBJECT
public:
    CommonChannelPanel(const SettingsWindowServices& services, int mode, QWidget* parent);
    ~CommonChannelPanel() override;

    void applyTexts();
    void showValues();
    // Rebuilds the roger-beep list from the tone tips that may be referred to.
    void showRogerBeeps();
    // Rebuilds the three DTMF lists from the codes in use.
    void showDtmfLists();
    std::vector<QWidget*> tabChain() const;

private:
    void listChosen(const ChannelFieldInfo& field);
    // The list of a field the panel has one for.
    QComboBox& listOf(ChannelColumn column) const;
    void offsetEdited();
    void showStoredOffset();
    void showPowerList(const ChannelRecord& common);

    const SettingsWindowServices& s_;
    const int mode_;
    int busy_ = 0;  // above 0 while the panel fills its own controls

    std::array<QLabel*, kCommonControlLast + 1> Label3{};     // index 0 and 3 unused
    std::array<QComboBox*, kCommonControlLast + 1> Combo2{};  // index 0 and 3 unused
    QLabel* Label2 = nullptr;
    QLineEdit* Text2 = nullptr;
    CommittingField* offsetField_ = nullptr;
};

}  // namespace k7x

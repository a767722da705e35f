// The key assignments window: the key mode and the function of every programmable key.
#pragma once

#include <QWidget>
#include <array>

#include "settings/SettingsWindows.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace k7x {

inline constexpr int kKeyModeCount = 3;
inline constexpr int kKeysPerMode = 6;
inline constexpr int kKeyListCount = kKeyModeCount * kKeysPerMode;

class FrmKey : public QWidget, public DocumentListener {
    Q_OBJECT
public:
    explicit FrmKey(const SettingsWindowServices& services, QWidget* parent = nullptr);
    ~FrmKey() override;

    void DocumentRestored() override;

    // The key modes, in the order of their list (stored as the position).
    static const QStringList& KeyModeNames();
    // The functions a key can have, in the order of the lists (stored as position + 1).
    static const QStringList& KeyFunctionNames();

private:
    QGroupBox* buildFrame(int mode);
    void applyTexts();
    void showValues();
    void Combo1_Click(int key);
    void Combo2_Click();
    void CommandClose_Click();

    const SettingsWindowServices& s_;
    bool loading_ = false;

    QLabel* Label1 = nullptr;
    QComboBox* Combo2 = nullptr;
    std::array<QGroupBox*, kKeyModeCount> Frame1{};
    std::array<QLabel*, kKeyListCount> Label2{};
    std::array<QComboBox*, kKeyListCount> Combo1{};
    QPushButton* CommandClose = nullptr;
    QPushButton* CommandHelp = nullptr;
};

}  // namespace k7x

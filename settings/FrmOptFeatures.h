// The optional features window: the radio-wide settings, the common channel and, in country mode 0,
// the country the radio starts in.
#pragma once

#include <QWidget>

#include "settings/SettingsWindows.h"

class QPushButton;

namespace k7x {

class CommonChannelPanel;
class RadioSettingsPanel;

class FrmOptFeatures : public QWidget, public DocumentListener {
    Q_OBJECT
public:
    explicit FrmOptFeatures(const SettingsWindowServices& services, QWidget* parent = nullptr);
    ~FrmOptFeatures() override;

    void DocumentRestored() override;
    // Rebuilds the roger-beep list from the tone tips that may be referred to.
    void ShowRBOpt() override;
    // Rebuilds the three DTMF lists from the codes in use.
    void ShowDtmfLists() override;
    // Takes a ratio still being typed (before a write and when the window closes).
    Q_INVOKABLE void ValidateControls();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void applyTexts();
    void CommandClose_Click();

    const SettingsWindowServices& s_;
    RadioSettingsPanel* settings_ = nullptr;
    CommonChannelPanel* common_ = nullptr;
    QPushButton* CommandClose = nullptr;
    QPushButton* CommandHelp = nullptr;
};

}  // namespace k7x

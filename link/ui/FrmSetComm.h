// The port dialog: sixteen port choices, enabled while a device is there for them (rescanned
// every second while the dialog is open, so a cable plugged in shows at once), each naming its
// device in a tooltip. OK stores the choice for the transfers and in the setup file.
#pragma once

#include <QDialog>
#include <QTimer>
#include <array>

#include "codeplug/Prompts.h"
#include "link/ui/PortScan.h"
#include "shell/AppSettings.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace k7x {

inline constexpr int kPortChoices = 16;
inline constexpr int kReCommIntervalMs = 1000;

inline constexpr int kTextPortCaption = 22000;
inline constexpr int kTextPortFrame = 22001;
inline constexpr int kTextPortPrefix = 22002;
inline constexpr int kTextNoSerialPorts = 9106;
inline constexpr int kTextMissingPort = 9104;
inline constexpr int kTextPortDevice = 9107;

class FrmSetComm : public QDialog {
    Q_OBJECT
public:
    // scan tells which numbers have a device now; the settings receive the choice.
    FrmSetComm(AppSettings& settings, const Prompts& prompts, PortScan scan,
               QWidget* parent = nullptr);

    // Enables the choices that have a device, and names the device of each.
    void Scan();
    // Every second while open: scan again and keep the choice the user has made.
    void ReCommTimer_Timer();
    void CommandOK_Click();
    void CommandCancel_Click();

    // The index of the selected choice, -1 when none is.
    int selectedIndex() const;
    QTimer& reCommTimer() { return ReCommTimer; }

    void done(int result) override;

private:
    AppSettings& settings_;
    const Prompts& prompts_;
    PortScan scan_;
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, kPortChoices> Option1{};
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
    QTimer ReCommTimer;
};

}  // namespace k7x

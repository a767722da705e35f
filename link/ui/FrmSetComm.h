// The port dialog: sixteen port choices, enabled while a device is there for them (rescanned
// every second while the dialog is open, so a cable plugged in shows at once), each with its
// device and adapter beside it ("/dev/ttyUSB0 — FTDI FT232R, serial A50285BI") so two cables
// can be told apart. "Check port" shows what stands between the user and the chosen port's
// device (permissions, a program that holds it, ...) and how to fix it. OK stores the choice
// for the transfers and in the setup file, and remembers the adapter by its by-id name so the
// same adapter keeps the number after a replug.
#pragma once

#include <QDialog>
#include <QTimer>
#include <array>

#include "codeplug/Prompts.h"
#include "link/LinkTexts.h"
#include "link/serial/PortCheck.h"
#include "link/ui/PortScan.h"
#include "shell/AppSettings.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace k7x {

inline constexpr int kPortChoices = 16;
inline constexpr int kReCommIntervalMs = 1000;

class FrmSetComm : public QDialog {
    Q_OBJECT
public:
    // scan tells which numbers have a device now; check looks at a device and identify tells
    // who it is (empty: the real system); the settings receive the choice.
    FrmSetComm(AppSettings& settings, const Prompts& prompts, PortScan scan, PortChecker check = {},
               PortIdentifier identify = {}, QWidget* parent = nullptr);

    // Enables the choices that have a device, and names the device and adapter of each.
    void Scan();
    // Every second while open: scan again and keep the choice the user has made.
    void ReCommTimer_Timer();
    // Shows in TextFindings what the check finds for the selected port's device.
    void CommandCheck_Click();
    void CommandOK_Click();
    void CommandCancel_Click();

    // The index of the selected choice, -1 when none is.
    int selectedIndex() const;
    QTimer& reCommTimer() { return ReCommTimer; }

    void done(int result) override;

private:
    // The port numbers as they stand now.
    PortMap currentPorts() const;

    AppSettings& settings_;
    const Prompts& prompts_;
    PortScan scan_;
    PortChecker check_;
    PortIdentifier identify_;
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, kPortChoices> Option1{};
    std::array<QLabel*, kPortChoices> LabelDevice{};  // the device beside each choice
    QPushButton* CommandCheck = nullptr;
    QLabel* LabelFindings = nullptr;
    QPlainTextEdit* TextFindings = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
    QTimer ReCommTimer;
};

}  // namespace k7x

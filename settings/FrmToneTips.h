// The tone tips window: the eight melodies, their steps, a chart of them, and playing them.
#pragma once

#include <QWidget>
#include <array>

#include "settings/SettingsWindows.h"
#include "settings/ToneAudioOutput.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QStringListModel;
class QTabBar;

namespace k7x {

class ToneChart;
class TonePlayer;
struct ToneTipRecord;

inline constexpr int kToneStepCount = 14;

class FrmToneTips : public QWidget, public DocumentListener {
    Q_OBJECT
public:
    explicit FrmToneTips(const SettingsWindowServices& services, QWidget* parent = nullptr);
    ~FrmToneTips() override;

    // Stops a playing, then shows the tip as the document now holds it.
    void DocumentRestored() override;

    // The tip shown, 1..8.
    int CurrentTip() const { return currentTip_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Building the window.
    void buildControls();
    QGridLayout* buildSteps();
    void fillLists();
    void applyTexts();
    void setTabChain();

    ToneTipRecord& tip();
    // Shows the current tip in the lists and the chart.
    void ShowTip();
    void showPitch(int step);

    // User changes, each stored at once.
    void TabStrip1_Click();
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click(int step);
    void Combo4_Click(int step);
    void Command1_Click();
    // Stop button, end of a playing, closing: the sound ends and play is offered again.
    void StopRoutine();
    // Says in the window why the tip was not heard.
    void ShowSilence(ToneOutputProblem why);
    void CommandClose_Click();

    const SettingsWindowServices& s_;
    int currentTip_ = 1;
    int busy_ = 0;

    QTabBar* TabStrip1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    std::array<QLabel*, 2> Label3{};
    std::array<QLabel*, 2> Label4{};
    std::array<QLabel*, kToneStepCount> Label5{};
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    std::array<QComboBox*, kToneStepCount> Combo3{};
    std::array<QComboBox*, kToneStepCount> Combo4{};
    QComboBox* Combo5 = nullptr;
    ToneChart* Picture1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* CommandClose = nullptr;
    QPushButton* CommandHelp = nullptr;
    QLabel* LabelSound = nullptr;
    QStringListModel* pitches_ = nullptr;
    QStringListModel* milliseconds_ = nullptr;
    TonePlayer* player_ = nullptr;
};

}  // namespace k7x

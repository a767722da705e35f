// The channel edit window: every attribute of one channel, following the grid's group and
// position and leading the grid when the user picks another group or position here.
#pragma once

#include <QWidget>
#include <array>

#include "channels/ChannelWindows.h"
#include "channels/EditOptionRows.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace k7x {

class CommittingField;
class CountrySelectors;
struct ChannelRecord;

class FrmCHInfoEdit : public QWidget, public DocumentListener {
    Q_OBJECT
public:
    explicit FrmCHInfoEdit(const ChannelWindowServices& services, QWidget* parent = nullptr);
    ~FrmCHInfoEdit() override;

    // Shows the channel at EditGroup/EditPosition. gridChange: called from outside (grid,
    // document); false when the window's own lists moved and the grid is to follow.
    void SetGridEditData(bool gridChange);
    void SetGridEditData() override { SetGridEditData(true); }
    // Undo or redo: the lists that follow the codes and tone tips, then the channel.
    void DocumentRestored() override;
    // Refills the position list with 1 .. size of the group; nothing is selected afterwards.
    void ChangShowCHs(int group);
    // Rebuilds and reselects the roger-beep list.
    void ShowRB() override;
    // Rebuilds the three DTMF code lists from the codes in use and reselects the channel's
    // references (after the DTMF codes were edited).
    void ShowDtmfLists() override;
    // A channel whose modulation is fixed to FM: "CE", "UK", and "DE" from position 41, mode 0.
    static bool IsFixFM(int position, int group, int countryMode);
    // Commits an open frequency or offset edit (before a transfer and when the window closes).
    Q_INVOKABLE void ValidateControls();

    // The window's height in twips for its country mode (fewer rows in mode 0).
    int heightTwips() const;
    QSize sizeHint() const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Building the window.
    void buildControls();
    QGridLayout* buildHeader();
    QGroupBox* buildFrame();
    void setTabChain();
    void applyTexts();
    void alignLabels();

    // Showing the channel.
    int shownGroup() const;
    int shownPosition() const;
    int shownChannelIndex() const;
    void adoptEditState(bool gridChange);
    void showChannel();
    void selectDtmfReferences(const ChannelRecord& ch);
    void selectRogerBeep(const ChannelRecord& ch);

    // User changes.
    void rowChanged(const ChannelFieldInfo& field);
    // The option row's list and label of a field that has one.
    QComboBox& listOf(ChannelColumn column) const;
    QLabel* labelOf(ChannelColumn column) const;
    void groupListChanged();
    void countryChosen(const QString& name);
    void commitFrequency();
    void commitOffset();
    void Command1_Click();
    void CommandClose_Click();

    const ChannelWindowServices& s_;
    const int mode_;
    int busy_ = 0;  // above 0 while the window fills its own controls
    bool committing_ = false;

    QGridLayout* header_ = nullptr;
    QGridLayout* frameGrid_ = nullptr;
    QLabel* Label4 = nullptr;
    QComboBox* Combo4 = nullptr;
    std::array<QComboBox*, 2> Combo3{};
    CountrySelectors* countries_ = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;
    std::array<QLabel*, 2> Label2{};
    QLineEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QLabel*, kOptionRowCount> Label3{};
    std::array<QComboBox*, kOptionRowCount> Combo2{};
    QComboBox* Combo5 = nullptr;
    std::array<CommittingField*, 2> fields_{};  // the key filters of Text1 and Text2
    QPushButton* CommandClose = nullptr;
    QPushButton* CommandHelp = nullptr;
};

}  // namespace k7x

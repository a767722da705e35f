// The channel edit window: every attribute of one channel, following the grid's group and
// position and leading the grid when the user picks another group or position here.
#pragma once

#include <QWidget>

#include "channels/ChannelWindows.h"

namespace k7x {

class FrmCHInfoEdit : public QWidget, public DocumentListener {
    Q_OBJECT
public:
    explicit FrmCHInfoEdit(const ChannelWindowServices& services, QWidget* parent = nullptr);
    ~FrmCHInfoEdit() override;

    // Shows the channel at EditGroup/EditPosition. gridChange: called from outside (grid,
    // document); false when the window's own lists moved and the grid is to follow.
    void SetGridEditData(bool gridChange);
    void SetGridEditData() override { SetGridEditData(true); }
    // Refills the position list with 1 .. size of the group.
    void ChangShowCHs(int group);
    // Enables or disables the rows that Public locks.
    void EnablePub(bool enable);
    // Rebuilds and reselects the roger-beep list.
    void ShowRB() override;
    // A channel whose modulation is fixed to FM: "CE", "UK", and "DE" from position 41, mode 0.
    static bool IsFixFM(int position, int group, int countryMode);
    // Commits an open frequency or offset edit (before a transfer and when the window closes).
    Q_INVOKABLE void ValidateControls();

private:
    const ChannelWindowServices& s_;
};

}  // namespace k7x

// The channel grid: the channels of one group, one row per position, with the group's settings
// above and in-cell editors for the frequency and the first flags.
#pragma once

#include <QWidget>

#include "channels/ChannelWindows.h"

namespace k7x {

class frmCommChInfo : public QWidget, public DocumentListener {
    Q_OBJECT
public:
    explicit frmCommChInfo(const ChannelWindowServices& services, QWidget* parent = nullptr);
    ~frmCommChInfo() override;

    // Redraws the row of one channel number when it belongs to the displayed group.
    void reShowGrid(int channelNo) override;
    // Refills the group settings panel from the document.
    void ReshowByCh() override;
    // Hides every in-cell editor.
    void SetEditDisable();
    // Selects the group EditGroup and mirrors it in the country selectors.
    void ChangeGroup();
    // Opens the in-cell editor of the current cell.
    void EnterGridEdit();
    // Commits an open in-cell edit (before a transfer and when the window closes).
    Q_INVOKABLE void ValidateControls();

private:
    const ChannelWindowServices& s_;
};

}  // namespace k7x

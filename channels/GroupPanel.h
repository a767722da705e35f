// The group settings above the channel grid: the working channel, the two emergency channels
// with their modulation, and in country modes 1 and 2 whether the group is enabled. The panel
// writes the group settings of the document directly as the user picks entries.
#pragma once

#include <QObject>
#include <array>

#include "codeplug/DocumentState.h"
#include "codeplug/Prompts.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QWidget;

namespace k7x {

class GroupPanel : public QObject {
    Q_OBJECT
public:
    // The controls are made as children of window.
    GroupPanel(QWidget& window, DocumentState& doc);

    // Label texts of the current language.
    void setTexts(const Prompts& prompts);
    // Shows the controls group has: none for "VFO", the working channel alone for "MEM".
    void showFor(int group);
    // Refills the lists from the group settings of group and locks the modulation of the
    // channels that may only be FM.
    void ReshowByCh(int group);

    // Label3(i) with Combo8(i), i = 0..3, and Combo10(0), Combo10(1).
    std::array<QLabel*, 4> Label3{};
    std::array<QComboBox*, 4> Combo8{};
    std::array<QComboBox*, 2> Combo10{};

private:
    bool hasSettings() const;
    void SetFmLock(int stored, int k);
    void workingChannelChosen();
    void emergencyChannelChosen(int k);
    void modulationChosen(int k);
    void enableChosen();

    DocumentState& doc_;
    int group_ = -1;
};

}  // namespace k7x

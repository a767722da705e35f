// The measures the two panels of the optional features window share, so their rows line up.
#pragma once

#include <QGridLayout>

#include "shell/ui/Twips.h"

namespace k7x {

inline constexpr int kPanelListWidthTwips = 1815;
inline constexpr int kPanelSubListWidthTwips = 900;

// A label column and a control column, rows close together.
inline QGridLayout* MakePanelGrid(QWidget& panel) {
    constexpr int kLabelGapTwips = 100;
    constexpr int kRowSpacing = 3;  // pixels between the rows of lists
    auto* grid = new QGridLayout(&panel);
    grid->setHorizontalSpacing(TwipsToPixels(kLabelGapTwips));
    grid->setVerticalSpacing(kRowSpacing);
    return grid;
}

}  // namespace k7x

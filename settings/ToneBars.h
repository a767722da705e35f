// The bar chart of a tone tip, in twips: one bar per step that lasts, as wide as its share of the
// melody and as high as its pitch, along the bottom of the picture with a 50-twip margin.
#pragma once

#include <vector>

#include "codeplug/Records.h"

namespace k7x {

struct ToneBar {
    int step = 0;  // 1..14; odd steps are drawn red, even ones blue
    int left = 0;
    int bottom = 0;  // the bar rises from here towards the top (smaller y)
    int width = 0;
    int height = 0;  // 0 for a rest

    bool operator==(const ToneBar&) const = default;
};

// The bars of a tip in a picture of scaleWidth x scaleHeight twips; none when the durations add
// up to less than 1.
std::vector<ToneBar> ToneTipBars(const ToneTipRecord& tip, int scaleWidth, int scaleHeight);

}  // namespace k7x

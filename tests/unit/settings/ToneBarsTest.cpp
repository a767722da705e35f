// The chart's bars in twips: widths shared by length, heights by pitch, along the bottom margin.
#include <gtest/gtest.h>

#include "settings/ToneBars.h"

namespace k7x {
namespace {

TEST(ToneBars, BarsShareTheWidthByDurationAndRiseByPitch) {
    struct Case {
        const char* name;
        std::vector<ToneStep> steps;
        std::vector<ToneBar> bars;
    };
    // A picture of 1100 x 356 twips leaves 1000 x 256 inside its margins; the bottom is at 306.
    const std::vector<Case> cases = {
        {"two notes", {{128, 10}, {255, 30}}, {{1, 50, 306, 250, 128}, {2, 300, 306, 750, 255}}},
        {"a rest keeps its width",
         {{40, 10}, {0, 10}, {4, 10}, {30, 10}},
         {{1, 50, 306, 250, 40},
          {2, 300, 306, 250, 0},
          {3, 550, 306, 250, 0},
          {4, 800, 306, 250, 30}}},
        {"no-length steps are not drawn", {{0, 0}, {100, 20}, {50, 0}}, {{2, 50, 306, 1000, 100}}},
        {"rounded", {{100, 1}, {100, 2}}, {{1, 50, 306, 333, 100}, {2, 383, 306, 667, 100}}},
        {"nothing to draw", {{100, 0}}, {}},
        {"durations adding up below 1", {{100, 2}, {100, -3}}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ToneTipRecord tip;
        std::copy(c.steps.begin(), c.steps.end(), tip.Steps.begin());
        EXPECT_EQ(ToneTipBars(tip, 1100, 356), c.bars);
    }
}

}  // namespace
}  // namespace k7x

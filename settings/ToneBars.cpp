#include "settings/ToneBars.h"

#include <cmath>

#include "settings/ToneSequence.h"

namespace k7x {

namespace {

constexpr int kMargin = 50;
constexpr int kPitchSpan = 256;

int Rounded(double value) {
    return static_cast<int>(std::lround(value));
}

}  // namespace

std::vector<ToneBar> ToneTipBars(const ToneTipRecord& tip, int scaleWidth, int scaleHeight) {
    std::vector<ToneBar> bars;
    int total = 0;
    for (const ToneStep& step : tip.Steps) total += step.Duration;
    if (total < 1) return bars;
    const double width = scaleWidth - 2 * kMargin;
    const double height = scaleHeight - 2 * kMargin;
    const int bottom = scaleHeight - kMargin;
    int x = kMargin;
    for (std::size_t i = 0; i < tip.Steps.size(); ++i) {
        const ToneStep& step = tip.Steps[i];
        if (step.Duration <= 0) continue;
        // A rest has its length but no height, as the player keeps it silent.
        const int barHeight =
            StepFrequencyHz(step) > 0 ? Rounded(step.Pitch * height / kPitchSpan) : 0;
        const int barWidth = Rounded(step.Duration * width / total);
        bars.push_back({static_cast<int>(i) + 1, x, bottom, barWidth, barHeight});
        x += barWidth;
    }
    return bars;
}

}  // namespace k7x

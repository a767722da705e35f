// Lengths stored in twips (1/1440 inch) are shown at 15 twips per logical pixel; Qt scales
// logical pixels to the screen.
#pragma once

namespace k7x {

inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(double twips) {
    return static_cast<int>(twips >= 0 ? twips / kTwipsPerPixel + 0.5
                                       : twips / kTwipsPerPixel - 0.5);
}
constexpr int PixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

}  // namespace k7x

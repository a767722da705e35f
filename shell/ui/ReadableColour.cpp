#include "shell/ui/ReadableColour.h"

#include <algorithm>
#include <cmath>

namespace k7x {

namespace {

double Channel(double c) {
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The relative luminance of the colour, 0 (black) to 1 (white).
double Luminance(const QColor& c) {
    return 0.2126 * Channel(c.redF()) + 0.7152 * Channel(c.greenF()) + 0.0722 * Channel(c.blueF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsDark(const QColor& background) {
    return Luminance(background) < 0.18;
}

QColor ReadableColour(const QColor& colour, const QColor& background, double minimum) {
    if (ContrastRatio(colour, background) >= minimum) return colour;
    // Moves the colour toward white (or black) in small steps, keeping its hue as long as it
    // can, until it reads.
    const QColor end = IsDark(background) ? QColor(Qt::white) : QColor(Qt::black);
    constexpr int kSteps = 20;
    for (int step = 1; step <= kSteps; ++step) {
        const double t = static_cast<double>(step) / kSteps;
        const QColor mixed = QColor::fromRgbF(
            static_cast<float>(colour.redF() + (end.redF() - colour.redF()) * t),
            static_cast<float>(colour.greenF() + (end.greenF() - colour.greenF()) * t),
            static_cast<float>(colour.blueF() + (end.blueF() - colour.blueF()) * t));
        if (ContrastRatio(mixed, background) >= minimum) return mixed;
    }
    return end;
}

}  // namespace k7x

// The program's signal colours (blue position numbers, red marks, the tone chart's bars) kept
// readable whatever the palette: on a dark palette they are lightened until they stand out
// from the background by the contrast a reader needs.
#pragma once

#include <QColor>

namespace k7x {

// The minimum contrast for text, and for marks and bars that are not text.
inline constexpr double kTextContrast = 4.5;
inline constexpr double kGraphicContrast = 3.0;

// The contrast ratio of two colours, 1 (the same) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);
// colour when it stands out from background by at least minimum; otherwise the nearest shade
// of it, lighter on a dark background and darker on a light one, that does.
QColor ReadableColour(const QColor& colour, const QColor& background,
                      double minimum = kTextContrast);
// Whether the background is dark: light colours stand out on it.
bool IsDark(const QColor& background);

}  // namespace k7x

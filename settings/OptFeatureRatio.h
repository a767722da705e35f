// The highest standing-wave ratio of the optional features window: how a typed ratio is taken
// and how a stored one reads.
#pragma once

#include <QString>

namespace k7x {

// The check box and the field of the ratio limit have no language text.
inline constexpr const char* kRatioCaption = "Max. SWR";

inline constexpr int kRatioMinTenths = 70;
inline constexpr int kRatioMaxTenths = 200;

// A typed ratio in tenths: limited to 7.0..20.0, a text that is no number gives 20.0.
int RatioTenths(const QString& text);
// A ratio in tenths as shown, one decimal ("7.0", "20.0"); a stored value outside 7.0 .. 20.0
// shows as it is, not limited.
QString RatioText(int tenths);

}  // namespace k7x

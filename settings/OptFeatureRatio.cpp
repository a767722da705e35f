#include "settings/OptFeatureRatio.h"

#include <algorithm>
#include <cmath>

#include "codeplug/Conversions.h"

namespace k7x {

int RatioTenths(const QString& text) {
    const std::optional<double> value = ParseNumber(text.toStdString());
    if (!value) return kRatioMaxTenths;
    const double limited = std::clamp(*value, kRatioMinTenths / 10.0, kRatioMaxTenths / 10.0);
    // Rounded once, so that the text shown and the value stored agree.
    return static_cast<int>(std::lround(limited * 10.0));
}

QString RatioText(int tenths) {
    return QString::number(tenths / 10.0, 'f', 1);
}

}  // namespace k7x

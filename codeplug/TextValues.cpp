#include "codeplug/TextValues.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "codeplug/Conversions.h"

namespace k7x {

std::optional<std::string> ToneName(int value) {
    if (value == 0) return std::string("off");
    char buffer[16];
    if (value >= 1 && value <= kCtcssCount) {
        std::snprintf(buffer, sizeof buffer, "%.1f", CtcssFrequency(value));
        return std::string(buffer);
    }
    if (value > kCtcssCount && value < kToneValueCount) {
        std::snprintf(buffer, sizeof buffer, "D%03dN", DcsCode(value - kCtcssCount));
        return std::string(buffer);
    }
    return std::nullopt;
}

std::optional<Int> ToneOfName(std::string_view name) {
    static const std::vector<std::string> kNames = [] {
        std::vector<std::string> names;
        for (int value = 0; value < kToneValueCount; ++value) names.push_back(*ToneName(value));
        return names;
    }();
    const auto at = std::find(kNames.begin(), kNames.end(), name);
    if (at == kNames.end()) return std::nullopt;
    return static_cast<Int>(at - kNames.begin());
}

bool IsPlainText(std::string_view raw) {
    // Printable characters alone come back as stored: a fixed text pads with blanks.
    return std::all_of(raw.begin(), raw.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

bool IsInBand(double mhz, const DocumentState& doc) {
    constexpr double kTolerance = 1e-9;
    return mhz >= doc.FreqMin - kTolerance && mhz <= doc.FreqMax + kTolerance;
}

std::optional<std::string> FrequencyText(const FixedText<8>& stored, const DocumentState& doc) {
    const std::string raw = stored.raw();
    if (!IsPlainText(raw)) return std::nullopt;
    const std::optional<std::string> shown = StoredToDisplay(raw);
    if (!shown) return std::nullopt;
    if (shown->empty()) return raw == FixedText<8>("").raw() ? shown : std::nullopt;
    if (!IsInBand(ParseNumber(*shown).value_or(-1.0), doc)) return std::nullopt;
    if (FixedText<8>(DisplayToStored(*shown, doc)) != stored) return std::nullopt;
    return shown;
}

}  // namespace k7x

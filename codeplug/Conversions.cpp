// Text helpers and frequency conversions. Numbers are read and written with std::from_chars and
// std::to_chars, so nothing here depends on the user's locale.
#include "codeplug/Conversions.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

#include "codeplug/CodeplugTexts.h"
#include "codeplug/Groups.h"
#include "codeplug/MemFrequency.h"

namespace k7x {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kEmptyFrequency = "FFFFFFFF";
constexpr int kStoredDigits = 8;
constexpr int kFrequencyDecimals = 5;

std::string_view TrimBlanks(std::string_view text) {
    std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Checks the shape [sign] digits [. digits] [e [sign] digits] with at least one mantissa digit.
bool HasNumberShape(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    int mantissaDigits = 0;
    while (i < t.size() && IsDigit(t[i])) ++i, ++mantissaDigits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && IsDigit(t[i])) ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        int exponentDigits = 0;
        while (i < t.size() && IsDigit(t[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return i == t.size();
}

// Rounds half away from zero at the given number of decimals and writes the fixed-point text.
// The value is first taken to 15 significant digits, so a binary neighbour of a decimal tie
// (27.0049999999999997 for 27.005) rounds as the decimal number it stands for.
std::string FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) value = 0.0;
    char buf[64];
    auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    if (ec != std::errc{}) return "0";
    std::string_view sci(buf, static_cast<std::size_t>(end - buf));  // d.ddddddddddddddde+XX
    std::size_t e = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, e))
        if (IsDigit(c)) digits += c;
    int exponent = 0;
    std::string_view expText = sci.substr(e + 1);
    if (!expText.empty() && expText.front() == '+') expText.remove_prefix(1);
    std::from_chars(expText.data(), expText.data() + expText.size(), exponent);

    // value * 10^decimals == digits * 10^shift
    const int shift = exponent - static_cast<int>(digits.size() - 1) + decimals;
    std::string scaled;
    if (shift >= 0) {
        scaled = digits + std::string(static_cast<std::size_t>(shift), '0');
    } else if (-shift <= static_cast<int>(digits.size())) {
        std::size_t keep = digits.size() - static_cast<std::size_t>(-shift);
        bool roundUp = digits[keep] >= '5';
        scaled = keep > 0 ? digits.substr(0, keep) : "0";
        if (roundUp) {
            std::size_t i = scaled.size();
            while (i > 0 && scaled[i - 1] == '9') scaled[--i] = '0';
            if (i == 0)
                scaled.insert(scaled.begin(), '1');
            else
                ++scaled[i - 1];
        }
    } else {
        scaled = "0";
    }
    std::size_t nonZero = scaled.find_first_not_of('0');
    scaled = nonZero == std::string::npos ? "0" : scaled.substr(nonZero);
    const bool isZero = scaled == "0";
    if (scaled.size() < static_cast<std::size_t>(decimals) + 1)
        scaled.insert(0, static_cast<std::size_t>(decimals) + 1 - scaled.size(), '0');
    if (decimals > 0) scaled.insert(scaled.size() - static_cast<std::size_t>(decimals), 1, '.');
    return (value < 0 && !isZero) ? "-" + scaled : scaled;
}

// The shortest plain decimal text of a number: no sign, no exponent.
std::string PlainDecimal(double value) {
    char buf[400];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    if (ec != std::errc{}) return "0";
    return std::string(buf, end);
}

// Rounds to the nearest integer, a tie going to the even neighbour.
double RoundHalfEven(double x) {
    double lower = std::floor(x);
    double diff = x - lower;
    if (diff < 0.5) return lower;
    if (diff > 0.5) return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

int ToIntSaturated(double value) {
    value = std::trunc(value);
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    return static_cast<int>(value);
}

void WarnOutOfBand(Prompts& prompts) {
    prompts.message(kTextFrequencyCorrected, Buttons::Ok, Icon::Warning);
}

}  // namespace

// ---- text helpers ----

std::optional<double> ParseNumber(std::string_view text) {
    std::string_view t = TrimBlanks(text);
    if (!HasNumberShape(t)) return std::nullopt;
    if (t.front() == '+') t.remove_prefix(1);  // from_chars takes no plus sign
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (ec != std::errc{} || ptr != t.data() + t.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool IsNumeric(std::string_view text) {
    return ParseNumber(text).has_value();
}

// The integer value of a text is its integer part (a fraction is cut off).
int NumberOrDefault(std::string_view text, int defaultValue) {
    std::optional<double> v = ParseNumber(text);
    return v ? ToIntSaturated(*v) : defaultValue;
}

int ClampToStep(std::string_view text, int minimum, int maximum, int step, int defaultValue) {
    std::optional<double> v = ParseNumber(text);
    if (!v) return defaultValue;
    int value = ToIntSaturated(*v);
    if (value < minimum) value = minimum;
    if (value > maximum) value = maximum;
    if (step >= 2) value -= value % step;
    return value;
}

std::string FileNameOfPath(std::string_view path) {
    std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ExtensionOfPath(std::string_view path) {
    const std::size_t dot = path.find_last_of("./");
    if (dot == std::string_view::npos || path[dot] != '.') return {};
    std::string ext(path.substr(dot + 1));
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

std::string ByteToHex2(int value, int width) {
    if (width <= 0) return {};
    char buf[16];
    auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, static_cast<unsigned>(value) & 0xFFFFu, 16);
    std::string hex(buf, ec == std::errc{} ? end : buf);
    for (char& c : hex)
        if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
    const std::size_t w = static_cast<std::size_t>(width);
    if (hex.size() > w) return hex.substr(0, w);
    return std::string(w - hex.size(), '0') + hex;
}

std::optional<Byte> HexTextToByte(std::string_view text) {
    if (text.size() < 3 || text.size() > 4 || text[0] != '&' || (text[1] != 'h' && text[1] != 'H'))
        return std::nullopt;
    unsigned value = 0;
    std::string_view digits = text.substr(2);
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (ec != std::errc{} || ptr != digits.data() + digits.size()) return std::nullopt;
    return static_cast<Byte>(value);
}

// ---- frequencies ----

std::string FormatFrequency(double mhz) {
    return FormatFixed(mhz, kFrequencyDecimals);
}

std::optional<std::string> StoredToDisplay(std::string_view stored) {
    std::string t = TrimField(stored);
    if (TrimBlanks(t).empty() || t == kEmptyFrequency) return std::string();
    // The digits are 10 Hz units with three integer digits of MHz in front; a sign, a point or
    // any other character means the text was never written as a frequency.
    if (!std::all_of(t.begin(), t.end(), IsDigit)) return std::nullopt;
    std::optional<double> value =
        ParseNumber(t.substr(0, 3) + "." + (t.size() > 3 ? t.substr(3) : ""));
    if (!value) return std::nullopt;
    return FormatFrequency(*value);
}

std::optional<std::string> DisplayForGroup(std::string_view stored, int group, int mode) {
    std::optional<std::string> shown = StoredToDisplay(stored);
    if (!shown || mode != 0 || shown->size() < 3) return shown;
    std::string& text = *shown;
    // The UK channels and the MEM channels above the CB band sit on a 12.5 kHz raster
    // that the stored 10 Hz digits cannot hold; the display shows the true frequency.
    constexpr double kTopOfCbBand = 27.405;
    const bool ukGroup = group == 3;
    const bool highMem = group == 8 && ParseNumber(text).value_or(0.0) > kTopOfCbBand;
    if (ukGroup || highMem) text.replace(text.size() - 3, 3, "125");
    return shown;
}

std::string DisplayToStored(std::string_view text, const DocumentState& doc) {
    std::string t(TrimBlanks(text));
    if (t.empty()) return {};
    std::optional<double> value = ParseNumber(t);
    if (!value || *value < 0) {
        t = FormatFrequency(doc.FreqMin);
    } else if (t.find_first_not_of("0123456789.") != std::string::npos) {
        t = PlainDecimal(*value);  // a sign or an exponent: write the number out in full
    }
    std::string stored;
    std::size_t dot = t.find('.');
    if (dot != std::string::npos) {
        if (dot < 3) {
            t.insert(0, 3 - dot, '0');
            dot = 3;
        }
        stored = t.substr(dot - 3, 3) + t.substr(dot + 1);
    } else {
        stored = t;
    }
    if (stored.size() > kStoredDigits) stored.resize(kStoredDigits);
    if (stored.size() < 3) stored.insert(0, 3 - stored.size(), '0');
    stored.append(kStoredDigits - stored.size(), '0');
    return stored;
}

void ParseBandText(DocumentState& doc, std::string_view bandText) {
    constexpr double kDefaultMin = 100.0;
    constexpr double kDefaultMax = 500.0;
    std::size_t dash = bandText.find(" - ");
    if (dash == std::string_view::npos) {
        doc.FreqMin = kDefaultMin;
        doc.FreqMax = kDefaultMax;
        return;
    }
    std::string_view upper = bandText.substr(dash + 3);
    std::size_t unit = upper.find(" MHz");
    if (unit != std::string_view::npos) upper = upper.substr(0, unit);
    doc.FreqMin = ParseNumber(bandText.substr(0, dash)).value_or(kDefaultMin);
    doc.FreqMax = ParseNumber(upper).value_or(kDefaultMax);
}

double SnapToRaster(double mhz, const DocumentState& doc) {
    constexpr double kUnitsPerMHz = 100000.0;  // 10 Hz units
    constexpr std::int64_t kRaster = 500;      // 5 kHz
    constexpr double kLimit = 1e12;            // keeps the integer arithmetic exact
    const double fScaled = mhz * kUnitsPerMHz;
    const double mScaled = doc.FreqMin * kUnitsPerMHz;
    if (!std::isfinite(fScaled) || !std::isfinite(mScaled) || std::fabs(fScaled) > kLimit ||
        std::fabs(mScaled) > kLimit)
        return mhz;
    const auto f = static_cast<std::int64_t>(RoundHalfEven(fScaled));
    const auto m = static_cast<std::int64_t>(RoundHalfEven(mScaled));
    const std::int64_t r = (f - m) % kRaster;
    return static_cast<double>(f - r) / kUnitsPerMHz;
}

double CheckFrequency(double mhz, const DocumentState& doc, Prompts& prompts) {
    if (mhz < doc.FreqMin) {
        WarnOutOfBand(prompts);
        return doc.FreqMin;
    }
    if (mhz <= doc.FreqMax) return SnapToRaster(mhz, doc);
    WarnOutOfBand(prompts);
    return doc.FreqMax;
}

namespace {

// The frequency a channel shows in its group, as a number; nullopt for an empty channel and
// for one whose stored text is no frequency.
std::optional<double> ShownFrequency(const ChannelRecord& ch, const DocumentState& doc) {
    const int mode = doc.CurrentCountryMode;
    const std::optional<std::string> shown =
        DisplayForGroup(ch.Frequency.raw(), GroupHoldingChannel(ch.ChannelNo, mode), mode);
    return shown ? ParseNumber(*shown) : std::nullopt;
}

}  // namespace

int NearestCountryChannel(double mhz, const DocumentState& doc) {
    const int count = std::clamp<int>(doc.WorkDoc.ChannelCount, 0, kChannelCapacity);
    int best = -1;
    double bestDistance = 0.0;
    for (int i = 0; i < count; ++i) {
        const ChannelRecord& ch = doc.ChannelList[static_cast<std::size_t>(i)];
        if (!GivesMemFrequency(ch.ChannelNo)) continue;
        const std::optional<double> value = ShownFrequency(ch, doc);
        if (!value) continue;  // an empty or damaged channel has no frequency to compare
        const double distance = std::fabs(*value - mhz);
        if (best < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

double NearestChannelFrequency(double mhz, const DocumentState& doc, Prompts& prompts) {
    const int count = std::clamp<int>(doc.WorkDoc.ChannelCount, 0, kChannelCapacity);
    // A nearest channel farther away than mhz itself is not taken: the first listed one is.
    int best = NearestCountryChannel(mhz, doc);
    if (best >= 0) {
        const std::optional<double> value =
            ShownFrequency(doc.ChannelList[static_cast<std::size_t>(best)], doc);
        if (!value || std::fabs(*value - mhz) >= mhz) best = 0;
    } else {
        best = 0;
    }
    // Without a usable channel there is nothing to take over: the value is only kept in band.
    if (count == 0) return CheckFrequency(mhz, doc, prompts);
    const std::optional<std::string> shown =
        StoredToDisplay(doc.ChannelList[static_cast<std::size_t>(best)].Frequency.raw());
    const std::optional<double> result = shown ? ParseNumber(*shown) : std::nullopt;
    return result ? *result : CheckFrequency(mhz, doc, prompts);
}

std::string ValidateFrequencyInput(std::string_view text, int group, const DocumentState& doc,
                                   Prompts& prompts) {
    constexpr int kMemGroupOfCountryMode = 8;
    std::optional<double> value = ParseNumber(text);
    double result = 0.0;
    if (!value) {
        WarnOutOfBand(prompts);
        result = doc.FreqMin;
    } else if (doc.CurrentCountryMode == 0 && group == kMemGroupOfCountryMode) {
        result = NearestChannelFrequency(*value, doc, prompts);
    } else {
        result = CheckFrequency(*value, doc, prompts);
    }
    return FormatFrequency(result);
}

}  // namespace k7x

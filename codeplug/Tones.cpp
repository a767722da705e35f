// CTCSS and DCS tables, the tone list texts, the image form of a tone and the DTMF digit mapping.
#include <array>
#include <string>

#include "codeplug/Conversions.h"

namespace k7x {

namespace {

// CTCSS tones 1..38 in tenths of a hertz, so the list texts need no floating-point formatting.
constexpr std::array<int, kCtcssCount> kCtcssTenths = {
    670,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000, 1035,
    1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567, 1622,
    1679, 1738, 1799, 1862, 1928, 2035, 2107, 2181, 2257, 2336, 2418, 2503,
};

// DCS codes 1..104 as written (octal digits read as a decimal number: 23 is "023").
constexpr std::array<int, kDcsCount> kDcsCodes = {
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115,
    116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223,
    225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315,
    325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432, 445, 446,
    452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606, 612, 624,
    627, 631, 632, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754,
};

constexpr int kFirstDcsValue = kCtcssCount + 1;  // 39
constexpr int kToneTypeNone = 0;
constexpr int kToneTypeCtcss = 1;
constexpr int kToneTypeDcs = 2;

std::string ThreeDigits(int n) {
    std::string s = std::to_string(n);
    return s.size() < 3 ? std::string(3 - s.size(), '0') + s : s;
}

char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

double CtcssFrequency(int toneNumber) {
    if (toneNumber < 1 || toneNumber > kCtcssCount) return 0.0;
    return kCtcssTenths[static_cast<std::size_t>(toneNumber - 1)] / 10.0;
}

int DcsCode(int codeNumber) {
    if (codeNumber < 1 || codeNumber > kDcsCount) return 0;
    return kDcsCodes[static_cast<std::size_t>(codeNumber - 1)];
}

std::string ToneText(int value, std::string_view offText) {
    if (value == 0) return std::string(offText);
    if (value >= 1 && value <= kCtcssCount) {
        int tenths = kCtcssTenths[static_cast<std::size_t>(value - 1)];
        return "C_" + ThreeDigits(value) + "(" + std::to_string(tenths / 10) + "." +
               std::to_string(tenths % 10) + "Hz)";
    }
    if (value >= kFirstDcsValue && value < kToneValueCount) {
        int number = value - kCtcssCount;
        return "D_" + ThreeDigits(number) + "(" + ThreeDigits(DcsCode(number)) + "N)";
    }
    return {};
}

// A value outside the tables is stored as no tone rather than as a byte the radio
// would read as some other tone.
ImageTone ToneToImage(int value) {
    if (value >= 1 && value <= kCtcssCount) return {kToneTypeCtcss, value - 1, 0};
    if (value >= kFirstDcsValue && value < kToneValueCount)
        return {kToneTypeDcs, 0, value - kFirstDcsValue};
    return {kToneTypeNone, 0, 0};
}

// An index past the end of its table names no tone; it reads as off instead of running
// into the other table's values.
int ImageToTone(int type, int ctcssIndex, int dcsIndex) {
    if (type == kToneTypeCtcss && ctcssIndex >= 0 && ctcssIndex < kCtcssCount)
        return ctcssIndex + 1;
    if (type == kToneTypeDcs && dcsIndex >= 0 && dcsIndex < kDcsCount)
        return dcsIndex + kFirstDcsValue;
    return 0;
}

std::string DtmfToImageText(std::string_view digits) {
    std::string out;
    out.reserve(digits.size());
    for (char c : digits) {
        if (c == '*')
            out += 'F';
        else if (c == '#')
            out += 'E';
        else
            out += Upper(c);
    }
    return out;
}

std::string ImageTextToDtmf(std::string_view hexDigits) {
    std::string out;
    out.reserve(hexDigits.size());
    for (char c : hexDigits) {
        char u = Upper(c);
        if (u == 'E')
            out += '#';
        else if (u == 'F')
            out += '*';
        else
            out += u;
    }
    return out;
}

}  // namespace k7x

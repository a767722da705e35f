#include "codeplug/ChannelRows.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "codeplug/ChannelList.h"
#include "codeplug/Conversions.h"
#include "codeplug/Groups.h"

namespace k7x {

namespace {

enum Column : std::size_t {
    kLocation,
    kName,
    kFrequency,
    kDuplex,
    kOffset,
    kTone,
    kRToneFreq,
    kCToneFreq,
    kDtcsCode,
    kDtcsPolarity,
    kRxDtcsCode,
    kCrossMode,
    kMode,
    kTStep,
    kSkip,
    kPower,
    kComment,
};

// The fields of the Comment column, written under their record field names, with their highest
// values.
struct CommentField {
    ChannelColumn column;
    int maximum;
    std::string_view key() const { return FieldOf(column).key; }
};
constexpr std::array<CommentField, 12> kCommentFields = {{
    {kColPublic, 1},
    {kColTxPower, 2},
    {kColHiCut, 1},
    {kColBusy, 1},
    {kColNb, 1},
    {kColAddSub5K, 1},
    {kColTsq, 1},
    {kColRbTone, 8},
    {kColDtmfBot, 16},
    {kColDtmfEot, 16},
    {kColDtmfCall, 16},
    {kColDup, 3},  // written only for the value the Duplex column cannot show
}};

constexpr std::array<std::string_view, 3> kDuplexTexts = {"", "+", "-"};
constexpr const char* kUnusedCtcss = "88.5";
constexpr const char* kUnusedDcs = "023";
constexpr int kFirstDcsValue = kCtcssCount + 1;
constexpr long kLowestOffset = 5;  // kHz
constexpr long kHighestOffset = 1000;

enum class ToneKind { None, Ctcss, Dcs };

ToneKind KindOf(int value) {
    if (value >= 1 && value <= kCtcssCount) return ToneKind::Ctcss;
    if (value >= kFirstDcsValue && value < kToneValueCount) return ToneKind::Dcs;
    return ToneKind::None;
}

std::string CtcssText(int value) {
    const long tenths = std::lround(CtcssFrequency(value) * 10.0);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string DcsText(int value) {
    std::string code = std::to_string(DcsCode(value - kCtcssCount));
    return std::string(3 - std::min<std::size_t>(3, code.size()), '0') + code;
}

// A tone value from the list's texts; 0 when the text names no tone the radio offers.
int CtcssValue(std::string_view text) {
    const std::optional<double> hz = ParseNumber(text);
    if (!hz) return 0;
    const long tenths = std::lround(*hz * 10.0);
    for (int n = 1; n <= kCtcssCount; ++n)
        if (std::lround(CtcssFrequency(n) * 10.0) == tenths) return n;
    return 0;
}

int DcsValue(std::string_view text) {
    const std::optional<double> code = ParseNumber(text);
    // Codes have three digits; a larger number names none, and may not even fit an int.
    if (!code || std::fabs(*code) >= 1000.0) return 0;
    for (int n = 1; n <= kDcsCount; ++n)
        if (DcsCode(n) == static_cast<int>(*code)) return kCtcssCount + n;
    return 0;
}

// Thousandths as a decimal text with six places: 100 kHz is "0.100000" MHz.
std::string KilohertzAsMegahertz(int kHz) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%d.%03d000", kHz < 0 ? "-" : "", std::abs(kHz) / 1000,
                  std::abs(kHz) % 1000);
    return text;
}

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        return lower(x) == lower(y);
    });
}

struct ToneColumns {
    std::string tone, rTone = kUnusedCtcss, cTone = kUnusedCtcss, dtcs = kUnusedDcs,
                      polarity = "NN", rxDtcs = kUnusedDcs, cross = "Tone->Tone";
};

ToneColumns TonesOf(const ChannelRecord& ch) {
    ToneColumns t;
    const ToneKind tx = KindOf(ch.TDCT);
    const ToneKind rx = KindOf(ch.RDCT);
    if (tx == ToneKind::None && rx == ToneKind::None) return t;
    if (tx == ToneKind::Ctcss && rx == ToneKind::None) {
        t.tone = "Tone";
        t.rTone = CtcssText(ch.TDCT);
    } else if (tx == ToneKind::Ctcss && ch.TDCT == ch.RDCT) {
        t.tone = "TSQL";
        t.rTone = t.cTone = CtcssText(ch.TDCT);
    } else if (tx == ToneKind::Dcs && ch.TDCT == ch.RDCT) {
        t.tone = "DTCS";
        t.dtcs = t.rxDtcs = DcsText(ch.TDCT);
    } else {
        auto part = [](ToneKind k) {
            return k == ToneKind::Ctcss ? "Tone" : k == ToneKind::Dcs ? "DTCS" : "";
        };
        t.tone = "Cross";
        t.cross = std::string(part(tx)) + "->" + part(rx);
        if (tx == ToneKind::Ctcss) t.rTone = CtcssText(ch.TDCT);
        if (tx == ToneKind::Dcs) t.dtcs = DcsText(ch.TDCT);
        if (rx == ToneKind::Ctcss) t.cTone = CtcssText(ch.RDCT);
        if (rx == ToneKind::Dcs) t.rxDtcs = DcsText(ch.RDCT);
    }
    return t;
}

std::string CommentOf(const ChannelRecord& ch) {
    std::string comment;
    for (const CommentField& f : kCommentFields) {
        const int value = ChannelField(ch, f.column);
        if (f.column == kColDup && value < static_cast<int>(kDuplexTexts.size())) continue;
        if (!comment.empty()) comment += ' ';
        comment += std::string(f.key()) + "=" + std::to_string(value);
    }
    return comment;
}

}  // namespace

TextRow ChannelRowHeaderNames() {
    return TextRow(kChannelRowColumns.begin(), kChannelRowColumns.end());
}

TextRow EmptyPositionRow(int channelNo, const DocumentState& doc) {
    TextRow row(kChannelRowColumns.size());
    row[kLocation] = std::to_string(channelNo);
    row[kName] = PlaceOfChannel(channelNo, doc.CurrentCountryMode).name;
    return row;
}

TextRow ChannelToRow(const ChannelRecord& ch, const DocumentState& doc) {
    const int mode = doc.CurrentCountryMode;
    TextRow row = EmptyPositionRow(ch.ChannelNo, doc);
    // The commands that write a table refuse a document with a damaged frequency beforehand.
    std::string frequency =
        DisplayForGroup(ch.Frequency.raw(), GroupHoldingChannel(ch.ChannelNo, mode), mode)
            .value_or(std::string());
    if (!frequency.empty()) frequency += '0';  // five decimals shown, six in the table
    row[kFrequency] = frequency;
    row[kDuplex] = ch.DUP >= 0 && ch.DUP < static_cast<int>(kDuplexTexts.size())
                       ? std::string(kDuplexTexts[static_cast<std::size_t>(ch.DUP)])
                       : std::string();
    row[kOffset] = KilohertzAsMegahertz(ch.OffSetFre);
    const ToneColumns tones = TonesOf(ch);
    row[kTone] = tones.tone;
    row[kRToneFreq] = tones.rTone;
    row[kCToneFreq] = tones.cTone;
    row[kDtcsCode] = tones.dtcs;
    row[kDtcsPolarity] = tones.polarity;
    row[kRxDtcsCode] = tones.rxDtcs;
    row[kCrossMode] = tones.cross;
    row[kMode] = ch.AM_FM == 1 ? "AM" : "FM";
    row[kTStep] = "5.00";
    row[kSkip] = ch.Scan == 0 ? "S" : "";
    row[kComment] = CommentOf(ch);
    return row;
}

std::optional<ChannelRowHeader> ChannelRowHeader::FromRow(const TextRow& header) {
    ChannelRowHeader h;
    h.index_.fill(-1);
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string name = Trimmed(header[i]);
        for (std::size_t c = 0; c < kChannelRowColumns.size(); ++c)
            if (h.index_[c] < 0 && SameName(name, kChannelRowColumns[c]))
                h.index_[c] = static_cast<int>(i);
    }
    if (h.index_[kFrequency] < 0) return std::nullopt;
    return h;
}

int ChannelRowHeader::indexOf(std::string_view column) const {
    const auto c = static_cast<std::size_t>(
        std::find(kChannelRowColumns.begin(), kChannelRowColumns.end(), column) -
        kChannelRowColumns.begin());
    return c < index_.size() ? index_[c] : -1;
}

bool ChannelRowHeader::has(std::string_view column) const {
    return indexOf(column) >= 0;
}

std::string ChannelRowHeader::field(const TextRow& row, std::string_view column) const {
    const int i = indexOf(column);
    if (i < 0 || static_cast<std::size_t>(i) >= row.size()) return {};
    return Trimmed(row[static_cast<std::size_t>(i)]);
}

ChannelFromRow ChannelRowHeader::read(const TextRow& row, const DocumentState& doc) const {
    ChannelFromRow out;
    out.record = NewChannel(0, "", doc);
    out.record.ChannelNo = 0;
    // A row carries its own settings: it follows the common ones only when it says so.
    out.record.Public = 0;
    ChannelRecord& ch = out.record;
    auto get = [&](Column c) { return field(row, kChannelRowColumns[c]); };
    auto problem = [&](Column c) {
        out.problems.push_back({std::string(kChannelRowColumns[c]), get(c)});
    };

    // A whole number too large for an int names no channel either: it stays unset.
    if (const std::optional<double> n = ParseNumber(get(kLocation));
        n && *n == std::floor(*n) && std::fabs(*n) <= std::numeric_limits<int>::max())
        out.location = static_cast<int>(*n);
    out.frequency = get(kFrequency);
    if (!out.frequency.empty() && !IsNumeric(out.frequency)) problem(kFrequency);

    const std::string duplex = get(kDuplex);
    const auto dup = std::find(kDuplexTexts.begin(), kDuplexTexts.end(), duplex);
    if (dup == kDuplexTexts.end())
        problem(kDuplex);
    else
        ch.DUP = static_cast<Int>(dup - kDuplexTexts.begin());

    // A simplex row's offset is unused (other programs write 0 there): outside the shifts the
    // radio makes it leaves the new channel's offset; with a duplex it is a value not taken.
    if (const std::string offset = get(kOffset); !offset.empty()) {
        const std::optional<double> mhz = ParseNumber(offset);
        const long kHz =
            mhz && std::isfinite(*mhz) && std::fabs(*mhz) < 1e6 ? std::lround(*mhz * 1000.0) : -1;
        if (kHz >= kLowestOffset && kHz <= kHighestOffset)
            SetChannelField(ch, kColOffset, std::to_string(kHz), doc);
        else if (!mhz || ch.DUP != 0)
            problem(kOffset);
    }

    // Tones: what each side uses, from the mode and, for "Cross", its CrossMode.
    const std::string tone = get(kTone);
    std::string txPart, rxPart;
    if (tone == "Tone") {
        txPart = "Tone";
    } else if (tone == "TSQL") {
        txPart = rxPart = "TSQL";
    } else if (tone == "DTCS") {
        txPart = rxPart = "DTCS";
    } else if (tone == "Cross") {
        const std::string cross = get(kCrossMode);
        const std::size_t arrow = cross.find("->");
        if (arrow == std::string::npos)
            problem(kCrossMode);
        else {
            txPart = cross.substr(0, arrow);
            rxPart = cross.substr(arrow + 2);
            if (rxPart == "Tone") rxPart = "TSQL";  // the receive tone is the squelch tone
        }
    } else if (!tone.empty()) {
        problem(kTone);
    }
    const std::string polarity = get(kDtcsPolarity);
    auto side = [&](const std::string& part, Column dcsColumn, std::size_t polarityAt) -> Int {
        Column column = part == "Tone" ? kRToneFreq : part == "TSQL" ? kCToneFreq : dcsColumn;
        if (part.empty()) return 0;
        if (part != "Tone" && part != "TSQL" && part != "DTCS") {
            problem(kCrossMode);
            return 0;
        }
        if (part == "DTCS" && polarity.size() > polarityAt && polarity[polarityAt] != 'N') {
            problem(kDtcsPolarity);
            return 0;
        }
        const int value = part == "DTCS" ? DcsValue(get(column)) : CtcssValue(get(column));
        if (value == 0) problem(column);
        return static_cast<Int>(value);
    };
    ch.TDCT = side(txPart, kDtcsCode, 0);
    ch.RDCT = side(rxPart, tone == "Cross" ? kRxDtcsCode : kDtcsCode, 1);

    const std::string skip = get(kSkip);
    if (skip.empty() || skip == "S" || skip == "P")  // "P": scanned first, so scanned
        ch.Scan = skip == "S" ? 0 : 1;
    else
        problem(kSkip);

    // Comment: the fields without a column of their own; other words are the user's.
    std::string comment = get(kComment);
    std::replace(comment.begin(), comment.end(), ';', ' ');
    for (std::size_t at = 0; at < comment.size();) {
        std::size_t end = comment.find(' ', at);
        if (end == std::string::npos) end = comment.size();
        const std::string word = comment.substr(at, end - at);
        at = end + 1;
        const std::size_t eq = word.find('=');
        if (eq == std::string::npos) continue;
        const std::string key = word.substr(0, eq);
        const std::string value = word.substr(eq + 1);
        const auto f = std::find_if(kCommentFields.begin(), kCommentFields.end(),
                                    [&](const CommentField& c) { return SameName(c.key(), key); });
        if (f == kCommentFields.end()) continue;
        const std::optional<double> n = ParseNumber(value);
        if (!n || *n != std::floor(*n) || *n < 0 || *n > f->maximum) {
            out.problems.push_back({std::string(kChannelRowColumns[kComment]), word});
            continue;
        }
        SetChannelField(ch, f->column, value, doc);
    }

    // Last, so that AM keeps its power within the two levels it allows.
    const std::string mode = get(kMode);
    if (mode == "AM")
        SetChannelField(ch, kColAmFm, "1", doc);
    else if (!mode.empty() && mode != "FM" && mode != "NFM")
        problem(kMode);
    return out;
}

}  // namespace k7x

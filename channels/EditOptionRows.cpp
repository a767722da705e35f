#include "channels/EditOptionRows.h"

#include "codeplug/ChannelList.h"
#include "codeplug/Conversions.h"
#include "shell/ui/Captions.h"

namespace k7x {

namespace {

constexpr int kTextPowerLow = 15044;  // 15045 middle, 15046 high
constexpr int kTextNoDtmfCode = 14013;

}  // namespace

const std::array<OptionRow, kOptionRowCount>& OptionRows() {
    static const std::array<OptionRow, kOptionRowCount> rows = {{
        {"Public", kColPublic, false, false},
        {"DUP", kColDup, true, false},
        {"TSQ", kColTsq, false, false},
        {"Scan", kColScan, false, false},
        {"HI_CUT", kColHiCut, true, false},
        {"BUSY", kColBusy, true, false},
        {"NB", kColNb, true, false},
        {"Add_Sub_5K", kColAddSub5K, true, false},
        {"AM_FM ", kColAmFm, true, false},
        {"Tx_Power", kColTxPower, true, false},
        {"RBTone", kColRbTone, true, true},
        {"DTMF_BOT", kColDtmfBot, true, true},
        {"DTMF_EOT", kColDtmfEot, true, true},
        {"DTMF_Call", kColDtmfCall, true, true},
        {"RDCT", kColRdct, false, false},
        {"TDCT", kColTdct, false, false},
    }};
    return rows;
}

QStringList FixedRowEntries(int row) {
    const QStringList offOn = {QStringLiteral("Off"), QStringLiteral("On")};
    switch (row) {
        case kRowDup:
            return {QStringLiteral("Off"), QStringLiteral("+"), QStringLiteral("-")};
        case kRowScan:
            return {QStringLiteral("Del"), QStringLiteral("Add")};
        case kRowAmFm:
            return {QStringLiteral("FM"), QStringLiteral("AM")};
        case kRowPublic:
        case kRowTsq:
        case kRowHiCut:
        case kRowBusy:
        case kRowNb:
        case kRowAddSub5K:
            return offOn;
        default:
            return {};
    }
}

QStringList ToneEntries() {
    QStringList entries;
    entries.reserve(kToneValueCount);
    for (int value = 0; value < kToneValueCount; ++value)
        entries.append(QString::fromStdString(ToneText(value)));
    return entries;
}

QStringList TxPowerEntries(const Prompts& prompts, bool fm) {
    QStringList entries = {LangText(prompts, kTextPowerLow), LangText(prompts, kTextPowerLow + 1)};
    if (fm) entries.append(LangText(prompts, kTextPowerLow + 2));
    return entries;
}

QStringList RogerBeepEntries(const CodeplugDocument& doc, const Prompts& prompts) {
    QStringList entries = {LangText(prompts, kTextRogerBeepOff)};
    for (int tip = 1; tip <= static_cast<int>(doc.ToneTips.size()); ++tip)
        if (CheckToneTipReference(doc, tip) == tip) entries.append(QString::number(tip));
    return entries;
}

QStringList DtmfEntries(const CodeplugDocument& doc, const Prompts& prompts) {
    QStringList entries = {LangText(prompts, kTextNoDtmfCode)};
    for (int code = 1; code <= static_cast<int>(doc.Dtmf.Codes.size()); ++code)
        if (doc.Dtmf.Codes[static_cast<std::size_t>(code - 1)].CodeLength > 0)
            entries.append(QString::number(code));
    return entries;
}

QString TextOr(const Prompts& prompts, int number, const char* fallback) {
    const QString text = LangText(prompts, number);
    return text.isEmpty() ? QString::fromLatin1(fallback) : text;
}

}  // namespace k7x

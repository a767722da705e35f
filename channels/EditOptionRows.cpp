#include "channels/EditOptionRows.h"

#include "codeplug/ChannelList.h"
#include "codeplug/Conversions.h"
#include "shell/ui/Captions.h"

namespace k7x {

namespace {}  // namespace

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

QString TextOr(const Prompts& prompts, int number, const char* fallback) {
    const QString text = LangText(prompts, number);
    return text.isEmpty() ? QString::fromLatin1(fallback) : text;
}

}  // namespace k7x

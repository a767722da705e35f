// The unsaved-change test: the working document against the copy of the last save or open.
// Spare and reserved bytes are not compared; fixed texts are compared trimmed.
#include <algorithm>

#include "codeplug/ChannelList.h"

namespace k7x {

namespace {

int Count(Int channelCount) {
    return std::clamp<int>(channelCount, 0, kChannelCapacity);
}

bool SameChannel(const ChannelRecord& a, const ChannelRecord& b) {
    return a.ChannelNo == b.ChannelNo && a.IsEmpty == b.IsEmpty && a.Scan == b.Scan &&
           a.Frequency.str() == b.Frequency.str() && a.OffSetFre == b.OffSetFre &&
           a.RDCT == b.RDCT && a.TDCT == b.TDCT && a.DUP == b.DUP && a.HI_CUT == b.HI_CUT &&
           a.BUSY == b.BUSY && a.NB == b.NB && a.Add_Sub_5K == b.Add_Sub_5K && a.AM_FM == b.AM_FM &&
           a.Tx_Power == b.Tx_Power && a.Public == b.Public && a.RBTone == b.RBTone &&
           a.DTMF_BOT == b.DTMF_BOT && a.DTMF_EOT == b.DTMF_EOT && a.DTMF_Call == b.DTMF_Call &&
           a.TSQ == b.TSQ;
}

// The common channel settings: only the fields the radio keeps for them.
bool SamePublicChannel(const ChannelRecord& a, const ChannelRecord& b) {
    return a.OffSetFre == b.OffSetFre && a.RDCT == b.RDCT && a.TDCT == b.TDCT && a.DUP == b.DUP &&
           a.HI_CUT == b.HI_CUT && a.BUSY == b.BUSY && a.NB == b.NB &&
           a.Add_Sub_5K == b.Add_Sub_5K && a.AM_FM == b.AM_FM && a.Tx_Power == b.Tx_Power &&
           a.RBTone == b.RBTone && a.DTMF_BOT == b.DTMF_BOT && a.DTMF_EOT == b.DTMF_EOT &&
           a.DTMF_Call == b.DTMF_Call;
}

bool SameOptions(const OptionRecord& a, const OptionRecord& b) {
    return a.CurrentGroup == b.CurrentGroup && a.UseMem == b.UseMem && a.UseVfo == b.UseVfo &&
           a.CurrentMem == b.CurrentMem && a.Setting == b.Setting &&
           a.GroupCurrent == b.GroupCurrent && a.GroupPair == b.GroupPair &&
           a.GroupBytes == b.GroupBytes && a.GroupEnabled == b.GroupEnabled;
}

bool SameDtmf(const DtmfRecord& a, const DtmfRecord& b) {
    if (a.DtmfSetting != b.DtmfSetting) return false;
    return std::equal(a.Codes.begin(), a.Codes.end(), b.Codes.begin(),
                      [](const DtmfCode& x, const DtmfCode& y) {
                          return x.Digits.str() == y.Digits.str() && x.CodeLength == y.CodeLength;
                      });
}

bool SameToneTips(const std::array<ToneTipRecord, 8>& a, const std::array<ToneTipRecord, 8>& b) {
    return std::equal(a.begin(), a.end(), b.begin(),
                      [](const ToneTipRecord& x, const ToneTipRecord& y) {
                          return x.RepeatCount == y.RepeatCount && x.RepeatGap == y.RepeatGap &&
                                 x.Steps == y.Steps;
                      });
}

// Every working channel has its saved twin with the same number and the same values; the saved
// list is searched when the entry at the same index holds another number.
bool SameChannels(const DocumentState& doc) {
    const int count = Count(doc.WorkDoc.ChannelCount);
    const int savedCount = Count(doc.SavedDoc.ChannelCount);
    auto savedBegin = doc.SavedChannels.begin();
    auto savedEnd = savedBegin + savedCount;
    for (int i = 0; i < count; ++i) {
        const ChannelRecord& work = doc.ChannelList[static_cast<std::size_t>(i)];
        auto saved = savedBegin + i;
        if (i >= savedCount || saved->ChannelNo != work.ChannelNo)
            saved = std::find_if(savedBegin, savedEnd, [&](const ChannelRecord& s) {
                return s.ChannelNo == work.ChannelNo;
            });
        if (saved == savedEnd || !SameChannel(work, *saved)) return false;
    }
    return true;
}

}  // namespace

bool IsDocumentChanged(const DocumentState& doc) {
    const CodeplugDocument& w = doc.WorkDoc;
    const CodeplugDocument& s = doc.SavedDoc;
    const bool same =
        w.Header.ModelName == s.Header.ModelName && w.Header.CountryMode == s.Header.CountryMode &&
        w.ChannelCount == s.ChannelCount && SameChannels(doc) && w.Keys == s.Keys &&
        SameOptions(w.Options, s.Options) && SamePublicChannel(w.PublicChannel, s.PublicChannel) &&
        SameDtmf(w.Dtmf, s.Dtmf) && SameToneTips(w.ToneTips, s.ToneTips);
    return !same;
}

}  // namespace k7x

#include "codeplug/DocumentFields.h"

#include <algorithm>
#include <array>

#include "codeplug/ChannelFields.h"
#include "codeplug/Groups.h"

namespace k7x {
namespace {

// The number fields of a channel in record order; Frequency, the one text, stands after Scan.
struct ChannelNumberField {
    std::string_view name;
    Int ChannelRecord::*member;
    bool common;  // kept in the common channel settings too
};

// A field users edit, named as in every other place that names channel fields.
constexpr ChannelNumberField Edited(ChannelColumn column, bool common) {
    return {FieldOf(column).key, FieldOf(column).member, common};
}

constexpr std::size_t kFieldsBeforeFrequency = 3;
constexpr std::array<ChannelNumberField, 19> kChannelNumberFields{{
    {"ChannelNo", &ChannelRecord::ChannelNo, false},
    {"IsEmpty", &ChannelRecord::IsEmpty, false},
    Edited(kColScan, false),
    Edited(kColOffset, true),
    Edited(kColRdct, true),
    Edited(kColTdct, true),
    Edited(kColDup, true),
    Edited(kColHiCut, true),
    Edited(kColBusy, true),
    Edited(kColNb, true),
    Edited(kColAddSub5K, true),
    Edited(kColAmFm, true),
    Edited(kColTxPower, true),
    Edited(kColPublic, false),
    Edited(kColRbTone, true),
    Edited(kColDtmfBot, true),
    Edited(kColDtmfEot, true),
    Edited(kColDtmfCall, true),
    Edited(kColTsq, false),
}};

std::string Indexed(const std::string& name, std::size_t index) {
    return name + "[" + std::to_string(index) + "]";
}

template <class Array>
void AddAll(NamedValues& out, const std::string& name, const Array& values) {
    for (std::size_t i = 0; i < values.size(); ++i)
        out.push_back({Indexed(name, i), static_cast<int>(values[i])});
}

}  // namespace

NamedValues ChannelFieldValues(const ChannelRecord& channel) {
    NamedValues out;
    for (std::size_t i = 0; i < kChannelNumberFields.size(); ++i) {
        if (i == kFieldsBeforeFrequency) out.push_back({"Frequency", channel.Frequency.str()});
        out.push_back(
            {std::string(kChannelNumberFields[i].name), channel.*kChannelNumberFields[i].member});
    }
    return out;
}

NamedValues DocumentSettingValues(const CodeplugDocument& doc) {
    NamedValues out{
        {"Header.ModelName", doc.Header.ModelName.str()},
        {"Header.CountryMode", doc.Header.CountryMode},
        {"Header.FileVersion", doc.Header.FileVersion.str()},
        {"ChannelCount", doc.ChannelCount},
    };

    const OptionRecord& o = doc.Options;
    out.push_back({"Options.CurrentGroup", o.CurrentGroup});
    out.push_back({"Options.UseMem", o.UseMem});
    out.push_back({"Options.UseVfo", o.UseVfo});
    out.push_back({"Options.CurrentMem", o.CurrentMem});
    AddAll(out, "Options.GroupEnabled", o.GroupEnabled);
    AddAll(out, "Options.GroupCurrent", o.GroupCurrent);
    for (std::size_t g = 0; g < o.GroupPair.size(); ++g)
        AddAll(out, Indexed("Options.GroupPair", g), o.GroupPair[g]);
    AddAll(out, "Options.Setting", o.Setting);
    for (std::size_t g = 0; g < o.GroupBytes.size(); ++g)
        AddAll(out, Indexed("Options.GroupBytes", g), o.GroupBytes[g]);

    for (const ChannelNumberField& f : kChannelNumberFields) {
        if (f.common)
            out.push_back({"PublicChannel." + std::string(f.name), doc.PublicChannel.*f.member});
    }

    out.push_back({"Keys.KeyOption", doc.Keys.KeyOption});
    AddAll(out, "Keys.KeyFunction", doc.Keys.KeyFunction);

    AddAll(out, "Dtmf.DtmfSetting", doc.Dtmf.DtmfSetting);
    for (std::size_t k = 0; k < doc.Dtmf.Codes.size(); ++k) {
        const std::string code = Indexed("Dtmf.Codes", k);
        out.push_back({code + ".CodeLength", doc.Dtmf.Codes[k].CodeLength});
        out.push_back({code + ".Digits", doc.Dtmf.Codes[k].Digits.str()});
    }

    for (std::size_t k = 0; k < doc.ToneTips.size(); ++k) {
        const ToneTipRecord& tip = doc.ToneTips[k];
        const std::string name = Indexed("ToneTips", k);
        for (std::size_t s = 0; s < tip.Steps.size(); ++s) {
            const std::string step = Indexed(name + ".Steps", s);
            out.push_back({step + ".Pitch", tip.Steps[s].Pitch});
            out.push_back({step + ".Duration", tip.Steps[s].Duration});
        }
        out.push_back({name + ".RepeatCount", tip.RepeatCount});
        out.push_back({name + ".RepeatGap", tip.RepeatGap});
    }
    return out;
}

std::vector<const ChannelRecord*> ChannelsByNumber(const DocumentState& doc) {
    const int count = std::clamp<int>(doc.WorkDoc.ChannelCount, 0, kChannelCapacity);
    std::vector<const ChannelRecord*> channels;
    for (int i = 0; i < count; ++i) channels.push_back(&doc.ChannelList[i]);
    std::stable_sort(
        channels.begin(), channels.end(),
        [](const ChannelRecord* a, const ChannelRecord* b) { return a->ChannelNo < b->ChannelNo; });
    return channels;
}

std::string ChannelName(int channelNo, int mode) {
    std::string name = PlaceOfChannel(channelNo, mode).name;
    return name.empty() ? std::to_string(channelNo) : name;
}

}  // namespace k7x

#include "cli/DocumentTable.h"

#include <algorithm>
#include <ostream>

#include "codeplug/CodeplugFile.h"
#include "codeplug/Conversions.h"
#include "codeplug/DamagedFrequency.h"
#include "codeplug/DocumentFields.h"
#include "codeplug/Groups.h"

namespace k7x::cli {
namespace {

using Align = TextTable::Align;

std::string Num(int v) {
    return std::to_string(v);
}

// A 0/1 flag as "Y" or "-"; anything else as its number, so odd values stay visible.
std::string Flag(int v) {
    if (v == 0) return "-";
    if (v == 1) return "Y";
    return Num(v);
}

std::string Modulation(int amFm) {
    if (amFm == 0) return "FM";
    if (amFm == 1) return "AM";
    return Num(amFm);
}

template <class Range>
std::string Joined(const Range& values) {
    std::string s;
    for (const auto& v : values) s += (s.empty() ? "" : " ") + Num(v);
    return s;
}

const std::vector<TextTable::Column> kChannelColumns{
    {"No", Align::Right},
    {"Group"},
    {"Pos", Align::Right},
    {"Frequency", Align::Right},
    {"Public"},
    {"Dup", Align::Right},
    {"Offset", Align::Right},
    {"TSQ"},
    {"Scan"},
    {"HiCut"},
    {"Busy"},
    {"NB"},
    {"5K"},
    {"Mod"},
    {"Power", Align::Right},
    {"RB", Align::Right},
    {"BOT", Align::Right},
    {"EOT", Align::Right},
    {"Call", Align::Right},
    {"RX tone"},
    {"TX tone"},
};

// The cells after number, group, position and frequency.
std::vector<std::string> ChannelSettingCells(const ChannelRecord& c) {
    return {Flag(c.Public),     Num(c.DUP),          Num(c.OffSetFre), Flag(c.TSQ),
            Flag(c.Scan),       Flag(c.HI_CUT),      Flag(c.BUSY),     Flag(c.NB),
            Flag(c.Add_Sub_5K), Modulation(c.AM_FM), Num(c.Tx_Power),  Num(c.RBTone),
            Num(c.DTMF_BOT),    Num(c.DTMF_EOT),     Num(c.DTMF_Call), ToneText(c.RDCT),
            ToneText(c.TDCT)};
}

// The frequency as the channel's group shows it, or the stored text marked as no frequency.
std::string FrequencyCell(const ChannelRecord& c, int group, int mode, const Prompts& prompts) {
    if (std::optional<std::string> shown = DisplayForGroup(c.Frequency.str(), group, mode))
        return std::move(*shown);
    return NotAFrequencyText(c.Frequency.str(), prompts);
}

void WriteHeader(std::ostream& out, const DocumentState& doc) {
    const CodeplugDocument& w = doc.WorkDoc;
    out << "File:          " << doc.CurrentFilePath << '\n'
        << "Model:         " << w.Header.ModelName.str() << '\n'
        << "Country mode:  " << w.Header.CountryMode << " ("
        << BandTextOfMode(w.Header.CountryMode).value_or("unknown band") << ")\n"
        << "File version:  " << w.Header.FileVersion.str() << '\n'
        << "Channels:      " << w.ChannelCount << "\n\n";
}

void WriteSettings(std::ostream& out, const DocumentState& doc) {
    const CodeplugDocument& w = doc.WorkDoc;
    const OptionRecord& o = w.Options;
    const int mode = doc.CurrentCountryMode;
    out << "Settings\n"
        << "  Current group " << o.CurrentGroup << ", use MEM " << o.UseMem << ", use VFO "
        << o.UseVfo << ", current MEM " << o.CurrentMem << '\n'
        << "  Setting 0-16: " << Joined(o.Setting) << '\n'
        << "  Keys: option " << w.Keys.KeyOption << ", functions " << Joined(w.Keys.KeyFunction)
        << '\n'
        << "  DTMF settings: " << Joined(w.Dtmf.DtmfSetting) << "\n\n";

    TextTable groups({{"Group", Align::Right},
                      {"Name"},
                      {"Enabled"},
                      {"Current", Align::Right},
                      {"Pair 1", Align::Right},
                      {"Pair 2", Align::Right},
                      {"Mod 1"},
                      {"Mod 2"}});
    for (int g = 0; g < MemoryGroupCount(mode); ++g) {
        groups.addRow({Num(g), GroupName(g, mode), Flag(o.GroupEnabled[g]), Num(o.GroupCurrent[g]),
                       Num(o.GroupPair[g][0]), Num(o.GroupPair[g][1]),
                       o.GroupBytes[g][0] ? "AM" : "FM", o.GroupBytes[g][1] ? "AM" : "FM"});
    }
    out << "Groups\n";
    groups.write(out, "  ");

    std::vector<TextTable::Column> commonColumns(kChannelColumns.begin() + 4,
                                                 kChannelColumns.end());
    TextTable common(commonColumns);
    common.addRow(ChannelSettingCells(w.PublicChannel));
    out << "\nCommon channel settings\n";
    common.write(out, "  ");

    TextTable codes({{"Code", Align::Right}, {"Length", Align::Right}, {"Digits"}});
    for (std::size_t k = 0; k < w.Dtmf.Codes.size(); ++k) {
        const DtmfCode& code = w.Dtmf.Codes[k];
        if (code.CodeLength != 0)
            codes.addRow({Num(static_cast<int>(k + 1)), Num(code.CodeLength), code.Digits.str()});
    }
    out << "\nDTMF codes in use\n";
    codes.write(out, "  ");

    TextTable tips({{"Tip", Align::Right},
                    {"Repeat", Align::Right},
                    {"Gap", Align::Right},
                    {"Steps (pitch/duration)"}});
    for (std::size_t k = 0; k < w.ToneTips.size(); ++k) {
        const ToneTipRecord& tip = w.ToneTips[k];
        std::string steps;
        for (const ToneStep& s : tip.Steps) {
            if (s.Pitch != 0 || s.Duration != 0)
                steps += (steps.empty() ? "" : " ") + Num(s.Pitch) + "/" + Num(s.Duration);
        }
        tips.addRow(
            {Num(static_cast<int>(k + 1)), Num(tip.RepeatCount), Num(tip.RepeatGap), steps});
    }
    out << "\nTone tips\n";
    tips.write(out, "  ");
}

void WriteChannels(std::ostream& out, const DocumentState& doc, Prompts& prompts) {
    const int mode = doc.CurrentCountryMode;
    TextTable table(kChannelColumns);
    for (const ChannelRecord* c : ChannelsByNumber(doc)) {
        // Mode 0 has no "VFO" group, although a new document holds channel 401 in every mode.
        const ChannelPlace place = PlaceOfChannel(c->ChannelNo, mode);
        const bool placed = place.group >= 0;
        std::vector<std::string> row{Num(c->ChannelNo), placed ? GroupName(place.group, mode) : "-",
                                     placed ? Num(place.position) : "-",
                                     FrequencyCell(*c, place.group, mode, prompts)};
        for (std::string& cell : ChannelSettingCells(*c)) row.push_back(std::move(cell));
        table.addRow(std::move(row));
    }
    out << "\nChannels\n";
    table.write(out, "  ");
}

}  // namespace

void TextTable::addRow(std::vector<std::string> cells) {
    cells.resize(std::max(cells.size(), columns_.size()));
    rows_.push_back(std::move(cells));
}

void TextTable::write(std::ostream& out, const std::string& indent) const {
    std::vector<std::size_t> widths;
    for (const Column& c : columns_) widths.push_back(c.heading.size());
    for (const auto& row : rows_) {
        for (std::size_t i = 0; i < widths.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    }
    auto writeRow = [&](const std::vector<std::string>& cells) {
        std::string line = indent;
        for (std::size_t i = 0; i < widths.size(); ++i) {
            const std::string pad(widths[i] - cells[i].size(), ' ');
            const bool last = i + 1 == widths.size();
            if (columns_[i].align == Align::Right)
                line += pad + cells[i];
            else
                line += cells[i] + (last ? "" : pad);
            if (!last) line += "  ";
        }
        out << line << '\n';
    };
    std::vector<std::string> headings;
    for (const Column& c : columns_) headings.push_back(c.heading);
    writeRow(headings);
    for (const auto& row : rows_) writeRow(row);
}

void WriteDocument(std::ostream& out, const DocumentState& doc, Prompts& prompts) {
    WriteHeader(out, doc);
    WriteSettings(out, doc);
    WriteChannels(out, doc, prompts);
}

}  // namespace k7x::cli

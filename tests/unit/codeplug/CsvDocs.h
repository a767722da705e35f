// Seeded random documents whose every channel value is one a user could type, so an export
// and an import must bring each back; and a scrambler that changes every such value.
#pragma once

#include <random>
#include <string>

#include "codeplug/ChannelCommands.h"
#include "codeplug/ChannelList.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/Conversions.h"
#include "codeplug/Defaults.h"
#include "codeplug/Groups.h"

namespace k7x::test {

class CsvDocGenerator {
public:
    explicit CsvDocGenerator(unsigned seed) : rng_(seed) {}

    int range(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    // A frequency of the band on its 5 kHz raster, as display text.
    std::string frequency(const DocumentState& doc) {
        const int steps = static_cast<int>(std::lround((doc.FreqMax - doc.FreqMin) / 0.005));
        return FormatFrequency(doc.FreqMin + 0.005 * range(0, steps));
    }

    // Mode 0: every country channel at a frequency of its own position ("UK" above the band,
    // on its 10 kHz raster), the "MEM" channels at country channels' frequencies. Modes 1 and
    // 2: a random part of the positions in use.
    DocumentState document(int mode) {
        DocumentState doc;
        doc.CurrentCountryMode = static_cast<Int>(mode);
        SetBuiltInDefaults(doc, "2026-01-01");
        if (mode == 0) {
            for (int n = 1; n <= 360; ++n) {
                const bool uk = GroupHoldingChannel(n, 0) == 3;
                const std::string f =
                    uk ? FormatFrequency(27.6 + 0.01 * range(0, 39)) : frequency(doc);
                if (FindChannel(doc, n) < 0) AddChannel(doc, n, f);
            }
        } else {
            for (int n = 2; n <= 400; ++n)
                if (range(0, 2) == 0) AddChannel(doc, n, frequency(doc));
        }
        for (int g = 0; g < GroupCount(mode); ++g) UpdateGroupBookkeeping(doc, g);
        scramble(doc);
        TakeIntoSavedCopy(doc);
        return doc;
    }

    // New values for every field of every channel in use; the frequencies of country
    // channels stay where mode 0 holds them.
    void scramble(DocumentState& doc) {
        const int mode = doc.CurrentCountryMode;
        for (int i = 0; i < doc.WorkDoc.ChannelCount; ++i) {
            ChannelRecord& c = doc.ChannelList[static_cast<std::size_t>(i)];
            const int group = GroupHoldingChannel(c.ChannelNo, mode);
            if (group < 0) continue;
            if (mode != 0)
                c.Frequency.set(DisplayToStored(frequency(doc), doc));
            else if (IsMemGroup(group, mode))
                c.Frequency =
                    doc.ChannelList[static_cast<std::size_t>(FindChannel(doc, range(1, 360)))]
                        .Frequency;
            const bool fmOnly =
                IsFmOnlyPosition(group, c.ChannelNo - GroupStart(group, mode), mode);
            for (const auto& [column, highest] : kFields)
                SetChannelField(c, column, std::to_string(range(0, highest)), doc);
            // After the power, which AM lowers.
            SetChannelField(c, kColAmFm, fmOnly ? "0" : std::to_string(range(0, 1)), doc);
            c.OffSetFre = static_cast<Int>(5 * range(1, 200));
            c.RBTone = static_cast<Int>(CheckToneTipReference(doc.WorkDoc, range(0, 8)));
        }
    }

private:
    // The fields set through the grid's setter, with their highest values.
    // clang-format off
    static constexpr std::pair<int, int> kFields[] = {
        {kColScan, 1}, {kColRdct, kToneValueCount - 1}, {kColTdct, kToneValueCount - 1},
        {kColDup, 3}, {kColHiCut, 1}, {kColBusy, 1}, {kColNb, 1}, {kColAddSub5K, 1},
        {kColTxPower, 2}, {kColPublic, 1}, {kColDtmfBot, 16}, {kColDtmfEot, 16},
        {kColDtmfCall, 16}, {kColTsq, 1}};
    // clang-format on
    std::mt19937 rng_;
};

}  // namespace k7x::test

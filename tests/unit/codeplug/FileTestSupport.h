// Helpers of the .dat file and default-document tests: seeded random documents and a
// whole-state comparison.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/DocumentState.h"

namespace k7x::test {

inline std::vector<Byte> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<Byte>(std::istreambuf_iterator<char>(in), {});
}

inline void WriteAll(const std::string& path, const std::vector<Byte>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// Writes a 16-bit little-endian value into a byte buffer.
inline void PutInt(std::vector<Byte>& bytes, std::size_t at, int value) {
    bytes[at] = static_cast<Byte>(value & 0xFF);
    bytes[at + 1] = static_cast<Byte>((value >> 8) & 0xFF);
}

// Byte positions written down independently of the layout tables, from the file format.
inline constexpr std::size_t kCountryModeAt = 7;
inline constexpr std::size_t kVersionAt = 9;
inline constexpr std::size_t kChannelCountAt = 13;
inline constexpr std::size_t ChannelBlockAt(std::size_t index) {
    return 1071 + 60 * index;
}

// Random documents: every integer, text byte and reserved byte arbitrary, except what a file
// must hold to be opened (model, version, country mode, channel count and numbers).
class FileDocGenerator {
public:
    explicit FileDocGenerator(unsigned seed) : rng_(seed) {}

    int range(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    Int anyInt() { return static_cast<Int>(range(-32768, 32767)); }
    Byte anyByte() { return static_cast<Byte>(range(0, 255)); }

    template <std::size_t N>
    void anyText(FixedText<N>& t) {
        for (char& c : t.chars) c = static_cast<char>(anyByte());
    }
    template <std::size_t N>
    void anyBytes(std::array<Byte, N>& b) {
        for (Byte& x : b) x = anyByte();
    }

    ChannelRecord channel(int number) {
        ChannelRecord c;
        c.ChannelNo = static_cast<Int>(number);
        for (Int* f : {&c.IsEmpty, &c.Scan, &c.OffSetFre, &c.RDCT, &c.TDCT, &c.DUP, &c.HI_CUT,
                       &c.BUSY, &c.NB, &c.Add_Sub_5K, &c.AM_FM, &c.Tx_Power, &c.Public, &c.RBTone,
                       &c.DTMF_BOT, &c.DTMF_EOT, &c.DTMF_Call, &c.TSQ})
            *f = anyInt();
        anyText(c.Frequency);
        anyBytes(c.Reserved);
        return c;
    }

    CodeplugDocument document(int mode, int channelCount) {
        CodeplugDocument d;
        d.Header.ModelName.set(kModelName);
        d.Header.CountryMode = static_cast<Int>(mode);
        d.Header.FileVersion.set(ProgramVersion);
        d.ChannelCount = static_cast<Int>(channelCount);
        OptionRecord& o = d.Options;
        for (Int* f : {&o.CurrentGroup, &o.UseMem, &o.UseVfo, &o.CurrentMem}) *f = anyInt();
        for (std::size_t g = 0; g < 10; ++g) {
            o.GroupEnabled[g] = anyInt();
            o.GroupCurrent[g] = anyInt();
            o.GroupPair[g] = {anyInt(), anyInt()};
            o.GroupBytes[g] = {anyByte(), anyByte()};
        }
        for (Int& s : o.Setting) s = anyInt();
        anyBytes(o.Spare);
        d.PublicChannel = channel(range(-5, 500));
        d.Keys.KeyOption = anyInt();
        for (Int& k : d.Keys.KeyFunction) k = anyInt();
        for (Int& s : d.Dtmf.DtmfSetting) s = anyInt();
        for (DtmfCode& code : d.Dtmf.Codes) {
            code.CodeLength = anyInt();
            anyText(code.Digits);
        }
        anyBytes(d.Dtmf.Spare);
        for (ToneTipRecord& tip : d.ToneTips) {
            for (ToneStep& s : tip.Steps) s = {anyInt(), anyInt()};
            tip.RepeatCount = anyInt();
            tip.RepeatGap = anyInt();
        }
        return d;
    }

    // An array whose first `count` entries hold distinct channel numbers in random order;
    // the other entries hold anything at all.
    ChannelArray channels(int count) {
        std::vector<int> numbers;
        for (int n = 1; n <= kChannelCapacity; ++n) numbers.push_back(n);
        std::shuffle(numbers.begin(), numbers.end(), rng_);
        ChannelArray a{};
        for (int i = 0; i < kChannelCapacity; ++i)
            a[i] = channel(i < count ? numbers[i] : anyInt());
        return a;
    }

    // A document state ready to be saved as a sound file.
    DocumentState state() {
        DocumentState s;
        const int mode = range(0, 2);
        const int count = range(0, 3) == 0 ? kChannelCapacity * range(0, 1) : range(0, 409);
        s.CurrentCountryMode = static_cast<Int>(mode);
        s.WorkDoc = document(mode, count);
        s.ChannelList = channels(count);
        s.SavedChannels = channels(0);  // what unused entries of a save write out
        s.IsUntitled = true;
        return s;
    }

private:
    std::mt19937 rng_;
};

// Everything an open or a save may change, compared member by member.
inline void ExpectSameState(const DocumentState& a, const DocumentState& b) {
    EXPECT_TRUE(a.WorkDoc == b.WorkDoc) << "WorkDoc differs";
    EXPECT_TRUE(a.SavedDoc == b.SavedDoc) << "SavedDoc differs";
    EXPECT_TRUE(a.ChannelList == b.ChannelList) << "ChannelList differs";
    EXPECT_TRUE(a.SavedChannels == b.SavedChannels) << "SavedChannels differs";
    EXPECT_EQ(a.CurrentModel, b.CurrentModel);
    EXPECT_EQ(a.CurrentCountryMode, b.CurrentCountryMode);
    EXPECT_EQ(a.BandText, b.BandText);
    EXPECT_EQ(a.FreqMin, b.FreqMin);
    EXPECT_EQ(a.FreqMax, b.FreqMax);
    EXPECT_EQ(a.RadioCountryMode, b.RadioCountryMode);
    EXPECT_EQ(a.CurrentFilePath, b.CurrentFilePath);
    EXPECT_EQ(a.IsUntitled, b.IsUntitled);
    EXPECT_TRUE(a.RadioInfo == b.RadioInfo) << "RadioInfo differs";
    EXPECT_TRUE(a.MemImage == b.MemImage) << "MemImage differs";
}

}  // namespace k7x::test

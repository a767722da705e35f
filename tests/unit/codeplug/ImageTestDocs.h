// Helpers of the memory image tests, and seeded random documents whose every value lies
// inside the range the image can hold, so packing and unpacking must bring each one back.
#pragma once

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "codeplug/DocumentState.h"

namespace k7x::test {

using Bytes = std::vector<int>;

// n bytes of the image from address, as ints so that a failure prints numbers.
inline Bytes Slice(const MemoryImage& img, std::size_t address, std::size_t n) {
    return Bytes(img.begin() + static_cast<std::ptrdiff_t>(address),
                 img.begin() + static_cast<std::ptrdiff_t>(address + n));
}

inline bool Bit(const MemoryImage& img, std::size_t address, int bit) {
    return ((img[address] >> bit) & 1) != 0;
}

inline ChannelRecord Channel(int number, const std::string& frequency) {
    ChannelRecord c;
    c.ChannelNo = static_cast<Int>(number);
    c.Frequency.set(frequency);
    return c;
}

// A working document holding exactly the given channels, in that order.
inline void SetChannels(DocumentState& doc, const std::vector<ChannelRecord>& channels) {
    doc.WorkDoc.ChannelCount = static_cast<Int>(channels.size());
    std::copy(channels.begin(), channels.end(), doc.ChannelList.begin());
}

class ImageDocGenerator {
public:
    explicit ImageDocGenerator(unsigned seed) : rng_(seed) {}

    int range(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    Byte anyByte() { return static_cast<Byte>(range(0, 255)); }

    // Eight digits in 10 Hz units with the 100 MHz and 10 Hz digits 0, as the image keeps them.
    std::string frequency() {
        std::string s = "0";
        for (int i = 0; i < 6; ++i) s += static_cast<char>('0' + range(0, 9));
        return s + "0";
    }

    std::string dtmfDigits(int length) {
        static constexpr char kDigits[] = "0123456789ABCD*#";
        std::string s;
        for (int i = 0; i < length; ++i) s += kDigits[range(0, 15)];
        return s;
    }

    // The fields the image holds for a channel slot (OffSetFre onward), each in its range.
    void slotFields(ChannelRecord& c) {
        c.OffSetFre = static_cast<Int>(range(0, 65535));  // 16 bits, as the image holds it
        c.RDCT = static_cast<Int>(range(0, 142));
        c.TDCT = static_cast<Int>(range(0, 142));
        c.DUP = static_cast<Int>(range(0, 3));
        c.HI_CUT = static_cast<Int>(range(0, 1));
        c.BUSY = static_cast<Int>(range(0, 1));
        c.NB = static_cast<Int>(range(0, 1));
        c.Add_Sub_5K = static_cast<Int>(range(0, 1));
        c.AM_FM = static_cast<Int>(range(0, 1));
        c.Tx_Power = static_cast<Int>(range(0, 2));
        c.Public = static_cast<Int>(range(0, 1));
        c.RBTone = static_cast<Int>(range(0, 8));
        c.DTMF_BOT = static_cast<Int>(range(0, 16));
        c.DTMF_EOT = static_cast<Int>(range(0, 16));
        c.DTMF_Call = static_cast<Int>(range(0, 16));
        c.TSQ = static_cast<Int>(range(0, 1));
    }

    // Fields the image does not hold get arbitrary values, so a test sees where they come from.
    void notInImage(ChannelRecord& c) {
        c.IsEmpty = static_cast<Int>(range(-1, 0));
        for (Byte& b : c.Reserved) b = anyByte();
    }

    // Channel numbers that exist in a country mode: 401 only in modes 1 and 2.
    static std::vector<int> channelNumbers(int mode) {
        std::vector<int> out;
        const int lastMemory = mode == 0 ? 360 : 400;
        for (int n = 1; n <= lastMemory; ++n) out.push_back(n);
        if (mode != 0) out.push_back(kVfoChannel);
        for (int n = kFirstMemChannel; n <= kLastMemChannel; ++n) out.push_back(n);
        return out;
    }

    // A document in the mode with `count` channels (all when count < 0), in shuffled order.
    void fill(DocumentState& doc, int mode, int count = -1) {
        CodeplugDocument& d = doc.WorkDoc;
        d.Header.ModelName.set("KORVN7X");
        d.Header.CountryMode = static_cast<Int>(mode);
        d.Header.FileVersion.set("V100");
        doc.RadioCountryMode = static_cast<Int>(mode);

        std::vector<int> numbers = channelNumbers(mode);
        std::shuffle(numbers.begin(), numbers.end(), rng_);
        if (count >= 0 && static_cast<std::size_t>(count) < numbers.size()) {
            numbers.resize(static_cast<std::size_t>(count));
        }
        // In modes 1 and 2 the VFO channel always comes back from the image, so it is always
        // part of the document.
        if (mode != 0 && std::find(numbers.begin(), numbers.end(), kVfoChannel) == numbers.end()) {
            numbers.push_back(kVfoChannel);
        }
        d.ChannelCount = static_cast<Int>(numbers.size());
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            ChannelRecord& c = doc.ChannelList[i];
            c = ChannelRecord{};
            c.ChannelNo = static_cast<Int>(numbers[i]);
            c.Frequency.set(frequency());
            // The VFO channel has no scan bit and always reads back as 0.
            c.Scan = static_cast<Int>(numbers[i] == kVfoChannel ? 0 : range(0, 1));
            slotFields(c);
            notInImage(c);
        }

        OptionRecord& o = d.Options;
        o.CurrentGroup = static_cast<Int>(range(0, 11));
        o.UseMem = static_cast<Int>(range(0, 1));
        o.UseVfo = static_cast<Int>(range(0, 255));
        o.CurrentMem = static_cast<Int>(range(0, 255));
        for (Int& v : o.GroupEnabled) v = static_cast<Int>(range(0, 1));
        for (Int& v : o.GroupCurrent) v = static_cast<Int>(range(0, 255));
        for (auto& pair : o.GroupPair) {
            for (Int& v : pair) v = static_cast<Int>(range(0, 255));
        }
        for (Int& v : o.Setting) v = static_cast<Int>(range(0, 255));
        o.Setting[kSetAsqFun] = static_cast<Int>(range(0, 1));
        o.Setting[kSetAsqValue] = static_cast<Int>(range(0, 127));
        o.Setting[kSetMemEdit] = static_cast<Int>(range(0, 1));
        o.Setting[kSetUseMaxSwr] = static_cast<Int>(range(0, 1));
        o.Setting[kSetMaxSwr] = static_cast<Int>(range(70, 200));
        for (auto& pair : o.GroupBytes) {
            for (Byte& v : pair) v = static_cast<Byte>(range(0, 1));
        }
        for (Byte& b : o.Spare) b = anyByte();

        d.PublicChannel = ChannelRecord{};
        d.PublicChannel.ChannelNo = static_cast<Int>(range(0, 409));
        d.PublicChannel.Scan = static_cast<Int>(range(0, 1));
        d.PublicChannel.Frequency.set(frequency());
        slotFields(d.PublicChannel);
        notInImage(d.PublicChannel);

        d.Keys.KeyOption = static_cast<Int>(range(0, 255));
        for (Int& v : d.Keys.KeyFunction) v = static_cast<Int>(range(0, 255));

        for (Int& v : d.Dtmf.DtmfSetting) v = static_cast<Int>(range(0, 255));
        for (DtmfCode& code : d.Dtmf.Codes) {
            // About a third of the codes unused; their digits are left over from earlier.
            const int length = range(0, 2) == 0 ? 0 : range(1, 16);
            code.CodeLength = static_cast<Int>(length);
            code.Digits.set(dtmfDigits(length == 0 ? range(0, 16) : length));
        }
        for (Byte& b : d.Dtmf.Spare) b = anyByte();

        for (ToneTipRecord& tip : d.ToneTips) {
            for (ToneStep& s : tip.Steps) {
                s.Pitch = static_cast<Int>(range(0, 255));
                s.Duration = static_cast<Int>(range(0, 255));
            }
            tip.RepeatCount = static_cast<Int>(range(0, 255));
            tip.RepeatGap = static_cast<Int>(range(0, 255));
        }
    }

private:
    std::mt19937 rng_;
};

}  // namespace k7x::test

// The radio's 7424-byte memory image, field by field in the order of its addresses.
// Packing and unpacking walk these tables; no address appears anywhere else.
#pragma once

#include <cstddef>

#include "codeplug/DocumentState.h"

namespace k7x::image {

// One integer field of a record, whatever its storage type.
class FieldRef {
public:
    FieldRef(Int& value) : int_(&value) {}    // NOLINT: implicit on purpose
    FieldRef(Byte& value) : byte_(&value) {}  // NOLINT: implicit on purpose

    int get() const { return int_ != nullptr ? *int_ : *byte_; }
    // Narrows like the record's own type: Int keeps the low 16 bits, Byte the low 8.
    void set(int value) const {
        if (int_ != nullptr) {
            *int_ = static_cast<Int>(value);
        } else {
            *byte_ = static_cast<Byte>(value);
        }
    }

private:
    Int* int_ = nullptr;
    Byte* byte_ = nullptr;
};

// A run of `count` equal fields of a record. Element i takes `width` bits starting
// `shift + i * width` bits after bit 0 of `address`. A width is 1..8 bits inside one byte or
// 16 bits over two bytes, low byte first. Packing masks a value to its width, so it never
// reaches a neighbouring field; unpacking takes `readWidth` bits when that is set (non-zero).
template <class Record>
struct Field {
    std::size_t address;
    int shift;
    int width;
    int count;
    FieldRef (*at)(Record&, int index);
    int readWidth = 0;
};

using Doc = CodeplugDocument;

// ---- channel slots ----

inline constexpr std::size_t kSlotSize = 16;

// Where the slots and bitmaps of a run of channel numbers lie. Channel first + k has its slot
// at slots + k * 16 and bit k mod 8 of byte presence + k div 8 (likewise for scan).
struct ChannelBlock {
    int first;
    int last;
    std::size_t slots;
    bool hasBitmaps;  // the VFO channel has none: it is always present and never scanned
    std::size_t presence;
    std::size_t scan;
};

inline constexpr ChannelBlock kChannelBlocks[] = {
    {1, 400, 0x0000, true, 0x1900, 0x1940},  // 0x1932..0x193F and 0x1972..0x197F are free
    {kFirstMemChannel, kLastMemChannel, 0x1980, true, 0x1A1C, 0x1A1D},
    {kVfoChannel, kVfoChannel, 0x1A00, false, 0, 0},
};

// The block holding a channel number; nullptr for a number outside 1..409.
constexpr const ChannelBlock* BlockOfChannel(int channelNo) {
    for (const ChannelBlock& b : kChannelBlocks) {
        if (channelNo >= b.first && channelNo <= b.last) return &b;
    }
    return nullptr;
}

// Slot bytes 0..2: the frequency as six BCD digits, byte 2 the 10 MHz and 1 MHz digits,
// byte 0 the 1 kHz and 100 Hz digits; 0xFF 0xFF 0xFF for an empty channel.
inline constexpr std::size_t kSlotFrequency = 0;
inline constexpr std::size_t kSlotFrequencyBytes = 3;

// Slot bytes 5..8 and the type bits of byte 10: a tone as a type (0 none, 1 CTCSS, 2 DCS)
// and the 0-based index into its table.
struct SlotTone {
    std::size_t ctcss;
    std::size_t dcs;
    std::size_t typeByte;
    int typeShift;
    Int ChannelRecord::*tone;
};

inline constexpr SlotTone kSlotTones[] = {
    {5, 6, 10, 4, &ChannelRecord::RDCT},
    {7, 8, 10, 6, &ChannelRecord::TDCT},
};

// The plain fields of a slot. Byte 9 and bit 3 of byte 10 stay 0.
struct SlotField {
    std::size_t offset;
    int shift;
    int width;
    Int ChannelRecord::*field;
};

// byte, lowest bit, bits, field
inline constexpr SlotField kSlotFields[] = {
    {3, 0, 16, &ChannelRecord::OffSetFre},  // bytes 3..4
    // bytes 5..8: kSlotTones
    {10, 0, 2, &ChannelRecord::DUP},
    {10, 2, 1, &ChannelRecord::TSQ},
    // byte 10 bits 4..5 and 6..7: kSlotTones
    {11, 0, 1, &ChannelRecord::BUSY},
    {11, 1, 1, &ChannelRecord::HI_CUT},
    {11, 2, 1, &ChannelRecord::NB},
    {11, 3, 1, &ChannelRecord::Add_Sub_5K},
    {11, 4, 1, &ChannelRecord::AM_FM},
    {11, 5, 2, &ChannelRecord::Tx_Power},
    {11, 7, 1, &ChannelRecord::Public},
    {12, 0, 8, &ChannelRecord::RBTone},
    {13, 0, 8, &ChannelRecord::DTMF_BOT},
    {14, 0, 8, &ChannelRecord::DTMF_EOT},
    {15, 0, 8, &ChannelRecord::DTMF_Call},
};

// The common channel settings use the slot layout; its bytes 0..2 and 9 are free.
inline constexpr std::size_t kPublicChannelSlot = 0x1A30;

// ---- settings area 0x1A10..0x1AFF ----

// Bytes not listed are free. The DTMF and MEM-channel bitmaps in this area belong to the code
// and channel tables (kDtmfPresence, kChannelBlocks).
// address, lowest bit, bits, elements, field (element i), bits read back when fewer
inline constexpr Field<Doc> kSettingFields[] = {
    {0x1A11, 0, 8, 1, [](Doc& d, int) -> FieldRef { return d.Options.UseVfo; }},
    // UseMem is written as a whole byte but only its bit 0 means anything to the radio.
    {0x1A12, 0, 8, 1, [](Doc& d, int) -> FieldRef { return d.Options.UseMem; }, 1},
    // 0x1A19..0x1A1A: kDtmfPresence
    {0x1A1B, 0, 8, 1, [](Doc& d, int) -> FieldRef { return d.Options.CurrentMem; }},
    // 0x1A1C..0x1A1D: MEM channel bitmaps
    {0x1A1E, 0, 1, 10, [](Doc& d, int g) -> FieldRef { return d.Options.GroupEnabled[g]; }},
    {0x1A20, 0, 8, 10, [](Doc& d, int g) -> FieldRef { return d.Options.GroupCurrent[g]; }},
    // 0x1A30..0x1A3F: kPublicChannelSlot
    {0x1A40, 0, 8, 5, [](Doc& d, int i) -> FieldRef { return d.Options.Setting[i]; }},
    {0x1A45, 0, 7, 1, [](Doc& d, int) -> FieldRef { return d.Options.Setting[kSetAsqValue]; }},
    {0x1A45, 7, 1, 1, [](Doc& d, int) -> FieldRef { return d.Options.Setting[kSetAsqFun]; }},
    {0x1A46, 0, 8, 2, [](Doc& d, int i) -> FieldRef { return d.Options.Setting[7 + i]; }},
    {0x1A48, 0, 8, 1, [](Doc& d, int) -> FieldRef { return d.Keys.KeyOption; }},
    {0x1A49, 0, 8, 5, [](Doc& d, int i) -> FieldRef { return d.Options.Setting[9 + i]; }},
    {0x1A4E, 0, 8, 1, [](Doc& d, int) -> FieldRef { return d.Dtmf.DtmfSetting[0]; }},
    {0x1A4F, 0, 8, 1, [](Doc& d, int) -> FieldRef { return d.Dtmf.DtmfSetting[2]; }},
    {0x1A50, 0, 8, 1, [](Doc& d, int) -> FieldRef { return d.Dtmf.DtmfSetting[1]; }},
    {0x1A51, 0, 8, 3, [](Doc& d, int i) -> FieldRef { return d.Dtmf.DtmfSetting[3 + i]; }},
    {0x1A54, 0, 8, 1, [](Doc& d, int) -> FieldRef { return d.Options.Setting[kSetMaxSwr]; }},
    {0x1A55, 0, 1, 1, [](Doc& d, int) -> FieldRef { return d.Options.Setting[kSetMemEdit]; }},
    {0x1A55, 1, 1, 1, [](Doc& d, int) -> FieldRef { return d.Options.Setting[kSetUseMaxSwr]; }},
    {0x1A80, 0, 8, 18, [](Doc& d, int i) -> FieldRef { return d.Keys.KeyFunction[i]; }},
    {0x1AA0, 0, 8, 10, [](Doc& d, int g) -> FieldRef { return d.Options.GroupPair[g][0]; }},
    {0x1AB0, 0, 8, 10, [](Doc& d, int g) -> FieldRef { return d.Options.GroupPair[g][1]; }},
    {0x1AC0, 0, 8, 10, [](Doc& d, int g) -> FieldRef { return d.Options.GroupBytes[g][0]; }},
    {0x1AD0, 0, 8, 10, [](Doc& d, int g) -> FieldRef { return d.Options.GroupBytes[g][1]; }},
};

// DTMF presence bitmap: code k (1..16) is bit (k-1) mod 8 of byte 0x1A19 + (k-1) div 8.
inline constexpr std::size_t kDtmfPresence = 0x1A19;

// ---- tone tips 0x1B00..0x1BFF ----

// Two 30-byte entries per 64 bytes; the last 4 bytes of each 64 are free.
inline constexpr std::size_t kToneTips = 0x1B00;
inline constexpr std::size_t kToneTipPairSize = 64;
inline constexpr std::size_t kToneTipSize = 30;

// Address of tone tip k (1..8).
constexpr std::size_t ToneTipAddress(int k) {
    const auto i = static_cast<std::size_t>(k - 1);
    return kToneTips + (i / 2) * kToneTipPairSize + (i % 2) * kToneTipSize;
}

// Offsets within one tone tip entry.
inline constexpr Field<ToneTipRecord> kToneTipFields[] = {
    {0, 0, 8, 1, [](ToneTipRecord& t, int) -> FieldRef { return t.RepeatCount; }},
    {1, 0, 8, 1, [](ToneTipRecord& t, int) -> FieldRef { return t.RepeatGap; }},
    {2, 0, 8, 14, [](ToneTipRecord& t, int s) -> FieldRef { return t.Steps[s].Pitch; }},
    {16, 0, 8, 14, [](ToneTipRecord& t, int s) -> FieldRef { return t.Steps[s].Duration; }},
};

// ---- DTMF codes 0x1C00..0x1CFF ----

// Code k (1..16): one digit value (0x0..0xF) per byte, 0xFF after the last digit.
inline constexpr std::size_t kDtmfCodes = 0x1C00;
inline constexpr std::size_t kDtmfCodeSize = 16;
inline constexpr int kDtmfCodeCount = 16;

constexpr std::size_t DtmfCodeAddress(int k) {
    return kDtmfCodes + static_cast<std::size_t>(k - 1) * kDtmfCodeSize;
}

// ---- checks that every table stays inside the image ----

template <class Record, std::size_t N>
constexpr bool FieldsFit(const Field<Record> (&table)[N], std::size_t size) {
    for (const Field<Record>& f : table) {
        if (f.width == 16) {
            if (f.shift != 0 || f.count != 1 || f.address + 1 >= size) return false;
            continue;
        }
        if (f.width < 1 || f.width > 8 || f.count < 1) return false;
        for (int i = 0; i < f.count; ++i) {
            const int bit = f.shift + i * f.width;
            if (bit % 8 + f.width > 8) return false;  // an element never spans two bytes
            if (f.address + static_cast<std::size_t>(bit / 8) >= size) return false;
        }
    }
    return true;
}

static_assert(FieldsFit(kSettingFields, kImageSize));
static_assert(FieldsFit(kToneTipFields, kToneTipSize));

constexpr bool SlotFieldsFit() {
    for (const SlotField& f : kSlotFields) {
        const std::size_t bytes = f.width == 16 ? 2 : 1;
        if (f.offset + bytes > kSlotSize || (f.width < 16 && f.shift + f.width > 8)) return false;
    }
    for (const SlotTone& t : kSlotTones) {
        if (t.ctcss >= kSlotSize || t.dcs >= kSlotSize || t.typeByte >= kSlotSize) return false;
        if (t.typeShift + 2 > 8) return false;
    }
    return true;
}
static_assert(SlotFieldsFit());
static_assert(ToneTipAddress(8) + kToneTipSize <= kDtmfCodes);
static_assert(DtmfCodeAddress(kDtmfCodeCount) + kDtmfCodeSize == kImageSize);
static_assert(BlockOfChannel(kLastMemChannel)->slots + 8 * kSlotSize <= 0x1A00);

}  // namespace k7x::image

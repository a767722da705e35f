#include "codeplug/MemoryImage.h"

#include <algorithm>
#include <span>
#include <string>
#include <string_view>

#include "codeplug/CodeplugFile.h"
#include "codeplug/Conversions.h"
#include "codeplug/ImageLayout.h"

namespace k7x {

namespace {

using namespace image;

constexpr unsigned LowBits(int width) {
    return (1U << width) - 1U;
}

int ReadBits(const MemoryImage& img, std::size_t address, int shift, int width) {
    if (width == 16) return img[address] | (img[address + 1] << 8);
    return static_cast<int>((img[address] >> shift) & LowBits(width));
}

// Clears the field's bits, then sets them from the value masked to the field's width.
void WriteBits(MemoryImage& img, std::size_t address, int shift, int width, int value) {
    const auto v = static_cast<unsigned>(value);
    if (width == 16) {
        img[address] = static_cast<Byte>(v & 0xFFU);
        img[address + 1] = static_cast<Byte>((v >> 8) & 0xFFU);
        return;
    }
    const unsigned mask = LowBits(width) << shift;
    img[address] = static_cast<Byte>((img[address] & ~mask) | ((v << shift) & mask));
}

bool ReadFlag(const MemoryImage& img, std::size_t bitmap, int bit) {
    return ReadBits(img, bitmap + static_cast<std::size_t>(bit / 8), bit % 8, 1) != 0;
}

void WriteFlag(MemoryImage& img, std::size_t bitmap, int bit, bool on) {
    WriteBits(img, bitmap + static_cast<std::size_t>(bit / 8), bit % 8, 1, on ? 1 : 0);
}

// Element i of a field run: its byte and its lowest bit there.
template <class Record>
std::pair<std::size_t, int> ElementPosition(const Field<Record>& f, std::size_t base, int i) {
    const int bit = f.shift + i * f.width;
    return {base + f.address + static_cast<std::size_t>(bit / 8), bit % 8};
}

template <class Record>
void PackFields(MemoryImage& img, std::size_t base, std::span<const Field<Record>> table,
                Record& record) {
    for (const Field<Record>& f : table) {
        for (int i = 0; i < f.count; ++i) {
            const auto [address, shift] = ElementPosition(f, base, i);
            WriteBits(img, address, shift, f.width, f.at(record, i).get());
        }
    }
}

template <class Record>
void UnpackFields(const MemoryImage& img, std::size_t base, std::span<const Field<Record>> table,
                  Record& record) {
    for (const Field<Record>& f : table) {
        const int width = f.readWidth != 0 ? f.readWidth : f.width;
        for (int i = 0; i < f.count; ++i) {
            const auto [address, shift] = ElementPosition(f, base, i);
            f.at(record, i).set(ReadBits(img, address, shift, width));
        }
    }
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;  // anything else (a stray blank, a letter) reads as 0
}

bool IsEmptyFrequency(std::string_view trimmed) {
    return trimmed.empty() || trimmed == "FFFFFFFF";
}

// Digits 1..6 of the stored text (10 MHz down to 100 Hz) as three BCD bytes, byte 2 first.
// The 100 MHz and 10 Hz digits are not kept. Missing digits count as "0".
void PackFrequency(MemoryImage& img, std::size_t slot, std::string_view digits) {
    auto digit = [&](std::size_t pos) {
        return pos < digits.size() ? HexDigitValue(digits[pos]) : 0;
    };
    for (std::size_t pair = 0; pair < kSlotFrequencyBytes; ++pair) {
        const std::size_t first = 1 + 2 * pair;
        img[slot + kSlotFrequencyBytes - 1 - pair] =
            static_cast<Byte>((digit(first) << 4) | digit(first + 1));
    }
}

// "0" + the bytes 2, 1, 0 as hexadecimal pairs + "0". Bytes that are not BCD keep their
// hexadecimal letters.
std::string UnpackFrequency(const MemoryImage& img, std::size_t slot) {
    std::string text = "0";
    for (std::size_t pair = 0; pair < kSlotFrequencyBytes; ++pair) {
        text += ByteToHex2(img[slot + kSlotFrequencyBytes - 1 - pair], 2);
    }
    text += '0';
    return text;
}

std::size_t SlotOf(const ChannelBlock& block, int channelNo) {
    return block.slots + static_cast<std::size_t>(channelNo - block.first) * kSlotSize;
}

void PackChannel(MemoryImage& img, ChannelRecord& record) {
    const std::string frequency = record.Frequency.str();
    const bool empty = IsEmptyFrequency(frequency);
    record.IsEmpty = empty ? kTrue : kFalse;

    const ChannelBlock* block = BlockOfChannel(record.ChannelNo);
    if (block == nullptr) return;  // not a channel number: nowhere to put it
    const std::size_t slot = SlotOf(*block, record.ChannelNo);
    if (block->hasBitmaps) {
        const int bit = record.ChannelNo - block->first;
        WriteFlag(img, block->presence, bit, !empty);
        WriteFlag(img, block->scan, bit, !empty && (record.Scan & 1) != 0);
    }
    if (empty) {
        std::fill_n(img.begin() + static_cast<std::ptrdiff_t>(slot + kSlotFrequency),
                    kSlotFrequencyBytes, Byte{0xFF});
    } else {
        PackFrequency(img, slot + kSlotFrequency, frequency);
    }
    PackChannelSlot(img, slot, record);
}

void PackDtmfCodes(MemoryImage& img, const DtmfRecord& dtmf) {
    for (int k = 1; k <= kDtmfCodeCount; ++k) {
        const DtmfCode& code = dtmf.Codes[static_cast<std::size_t>(k - 1)];
        const std::size_t address = DtmfCodeAddress(k);
        const bool present = code.CodeLength > 0;
        WriteFlag(img, kDtmfPresence, k - 1, present);
        std::fill_n(img.begin() + static_cast<std::ptrdiff_t>(address), kDtmfCodeSize, Byte{0xFF});
        if (!present) continue;
        // A length beyond the code's 16 bytes is cut; missing digits are "0".
        const auto length =
            std::min<std::size_t>(static_cast<std::size_t>(code.CodeLength), kDtmfCodeSize);
        const std::string hex = DtmfToImageText(code.Digits.str());
        for (std::size_t j = 0; j < length; ++j) {
            img[address + j] = static_cast<Byte>(j < hex.size() ? HexDigitValue(hex[j]) : 0);
        }
    }
}

void UnpackDtmfCodes(const MemoryImage& img, DtmfRecord& dtmf) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (int k = 1; k <= kDtmfCodeCount; ++k) {
        DtmfCode& code = dtmf.Codes[static_cast<std::size_t>(k - 1)];
        if (!ReadFlag(img, kDtmfPresence, k - 1)) {
            code.CodeLength = 0;  // the digits stay as they were
            continue;
        }
        const std::size_t address = DtmfCodeAddress(k);
        std::string hex;
        for (std::size_t j = 0; j < kDtmfCodeSize && img[address + j] < 0x10; ++j) {
            hex += kHex[img[address + j]];
        }
        const std::string digits = ImageTextToDtmf(hex);
        code.Digits.set(digits);
        code.CodeLength = static_cast<Int>(digits.size());
    }
}

// The channels in ascending order; mode 0 has no channels 361..401.
void UnpackChannels(const MemoryImage& img, int mode, DocumentState& doc) {
    Int count = 0;
    for (int n = 1; n <= kChannelCapacity; ++n) {
        if (mode == 0 && n > 360 && n <= kVfoChannel) continue;
        const ChannelBlock& block = *BlockOfChannel(n);
        bool present = true;
        Int scan = 0;
        if (block.hasBitmaps) {
            const int bit = n - block.first;
            present = ReadFlag(img, block.presence, bit);
            scan = ReadFlag(img, block.scan, bit) ? 1 : 0;
        }
        if (!present) continue;
        ChannelRecord record;  // a fresh record: Reserved stays zero
        record.ChannelNo = static_cast<Int>(n);
        record.IsEmpty = kFalse;
        record.Scan = scan;
        const std::size_t slot = SlotOf(block, n);
        record.Frequency.set(UnpackFrequency(img, slot + kSlotFrequency));
        UnpackChannelSlot(img, slot, record);
        doc.ChannelList[static_cast<std::size_t>(count++)] = record;
    }
    doc.WorkDoc.ChannelCount = count;
}

}  // namespace

void PackChannelSlot(MemoryImage& image, std::size_t address, const ChannelRecord& record) {
    if (address > kImageSize - kSlotSize) return;
    // Every byte the slot's fields touch starts from 0, so bits no field owns (bit 3 of
    // byte 10) end up 0 whatever the image held; the free byte 9 is left alone.
    for (const SlotTone& t : kSlotTones) {
        image[address + t.ctcss] = image[address + t.dcs] = image[address + t.typeByte] = 0;
    }
    for (const SlotField& f : kSlotFields) {
        image[address + f.offset] = 0;
        if (f.width == 16) image[address + f.offset + 1] = 0;
    }
    for (const SlotTone& t : kSlotTones) {
        const ImageTone tone = ToneToImage(record.*t.tone);
        WriteBits(image, address + t.ctcss, 0, 8, tone.ctcssIndex);
        WriteBits(image, address + t.dcs, 0, 8, tone.dcsIndex);
        WriteBits(image, address + t.typeByte, t.typeShift, 2, tone.type);
    }
    for (const SlotField& f : kSlotFields) {
        WriteBits(image, address + f.offset, f.shift, f.width, record.*f.field);
    }
}

void UnpackChannelSlot(const MemoryImage& image, std::size_t address, ChannelRecord& record) {
    if (address > kImageSize - kSlotSize) return;
    for (const SlotTone& t : kSlotTones) {
        record.*t.tone =
            static_cast<Int>(ImageToTone(ReadBits(image, address + t.typeByte, t.typeShift, 2),
                                         image[address + t.ctcss], image[address + t.dcs]));
    }
    for (const SlotField& f : kSlotFields) {
        record.*f.field = static_cast<Int>(ReadBits(image, address + f.offset, f.shift, f.width));
    }
}

void PackImage(DocumentState& doc) {
    MemoryImage& img = doc.MemImage;
    img.fill(0);
    CodeplugDocument& work = doc.WorkDoc;

    const int count = std::clamp<int>(work.ChannelCount, 0, kChannelCapacity);
    for (int i = 0; i < count; ++i) PackChannel(img, doc.ChannelList[static_cast<std::size_t>(i)]);

    PackFields<Doc>(img, 0, kSettingFields, work);
    PackChannelSlot(img, kPublicChannelSlot, work.PublicChannel);
    PackDtmfCodes(img, work.Dtmf);
    for (int k = 1; k <= 8; ++k) {
        PackFields<ToneTipRecord>(img, ToneTipAddress(k), kToneTipFields,
                                  work.ToneTips[static_cast<std::size_t>(k - 1)]);
    }
}

bool UnpackImage(DocumentState& doc, Prompts& prompts) {
    const int mode = doc.RadioCountryMode;
    if (mode < 0 || mode > 2) {
        prompts.message(std::string("Country Mode Error!"), Buttons::Ok, Icon::None);
        return false;  // checked before anything is touched
    }
    const MemoryImage& img = doc.MemImage;
    CodeplugDocument& work = doc.WorkDoc;

    UnpackChannels(img, mode, doc);

    work.Header.CountryMode = static_cast<Int>(mode);
    ApplyHeader(doc);

    // CurrentGroup and the spare areas are not in the image and keep their values.
    UnpackFields<Doc>(img, 0, kSettingFields, work);
    UnpackChannelSlot(img, kPublicChannelSlot, work.PublicChannel);
    UnpackDtmfCodes(img, work.Dtmf);
    for (int k = 1; k <= 8; ++k) {
        UnpackFields<ToneTipRecord>(img, ToneTipAddress(k), kToneTipFields,
                                    work.ToneTips[static_cast<std::size_t>(k - 1)]);
    }
    return true;
}

}  // namespace k7x

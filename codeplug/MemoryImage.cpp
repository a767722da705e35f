#include "codeplug/MemoryImage.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "codeplug/CodeplugFile.h"
#include "codeplug/Conversions.h"
#include "codeplug/ImageLayout.h"

namespace k7x {

namespace {

using namespace image;

constexpr unsigned LowBits(int width) {
    return (1U << width) - 1U;
}

inline int ReadBits(const MemoryImage& img, std::size_t address, int shift, int width) {
    if (width == 16) return img[address] | (img[address + 1] << 8);
    return static_cast<int>((img[address] >> shift) & LowBits(width));
}

// Clears the field's bits, then sets them from the value masked to the field's width.
inline void WriteBits(MemoryImage& img, std::size_t address, int shift, int width, int value) {
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

// The value of each character as a hexadecimal digit; anything else (a stray blank, another
// letter) reads as 0.
constexpr std::array<Byte, 256> kHexValue = [] {
    std::array<Byte, 256> t{};
    for (int c = '0'; c <= '9'; ++c) t[static_cast<std::size_t>(c)] = static_cast<Byte>(c - '0');
    for (int c = 'A'; c <= 'F'; ++c) {
        t[static_cast<std::size_t>(c)] = t[static_cast<std::size_t>(c + 'a' - 'A')] =
            static_cast<Byte>(c - 'A' + 10);
    }
    return t;
}();

int HexDigitValue(char c) {
    return kHexValue[static_cast<unsigned char>(c)];
}

bool IsEmptyFrequency(std::string_view trimmed) {
    return trimmed.empty() || trimmed == "FFFFFFFF";
}

// Digits 1..6 of the stored text (10 MHz down to 100 Hz) as three BCD bytes, byte 2 first.
// The 100 MHz and 10 Hz digits are not kept. Missing digits count as "0".
void PackFrequency(MemoryImage& img, std::size_t slot, std::string_view text) {
    char digits[7] = {'0', '0', '0', '0', '0', '0', '0'};
    std::copy_n(text.begin(), std::min(text.size(), sizeof digits), digits);
    auto digit = [&](std::size_t pos) { return HexDigitValue(digits[pos]); };
    for (std::size_t pair = 0; pair < kSlotFrequencyBytes; ++pair) {
        const std::size_t first = 1 + 2 * pair;
        img[slot + kSlotFrequencyBytes - 1 - pair] =
            static_cast<Byte>((digit(first) << 4) | digit(first + 1));
    }
}

constexpr char kHexDigits[] = "0123456789ABCDEF";

// "0" + the bytes 2, 1, 0 as hexadecimal pairs + "0". Bytes that are not BCD keep their
// hexadecimal letters.
void UnpackFrequency(const MemoryImage& img, std::size_t slot, FixedText<8>& frequency) {
    char text[8];
    text[0] = '0';
    for (std::size_t pair = 0; pair < kSlotFrequencyBytes; ++pair) {
        const Byte b = img[slot + kSlotFrequencyBytes - 1 - pair];
        text[1 + 2 * pair] = kHexDigits[b >> 4];
        text[2 + 2 * pair] = kHexDigits[b & 0x0F];
    }
    text[7] = '0';
    static_assert(sizeof text == FixedText<8>::size());  // fills the field, no padding
    std::memcpy(frequency.chars.data(), text, sizeof text);
}

// The text as every reader sees it (cut at the first NUL, trailing blanks removed), without
// copying it.
template <std::size_t N>
std::string_view Trimmed(const FixedText<N>& field) {
    std::string_view text(field.chars.data(), N);
    text = text.substr(0, text.find('\0'));
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

// The slot's fields, expanded at compile time: the table stays the one place that names
// offsets and bits, while each of the 409 channels costs only a few byte operations.
constexpr std::size_t FieldBytes(int width) {
    return width == 16 ? 2 : 1;
}

template <std::size_t... I>
void ClearSlotFields(MemoryImage& img, std::size_t address, std::index_sequence<I...>) {
    (std::memset(&img[address + kSlotFields[I].offset], 0, FieldBytes(kSlotFields[I].width)), ...);
}

template <std::size_t... I>
void WriteSlotFields(MemoryImage& img, std::size_t address, const ChannelRecord& record,
                     std::index_sequence<I...>) {
    (WriteBits(img, address + kSlotFields[I].offset, kSlotFields[I].shift, kSlotFields[I].width,
               record.*(kSlotFields[I].field)),
     ...);
}

template <std::size_t... I>
void ReadSlotFields(const MemoryImage& img, std::size_t address, ChannelRecord& record,
                    std::index_sequence<I...>) {
    ((record.*(kSlotFields[I].field) = static_cast<Int>(ReadBits(
          img, address + kSlotFields[I].offset, kSlotFields[I].shift, kSlotFields[I].width))),
     ...);
}

std::size_t SlotOf(const ChannelBlock& block, int channelNo) {
    return block.slots + static_cast<std::size_t>(channelNo - block.first) * kSlotSize;
}

void PackChannel(MemoryImage& img, ChannelRecord& record) {
    const std::string_view frequency = Trimmed(record.Frequency);
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
        const std::string hex = DtmfToImageText(Trimmed(code.Digits));
        for (std::size_t j = 0; j < length; ++j) {
            img[address + j] = static_cast<Byte>(j < hex.size() ? HexDigitValue(hex[j]) : 0);
        }
    }
}

void UnpackDtmfCodes(const MemoryImage& img, DtmfRecord& dtmf) {
    for (int k = 1; k <= kDtmfCodeCount; ++k) {
        DtmfCode& code = dtmf.Codes[static_cast<std::size_t>(k - 1)];
        if (!ReadFlag(img, kDtmfPresence, k - 1)) {
            code.CodeLength = 0;  // the digits stay as they were
            continue;
        }
        const std::size_t address = DtmfCodeAddress(k);
        std::string hex;
        for (std::size_t j = 0; j < kDtmfCodeSize && img[address + j] < 0x10; ++j) {
            hex += kHexDigits[img[address + j]];
        }
        const std::string digits = ImageTextToDtmf(hex);
        code.Digits.set(digits);
        code.CodeLength = static_cast<Int>(digits.size());
    }
}

// The highest memory channel of the 27 MHz country groups: mode 0 has no channels above it
// up to and including the VFO channel.
constexpr int kLastCountryChannel = 360;

// The channels in ascending order.
void UnpackChannels(const MemoryImage& img, int mode, DocumentState& doc) {
    Int count = 0;
    for (int n = 1; n <= kChannelCapacity; ++n) {
        if (mode == 0 && n > kLastCountryChannel && n <= kVfoChannel) continue;
        const ChannelBlock& block = *BlockOfChannel(n);
        bool present = true;
        Int scan = 0;
        if (block.hasBitmaps) {
            const int bit = n - block.first;
            present = ReadFlag(img, block.presence, bit);
            scan = ReadFlag(img, block.scan, bit) ? 1 : 0;
        }
        if (!present) continue;
        ChannelRecord& record = doc.ChannelList[static_cast<std::size_t>(count++)];
        record = ChannelRecord{};  // a fresh record: Reserved is zero
        record.ChannelNo = static_cast<Int>(n);
        record.IsEmpty = kFalse;
        record.Scan = scan;
        const std::size_t slot = SlotOf(block, n);
        UnpackFrequency(img, slot + kSlotFrequency, record.Frequency);
        UnpackChannelSlot(img, slot, record);
    }
    doc.WorkDoc.ChannelCount = count;
}

}  // namespace

void PackChannelSlot(MemoryImage& image, std::size_t address, const ChannelRecord& record) {
    if (address > kImageSize - kSlotSize) return;
    constexpr auto fields = std::make_index_sequence<std::size(kSlotFields)>{};
    // Every byte the slot's fields touch starts from 0, so bits no field owns (bit 3 of
    // byte 10) end up 0 whatever the image held; the free byte 9 is left alone.
    for (const SlotTone& t : kSlotTones) {
        image[address + t.ctcss] = image[address + t.dcs] = image[address + t.typeByte] = 0;
    }
    ClearSlotFields(image, address, fields);
    for (const SlotTone& t : kSlotTones) {
        const ImageTone tone = ToneToImage(record.*t.tone);
        WriteBits(image, address + t.ctcss, 0, 8, tone.ctcssIndex);
        WriteBits(image, address + t.dcs, 0, 8, tone.dcsIndex);
        WriteBits(image, address + t.typeByte, t.typeShift, 2, tone.type);
    }
    WriteSlotFields(image, address, record, fields);
}

void UnpackChannelSlot(const MemoryImage& image, std::size_t address, ChannelRecord& record) {
    if (address > kImageSize - kSlotSize) return;
    for (const SlotTone& t : kSlotTones) {
        record.*t.tone =
            static_cast<Int>(ImageToTone(ReadBits(image, address + t.typeByte, t.typeShift, 2),
                                         image[address + t.ctcss], image[address + t.dcs]));
    }
    ReadSlotFields(image, address, record, std::make_index_sequence<std::size(kSlotFields)>{});
}

void PackImage(DocumentState& doc) {
    MemoryImage& img = doc.MemImage;
    std::memset(img.data(), 0, img.size());
    CodeplugDocument& work = doc.WorkDoc;

    const int count = std::clamp<int>(work.ChannelCount, 0, kChannelCapacity);
    for (int i = 0; i < count; ++i) PackChannel(img, doc.ChannelList[static_cast<std::size_t>(i)]);

    PackFields<Doc>(img, 0, kSettingFields, work);
    PackChannelSlot(img, kPublicChannelSlot, work.PublicChannel);
    PackDtmfCodes(img, work.Dtmf);
    for (int k = 1; k <= static_cast<int>(work.ToneTips.size()); ++k) {
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
    for (int k = 1; k <= static_cast<int>(work.ToneTips.size()); ++k) {
        UnpackFields<ToneTipRecord>(img, ToneTipAddress(k), kToneTipFields,
                                    work.ToneTips[static_cast<std::size_t>(k - 1)]);
    }
    return true;
}

bool TakeImageAsUntitledDocument(DocumentState& doc, Prompts& prompts) {
    if (!UnpackImage(doc, prompts)) return false;
    doc.CurrentFilePath = kUntitledName;
    doc.IsUntitled = true;
    return true;
}

}  // namespace k7x

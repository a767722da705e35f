// Byte-level behaviour of the memory image: where each record field lands, how the image
// reads back, and what happens to values and texts the editors would never produce.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "ImageTestDocs.h"
#include "RecordingPrompts.h"
#include "codeplug/MemoryImage.h"

namespace k7x {
namespace {

using Bytes = std::vector<int>;

Bytes Slice(const MemoryImage& img, std::size_t address, std::size_t n) {
    return Bytes(img.begin() + static_cast<std::ptrdiff_t>(address),
                 img.begin() + static_cast<std::ptrdiff_t>(address + n));
}

bool Bit(const MemoryImage& img, std::size_t address, int bit) {
    return ((img[address] >> bit) & 1) != 0;
}

ChannelRecord Channel(int number, const std::string& frequency) {
    ChannelRecord c;
    c.ChannelNo = static_cast<Int>(number);
    c.Frequency.set(frequency);
    return c;
}

// A working document holding exactly the given channels, in that order.
void SetChannels(DocumentState& doc, const std::vector<ChannelRecord>& channels) {
    doc.WorkDoc.ChannelCount = static_cast<Int>(channels.size());
    std::copy(channels.begin(), channels.end(), doc.ChannelList.begin());
}

std::vector<int> ListedNumbers(const DocumentState& doc) {
    std::vector<int> out;
    for (int i = 0; i < doc.WorkDoc.ChannelCount; ++i) {
        out.push_back(doc.ChannelList[static_cast<std::size_t>(i)].ChannelNo);
    }
    return out;
}

const ChannelRecord* Listed(const DocumentState& doc, int number) {
    for (int i = 0; i < doc.WorkDoc.ChannelCount; ++i) {
        if (doc.ChannelList[static_cast<std::size_t>(i)].ChannelNo == number) {
            return &doc.ChannelList[static_cast<std::size_t>(i)];
        }
    }
    return nullptr;
}

// ---- channels ----

TEST(PackImage, ChannelSlotsAndFrequencyBytesLandAtTheirAddresses) {
    DocumentState doc;
    SetChannels(doc, {Channel(1, "02800500"), Channel(400, "02761230"), Channel(402, "02901990"),
                      Channel(409, "02500000"), Channel(401, "02999990")});
    PackImage(doc);
    EXPECT_EQ(Slice(doc.MemImage, 0x0000, 3), (Bytes{0x50, 0x00, 0x28}));
    EXPECT_EQ(Slice(doc.MemImage, 0x18F0, 3), (Bytes{0x23, 0x61, 0x27}));
    EXPECT_EQ(Slice(doc.MemImage, 0x1980, 3), (Bytes{0x99, 0x01, 0x29}));
    EXPECT_EQ(Slice(doc.MemImage, 0x19F0, 3), (Bytes{0x00, 0x00, 0x25}));
    EXPECT_EQ(Slice(doc.MemImage, 0x1A00, 3), (Bytes{0x99, 0x99, 0x29}));
}

TEST(PackImage, PresenceAndScanBitsFollowTheChannelNumber) {
    DocumentState doc;
    ChannelRecord c13 = Channel(13, "02700000");
    c13.Scan = 1;
    ChannelRecord c400 = Channel(400, "02700000");
    c400.Scan = 0;
    ChannelRecord c405 = Channel(405, "02700000");
    c405.Scan = 1;
    ChannelRecord c401 = Channel(401, "02700000");
    c401.Scan = 1;
    SetChannels(doc, {c13, c400, c405, c401});
    PackImage(doc);

    EXPECT_EQ(doc.MemImage[0x1901], 0x10);  // channel 13: bit 4 of the second byte
    EXPECT_EQ(doc.MemImage[0x1941], 0x10);
    EXPECT_EQ(doc.MemImage[0x1931], 0x80);  // channel 400: bit 7 of the last used byte
    EXPECT_EQ(doc.MemImage[0x1971], 0x00);  // ... not scanned
    EXPECT_EQ(doc.MemImage[0x1A1C], 0x08);  // channel 405: bit 3
    EXPECT_EQ(doc.MemImage[0x1A1D], 0x08);
    // The VFO channel has no bits anywhere: nothing else in the bitmaps is set.
    int setBits = 0;
    for (std::size_t a = 0x1900; a < 0x1980; ++a) setBits += __builtin_popcount(doc.MemImage[a]);
    setBits += __builtin_popcount(doc.MemImage[0x1A1C]) + __builtin_popcount(doc.MemImage[0x1A1D]);
    EXPECT_EQ(setBits, 5);
}

TEST(PackImage, BlankOrAllFFrequencyPacksAsEmptyChannel) {
    DocumentState doc;
    ChannelRecord blank = Channel(2, "");
    blank.Scan = 1;
    ChannelRecord allF = Channel(403, "FFFFFFFF");
    allF.Scan = 1;
    ChannelRecord used = Channel(3, "02700000");
    used.IsEmpty = kTrue;  // left over: recomputed on packing
    ChannelRecord vfo = Channel(401, "FFFFFFFF");
    SetChannels(doc, {blank, allF, used, vfo});
    PackImage(doc);

    EXPECT_EQ(doc.ChannelList[0].IsEmpty, kTrue);
    EXPECT_EQ(doc.ChannelList[1].IsEmpty, kTrue);
    EXPECT_EQ(doc.ChannelList[2].IsEmpty, kFalse);
    EXPECT_EQ(doc.ChannelList[3].IsEmpty, kTrue);
    EXPECT_EQ(Slice(doc.MemImage, 0x0010, 3), (Bytes{0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Slice(doc.MemImage, 0x1990, 3), (Bytes{0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Slice(doc.MemImage, 0x1A00, 3), (Bytes{0xFF, 0xFF, 0xFF}));
    EXPECT_FALSE(Bit(doc.MemImage, 0x1900, 1));  // channel 2: neither present nor scanned
    EXPECT_FALSE(Bit(doc.MemImage, 0x1940, 1));
    EXPECT_TRUE(Bit(doc.MemImage, 0x1900, 2));
    EXPECT_EQ(doc.MemImage[0x1A1C], 0x00);
    EXPECT_EQ(doc.MemImage[0x1A1D], 0x00);
}

TEST(PackImage, FrequencyTextThatIsNotDigitsStillGivesDefinedBytes) {
    DocumentState doc;
    SetChannels(doc, {Channel(1, "0ABCDEF0"),       // hexadecimal letters keep their value
                      Channel(2, "0X8Z0050"),       // anything else reads as 0
                      Channel(3, "028"),            // a short text: the missing digits are 0
                      Channel(4, " 2800500"),       // a leading blank is the dropped digit
                      Channel(5, "0280050\x01")});  // the 10 Hz position is never read
    PackImage(doc);
    EXPECT_EQ(Slice(doc.MemImage, 0x00, 3), (Bytes{0xEF, 0xCD, 0xAB}));
    EXPECT_EQ(Slice(doc.MemImage, 0x10, 3), (Bytes{0x05, 0x00, 0x08}));
    EXPECT_EQ(Slice(doc.MemImage, 0x20, 3), (Bytes{0x00, 0x00, 0x28}));
    EXPECT_EQ(Slice(doc.MemImage, 0x30, 3), (Bytes{0x50, 0x00, 0x28}));
    EXPECT_EQ(Slice(doc.MemImage, 0x40, 3), (Bytes{0x50, 0x00, 0x28}));
}

TEST(PackImage, ListEntriesThatAreNotChannelsAreIgnored) {
    DocumentState doc;
    SetChannels(doc, {Channel(0, "02800500"), Channel(410, "02800500"), Channel(-7, "02800500"),
                      Channel(5, "02800500")});
    PackImage(doc);
    DocumentState only5;
    SetChannels(only5, {Channel(5, "02800500")});
    PackImage(only5);
    EXPECT_EQ(doc.MemImage, only5.MemImage);

    // A channel count beyond the list's capacity reads no further than the list.
    doc.WorkDoc.ChannelCount = 30000;
    PackImage(doc);
    doc.WorkDoc.ChannelCount = -3;
    PackImage(doc);
    EXPECT_EQ(doc.MemImage[0x1900], 0x00);
}

TEST(PackImage, ChangesNothingInTheRecordsButIsEmpty) {
    DocumentState doc;
    ChannelRecord c = Channel(7, "02800500");
    c.Reserved.fill(0xA5);
    c.Scan = 1;
    c.RDCT = 12;
    SetChannels(doc, {c, Channel(8, "")});
    doc.WorkDoc.Options.CurrentGroup = 4;
    doc.WorkDoc.Options.Spare.fill(9);
    doc.WorkDoc.Dtmf.Codes[0].CodeLength = 2;
    doc.WorkDoc.Dtmf.Codes[0].Digits.set("1*3");
    const CodeplugDocument docBefore = doc.WorkDoc;
    const ChannelArray listBefore = doc.ChannelList;

    PackImage(doc);

    EXPECT_EQ(doc.WorkDoc, docBefore);
    ChannelArray expected = listBefore;
    expected[0].IsEmpty = kFalse;
    expected[1].IsEmpty = kTrue;
    EXPECT_EQ(doc.ChannelList, expected);
}

TEST(UnpackImage, FrequencyIsTheHexTextOfTheThreeBytes) {
    DocumentState doc;
    doc.RadioCountryMode = 1;
    doc.MemImage[0x1900] = 0x07;  // channels 1, 2, 3
    const Bytes slots[] = {{0x50, 0x00, 0x28}, {0xEF, 0xCD, 0xAB}, {0xFF, 0xFF, 0xFF}};
    for (std::size_t i = 0; i < 3; ++i) {
        std::copy(slots[i].begin(), slots[i].end(), doc.MemImage.begin() + 16 * i);
    }
    test::RecordingPrompts prompts;
    ASSERT_TRUE(UnpackImage(doc, prompts));
    ASSERT_NE(Listed(doc, 1), nullptr);
    EXPECT_EQ(Listed(doc, 1)->Frequency.raw(), "02800500");
    EXPECT_EQ(Listed(doc, 2)->Frequency.raw(), "0ABCDEF0");  // not BCD: letters kept
    EXPECT_EQ(Listed(doc, 3)->Frequency.raw(), "0FFFFFF0");
    EXPECT_EQ(Listed(doc, 3)->IsEmpty, kFalse);
    EXPECT_EQ(Listed(doc, 401)->Frequency.raw(), "00000000");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST(UnpackImage, ModeZeroNeverHasChannels361To401AndModesOneTwoAlwaysHave401) {
    DocumentState doc;
    for (std::size_t a = 0x1900; a < 0x1980; ++a) doc.MemImage[a] = 0xFF;  // incl. free bits
    doc.MemImage[0x1A1C] = doc.MemImage[0x1A1D] = 0xFF;
    test::RecordingPrompts prompts;

    doc.RadioCountryMode = 0;
    ASSERT_TRUE(UnpackImage(doc, prompts));
    std::vector<int> expected;
    for (int n = 1; n <= 360; ++n) expected.push_back(n);
    for (int n = 402; n <= 409; ++n) expected.push_back(n);
    EXPECT_EQ(ListedNumbers(doc), expected);

    for (int mode : {1, 2}) {
        doc.RadioCountryMode = static_cast<Int>(mode);
        ASSERT_TRUE(UnpackImage(doc, prompts));
        EXPECT_EQ(doc.WorkDoc.ChannelCount, 409);
        std::vector<int> numbers = ListedNumbers(doc);
        EXPECT_TRUE(std::is_sorted(numbers.begin(), numbers.end()));
        ASSERT_NE(Listed(doc, 401), nullptr);
        EXPECT_EQ(Listed(doc, 401)->Scan, 0);
    }

    // No bits at all: modes 1 and 2 still bring the VFO channel, mode 0 brings nothing.
    doc.MemImage.fill(0);
    doc.RadioCountryMode = 2;
    ASSERT_TRUE(UnpackImage(doc, prompts));
    EXPECT_EQ(ListedNumbers(doc), std::vector<int>{401});
    doc.RadioCountryMode = 0;
    ASSERT_TRUE(UnpackImage(doc, prompts));
    EXPECT_EQ(doc.WorkDoc.ChannelCount, 0);
}

TEST(UnpackImage, MemChannelPresenceAndScanComeFromTheirOwnBitmaps) {
    DocumentState doc;
    doc.RadioCountryMode = 0;
    doc.MemImage[0x1A1C] = 0x08;  // channel 405
    doc.MemImage[0x1A1D] = 0x08;
    test::RecordingPrompts prompts;
    ASSERT_TRUE(UnpackImage(doc, prompts));
    EXPECT_EQ(ListedNumbers(doc), std::vector<int>{405});
    EXPECT_EQ(Listed(doc, 405)->Scan, 1);

    doc.MemImage[0x1A1D] = 0xF7;  // every scan bit but channel 405's
    ASSERT_TRUE(UnpackImage(doc, prompts));
    EXPECT_EQ(ListedNumbers(doc), std::vector<int>{405});
    EXPECT_EQ(Listed(doc, 405)->Scan, 0);
}

TEST(UnpackImage, ChannelsAreFreshRecordsInAscendingOrder) {
    DocumentState doc;
    doc.RadioCountryMode = 0;
    doc.WorkDoc.ChannelCount = 3;
    for (ChannelRecord& c : doc.ChannelList) {
        c.Reserved.fill(0x77);
        c.IsEmpty = kTrue;
        c.Scan = 1;
    }
    doc.MemImage[0x1900] = 0x81;  // channels 1 and 8
    doc.MemImage[0x1910] = 0x01;  // channel 129
    test::RecordingPrompts prompts;
    ASSERT_TRUE(UnpackImage(doc, prompts));
    EXPECT_EQ(ListedNumbers(doc), (std::vector<int>{1, 8, 129}));
    for (int i = 0; i < 3; ++i) {
        const ChannelRecord& c = doc.ChannelList[static_cast<std::size_t>(i)];
        EXPECT_EQ(c.IsEmpty, kFalse);
        EXPECT_EQ(c.Scan, 0);
        EXPECT_EQ(c.Reserved, (std::array<Byte, 14>{}));
    }
}

// ---- the channel slot ----

TEST(ChannelSlot, EveryFieldHasItsByteAndBits) {
    ChannelRecord c;
    c.OffSetFre = 1000;
    c.RDCT = 38;  // CTCSS, index 37
    c.TDCT = 39;  // DCS, index 0
    c.DUP = 2;
    c.TSQ = 1;
    c.BUSY = 1;
    c.HI_CUT = 0;
    c.NB = 1;
    c.Add_Sub_5K = 0;
    c.AM_FM = 1;
    c.Tx_Power = 2;
    c.Public = 1;
    c.RBTone = 8;
    c.DTMF_BOT = 16;
    c.DTMF_EOT = 3;
    c.DTMF_Call = 9;
    MemoryImage img{};
    PackChannelSlot(img, 0x40, c);
    EXPECT_EQ(Slice(img, 0x40, 16),
              (Bytes{0, 0, 0, 0xE8, 0x03, 37, 0, 0, 0, 0, 0x96, 0xD5, 8, 16, 3, 9}));

    ChannelRecord back;
    UnpackChannelSlot(img, 0x40, back);
    EXPECT_EQ(back, c);
}

TEST(ChannelSlot, ToneTypesChooseTheIndexByte) {
    ChannelRecord c;
    MemoryImage img{};
    c.RDCT = 142;  // the last DCS code
    c.TDCT = 1;    // the first CTCSS tone
    PackChannelSlot(img, 0, c);
    EXPECT_EQ(Slice(img, 5, 4), (Bytes{0, 103, 0, 0}));
    EXPECT_EQ(img[10], 0x60);  // RDCT type 2 in bits 4..5, TDCT type 1 in bits 6..7

    // Byte 10 = 0x16: DUP 2, TSQ 1, receive tone CTCSS, no transmit tone.
    img.fill(0);
    img[5] = 11;
    img[6] = 50;  // a DCS byte the type does not select
    img[8] = 40;
    img[10] = 0x16;
    UnpackChannelSlot(img, 0, c);
    EXPECT_EQ(c.DUP, 2);
    EXPECT_EQ(c.TSQ, 1);
    EXPECT_EQ(c.RDCT, 12);
    EXPECT_EQ(c.TDCT, 0);

    // Type 3 is not a tone type: no tone.
    img[10] = 0xF0;
    UnpackChannelSlot(img, 0, c);
    EXPECT_EQ(c.RDCT, 0);
    EXPECT_EQ(c.TDCT, 0);

    // Type 2 reads the DCS byte.
    img[10] = 0x80;
    UnpackChannelSlot(img, 0, c);
    EXPECT_EQ(c.TDCT, 40 + 39);
}

TEST(ChannelSlot, PackingLeavesFrequencyAndByteNineAndClearsStaleBits) {
    MemoryImage img{};
    std::fill_n(img.begin() + 0x100, 16, Byte{0xFF});
    ChannelRecord c;  // all zero
    PackChannelSlot(img, 0x100, c);
    EXPECT_EQ(Slice(img, 0x100, 16),
              (Bytes{0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(img[0xFF], 0x00);
    EXPECT_EQ(img[0x110], 0x00);
}

TEST(ChannelSlot, UnpackingFillsOnlyTheSlotFields) {
    MemoryImage img{};
    std::fill_n(img.begin(), 16, Byte{0x11});
    ChannelRecord c;
    c.ChannelNo = 77;
    c.IsEmpty = kTrue;
    c.Scan = 1;
    c.Frequency.set("02700000");
    c.Reserved.fill(3);
    UnpackChannelSlot(img, 0, c);
    EXPECT_EQ(c.ChannelNo, 77);
    EXPECT_EQ(c.IsEmpty, kTrue);
    EXPECT_EQ(c.Scan, 1);
    EXPECT_EQ(c.Frequency.raw(), "02700000");
    EXPECT_EQ(c.Reserved[13], 3);
    EXPECT_EQ(c.OffSetFre, 0x1111);
}

TEST(ChannelSlot, AddressesPastTheImageAreRefused) {
    MemoryImage img{};
    ChannelRecord c;
    c.OffSetFre = 1000;
    PackChannelSlot(img, kImageSize - 8, c);
    PackChannelSlot(img, static_cast<std::size_t>(-1), c);
    EXPECT_EQ(img, MemoryImage{});
    ChannelRecord back = c;
    UnpackChannelSlot(img, kImageSize, back);
    EXPECT_EQ(back, c);
    PackChannelSlot(img, kImageSize - 16, c);  // the last whole slot is fine
    EXPECT_EQ(img[kImageSize - 13], 0xE8);
}

// ---- settings area ----

TEST(PackImage, SettingsAreaHasEveryFieldInItsPlace) {
    DocumentState doc;
    OptionRecord& o = doc.WorkDoc.Options;
    o.UseVfo = 0x21;
    o.UseMem = 1;
    o.CurrentMem = 5;
    o.GroupEnabled = {1, 0, 0, 1, 0, 0, 0, 0, 1, 1};
    for (int g = 0; g < 10; ++g) {
        o.GroupCurrent[static_cast<std::size_t>(g)] = static_cast<Int>(0x30 + g);
        o.GroupPair[static_cast<std::size_t>(g)] = {static_cast<Int>(0x40 + g),
                                                    static_cast<Int>(0x50 + g)};
        o.GroupBytes[static_cast<std::size_t>(g)] = {static_cast<Byte>(g % 2),
                                                     static_cast<Byte>((g + 1) % 2)};
    }
    for (int i = 0; i < 17; ++i)
        o.Setting[static_cast<std::size_t>(i)] = static_cast<Int>(0x60 + i);
    o.Setting[5] = 1;     // AsqFun
    o.Setting[6] = 0x2A;  // AsqValue
    o.Setting[14] = 1;
    o.Setting[15] = 0;
    o.Setting[16] = 200;
    doc.WorkDoc.Keys.KeyOption = 3;
    for (int i = 0; i < 18; ++i) {
        doc.WorkDoc.Keys.KeyFunction[static_cast<std::size_t>(i)] = static_cast<Int>(i + 1);
    }
    doc.WorkDoc.Dtmf.DtmfSetting = {0xD0, 0xD1, 0xD2, 0xD3, 0xD4, 0xD5};

    PackImage(doc);
    const MemoryImage& m = doc.MemImage;
    EXPECT_EQ(Slice(m, 0x1A10, 3), (Bytes{0, 0x21, 1}));
    EXPECT_EQ(m[0x1A1B], 5);
    EXPECT_EQ(Slice(m, 0x1A1E, 2), (Bytes{0x09, 0x03}));
    EXPECT_EQ(Slice(m, 0x1A20, 10),
              (Bytes{0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39}));
    EXPECT_EQ(Slice(m, 0x1A40, 22), (Bytes{0x60, 0x61, 0x62, 0x63, 0x64,  // Setting 0..4
                                           0xAA,        // AsqFun in bit 7, AsqValue below
                                           0x67, 0x68,  // Setting 7, 8
                                           3,           // KeyOption between Setting 8 and 9
                                           0x69, 0x6A, 0x6B, 0x6C, 0x6D,  // Setting 9..13
                                           0xD0, 0xD2, 0xD1,              // DTMF settings 0, 2, 1
                                           0xD3, 0xD4, 0xD5,              // DTMF settings 3..5
                                           200,                           // Setting 16
                                           0x01}));  // Setting 14 in bit 0, 15 in bit 1
    EXPECT_EQ(Slice(m, 0x1A80, 18),
              (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}));
    EXPECT_EQ(Slice(m, 0x1AA0, 10),
              (Bytes{0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49}));
    EXPECT_EQ(Slice(m, 0x1AB0, 10),
              (Bytes{0x50, 0x51, 0x52, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59}));
    EXPECT_EQ(Slice(m, 0x1AC0, 10), (Bytes{0, 1, 0, 1, 0, 1, 0, 1, 0, 1}));
    EXPECT_EQ(Slice(m, 0x1AD0, 10), (Bytes{1, 0, 1, 0, 1, 0, 1, 0, 1, 0}));

    o.Setting[15] = 1;
    o.Setting[14] = 0;
    PackImage(doc);
    EXPECT_EQ(doc.MemImage[0x1A55], 0x02);
}

TEST(UnpackImage, BitFieldsReadOnlyTheirBits) {
    DocumentState doc;
    doc.RadioCountryMode = 1;
    doc.MemImage[0x1A12] = 0xFE;  // UseMem comes from bit 0 alone
    doc.MemImage[0x1A45] = 0x80;
    doc.MemImage[0x1A55] = 0xFE;
    doc.MemImage[0x1A1F] = 0xFE;  // groups 9..15: only group 9 exists
    test::RecordingPrompts prompts;
    ASSERT_TRUE(UnpackImage(doc, prompts));
    const OptionRecord& o = doc.WorkDoc.Options;
    EXPECT_EQ(o.UseMem, 0);
    EXPECT_EQ(o.Setting[5], 1);
    EXPECT_EQ(o.Setting[6], 0);
    EXPECT_EQ(o.Setting[14], 0);
    EXPECT_EQ(o.Setting[15], 1);
    EXPECT_EQ(o.GroupEnabled, (std::array<Int, 10>{0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));

    doc.MemImage[0x1A12] = 0x03;
    doc.MemImage[0x1A45] = 0x7F;
    ASSERT_TRUE(UnpackImage(doc, prompts));
    EXPECT_EQ(doc.WorkDoc.Options.UseMem, 1);
    EXPECT_EQ(doc.WorkDoc.Options.Setting[5], 0);
    EXPECT_EQ(doc.WorkDoc.Options.Setting[6], 0x7F);
}

// ---- DTMF codes ----

TEST(PackImage, DtmfCodesAndTheirPresenceBits) {
    DocumentState doc;
    DtmfRecord& d = doc.WorkDoc.Dtmf;
    d.Codes[0].CodeLength = 4;
    d.Codes[0].Digits.set("12#*");
    d.Codes[8].CodeLength = 3;
    d.Codes[8].Digits.set("A");  // shorter than its length: padded with "0"
    d.Codes[15].CodeLength = 16;
    d.Codes[15].Digits.set("0123456789ABCD*#");
    d.Codes[3].CodeLength = 0;  // unused: its digits are not written
    d.Codes[3].Digits.set("999");
    d.Codes[4].CodeLength = 2;
    d.Codes[4].Digits.set("1234");  // longer than its length: cut

    PackImage(doc);
    const MemoryImage& m = doc.MemImage;
    EXPECT_EQ(Slice(m, 0x1A19, 2), (Bytes{0x11, 0x81}));
    EXPECT_EQ(Slice(m, 0x1C00, 16), (Bytes{1, 2, 0x0E, 0x0F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                           0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Slice(m, 0x1C30, 16), Bytes(16, 0xFF));
    EXPECT_EQ(Slice(m, 0x1C40, 3), (Bytes{1, 2, 0xFF}));
    EXPECT_EQ(Slice(m, 0x1C80, 4), (Bytes{0x0A, 0, 0, 0xFF}));
    EXPECT_EQ(Slice(m, 0x1CF0, 16),
              (Bytes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0x0A, 0x0B, 0x0C, 0x0D, 0x0F, 0x0E}));
}

TEST(PackImage, DtmfLengthBeyondSixteenStaysInsideItsCode) {
    DocumentState doc;
    doc.WorkDoc.Dtmf.Codes[0].CodeLength = 300;
    doc.WorkDoc.Dtmf.Codes[0].Digits.set("1");
    doc.WorkDoc.Dtmf.Codes[15].CodeLength = 17;
    doc.WorkDoc.Dtmf.Codes[15].Digits.set("2");
    doc.WorkDoc.Dtmf.Codes[1].CodeLength = -4;  // not in use
    PackImage(doc);
    EXPECT_EQ(Slice(doc.MemImage, 0x1C00, 16),
              (Bytes{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Slice(doc.MemImage, 0x1C10, 16), Bytes(16, 0xFF));
    EXPECT_EQ(doc.MemImage[0x1CF0], 2);
    EXPECT_EQ(Slice(doc.MemImage, 0x1A19, 2), (Bytes{0x01, 0x80}));
}

TEST(UnpackImage, DtmfCodesEndAtTheFirstByteThatIsNotADigit) {
    DocumentState doc;
    doc.RadioCountryMode = 1;
    MemoryImage& m = doc.MemImage;
    std::fill_n(m.begin() + 0x1C00, 256, Byte{0xFF});
    const Bytes code1 = {1, 2, 0x0E, 0x0F, 0xFF};
    std::copy(code1.begin(), code1.end(), m.begin() + 0x1C00);
    const Bytes code2 = {0x0A, 0x10, 3};  // 0x10 ends the code
    std::copy(code2.begin(), code2.end(), m.begin() + 0x1C10);
    for (int j = 0; j < 16; ++j) m[0x1CF0 + static_cast<std::size_t>(j)] = static_cast<Byte>(j);
    m[0x1A19] = 0x0B;  // codes 1, 2, 4 (code 4 is all 0xFF)
    m[0x1A1A] = 0x80;  // code 16
    DtmfRecord& d = doc.WorkDoc.Dtmf;
    d.Codes[2].CodeLength = 5;
    d.Codes[2].Digits.set("55555");  // absent in the image: length 0, digits kept

    test::RecordingPrompts prompts;
    ASSERT_TRUE(UnpackImage(doc, prompts));
    EXPECT_EQ(d.Codes[0].CodeLength, 4);
    EXPECT_EQ(d.Codes[0].Digits.str(), "12#*");
    EXPECT_EQ(d.Codes[1].CodeLength, 1);
    EXPECT_EQ(d.Codes[1].Digits.str(), "A");
    EXPECT_EQ(d.Codes[2].CodeLength, 0);
    EXPECT_EQ(d.Codes[2].Digits.str(), "55555");
    EXPECT_EQ(d.Codes[3].CodeLength, 0);
    EXPECT_EQ(d.Codes[3].Digits.str(), "");
    EXPECT_EQ(d.Codes[15].CodeLength, 16);
    EXPECT_EQ(d.Codes[15].Digits.str(), "0123456789ABCD#*");
}

// ---- tone tips ----

TEST(PackImage, ToneTipsSitTwoToSixtyFourBytes) {
    DocumentState doc;
    for (int k = 0; k < 8; ++k) {
        ToneTipRecord& t = doc.WorkDoc.ToneTips[static_cast<std::size_t>(k)];
        t.RepeatCount = static_cast<Int>(k + 1);
        t.RepeatGap = static_cast<Int>(0x80 + k);
        for (int s = 0; s < 14; ++s) {
            t.Steps[static_cast<std::size_t>(s)] = {static_cast<Int>(s + 10),
                                                    static_cast<Int>(s + 100)};
        }
    }
    PackImage(doc);
    const std::size_t addresses[] = {0x1B00, 0x1B1E, 0x1B40, 0x1B5E,
                                     0x1B80, 0x1B9E, 0x1BC0, 0x1BDE};
    for (int k = 0; k < 8; ++k) {
        SCOPED_TRACE(k + 1);
        const std::size_t a = addresses[k];
        EXPECT_EQ(doc.MemImage[a], k + 1);
        EXPECT_EQ(doc.MemImage[a + 1], 0x80 + k);
        EXPECT_EQ(doc.MemImage[a + 2], 10);
        EXPECT_EQ(doc.MemImage[a + 15], 23);
        EXPECT_EQ(doc.MemImage[a + 16], 100);
        EXPECT_EQ(doc.MemImage[a + 29], 113);
    }
    for (std::size_t pair = 0; pair < 4; ++pair) {
        EXPECT_EQ(Slice(doc.MemImage, 0x1B3C + pair * 64, 4), Bytes(4, 0));
    }
}

// ---- the header and the country mode ----

TEST(UnpackImage, HeaderTakesTheRadioCountryMode) {
    DocumentState doc;
    doc.WorkDoc.Header.ModelName.set("KORVN7X");
    doc.WorkDoc.Header.CountryMode = 0;
    doc.WorkDoc.Header.FileVersion.set("V100");
    doc.WorkDoc.Options.CurrentGroup = 6;
    doc.RadioCountryMode = 2;
    test::RecordingPrompts prompts;
    ASSERT_TRUE(UnpackImage(doc, prompts));
    EXPECT_EQ(doc.WorkDoc.Header.CountryMode, 2);
    EXPECT_EQ(doc.WorkDoc.Header.ModelName.raw(), "KORVN7X");
    EXPECT_EQ(doc.WorkDoc.Header.FileVersion.raw(), "V100");
    EXPECT_EQ(doc.CurrentModel, "KORVN7X");
    EXPECT_EQ(doc.CurrentCountryMode, 2);
    EXPECT_EQ(doc.RadioInfo.InfoCountryMode, 2);
    EXPECT_EQ(doc.BandText, "28.000 - 29.700 MHz");
    EXPECT_DOUBLE_EQ(doc.FreqMin, 28.0);
    EXPECT_DOUBLE_EQ(doc.FreqMax, 29.7);
    EXPECT_EQ(doc.WorkDoc.Options.CurrentGroup, 6);
}

TEST(UnpackImage, CountryModeOutsideTheThreeChangesNothing) {
    for (int mode : {-1, 3, 15}) {
        SCOPED_TRACE(mode);
        DocumentState doc;
        doc.WorkDoc.Header.ModelName.set("KORVN7X");
        doc.WorkDoc.Header.CountryMode = 1;
        doc.WorkDoc.ChannelCount = 1;
        doc.ChannelList[0] = Channel(12, "02800500");
        doc.WorkDoc.Options.UseVfo = 4;
        doc.CurrentCountryMode = 1;
        doc.BandText = "25.615 - 30.105 MHz";
        doc.FreqMin = 25.615;
        doc.FreqMax = 30.105;
        doc.RadioInfo.InfoCountryMode = 1;
        doc.MemImage.fill(0x5A);
        doc.RadioCountryMode = static_cast<Int>(mode);
        const CodeplugDocument docBefore = doc.WorkDoc;
        const ChannelArray listBefore = doc.ChannelList;

        test::RecordingPrompts prompts;
        EXPECT_FALSE(UnpackImage(doc, prompts));
        EXPECT_EQ(prompts.texts(), std::vector<std::string>{"Country Mode Error!"});
        EXPECT_EQ(doc.WorkDoc, docBefore);
        EXPECT_EQ(doc.ChannelList, listBefore);
        EXPECT_EQ(doc.CurrentCountryMode, 1);
        EXPECT_EQ(doc.BandText, "25.615 - 30.105 MHz");
        EXPECT_DOUBLE_EQ(doc.FreqMin, 25.615);
        EXPECT_EQ(doc.RadioInfo.InfoCountryMode, 1);
    }
}

// ---- free bytes and masking ----

// The 409 channel slots: channels 1..400, the MEM channels, the VFO channel.
std::vector<std::size_t> SlotAddresses() {
    std::vector<std::size_t> out;
    for (std::size_t n = 0; n < 400; ++n) out.push_back(n * 16);
    for (std::size_t n = 0; n < 8; ++n) out.push_back(0x1980 + n * 16);
    out.push_back(0x1A00);
    return out;
}

// Every address the image gives a meaning to; everything else must stay 0.
std::vector<bool> UsedBytes() {
    std::vector<bool> used(kImageSize, false);
    auto mark = [&](std::size_t from, std::size_t to) {
        for (std::size_t a = from; a <= to; ++a) used[a] = true;
    };
    for (std::size_t a : SlotAddresses()) {
        mark(a, a + 8);
        mark(a + 10, a + 15);
    }
    mark(0x1900, 0x1931);
    mark(0x1940, 0x1971);
    mark(0x1A11, 0x1A12);
    mark(0x1A19, 0x1A29);
    mark(0x1A33, 0x1A38);  // the common channel settings: bytes 3..8 and 10..15
    mark(0x1A3A, 0x1A55);
    mark(0x1A80, 0x1A91);
    for (std::size_t a : {0x1AA0, 0x1AB0, 0x1AC0, 0x1AD0}) mark(a, a + 9);
    for (std::size_t pair = 0; pair < 4; ++pair) mark(0x1B00 + pair * 64, 0x1B3B + pair * 64);
    mark(0x1C00, 0x1CFF);
    return used;
}

// A document whose every field has all bits set, as a damaged file could hold.
void FillWithAllBits(DocumentState& doc) {
    doc.WorkDoc.ChannelCount = 409;
    for (int i = 0; i < 409; ++i) {
        ChannelRecord& c = doc.ChannelList[static_cast<std::size_t>(i)];
        const int number = i + 1;
        c.ChannelNo = static_cast<Int>(number);
        c.Frequency.set("99999999");
        c.Scan = c.OffSetFre = c.DUP = c.HI_CUT = c.BUSY = c.NB = c.Add_Sub_5K = c.AM_FM =
            c.Tx_Power = c.Public = c.RBTone = c.DTMF_BOT = c.DTMF_EOT = c.DTMF_Call = c.TSQ = -1;
        c.RDCT = 142;
        c.TDCT = 38;
    }
    ChannelRecord& p = doc.WorkDoc.PublicChannel;
    p = doc.ChannelList[0];
    OptionRecord& o = doc.WorkDoc.Options;
    o.UseMem = o.UseVfo = o.CurrentMem = -1;
    o.GroupEnabled.fill(-1);
    o.GroupCurrent.fill(-1);
    for (auto& pair : o.GroupPair) pair.fill(-1);
    o.Setting.fill(-1);
    for (auto& pair : o.GroupBytes) pair.fill(0xFF);
    doc.WorkDoc.Keys.KeyOption = -1;
    doc.WorkDoc.Keys.KeyFunction.fill(-1);
    doc.WorkDoc.Dtmf.DtmfSetting.fill(-1);
    for (DtmfCode& code : doc.WorkDoc.Dtmf.Codes) {
        code.CodeLength = 16;
        code.Digits.set("################");
    }
    for (ToneTipRecord& t : doc.WorkDoc.ToneTips) {
        t.RepeatCount = t.RepeatGap = -1;
        for (ToneStep& s : t.Steps) s.Pitch = s.Duration = -1;
    }
}

TEST(PackImage, FreeBytesStayZeroWhateverTheRecordsHold) {
    DocumentState doc;
    FillWithAllBits(doc);
    doc.MemImage.fill(0xEE);  // the image starts over from zeros
    PackImage(doc);
    const std::vector<bool> used = UsedBytes();
    for (std::size_t a = 0; a < kImageSize; ++a) {
        if (!used[a]) {
            EXPECT_EQ(doc.MemImage[a], 0) << "address 0x" << std::hex << a;
        }
    }
    // Bits that no field owns: bit 3 of each slot's byte 10, bits 2..7 of 0x1A55.
    for (std::size_t a : SlotAddresses()) {
        EXPECT_FALSE(Bit(doc.MemImage, a + 10, 3)) << "slot 0x" << std::hex << a;
    }
    EXPECT_FALSE(Bit(doc.MemImage, 0x1A3A, 3));
    EXPECT_EQ(doc.MemImage[0x1A55], 0x03);
    EXPECT_EQ(doc.MemImage[0x1A1F], 0x03);  // groups 8 and 9 only
}

// One field set to a value wider than it, and the only byte and bits allowed to change.
struct OutOfRange {
    const char* name;
    void (*apply)(DocumentState&);
    std::size_t address;
    int bits;       // mask of the bits at address that belong to the field
    int bytes = 1;  // a 16-bit field: the same mask in the byte after address too
};

const OutOfRange kOutOfRange[] = {
    {"DUP", [](DocumentState& d) { d.ChannelList[0].DUP = 0x7F; }, 0x10A, 0x03},
    {"TSQ", [](DocumentState& d) { d.ChannelList[0].TSQ = 6; }, 0x10A, 0x04},
    {"BUSY", [](DocumentState& d) { d.ChannelList[0].BUSY = 2; }, 0x10B, 0x01},
    {"Add_Sub_5K", [](DocumentState& d) { d.ChannelList[0].Add_Sub_5K = -2; }, 0x10B, 0x08},
    {"Tx_Power", [](DocumentState& d) { d.ChannelList[0].Tx_Power = 7; }, 0x10B, 0x60},
    {"Public", [](DocumentState& d) { d.ChannelList[0].Public = 0x1FE; }, 0x10B, 0x80},
    {"RBTone", [](DocumentState& d) { d.ChannelList[0].RBTone = 0x1FF; }, 0x10C, 0xFF},
    {"DTMF_Call", [](DocumentState& d) { d.ChannelList[0].DTMF_Call = 300; }, 0x10F, 0xFF},
    {"OffSetFre", [](DocumentState& d) { d.ChannelList[0].OffSetFre = -1; }, 0x103, 0xFF, 2},
    {"Scan", [](DocumentState& d) { d.ChannelList[0].Scan = 3; }, 0x1942, 0x01},
    {"UseVfo", [](DocumentState& d) { d.WorkDoc.Options.UseVfo = 0x1FF; }, 0x1A11, 0xFF},
    {"UseMem", [](DocumentState& d) { d.WorkDoc.Options.UseMem = 0x300; }, 0x1A12, 0xFF},
    {"CurrentMem", [](DocumentState& d) { d.WorkDoc.Options.CurrentMem = -2; }, 0x1A1B, 0xFF},
    {"GroupEnabled 7", [](DocumentState& d) { d.WorkDoc.Options.GroupEnabled[7] = 0x7E; }, 0x1A1E,
     0x80},
    {"GroupCurrent 9", [](DocumentState& d) { d.WorkDoc.Options.GroupCurrent[9] = 1000; }, 0x1A29,
     0xFF},
    {"AsqValue", [](DocumentState& d) { d.WorkDoc.Options.Setting[6] = 0xFF; }, 0x1A45, 0x7F},
    {"AsqFun", [](DocumentState& d) { d.WorkDoc.Options.Setting[5] = 0x102; }, 0x1A45, 0x80},
    {"Setting 8", [](DocumentState& d) { d.WorkDoc.Options.Setting[8] = 256 + 9; }, 0x1A47, 0xFF},
    {"KeyOption", [](DocumentState& d) { d.WorkDoc.Keys.KeyOption = -100; }, 0x1A48, 0xFF},
    {"Setting 14", [](DocumentState& d) { d.WorkDoc.Options.Setting[14] = 0xFE; }, 0x1A55, 0x01},
    {"Setting 15", [](DocumentState& d) { d.WorkDoc.Options.Setting[15] = -1; }, 0x1A55, 0x02},
    {"KeyFunction 17", [](DocumentState& d) { d.WorkDoc.Keys.KeyFunction[17] = 0x7FFF; }, 0x1A91,
     0xFF},
    {"GroupPair 9,1", [](DocumentState& d) { d.WorkDoc.Options.GroupPair[9][1] = 0x1234; }, 0x1AB9,
     0xFF},
    {"Tone tip 2 gap", [](DocumentState& d) { d.WorkDoc.ToneTips[1].RepeatGap = 0x2FF; }, 0x1B1F,
     0xFF},
    {"Tone tip 8 last duration",
     [](DocumentState& d) { d.WorkDoc.ToneTips[7].Steps[13].Duration = -3; }, 0x1BFB, 0xFF},
};

TEST(PackImage, OutOfRangeValuesNeverReachANeighbouringField) {
    test::ImageDocGenerator gen(20240611);
    for (const OutOfRange& c : kOutOfRange) {
        SCOPED_TRACE(c.name);
        DocumentState doc;
        gen.fill(doc, 1);
        // Channel 17 first in the list, so the channel cases know its slot (0x100).
        ChannelRecord* c17 = std::find_if(doc.ChannelList.begin(), doc.ChannelList.end(),
                                          [](const ChannelRecord& r) { return r.ChannelNo == 17; });
        std::swap(doc.ChannelList[0], *c17);
        doc.ChannelList[0].Scan = 0;
        PackImage(doc);
        const MemoryImage before = doc.MemImage;
        c.apply(doc);
        PackImage(doc);
        for (std::size_t a = 0; a < kImageSize; ++a) {
            const int changed = before[a] ^ doc.MemImage[a];
            const bool inField =
                a >= c.address && a < c.address + static_cast<std::size_t>(c.bytes);
            const int allowed = inField ? c.bits : 0;
            EXPECT_EQ(changed & ~allowed, 0) << "address 0x" << std::hex << a;
        }
    }
}

TEST(PackImage, TonesOutsideTheTablesPackAsNoTone) {
    DocumentState doc;
    ChannelRecord c = Channel(1, "02800500");
    c.TDCT = 5;
    c.DUP = 3;
    c.RDCT = 1000;  // far beyond the DCS table
    ChannelRecord d = Channel(2, "02800500");
    d.RDCT = -4;
    d.TDCT = 143;
    SetChannels(doc, {c, d});
    PackImage(doc);
    EXPECT_EQ(Slice(doc.MemImage, 5, 6), (Bytes{0, 0, 4, 0, 0, 0x43}));
    EXPECT_EQ(Slice(doc.MemImage, 0x15, 6), (Bytes{0, 0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace k7x

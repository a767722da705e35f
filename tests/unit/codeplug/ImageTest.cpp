// Byte-level behaviour of the memory image for channels: where each channel field lands and
// how slots and bitmaps read back.
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

using test::Bit;
using test::Bytes;
using test::Channel;
using test::SetChannels;
using test::Slice;

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

// A read image becomes the untitled working document; an image of an unknown country mode
// leaves the document and its name as they were.
TEST(TakeImageAsUntitledDocument, NamesTheDocumentNewOnlyWhenTheImageUnpacks) {
    for (const int mode : {2, 3}) {
        SCOPED_TRACE(mode);
        DocumentState doc;
        doc.CurrentFilePath = "/home/op/shack.dat";
        doc.IsUntitled = false;
        doc.RadioCountryMode = mode;
        doc.MemImage[0x1900] = 0x01;  // channel 1
        test::RecordingPrompts prompts;
        const bool taken = TakeImageAsUntitledDocument(doc, prompts);
        EXPECT_EQ(taken, mode == 2);
        EXPECT_EQ(doc.CurrentFilePath, taken ? kUntitledName : "/home/op/shack.dat");
        EXPECT_EQ(doc.IsUntitled, taken);
        EXPECT_EQ(doc.WorkDoc.ChannelCount > 0, taken);
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

}  // namespace
}  // namespace k7x

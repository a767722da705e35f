// Byte-level behaviour of the memory image outside the channels: the settings area, DTMF
// codes, tone tips and the header.
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

}  // namespace
}  // namespace k7x

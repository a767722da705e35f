#include <gtest/gtest.h>

#include <set>
#include <string>

#include "codeplug/Conversions.h"

namespace k7x {
namespace {

TEST(ToneList, TextsAtTheEdgesOfEachTable) {
    EXPECT_EQ(ToneText(0), "Off");
    EXPECT_EQ(ToneText(0, "Aus"), "Aus");
    EXPECT_EQ(ToneText(1), "C_001(67.0Hz)");
    EXPECT_EQ(ToneText(12), "C_012(100.0Hz)");
    EXPECT_EQ(ToneText(38), "C_038(250.3Hz)");
    EXPECT_EQ(ToneText(39), "D_001(023N)");
    EXPECT_EQ(ToneText(90), "D_052(306N)");
    EXPECT_EQ(ToneText(142), "D_104(754N)");
    EXPECT_EQ(ToneText(-1), "");
    EXPECT_EQ(ToneText(143), "");
}

TEST(ToneList, TablesAreOrderedAndWellFormed) {
    // A mistyped or swapped entry breaks the ascending order or the octal digits.
    for (int n = 2; n <= kCtcssCount; ++n) EXPECT_GT(CtcssFrequency(n), CtcssFrequency(n - 1)) << n;
    EXPECT_DOUBLE_EQ(CtcssFrequency(20), 131.8);
    for (int n = 1; n <= kDcsCount; ++n) {
        if (n > 1) {
            EXPECT_GT(DcsCode(n), DcsCode(n - 1)) << n;
        }
        for (char c : std::to_string(DcsCode(n))) EXPECT_LE(c, '7') << n;
    }
    EXPECT_EQ(DcsCode(80), 503);
    EXPECT_EQ(CtcssFrequency(0), 0.0);
    EXPECT_EQ(DcsCode(105), 0);

    std::set<std::string> texts;
    for (int v = 0; v < kToneValueCount; ++v) texts.insert(ToneText(v));
    EXPECT_EQ(texts.size(), 143u);
}

TEST(ToneImage, EveryValueSurvivesTheImageForm) {
    for (int v = 0; v < kToneValueCount; ++v) {
        ImageTone t = ToneToImage(v);
        EXPECT_EQ(ImageToTone(t.type, t.ctcssIndex, t.dcsIndex), v) << v;
    }
    EXPECT_EQ(ToneToImage(0), (ImageTone{0, 0, 0}));
    EXPECT_EQ(ToneToImage(1), (ImageTone{1, 0, 0}));
    EXPECT_EQ(ToneToImage(38), (ImageTone{1, 37, 0}));
    EXPECT_EQ(ToneToImage(39), (ImageTone{2, 0, 0}));
    EXPECT_EQ(ToneToImage(142), (ImageTone{2, 0, 103}));
}

TEST(ToneImage, ValuesOutsideTheTablesMeanNoTone) {
    EXPECT_EQ(ToneToImage(143), (ImageTone{0, 0, 0}));
    EXPECT_EQ(ToneToImage(-5), (ImageTone{0, 0, 0}));
    EXPECT_EQ(ImageToTone(3, 4, 4), 0);  // type 3 is not a tone type
    EXPECT_EQ(ImageToTone(0, 4, 4), 0);
    // A CTCSS index past the table must not turn into a DCS code.
    EXPECT_EQ(ImageToTone(1, 38, 0), 0);
    EXPECT_EQ(ImageToTone(1, 255, 0), 0);
    EXPECT_EQ(ImageToTone(2, 0, 104), 0);
    EXPECT_EQ(ImageToTone(2, 0, 255), 0);
}

TEST(DtmfDigits, StarAndHashMapToTheTopHexDigits) {
    EXPECT_EQ(DtmfToImageText("12#*"), "12EF");
    EXPECT_EQ(DtmfToImageText("0123456789ABCD"), "0123456789ABCD");
    EXPECT_EQ(DtmfToImageText("ab"), "AB");
    EXPECT_EQ(ImageTextToDtmf("12EF"), "12#*");
    EXPECT_EQ(ImageTextToDtmf("0a9ef"), "0A9#*");
    const std::string all = "0123456789ABCD*#";
    EXPECT_EQ(ImageTextToDtmf(DtmfToImageText(all)), all);
    EXPECT_EQ(DtmfToImageText(""), "");
}

}  // namespace
}  // namespace k7x

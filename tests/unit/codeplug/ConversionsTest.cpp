#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "RecordingPrompts.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/Conversions.h"

namespace k7x {
namespace {

using test::RecordingPrompts;

// A document in the CB band (26.965 - 27.405 MHz).
DocumentState CbDocument() {
    DocumentState doc;
    doc.WorkDoc.Header.ModelName.set("KORVN7X");
    doc.WorkDoc.Header.CountryMode = 0;
    EXPECT_TRUE(ApplyHeader(doc));
    return doc;
}

void AddListed(DocumentState& doc, int channelNo, const char* digits) {
    ChannelRecord& ch = doc.ChannelList[static_cast<std::size_t>(doc.WorkDoc.ChannelCount)];
    ch = ChannelRecord{};
    ch.ChannelNo = static_cast<Int>(channelNo);
    ch.Frequency.set(digits);
    ++doc.WorkDoc.ChannelCount;
}

TEST(NumericText, AcceptsWhatAUserTypesAsANumber) {
    for (const char* t :
         {"12", " 12 ", "\t28.005 ", "-3.5", "+7", ".5", "5.", "1e3", "2.5E-2", "0"})
        EXPECT_TRUE(IsNumeric(t)) << t;
    EXPECT_DOUBLE_EQ(*ParseNumber(" -3.5 "), -3.5);
    EXPECT_DOUBLE_EQ(*ParseNumber("+2.5E-2"), 0.025);
}

TEST(NumericText, RejectsEverythingElse) {
    for (const char* t : {"", "   ", "1.2.3", "abc", "&H1F", "0x1F", "12a", "1e", "-", ".", "1,5",
                          "1 2", "nan", "inf", "1e999", "--1", "e5"})
        EXPECT_FALSE(IsNumeric(t)) << t;
}

TEST(NumericText, NumberOrDefaultTakesTheIntegerPart) {
    EXPECT_EQ(NumberOrDefault(" 42 ", 7), 42);
    EXPECT_EQ(NumberOrDefault("", 7), 7);
    EXPECT_EQ(NumberOrDefault("x", 7), 7);
    EXPECT_EQ(NumberOrDefault("12.9", 0), 12);
    EXPECT_EQ(NumberOrDefault("-12.9", 0), -12);
    EXPECT_EQ(NumberOrDefault("1e30", 0), INT_MAX);  // saturates instead of overflowing
    EXPECT_EQ(NumberOrDefault("-1e30", 0), INT_MIN);
}

TEST(NumericText, ClampToStepLimitsAndRoundsDown) {
    EXPECT_EQ(ClampToStep("1003", 5, 1000, 5, 5), 1000);
    EXPECT_EQ(ClampToStep("7", 5, 1000, 5, 5), 5);
    EXPECT_EQ(ClampToStep("12", 5, 1000, 5, 5), 10);
    EXPECT_EQ(ClampToStep("-40", 5, 1000, 5, 5), 5);
    EXPECT_EQ(ClampToStep("abc", 5, 1000, 5, 5), 5);
    EXPECT_EQ(ClampToStep("", 0, 8, 1, 3), 3);
    EXPECT_EQ(ClampToStep("7", 0, 8, 1, 0), 7);  // step 1: no rounding
    EXPECT_EQ(ClampToStep("99", 0, 8, 1, 0), 8);
    EXPECT_EQ(ClampToStep("1e30", 0, 16, 1, 0), 16);
}

TEST(TextHelpers, PathsAndHexadecimal) {
    EXPECT_EQ(FileNameOfPath("/home/u/codeplugs/club.dat"), "club.dat");
    EXPECT_EQ(FileNameOfPath("club.dat"), "club.dat");
    EXPECT_EQ(FileNameOfPath("/home/u/"), "");

    EXPECT_EQ(ByteToHex2(0x05), "05");
    EXPECT_EQ(ByteToHex2(0xAB), "AB");
    EXPECT_EQ(ByteToHex2(0x123), "12");  // longer than the width: cut
    EXPECT_EQ(ByteToHex2(0, 4), "0000");

    EXPECT_EQ(HexTextToByte("&h1F"), Byte{0x1F});
    EXPECT_EQ(HexTextToByte("&HA"), Byte{0x0A});
    EXPECT_EQ(HexTextToByte("&hff"), Byte{0xFF});
    for (const char* bad : {"1F", "&h", "&h123", "&hZZ", "&h-1", ""})
        EXPECT_FALSE(HexTextToByte(bad).has_value()) << bad;
}

TEST(FrequencyFormat, FiveDecimalsRoundingHalfAwayFromZero) {
    EXPECT_EQ(FormatFrequency(28.005), "28.00500");
    EXPECT_EQ(FormatFrequency(27.0), "27.00000");
    EXPECT_EQ(FormatFrequency(0.0), "0.00000");
    EXPECT_EQ(FormatFrequency(0.5), "0.50000");
    // Decimal ties round up even where the binary value lies just below the tie.
    EXPECT_EQ(FormatFrequency(27.123455), "27.12346");
    EXPECT_EQ(FormatFrequency(0.000005), "0.00001");
    EXPECT_EQ(FormatFrequency(-1.000005), "-1.00001");
    EXPECT_EQ(FormatFrequency(27.1234549), "27.12345");
    EXPECT_EQ(FormatFrequency(9.999995), "10.00000");
    EXPECT_EQ(FormatFrequency(123456.7), "123456.70000");
    EXPECT_EQ(FormatFrequency(1e-7), "0.00000");
    EXPECT_EQ(FormatFrequency(-0.000001), "0.00000");
    EXPECT_EQ(FormatFrequency(std::numeric_limits<double>::quiet_NaN()), "0.00000");
}

TEST(FrequencyForms, StoredToDisplay) {
    RecordingPrompts prompts;
    EXPECT_EQ(StoredToDisplay("02800500"), "28.00500");
    EXPECT_EQ(StoredToDisplay("02760100"), "27.60100");
    EXPECT_EQ(StoredToDisplay("FFFFFFFF"), "");
    EXPECT_EQ(StoredToDisplay("        "), "");
    EXPECT_EQ(StoredToDisplay(FixedText<8>{}.raw()), "");  // all NUL
    EXPECT_TRUE(prompts.shown.empty());

    // A stored text that is no number is reported as no frequency, not made into one; the
    // conversion has no way to show a message.
    for (const char* damaged : {"02A00500", "028.5000", "-2850000", "2.85e+03"}) {
        EXPECT_EQ(StoredToDisplay(damaged), std::nullopt) << damaged;
        EXPECT_EQ(DisplayForGroup(damaged, 3, 0), std::nullopt) << damaged;
    }
}

TEST(FrequencyForms, UkAndHighMemChannelsShowTheTwelvePointFiveKilohertzRaster) {
    RecordingPrompts prompts;
    EXPECT_EQ(DisplayForGroup("02760100", 3, 0), "27.60125");
    EXPECT_EQ(DisplayForGroup("02760100", 8, 0), "27.60125");
    EXPECT_EQ(DisplayForGroup("02740500", 8, 0), "27.40500");  // top of band: no
    EXPECT_EQ(DisplayForGroup("02700500", 8, 0), "27.00500");
    EXPECT_EQ(DisplayForGroup("02700500", 0, 0), "27.00500");
    EXPECT_EQ(DisplayForGroup("02760100", 3, 1), "27.60100");  // letter group "D"
    EXPECT_EQ(DisplayForGroup("FFFFFFFF", 3, 0), "");          // empty stays empty
    EXPECT_TRUE(prompts.shown.empty());
}

TEST(FrequencyForms, DisplayToStored) {
    DocumentState doc = CbDocument();
    EXPECT_EQ(DisplayToStored("28.005", doc), "02800500");
    EXPECT_EQ(DisplayToStored("7.5", doc), "00750000");
    EXPECT_EQ(DisplayToStored("28.1234567", doc), "02812345");  // cut, not rounded
    EXPECT_EQ(DisplayToStored("27.4", doc), "02740000");
    EXPECT_EQ(DisplayToStored("28", doc), "02800000");
    EXPECT_EQ(DisplayToStored(".5", doc), "00050000");
    EXPECT_EQ(DisplayToStored(" 28.005 ", doc), "02800500");
    EXPECT_EQ(DisplayToStored("", doc), "");
    EXPECT_EQ(DisplayToStored("   ", doc), "");
    // Non-numeric text stands for the lower band limit.
    EXPECT_EQ(DisplayToStored("abc", doc), "02696500");
    // A sign or an exponent never ends up among the stored digits.
    EXPECT_EQ(DisplayToStored("2.8005e1", doc), "02800500");
    EXPECT_EQ(DisplayToStored("+28.005", doc), "02800500");
    EXPECT_EQ(DisplayToStored("-5", doc), "02696500");
}

TEST(FrequencyForms, StoredAndDisplayRoundTripOverTheBands) {
    DocumentState doc = CbDocument();
    RecordingPrompts prompts;
    for (int units = 2561500; units <= 3010500; units += 500) {  // 5 kHz steps, 10 Hz units
        std::string shown = FormatFrequency(units / 100000.0);
        std::string stored = DisplayToStored(shown, doc);
        ASSERT_EQ(std::stoi(stored), units) << shown;
        ASSERT_EQ(StoredToDisplay(stored), shown);
    }
    EXPECT_TRUE(prompts.shown.empty());
}

TEST(BandLimits, ParsedFromTheBandText) {
    DocumentState doc;
    ParseBandText(doc, "26.965 - 27.405 MHz");
    EXPECT_DOUBLE_EQ(doc.FreqMin, 26.965);
    EXPECT_DOUBLE_EQ(doc.FreqMax, 27.405);
    ParseBandText(doc, "garbage");
    EXPECT_DOUBLE_EQ(doc.FreqMin, 100.0);
    EXPECT_DOUBLE_EQ(doc.FreqMax, 500.0);
    ParseBandText(doc, "x - 27.405 MHz");
    EXPECT_DOUBLE_EQ(doc.FreqMin, 100.0);
    EXPECT_DOUBLE_EQ(doc.FreqMax, 27.405);
    ParseBandText(doc, "26.965 - y MHz");
    EXPECT_DOUBLE_EQ(doc.FreqMin, 26.965);
    EXPECT_DOUBLE_EQ(doc.FreqMax, 500.0);
}

TEST(BandLimits, ApplyHeaderTakesOverTheDocumentsMode) {
    DocumentState doc;
    doc.WorkDoc.Header.ModelName.set("KORVN7X");
    doc.WorkDoc.Header.CountryMode = 1;
    doc.CurrentModel = "other";
    ASSERT_TRUE(ApplyHeader(doc));
    EXPECT_EQ(doc.CurrentModel, "KORVN7X");
    EXPECT_EQ(doc.CurrentCountryMode, 1);
    EXPECT_EQ(doc.RadioInfo.InfoCountryMode, 1);
    EXPECT_EQ(doc.BandText, "25.615 - 30.105 MHz");
    EXPECT_DOUBLE_EQ(doc.FreqMin, 25.615);
    EXPECT_DOUBLE_EQ(doc.FreqMax, 30.105);

    doc.WorkDoc.Header.CountryMode = 2;
    ASSERT_TRUE(ApplyHeader(doc));
    EXPECT_DOUBLE_EQ(doc.FreqMin, 28.0);
    EXPECT_DOUBLE_EQ(doc.FreqMax, 29.7);
}

TEST(BandLimits, UnknownCountryModeChangesNothing) {
    EXPECT_EQ(BandTextOfMode(0), "26.965 - 27.405 MHz");
    EXPECT_FALSE(BandTextOfMode(3).has_value());
    EXPECT_FALSE(BandTextOfMode(-1).has_value());

    DocumentState doc = CbDocument();
    doc.WorkDoc.Header.CountryMode = 3;
    doc.WorkDoc.Header.ModelName.set("XXXXXXX");
    EXPECT_FALSE(ApplyHeader(doc));
    EXPECT_EQ(doc.CurrentModel, "KORVN7X");
    EXPECT_EQ(doc.CurrentCountryMode, 0);
    EXPECT_EQ(doc.RadioInfo.InfoCountryMode, 0);
    EXPECT_EQ(doc.BandText, "26.965 - 27.405 MHz");
    EXPECT_DOUBLE_EQ(doc.FreqMin, 26.965);
}

TEST(FrequencyCheck, SnapsDownOntoTheRasterFromTheLowerLimit) {
    DocumentState doc = CbDocument();
    EXPECT_DOUBLE_EQ(SnapToRaster(27.0071, doc), 27.005);
    EXPECT_DOUBLE_EQ(SnapToRaster(27.00999, doc), 27.005);
    EXPECT_DOUBLE_EQ(SnapToRaster(26.965, doc), 26.965);
    EXPECT_DOUBLE_EQ(SnapToRaster(27.405, doc), 27.405);
    ParseBandText(doc, "25.615 - 30.105 MHz");  // raster starts at 25.615
    EXPECT_DOUBLE_EQ(SnapToRaster(28.0071, doc), 28.005);
    EXPECT_DOUBLE_EQ(SnapToRaster(25.6199, doc), 25.615);
    EXPECT_DOUBLE_EQ(SnapToRaster(30.105, doc), 30.105);
}

TEST(FrequencyCheck, OutOfBandIsReplacedByTheLimitWithAWarning) {
    DocumentState doc = CbDocument();
    RecordingPrompts prompts;
    EXPECT_DOUBLE_EQ(CheckFrequency(27.0071, doc, prompts), 27.005);
    EXPECT_DOUBLE_EQ(CheckFrequency(26.965, doc, prompts), 26.965);
    EXPECT_DOUBLE_EQ(CheckFrequency(27.405, doc, prompts), 27.405);
    EXPECT_TRUE(prompts.shown.empty());

    EXPECT_DOUBLE_EQ(CheckFrequency(27.5, doc, prompts), 27.405);
    EXPECT_DOUBLE_EQ(CheckFrequency(26.9, doc, prompts), 26.965);
    ASSERT_EQ(prompts.shown.size(), 2u);
    for (const auto& s : prompts.shown) {
        EXPECT_EQ(s.text, "<9021>");
        EXPECT_EQ(s.buttons, Buttons::Ok);
        EXPECT_EQ(s.icon, Icon::Warning);
    }
}

TEST(FrequencyCheck, ValidateFrequencyInput) {
    DocumentState doc = CbDocument();
    RecordingPrompts prompts;
    EXPECT_EQ(ValidateFrequencyInput("27.0071", 0, doc, prompts), "27.00500");
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(ValidateFrequencyInput("abc", 0, doc, prompts), "26.96500");
    EXPECT_EQ(ValidateFrequencyInput("30", 0, doc, prompts), "27.40500");
    EXPECT_EQ(prompts.texts(), (std::vector<std::string>{"<9021>", "<9021>"}));
}

TEST(FrequencyCheck, MemChannelsOfTheCbBandTakeTheNearestCountryChannel) {
    DocumentState doc = CbDocument();
    RecordingPrompts prompts;
    AddListed(doc, 402, "02701300");  // a MEM channel is no candidate
    AddListed(doc, 1, "02700500");
    AddListed(doc, 2, "02701500");
    AddListed(doc, 41, "02701000");
    AddListed(doc, 42, "02702000");
    AddListed(doc, 121, "02760100");  // "UK": shown as 27.60125

    EXPECT_EQ(ValidateFrequencyInput("27.013", 8, doc, prompts), "27.01500");
    EXPECT_EQ(ValidateFrequencyInput("27.0111", 8, doc, prompts), "27.01000");
    // Measured against the shown 27.60125, the result is the stored 27.60100.
    EXPECT_DOUBLE_EQ(NearestChannelFrequency(27.60124, doc, prompts), 27.601);
    // No band check for MEM channels: the nearest channel is taken as it is.
    EXPECT_EQ(ValidateFrequencyInput("40", 8, doc, prompts), "27.60100");
    EXPECT_TRUE(prompts.shown.empty());
}

TEST(FrequencyCheck, NearestChannelTieKeepsTheFirstListed) {
    DocumentState doc = CbDocument();
    RecordingPrompts prompts;
    AddListed(doc, 3, "02800000");
    AddListed(doc, 1, "02700000");
    EXPECT_DOUBLE_EQ(NearestChannelFrequency(27.5, doc, prompts), 28.0);
}

TEST(FrequencyCheck, NearestChannelWithoutChannelsKeepsTheValueInBand) {
    DocumentState doc = CbDocument();
    RecordingPrompts prompts;
    // Leftovers past the end of the list are not channels.
    doc.ChannelList[0].ChannelNo = 5;
    doc.ChannelList[0].Frequency.set("02900000");
    EXPECT_DOUBLE_EQ(NearestChannelFrequency(27.0071, doc, prompts), 27.005);
    EXPECT_TRUE(prompts.shown.empty());
}

}  // namespace
}  // namespace k7x

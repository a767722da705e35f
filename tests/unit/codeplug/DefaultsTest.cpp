#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "FileTestSupport.h"
#include "RecordingPrompts.h"
#include "codeplug/ChannelList.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/Defaults.h"

namespace k7x {
namespace {

using test::FileDocGenerator;
using test::PutInt;
using test::TempFolder;
using test::WriteAll;

std::string FrequencyOf(const DocumentState& doc, int channelNo) {
    const int i = FindChannel(doc, channelNo);
    return i < 0 ? "(missing)" : doc.ChannelList[i].Frequency.str();
}

DocumentState NewDocument(int mode, const std::string& programFolder = "/nonexistent-k7x",
                          bool initialise = false) {
    DocumentState doc;
    doc.CurrentCountryMode = static_cast<Int>(mode);
    InitNewDocument(doc, programFolder, initialise, "2024-07-15");
    return doc;
}

TEST(BuiltInDefaults, ModeTwoHasTenChannelsInTheirOrder) {
    const DocumentState doc = NewDocument(2);
    ASSERT_EQ(doc.WorkDoc.ChannelCount, 10);
    const std::vector<std::pair<int, std::string>> expected{
        {1, "02885000"},   {401, "02885000"}, {402, "02801500"}, {403, "02814500"},
        {404, "02811500"}, {405, "02808500"}, {406, "02805500"}, {407, "02802500"},
        {408, "02807500"}, {409, "02800500"}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ChannelRecord& c = doc.ChannelList[i];
        EXPECT_EQ(c.ChannelNo, expected[i].first) << i;
        EXPECT_EQ(c.Frequency.str(), expected[i].second) << i;
        // The defaults of a newly added channel.
        EXPECT_EQ(c.Scan, 1);
        EXPECT_EQ(c.OffSetFre, 100);
        EXPECT_EQ(c.NB, 1);
        EXPECT_EQ(c.Public, 1);
        EXPECT_EQ(c.IsEmpty, 0);
    }
}

// The middle of the band must not pick up a binary rounding error (27.86 is not exact).
TEST(BuiltInDefaults, FirstChannelsSitInTheMiddleOfEachBand) {
    EXPECT_EQ(FrequencyOf(NewDocument(0), 1), "02718500");
    EXPECT_EQ(FrequencyOf(NewDocument(1), 1), "02786000");
    EXPECT_EQ(FrequencyOf(NewDocument(1), 401), "02786000");
    EXPECT_EQ(FrequencyOf(NewDocument(2), 401), "02885000");
}

TEST(BuiltInDefaults, SettingsKeysDtmfAndCommonChannel) {
    const DocumentState doc = NewDocument(1);
    const CodeplugDocument& w = doc.WorkDoc;
    EXPECT_EQ(w.Header.ModelName.raw(), "KORVN7X");
    EXPECT_EQ(w.Header.CountryMode, 1);
    EXPECT_EQ(w.Header.FileVersion.raw(), "V100");

    EXPECT_EQ(w.Keys.KeyOption, 3);
    for (int i = 0; i < 18; ++i) EXPECT_EQ(w.Keys.KeyFunction[i], i + 1);

    const OptionRecord& o = w.Options;
    EXPECT_EQ(o.CurrentGroup, 0);
    EXPECT_EQ(o.UseMem, 0);
    EXPECT_EQ(o.UseVfo, 0);
    EXPECT_EQ(o.CurrentMem, 1);
    EXPECT_EQ(o.GroupEnabled, (std::array<Int, 10>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(o.GroupCurrent, (std::array<Int, 10>{}));
    EXPECT_EQ(o.Setting,
              (std::array<Int, 17>{0, 4, 1, 1, 3, 0, 3, 0, 0, 0, 1, 1, 1, 0, 0, 1, 160}));

    ChannelRecord common;
    common.OffSetFre = 5;
    EXPECT_TRUE(w.PublicChannel == common);

    EXPECT_EQ(w.Dtmf.DtmfSetting, (std::array<Int, 6>{10, 0, 2, 0, 0, 1}));
    for (const DtmfCode& code : w.Dtmf.Codes) {
        EXPECT_EQ(code.CodeLength, 0);
        EXPECT_EQ(code.Digits.raw(), std::string(16, ' '));
    }
}

TEST(BuiltInDefaults, ToneTips) {
    const DocumentState doc = NewDocument(0);
    const auto& tips = doc.WorkDoc.ToneTips;
    auto steps = [](const ToneTipRecord& t) {
        std::vector<std::pair<int, int>> s;
        for (const ToneStep& x : t.Steps) s.push_back({x.Pitch, x.Duration});
        while (!s.empty() && s.back() == std::pair<int, int>{0, 0}) s.pop_back();
        return s;
    };
    using S = std::vector<std::pair<int, int>>;
    EXPECT_EQ(steps(tips[0]),
              (S{{210, 10}, {0, 10}, {210, 10}, {0, 10}, {210, 10}, {0, 10}, {210, 10}}));
    S ticks;
    for (int i = 1; i <= 14; ++i) ticks.push_back({i % 2 == 1 ? 80 : 0, 4});
    EXPECT_EQ(steps(tips[1]), ticks);
    EXPECT_EQ(steps(tips[2]),
              (S{{170, 3}, {90, 3}, {170, 3}, {90, 3}, {170, 3}, {90, 3}, {170, 3}}));
    EXPECT_EQ(steps(tips[3]), (S{{64, 6}, {94, 6}, {134, 6}, {163, 6}, {192, 6}}));
    EXPECT_EQ(steps(tips[4]), (S{{150, 20}, {70, 20}, {150, 20}, {70, 20}, {150, 20}, {70, 20}}));
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(tips[k].RepeatCount, 1) << k;
        EXPECT_EQ(tips[k].RepeatGap, 0) << k;
    }
    for (int k = 5; k < 8; ++k) EXPECT_TRUE(tips[k] == ToneTipRecord{}) << k;
}

TEST(BuiltInDefaults, RadioInformationRecord) {
    const DocumentState doc = NewDocument(2);
    const RadioInfoRecord& info = doc.RadioInfo;
    EXPECT_EQ(info.InfoCountryMode, 2);
    EXPECT_EQ(info.InfoModel, "KORVN7X");
    EXPECT_EQ(info.InfoVersion, "V1.00");
    EXPECT_EQ(info.SalesAreaCode, "");
    EXPECT_EQ(info.BatchNumber.str(), "07-1-E-1");
    EXPECT_EQ(info.CustomerCode.str(), "001A");
    for (const FixedText<16>* date :
         {&info.FactoryDate, &info.RepairDate, &info.StockInTime, &info.SaleTime})
        EXPECT_EQ(date->str(), "2024-07-15");
    for (const FixedText<16>* empty : {&info.SerialNumber, &info.DealerCode, &info.HandledBy})
        EXPECT_EQ(empty->str(), "");
    EXPECT_EQ(info.RepairReason.str(), "");
}

TEST(BuiltInDefaults, NewDocumentIsUntitledAndUnchanged) {
    const DocumentState doc = NewDocument(2);
    EXPECT_TRUE(doc.IsUntitled);
    EXPECT_EQ(doc.CurrentFilePath, "new.dat");
    EXPECT_TRUE(doc.SavedDoc == doc.WorkDoc);
    EXPECT_FALSE(IsDocumentChanged(doc));
    EXPECT_EQ(doc.BandText, "28.000 - 29.700 MHz");
}

TEST(BuiltInDefaults, TodayDefaultsToTheLocalDate) {
    DocumentState doc;
    InitNewDocument(doc, "/nonexistent-k7x", false);
    EXPECT_TRUE(
        std::regex_match(doc.RadioInfo.FactoryDate.str(), std::regex(R"(\d{4}-\d{2}-\d{2})")))
        << doc.RadioInfo.FactoryDate.str();
}

// A new document replaces everything of the one before, even unused channel entries that a
// save would write out.
TEST(BuiltInDefaults, NothingCarriesOverFromThePreviousDocument) {
    TempFolder folder;
    FileDocGenerator gen(5);
    DocumentState doc = gen.state();
    doc.WorkDoc.ChannelCount = 300;
    for (ToneTipRecord& t : doc.WorkDoc.ToneTips) t.RepeatCount = 3;
    doc.CurrentFilePath = "old.dat";
    doc.IsUntitled = false;
    doc.CurrentCountryMode = 2;

    InitNewDocument(doc, folder.file("none"), false, "2024-07-15");
    const DocumentState fresh = NewDocument(2);
    test::ExpectSameState(doc, fresh);
    for (int k = 5; k < 8; ++k) EXPECT_TRUE(doc.WorkDoc.ToneTips[k] == ToneTipRecord{}) << k;
}

TEST(BuiltInDefaults, UnknownCountryModeStartsAModeZeroDocument) {
    const DocumentState doc = NewDocument(7);
    EXPECT_EQ(doc.CurrentCountryMode, 0);
    EXPECT_EQ(doc.WorkDoc.Header.CountryMode, 0);
    EXPECT_EQ(FrequencyOf(doc, 1), "02718500");
}

// ---- templates of the Init folder ----

class Templates : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directory(folder.path() / "Init"); }

    // A template file: a sound random document of a mode with some channels.
    std::vector<Byte> writeTemplate(const std::string& name, int mode, int count,
                                    unsigned seed = 1) {
        FileDocGenerator gen(seed);
        const std::vector<Byte> bytes = EncodeFile(gen.document(mode, count), gen.channels(count));
        WriteAll((folder.path() / "Init" / name).string(), bytes);
        return bytes;
    }
    void writeRaw(const std::string& name, const std::vector<Byte>& bytes) {
        WriteAll((folder.path() / "Init" / name).string(), bytes);
    }
    DocumentState newDocument(int mode, bool initialise = false) {
        return NewDocument(mode, folder.path().string(), initialise);
    }

    TempFolder folder;
};

TEST_F(Templates, NewTemplateOfTheModeGivesTheWholeDocument) {
    const std::vector<Byte> bytes = writeTemplate("KORVN7X_2_NEW.dat", 2, 25);
    const DocumentState doc = newDocument(2);
    EXPECT_TRUE(doc.WorkDoc == DecodeDocumentBlock(bytes));
    const ChannelArray channels = DecodeChannelBlocks(bytes);
    for (int i = 0; i < 25; ++i) EXPECT_TRUE(doc.ChannelList[i] == channels[i]) << i;
    EXPECT_TRUE(doc.IsUntitled);
    EXPECT_EQ(doc.CurrentFilePath, "new.dat");
    EXPECT_FALSE(IsDocumentChanged(doc));
}

TEST_F(Templates, TemplateHeaderSetsTheCountryMode) {
    writeTemplate("KORVN7X_2_NEW.dat", 1, 4);
    const DocumentState doc = newDocument(2);
    EXPECT_EQ(doc.CurrentCountryMode, 1);
    EXPECT_EQ(doc.BandText, "25.615 - 30.105 MHz");
}

TEST_F(Templates, InitialiseRequestReadsTheModeFileCompletely) {
    const std::vector<Byte> bytes = writeTemplate("KORVN7X_0.dat", 0, 12);
    const DocumentState doc = newDocument(0, true);
    EXPECT_TRUE(doc.WorkDoc == DecodeDocumentBlock(bytes));
    EXPECT_EQ(doc.WorkDoc.ChannelCount, 12);
}

TEST_F(Templates, OtherModesTakeOnlyTheSettingsOfModeZero) {
    const std::vector<Byte> bytes = writeTemplate("KORVN7X_0.dat", 0, 12);
    const DocumentState doc = newDocument(1);
    CodeplugDocument expected = DecodeDocumentBlock(bytes);
    expected.ChannelCount = 0;
    expected.Header.CountryMode = 1;
    EXPECT_TRUE(doc.WorkDoc == expected);
    EXPECT_EQ(doc.WorkDoc.ChannelCount, 0);
    EXPECT_EQ(doc.CurrentCountryMode, 1);
    EXPECT_FALSE(IsDocumentChanged(doc));
}

TEST_F(Templates, ModeZeroWithoutItsNewTemplateAlsoTakesOnlyTheSettings) {
    writeTemplate("KORVN7X_0.dat", 0, 12);
    EXPECT_EQ(newDocument(0).WorkDoc.ChannelCount, 0);
}

TEST_F(Templates, AnotherModelDoesNotUseTheSettingsTemplate) {
    writeTemplate("KORVN7X_0.dat", 0, 12);
    DocumentState doc;
    doc.CurrentModel = "OTHER";
    InitNewDocument(doc, folder.path().string(), false, "2024-07-15");
    EXPECT_EQ(doc.WorkDoc.ChannelCount, 10);
    EXPECT_EQ(doc.WorkDoc.Keys.KeyOption, 3);
}

// Damaged templates are passed over silently: the built-in defaults stay.
TEST_F(Templates, DamagedWholeTemplatesLeaveTheBuiltInDefaults) {
    const DocumentState builtIn = NewDocument(2);
    std::vector<Byte> bytes = writeTemplate("KORVN7X_2_NEW.dat", 2, 5);

    const std::vector<std::pair<std::string, std::function<void(std::vector<Byte>&)>>> damages{
        {"short", [](std::vector<Byte>& b) { b.resize(b.size() - 1); }},
        {"count", [](std::vector<Byte>& b) { PutInt(b, test::kChannelCountAt, 411); }},
        {"number", [](std::vector<Byte>& b) { PutInt(b, test::ChannelBlockAt(1), 0); }},
        {"repeat",
         [](std::vector<Byte>& b) {
             PutInt(b, test::ChannelBlockAt(2),
                    b[test::ChannelBlockAt(0)] | (b[test::ChannelBlockAt(0) + 1] << 8));
         }},
        {"mode", [](std::vector<Byte>& b) { PutInt(b, test::kCountryModeAt, 3); }},
    };
    for (const auto& [name, damage] : damages) {
        std::vector<Byte> damaged = bytes;
        damage(damaged);
        writeRaw("KORVN7X_2_NEW.dat", damaged);
        SCOPED_TRACE(name);
        test::ExpectSameState(newDocument(2), builtIn);
    }
}

TEST_F(Templates, DamagedSettingsTemplateLeavesTheBuiltInDefaults) {
    const DocumentState builtIn = NewDocument(1);
    std::vector<Byte> bytes = writeTemplate("KORVN7X_0.dat", 0, 5);
    bytes.resize(1071);
    writeRaw("KORVN7X_0.dat", bytes);
    test::ExpectSameState(newDocument(1), builtIn);
}

TEST_F(Templates, TemplateThatIsAFolderIsPassedOver) {
    std::filesystem::create_directory(folder.path() / "Init" / "KORVN7X_1_NEW.dat");
    test::ExpectSameState(newDocument(1), NewDocument(1));
}

TEST_F(Templates, LoadersReportWhetherTheTemplateWasUsable) {
    writeTemplate("good.dat", 0, 3);
    writeRaw("bad.dat", {1, 2, 3});
    DocumentState doc = NewDocument(1);
    const DocumentState before = doc;
    const std::string init = (folder.path() / "Init").string();
    EXPECT_FALSE(LoadTemplateFile(doc, init + "/bad.dat"));
    EXPECT_FALSE(LoadTemplateSettings(doc, init + "/bad.dat"));
    EXPECT_FALSE(LoadTemplateFile(doc, init + "/missing.dat"));
    test::ExpectSameState(doc, before);
    EXPECT_TRUE(LoadTemplateSettings(doc, init + "/good.dat"));
    EXPECT_EQ(doc.CurrentCountryMode, 1);
    EXPECT_TRUE(LoadTemplateFile(doc, init + "/good.dat"));
    EXPECT_EQ(doc.CurrentCountryMode, 0);
}

}  // namespace
}  // namespace k7x

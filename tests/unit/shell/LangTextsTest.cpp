#include <gtest/gtest.h>

#include <climits>

#include "ShellTestSupport.h"
#include "shell/LangTexts.h"
#include "shell/LanguageTextSource.h"

namespace k7x {
namespace {

using test::TempFolder;
using test::WriteBytes;

TEST(LangSection, EveryBandIncludesItsUpperBound) {
    struct Case {
        std::int32_t number;
        const char* section;
    };
    const Case cases[] = {
        {INT32_MIN, "OTHER"},   {-1, "OTHER"},        {0, "OTHER"},        {8999, "OTHER"},
        {9000, "Msg"},          {9999, "Msg"},        {10000, "Menu"},     {10999, "Menu"},
        {11000, "ToolBar"},     {12000, "Main"},      {13999, "Model"},    {14000, "ChannelInfo"},
        {15000, "ChannelEdit"}, {16999, "Option"},    {17000, "Radio"},    {18000, "DTMF"},
        {19000, "TestFre"},     {20999, "EMG"},       {21000, "Local"},    {22000, "Port"},
        {23999, "Lang"},        {24000, "About"},     {25000, "KeySet"},   {26000, "ScanSet"},
        {27999, "AlertSet"},    {28000, "CHEdit"},    {29999, "TONETIPS"}, {30000, "GroupName"},
        {31000, "ResetMode"},   {31999, "ResetMode"}, {32000, "Others"},   {INT32_MAX, "Others"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(LangSectionOf(c.number), c.section) << c.number;
    }
}

class LangTextsTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.ProgramFolder = dir.file("V100");
        WriteBytes(dir.path() / "V100/language/english.ini",
                   "[OTHER]\r\n8999=other text\r\n"
                   "[Msg]\r\n9000= Message \r\n9001=\r\n9002=   \r\n"
                   "[ResetMode]\r\n31999=reset\r\n"
                   "[Others]\r\n32000=others\r\n"
                   "[Main]\r\n12000=KORVAN 7X Programming Software\r\n"
                   "[Menu]\r\n9003=in the wrong section\r\n");
        // "中文" / "写频软件" in GBK.
        WriteBytes(dir.path() / "V100/language/chinese.ini",
                   "[Main]\r\n12000=\xD0\xB4\xC6\xB5\xC8\xED\xBC\xFE\r\n"
                   "[Msg]\r\n9000=\xD6\xD0\xCE\xC4\r\n");
    }

    TempFolder dir;
    AppSettings settings;
};

TEST_F(LangTextsTest, NumbersNextToABandEdgeComeFromTheRightSection) {
    EXPECT_EQ(GetLangText(settings, 8999), "other text");
    EXPECT_EQ(GetLangText(settings, 9000), "Message");
    EXPECT_EQ(GetLangText(settings, 31999), "reset");
    EXPECT_EQ(GetLangText(settings, 32000), "others");
    EXPECT_EQ(GetLangText(settings, 9003), "") << "a key in another section is not found";
}

TEST_F(LangTextsTest, BlankAbsentAndMissingFileAreEmpty) {
    EXPECT_EQ(GetLangText(settings, 9001), "");
    EXPECT_EQ(GetLangText(settings, 9002), "");
    EXPECT_EQ(GetLangText(settings, 9999), "");
    settings.LangFile = "missing.ini";
    EXPECT_EQ(GetLangText(settings, 9000), "");
}

TEST_F(LangTextsTest, ChineseFileIsReadAsGbk) {
    settings.LangIndex = kChinese;
    settings.LangFile = kChineseFile;
    EXPECT_EQ(GetLangText(settings, 12000), "写频软件");
    EXPECT_EQ(GetLangTextQ(settings, 9000), QString::fromUtf8("中文"));
}

TEST_F(LangTextsTest, TextsAreCutAt254Bytes) {
    WriteBytes(dir.path() / "V100/language/english.ini",
               "[Msg]\n9000=" + std::string(300, 'a') + "\n");
    EXPECT_EQ(GetLangText(settings, 9000), std::string(254, 'a'));
}

TEST_F(LangTextsTest, EachCallReadsTheFileAgain) {
    EXPECT_EQ(GetLangText(settings, 9000), "Message");
    WriteBytes(dir.path() / "V100/language/english.ini", "[Msg]\n9000=Changed\n");
    EXPECT_EQ(GetLangText(settings, 9000), "Changed");
}

TEST_F(LangTextsTest, TextSourceFollowsTheLanguageInForce) {
    const LanguageTextSource texts(settings);
    EXPECT_TRUE(texts.available());
    EXPECT_EQ(texts.text(12000), "KORVAN 7X Programming Software");
    settings.LangIndex = kChinese;
    settings.LangFile = kChineseFile;
    EXPECT_EQ(texts.text(12000), "写频软件");
    settings.ProgramFolder = dir.file("elsewhere");
    EXPECT_FALSE(texts.available());
    EXPECT_EQ(texts.text(12000), "");
}

}  // namespace
}  // namespace k7x

#include <gtest/gtest.h>

#include <string>

#include "RecordingPrompts.h"
#include "codeplug/Versions.h"

namespace k7x {
namespace {

VersionTable Table(std::vector<std::pair<std::string, std::string>> pairs) {
    VersionTable t;
    t.VersionPairs = std::move(pairs);
    return t;
}

TEST(VersionText, FourCharactersVAndANumber) {
    EXPECT_TRUE(IsValidVersionText("V100"));
    EXPECT_TRUE(IsValidVersionText("V999"));
    EXPECT_TRUE(IsValidVersionText("V100  "));                    // trailing blanks are trimmed
    EXPECT_TRUE(IsValidVersionText(std::string("V100\0zz", 7)));  // cut at the NUL
    EXPECT_TRUE(IsValidVersionText("V1.0"));                      // "1.0" is a number
}

TEST(VersionText, RefusedForms) {
    for (const std::string& bad : {std::string("v100"), std::string("V10A"), std::string("VABC"),
                                   std::string("X100"), std::string("V10"), std::string("V1000"),
                                   std::string(""), std::string(" V100"), std::string("V1.2.3"),
                                   std::string("V\0"
                                               "100",
                                               5),
                                   std::string("    ")}) {
        EXPECT_FALSE(IsValidVersionText(bad)) << '"' << bad << '"';
    }
}

TEST(VersionTable, PairsMatchExactlyAndInOrder) {
    const VersionTable t = Table({{"V100", "V100"}, {"V102", "V101"}});
    EXPECT_TRUE(IsVersionPairListed(t, "V100", "V100"));
    EXPECT_TRUE(IsVersionPairListed(t, "V102", "V101"));
    EXPECT_FALSE(IsVersionPairListed(t, "V101", "V102"));  // the order of a pair matters
    EXPECT_FALSE(IsVersionPairListed(t, "V100", "V101"));
    EXPECT_FALSE(IsVersionPairListed(t, "v100", "V100"));  // case-sensitive
    EXPECT_FALSE(IsVersionPairListed(Table({}), "V100", "V100"));
}

TEST(VersionTable, FirstProgramForADataVersionWins) {
    const VersionTable t = Table({{"V100", "V100"}, {"V103", "V101"}, {"V102", "V101"}});
    EXPECT_EQ(FindProgramForVersion(t, "V101"), "V103");
    EXPECT_EQ(FindProgramForVersion(t, "V100"), "V100");
    EXPECT_EQ(FindProgramForVersion(t, "V105"), "");
    EXPECT_EQ(FindProgramForVersion(Table({}), "V100"), "");
}

TEST(VersionQuestion, DisplayFormPutsAPointAfterTheSecondCharacter) {
    EXPECT_EQ(VersionDisplayText("V100"), "V1.00");
    EXPECT_EQ(VersionDisplayText("V101"), "V1.01");
    EXPECT_EQ(VersionDisplayText("V1.0"), "V1..0");
}

TEST(VersionQuestion, FileAndRadioWording) {
    test::RecordingPrompts prompts;
    EXPECT_EQ(BuildVersionMessage("V100", "V101", VersionSource::File, prompts),
              "<9062>\n<9064> V1.01\n<9061> V1.00");
    EXPECT_EQ(BuildVersionMessage("V100", "V230", VersionSource::Radio, prompts),
              "<9062>\n<9060> V2.30\n<9061> V1.00");
}

TEST(Comparisons, SameModelIsAnExactTextComparison) {
    EXPECT_TRUE(IsSameModel("KORVN7X", "KORVN7X"));
    EXPECT_FALSE(IsSameModel("KORVN7X", "korvn7x"));
    EXPECT_FALSE(IsSameModel("KORVN7X", "KORVN7X "));
    EXPECT_FALSE(IsSameModel("KORVN7X", ""));
}

TEST(Comparisons, OnlyAWriteNeedsTheSameCountryMode) {
    EXPECT_TRUE(IsSameCountryMode(0, 2, 0));
    EXPECT_TRUE(IsSameCountryMode(0, 2, 1));
    EXPECT_TRUE(IsSameCountryMode(1, 2, 3));
    EXPECT_FALSE(IsSameCountryMode(0, 2, 2));
    EXPECT_TRUE(IsSameCountryMode(2, 2, 2));
}

}  // namespace
}  // namespace k7x

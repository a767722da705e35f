#include <gtest/gtest.h>

#include "shell/Models.h"

namespace k7x {
namespace {

TEST(Models, DisplayNameOfTheModelAndOfOthers) {
    EXPECT_EQ(ModelDisplayName("KORVN7X"), "KORVAN 7X");
    EXPECT_EQ(ModelDisplayName("KORVN7X   "), "KORVAN 7X");
    EXPECT_EQ(ModelDisplayName(std::string_view("KORVN7X\0junk", 12)), "KORVAN 7X");
    EXPECT_EQ(ModelDisplayName("KORVN7"), "KORVN7");
    EXPECT_EQ(ModelDisplayName(" OTHER  "), " OTHER");
    EXPECT_EQ(ModelDisplayName(std::string_view("\0KORVN7X", 8)), "");
}

TEST(Models, CountryModes) {
    EXPECT_EQ(CountryModeName(0), "CB");
    EXPECT_EQ(CountryModeName(1), "HF");
    EXPECT_EQ(CountryModeName(2), "HAM");
    EXPECT_EQ(CountryModeName(3), "Unknown");
    EXPECT_EQ(CountryModeName(5), "Unknown");
    EXPECT_EQ(CountryModeName(-1), "Unknown");
}

TEST(Models, OnlyTheCbBandShowsAsFrequency) {
    EXPECT_EQ(BandDisplayText("26.965 - 27.405 MHz"), "Frequency");
    EXPECT_EQ(BandDisplayText("25.615 - 30.105 MHz"), "25.615 - 30.105 MHz");
    EXPECT_EQ(BandDisplayText("28.000 - 29.700 MHz"), "28.000 - 29.700 MHz");
    EXPECT_EQ(BandDisplayText(""), "");
}

}  // namespace
}  // namespace k7x

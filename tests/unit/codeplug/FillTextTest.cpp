// Placeholders of the language texts: each language orders the values as its sentence needs.
#include <gtest/gtest.h>

#include "codeplug/FillText.h"

namespace k7x {
namespace {

TEST(FillTextTest, PlaceholdersTakeTheirArgumentWhereverTheSentencePutsThem) {
    EXPECT_EQ(FillText("Unknown option %1 for %2", {"--x", "new"}), "Unknown option --x for new");
    // The Chinese sentence names the command first.
    EXPECT_EQ(FillText("%2 没有选项 %1", {"--x", "new"}), "new 没有选项 --x");
    // The same value in several places.
    EXPECT_EQ(FillText("group %2, join %2 (%1)", {"root", "dialout"}),
              "group dialout, join dialout (root)");
    EXPECT_EQ(FillText("端口 %1：%2", {"3", "/dev/ttyUSB0"}), "端口 3：/dev/ttyUSB0");
}

TEST(FillTextTest, AValueHoldingAPlaceholderIsNotFilledAgain) {
    EXPECT_EQ(FillText("Cannot write %1 (%2)", {"/tmp/100%2.dat", "full"}),
              "Cannot write /tmp/100%2.dat (full)");
    EXPECT_EQ(FillText("%1%2", {"%2", "%1"}), "%2%1");
}

TEST(FillTextTest, WhatCannotBeFilledStaysAsWritten) {
    EXPECT_EQ(FillText("Port %1: %2", {"3"}), "Port 3: %2");
    EXPECT_EQ(FillText("100% done, %0 %a %", {"x"}), "100% done, %0 %a %");
    EXPECT_EQ(FillText("", {"x"}), "");
    EXPECT_EQ(FillText("no placeholders", {}), "no placeholders");
}

}  // namespace
}  // namespace k7x

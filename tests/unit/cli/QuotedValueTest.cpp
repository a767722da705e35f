#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/QuotedValue.h"

namespace k7x::cli {
namespace {

TEST(JsonQuoted, EscapesWhatJsonForbidsAndWritesOnlyAscii) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", R"("")"},
        {"KORVN7X", R"("KORVN7X")"},
        {"say \"hi\"", R"("say \"hi\"")"},
        {"a\\b", R"("a\\b")"},
        {"1\n2\r3\t4", R"("1\n2\r3\t4")"},
        {std::string("\x00\x01\x1f\x7f", 4), R"("\u0000\u0001\u001f\u007f")"},
        {"caf\xc3\xa9", R"("caf\u00e9")"},            // UTF-8 two bytes
        {"\xe4\xb8\xad", R"("\u4e2d")"},              // UTF-8 three bytes
        {"\xf0\x9f\x93\xbb", R"("\ud83d\udcfb")"},    // beyond 16 bits: a pair
        {"\xd6\xd0", R"("\u00d6\u00d0")"},            // GBK bytes, not UTF-8
        {"\xc3", R"("\u00c3")"},                      // a sequence cut short
        {"\xc0\xaf", R"("\u00c0\u00af")"},            // overlong "/"
        {"\xed\xa0\x80", R"("\u00ed\u00a0\u0080")"},  // an encoded surrogate
        {"\xe9t\xc3\xa9", R"("\u00e9t\u00e9")"},      // a stray byte before valid
    };
    for (const auto& [input, expected] : cases) EXPECT_EQ(JsonQuoted(input), expected) << expected;
}

TEST(JsonValue, NumbersStayNumbersAndTextsAreQuoted) {
    EXPECT_EQ(JsonValue(-1), "-1");
    EXPECT_EQ(JsonValue(32767), "32767");
    EXPECT_EQ(JsonValue(std::string("12")), R"("12")");
}

}  // namespace
}  // namespace k7x::cli

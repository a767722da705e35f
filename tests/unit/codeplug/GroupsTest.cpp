#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "codeplug/Groups.h"

namespace k7x {
namespace {

DocumentState WithChannels(int mode, std::initializer_list<int> numbers) {
    DocumentState doc;
    doc.CurrentCountryMode = static_cast<Int>(mode);
    for (int n : numbers) {
        doc.ChannelList[static_cast<std::size_t>(doc.WorkDoc.ChannelCount)].ChannelNo =
            static_cast<Int>(n);
        ++doc.WorkDoc.ChannelCount;
    }
    return doc;
}

TEST(GroupTables, IrregularGroupsAndIndicesWithoutAGroup) {
    // "DE" is twice as long, so "IN" starts at 320; "MEM" starts after the VFO channel.
    EXPECT_EQ(GroupSize(6, 0), 80);
    EXPECT_EQ(GroupStart(7, 0), 320);
    EXPECT_EQ(GroupStart(8, 0), 401);
    EXPECT_EQ(GroupSize(8, 0), 8);
    for (int mode : {1, 2}) {
        EXPECT_EQ(GroupStart(9, mode), 360);
        EXPECT_EQ(GroupStart(10, mode), 400);
        EXPECT_EQ(GroupSize(10, mode), 1);
        EXPECT_EQ(GroupStart(11, mode), 401);
        EXPECT_EQ(GroupSize(11, mode), 8);
        EXPECT_TRUE(IsMemGroup(11, mode));
        EXPECT_FALSE(IsMemGroup(8, mode));
    }
    EXPECT_TRUE(IsMemGroup(8, 0));
    for (auto [group, mode] : {std::pair{9, 0}, {10, 0}, {-1, 0}, {12, 1}, {0, 3}}) {
        EXPECT_EQ(GroupStart(group, mode), 0);
        EXPECT_EQ(GroupSize(group, mode), 0);
        EXPECT_EQ(GroupName(group, mode), "");
    }
}

TEST(GroupOfChannel, AgreesWithTheGroupRanges) {
    for (int mode : {0, 1, 2}) {
        const int last = mode == 0 ? 360 : 401;
        for (int n = 1; n <= last; ++n) {
            int g = GroupOfChannel(n, mode);
            EXPECT_GT(n, GroupStart(g, mode)) << mode << " " << n;
            EXPECT_LE(n, GroupStart(g, mode) + GroupSize(g, mode)) << mode << " " << n;
        }
    }
    for (int n = 402; n <= 409; ++n) {
        EXPECT_EQ(GroupOfChannel(n, 0), 8);
        EXPECT_EQ(GroupOfChannel(n, 1), 10);  // the plain division by 40, beside "VFO"
    }
    EXPECT_EQ(GroupOfChannel(320, 0), 6);
    EXPECT_EQ(GroupOfChannel(321, 0), 7);
    EXPECT_EQ(GroupOfChannel(5, 3), -1);
}

TEST(GroupCounts, CountsOverTheListedChannels) {
    DocumentState doc = WithChannels(1, {41, 80, 81, 1, 401, 402, 409, 120});
    EXPECT_EQ(CountInGroup(doc, 1, 1), 2);  // 41 and 80, not 81
    EXPECT_EQ(CountInGroup(doc, 10, 1), 1);
    EXPECT_EQ(CountInGroup(doc, 11, 1), 2);
    EXPECT_EQ(CountInGroup(doc, 12, 1), 0);
    // Memory channels (400 or below) of the other groups: 81, 1 and 120.
    EXPECT_EQ(CountOtherMemory(doc, 1, 1), 3);
    EXPECT_EQ(CountOtherMemory(doc, 11, 1), 5);

    // Entries past the channel count are leftovers, not channels.
    doc.WorkDoc.ChannelCount = 2;
    EXPECT_EQ(CountInGroup(doc, 11, 1), 0);
    EXPECT_EQ(CountOtherMemory(doc, 0, 1), 2);
}

TEST(GroupCounts, PositionsAreSortedNumerically) {
    DocumentState doc = WithChannels(1, {73, 42, 50, 3, 403});
    EXPECT_EQ(PositionsInGroup(doc, 1, 1), (std::vector<int>{2, 10, 33}));
    EXPECT_EQ(PositionsInGroup(doc, 11, 1), (std::vector<int>{2}));
    EXPECT_TRUE(PositionsInGroup(doc, 5, 1).empty());
}

TEST(GroupCounts, OtherEnabledGroupsOnlyWithinTheModesMemoryGroups) {
    DocumentState doc;
    auto& enabled = doc.WorkDoc.Options.GroupEnabled;
    enabled = {1, 0, 1, 0, 0, 0, 0, 0, 1, 1};
    EXPECT_EQ(CountOtherEnabledGroups(doc, 0, 0), 1);  // elements 8 and 9 are unused in mode 0
    EXPECT_EQ(CountOtherEnabledGroups(doc, 0, 1), 3);
    EXPECT_EQ(CountOtherEnabledGroups(doc, 5, 1), 4);
}

TEST(GroupCounts, GroupNamesList) {
    DocumentState doc;
    EXPECT_EQ(GroupNamesList(doc, 0, ""),
              (std::vector<std::string>{"EU", "CE", "U", "UK", "PL", "I2", "DE", "IN", "MEM"}));
    EXPECT_EQ(GroupNamesList(doc, 2, "MEM"),
              (std::vector<std::string>{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "VFO"}));
    EXPECT_TRUE(GroupNamesList(doc, 7, "").empty());
}

}  // namespace
}  // namespace k7x

// What the channel edit window offers at a position follows from the mode, the group, the
// position and the channel's own Public and AM/FM settings.
#include <gtest/gtest.h>

#include <set>

#include "channels/ChannelEditView.h"

namespace k7x {
namespace {

constexpr int kCb = 0, kHam = 2;
constexpr int kGroupEU = 0, kGroupCE = 1, kGroupDE = 6, kGroupMemCb = 8;
constexpr int kGroupA = 0, kGroupVfo = 10, kGroupMemBand = 11;

ChannelRecord Channel(int isPublic, int amFm, int power) {
    ChannelRecord ch;
    ch.Public = static_cast<Int>(isPublic);
    ch.AM_FM = static_cast<Int>(amFm);
    ch.Tx_Power = static_cast<Int>(power);
    ch.Scan = 1;
    return ch;
}

// The fields with an option row, by column.
std::set<int> RowsWhere(const ChannelEditView& view, bool OptionRowView::*flag) {
    std::set<int> rows;
    for (const ChannelFieldInfo& f : kChannelFields)
        if (f.editRow != kNoControl && view.rows[f.column].*flag) rows.insert(f.column);
    return rows;
}

std::set<int> AllRowsBut(std::set<int> left) {
    std::set<int> rows;
    for (const ChannelFieldInfo& f : kChannelFields)
        if (f.editRow != kNoControl && !left.contains(f.column)) rows.insert(f.column);
    return rows;
}

TEST(ChannelEditView, RowsShownAndEditableFollowModeGroupAndPublic) {
    const ChannelRecord own = Channel(0, 0, 2), shared = Channel(1, 0, 2);
    const std::set<int> openWhilePublic = {kColPublic, kColTsq, kColScan, kColRdct, kColTdct};
    struct Case {
        const char* what;
        const ChannelRecord* channel;
        int mode, group, position;
        std::set<int> hidden, locked;
        bool frequencyEditable, offsetShown, offsetEditable, memButton;
    };
    const Case cases[] = {
        {"empty CB position",
         nullptr,
         kCb,
         kGroupEU,
         3,
         {kColAddSub5K, kColTxPower, kColDup},
         AllRowsBut({}),
         false,
         false,
         false,
         false},
        {"empty CB MEM position",
         nullptr,
         kCb,
         kGroupMemCb,
         1,
         {kColAddSub5K, kColTxPower, kColDup},
         AllRowsBut({}),
         false,
         false,
         false,
         true},
        {"own HAM channel", &own, kHam, kGroupA, 1, {kColAddSub5K}, {}, true, true, true, false},
        {"public HAM channel",
         &shared,
         kHam,
         kGroupA,
         1,
         {kColAddSub5K},
         AllRowsBut(openWhilePublic),
         true,
         true,
         false,
         false},
        {"HAM VFO",
         &own,
         kHam,
         kGroupVfo,
         1,
         {kColAddSub5K, kColScan},
         {},
         true,
         true,
         true,
         false},
        {"HAM MEM has no > button",
         &own,
         kHam,
         kGroupMemBand,
         1,
         {kColAddSub5K},
         {},
         true,
         true,
         true,
         false},
        {"FM-only CB position",
         &own,
         kCb,
         kGroupCE,
         5,
         {kColAddSub5K, kColTxPower, kColDup},
         {kColAmFm},
         false,
         false,
         true,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ChannelEditView view = ViewOfPosition(c.channel, c.group, c.position, c.mode);
        EXPECT_EQ(AllRowsBut(RowsWhere(view, &OptionRowView::shown)), c.hidden);
        EXPECT_EQ(AllRowsBut(RowsWhere(view, &OptionRowView::editable)), c.locked);
        EXPECT_EQ(view.frequencyEditable, c.frequencyEditable);
        EXPECT_EQ(view.offsetShown, c.offsetShown);
        EXPECT_EQ(view.offsetEditable, c.offsetEditable);
        EXPECT_EQ(view.memFrequencyButton, c.memButton);
        EXPECT_FALSE(view.mustBecomeFm);
    }
}

TEST(ChannelEditView, AmKeepsToTheLowerPowerLevelsAndFmOnlyPositionsMakeTheChannelFm) {
    struct Case {
        int amFm, power, group, position;
        int shownPower;
        bool allLevels, mustBecomeFm;
    };
    const Case cases[] = {
        {0, 2, kGroupEU, 1, 2, true, false},  {1, 2, kGroupEU, 1, 1, false, false},
        {1, 0, kGroupEU, 1, 0, false, false}, {1, 1, kGroupDE, 40, 1, false, false},
        {1, 1, kGroupDE, 41, 1, false, true}, {0, 1, kGroupDE, 41, 1, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "AM_FM " << c.amFm << " power " << c.power << " group "
                                        << c.group << "-" << c.position);
        const ChannelRecord ch = Channel(0, c.amFm, c.power);
        const ChannelEditView view = ViewOfPosition(&ch, c.group, c.position, kCb);
        EXPECT_EQ(view.rows[kColTxPower].entry, c.shownPower);
        EXPECT_EQ(view.rows[kColAmFm].entry, c.amFm);
        EXPECT_EQ(view.allPowerLevels, c.allLevels);
        EXPECT_EQ(view.mustBecomeFm, c.mustBecomeFm);
    }
    // Lists chosen by their text show no index of their own.
    const ChannelRecord ch = Channel(0, 0, 0);
    EXPECT_EQ(ViewOfPosition(&ch, kGroupA, 1, kHam).rows[kColRbTone].entry, -1);
    EXPECT_EQ(ViewOfPosition(&ch, kGroupA, 1, kHam).rows[kColScan].entry, 1);
}

}  // namespace
}  // namespace k7x

// The row commands over a group: what each leaves in the positions, in a letter group where
// channels move whole and in the country groups of mode 0 where only attributes move, the
// refusals, the group settings that follow a moved channel and the one redraw.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "RecordingPrompts.h"
#include "codeplug/ChannelCommands.h"
#include "codeplug/ChannelList.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/Conversions.h"
#include "codeplug/Groups.h"

namespace k7x {
namespace {

using test::RecordingPrompts;

constexpr int kGroupA = 0;
constexpr int kGroupDE = 6;
constexpr int kGroupEU = 0;

struct Redraws : DocumentListener {
    int rows = 0, panels = 0, editWindows = 0;
    void reShowGrid(int) override { ++rows; }
    void ReshowByCh() override { ++panels; }
    void SetGridEditData() override { ++editWindows; }
};

// A document whose group shows a layout: per position "." for no channel, "0" for a channel
// with a new channel's attributes, a letter for a channel marked by its DTMF_Call (a = 1).
// Mode 0 fills every position of the group, as its country channels are.
struct Fixture {
    DocumentState doc;
    RecordingPrompts prompts;
    Redraws redraws;
    int group;

    Fixture(int mode, int g, const std::string& layout) : group(g) {
        doc.WorkDoc.Header.CountryMode = static_cast<Int>(mode);
        EXPECT_TRUE(ApplyHeader(doc));
        const int size = GroupSize(group, mode);
        for (int p = 1; p <= size; ++p) {
            const char mark = p <= static_cast<int>(layout.size()) ? layout[p - 1] : '.';
            if (mark == '.' && mode != 0) continue;
            AddChannel(doc, GroupStart(group, mode) + p, frequencyOf(p));
            channel(p).DTMF_Call = static_cast<Int>(mark >= 'a' ? mark - 'a' + 1 : 0);
        }
        if (mode != 0) AddChannel(doc, 41, "28.50000");  // another group holds a channel
        doc.WorkDoc.Options.GroupEnabled[0] = 1;
        doc.subscribe(&redraws);
    }
    std::string frequencyOf(int position) const {
        return doc.CurrentCountryMode == 0 ? "27.00500"
                                           : "28.0" + std::to_string(10 + position) + "00";
    }
    int number(int p) const { return GroupStart(group, doc.CurrentCountryMode) + p; }
    ChannelRecord& channel(int p) {
        return doc.ChannelList[static_cast<std::size_t>(FindChannel(doc, number(p)))];
    }
    std::string layout(int positions) {
        std::string out;
        for (int p = 1; p <= positions; ++p) {
            if (FindChannel(doc, number(p)) < 0) {
                out += '.';
                continue;
            }
            const int mark = channel(p).DTMF_Call;
            out += mark == 0 ? '0' : static_cast<char>('a' + mark - 1);
        }
        return out;
    }
};

struct CommandCase {
    const char* name;
    int mode;
    int group;
    std::string before;
    std::function<ChannelCommandResult(DocumentState&, int)> command;
    std::string after;
};

std::ostream& operator<<(std::ostream& os, const CommandCase& c) {
    return os << c.name;
}

class Commands : public testing::TestWithParam<CommandCase> {};

TEST_P(Commands, LeaveThePositionsAsExpectedAndRedrawOnce) {
    const CommandCase& c = GetParam();
    Fixture f(c.mode, c.group, c.before);
    std::vector<std::string> frequencies;
    for (int p = 1; p <= GroupSize(c.group, c.mode); ++p)
        if (FindChannel(f.doc, f.number(p)) >= 0)
            frequencies.push_back(f.channel(p).Frequency.raw());
    const ChannelCommandResult result = c.command(f.doc, c.group);
    EXPECT_EQ(f.layout(static_cast<int>(c.after.size())), c.after);
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(f.redraws.rows, GroupSize(c.group, c.mode));
    EXPECT_EQ(f.redraws.panels, 1);
    EXPECT_EQ(f.redraws.editWindows, 1);
    if (c.mode == 0) {  // every frequency stays at its position
        std::size_t i = 0;
        for (int p = 1; p <= GroupSize(c.group, c.mode); ++p)
            EXPECT_EQ(f.channel(p).Frequency.raw(), frequencies[i++]) << "position " << p;
    } else {  // a channel's frequency travels with it
        for (int p = 1; p <= static_cast<int>(c.after.size()); ++p)
            if (c.after[p - 1] >= 'a') {
                const auto from = c.before.find(c.after[p - 1]);
                EXPECT_EQ(f.channel(p).Frequency.str(),
                          DisplayToStored(f.frequencyOf(static_cast<int>(from) + 1), f.doc));
            }
    }
}

ChannelCommandResult Insert2(DocumentState& d, int g) {
    return InsertPosition(d, g, 2);
}
ChannelCommandResult Delete2(DocumentState& d, int g) {
    return DeletePositions(d, g, {2});
}
ChannelCommandResult Delete13(DocumentState& d, int g) {
    return DeletePositions(d, g, {3, 1});
}
ChannelCommandResult Up23(DocumentState& d, int g) {
    return MoveBlock(d, g, 2, 3, -1);
}
ChannelCommandResult Down12(DocumentState& d, int g) {
    return MoveBlock(d, g, 1, 2, 1);
}
ChannelCommandResult Clear12(DocumentState& d, int g) {
    return ClearPositions(d, g, {1, 2});
}

INSTANTIATE_TEST_SUITE_P(
    Groups, Commands,
    testing::Values(CommandCase{"insert_A", 1, kGroupA, "abc.d.", Insert2, "a.bc.d"},
                    CommandCase{"delete_A", 1, kGroupA, "abc.d.", Delete2, "ac.d.."},
                    CommandCase{"delete_two_A", 1, kGroupA, "abc.d.", Delete13, "b.d..."},
                    CommandCase{"move_up_A", 1, kGroupA, "abc.d.", Up23, "bca.d."},
                    CommandCase{"move_down_A", 1, kGroupA, "abc.d.", Down12, "cab.d."},
                    CommandCase{"clear_A", 1, kGroupA, "abc.d.", Clear12, "..c.d."},
                    CommandCase{"insert_DE", 0, kGroupDE, "abcd", Insert2, "a0bcd0"},
                    CommandCase{"delete_DE", 0, kGroupDE, "abcd", Delete2, "acd000"},
                    CommandCase{"move_up_DE", 0, kGroupDE, "abcd", Up23, "bcad00"},
                    CommandCase{"move_down_EU", 0, kGroupEU, "abcd", Down12, "cabd00"},
                    CommandCase{"clear_EU", 0, kGroupEU, "abcd", Clear12, "00cd00"}),
    [](const testing::TestParamInfo<CommandCase>& info) { return std::string(info.param.name); });

TEST(ChannelCommands, InsertIsRefusedWhenTheLastPositionWouldBePushedOut) {
    struct Case {
        int mode, group;
        std::string layout;
        bool refused;
    };
    const std::string full(40, 'a');
    for (const Case& c : {Case{1, kGroupA, full, true}, Case{1, kGroupA, "ab", false},
                          Case{0, kGroupDE, std::string(80, 'b'), true},
                          Case{0, kGroupDE, "ab", false}}) {  // mode 0: the last has defaults
        Fixture f(c.mode, c.group, c.layout);
        const ChannelArray before = f.doc.ChannelList;
        const ChannelCommandResult result = InsertPosition(f.doc, c.group, 1);
        EXPECT_EQ(result.groupFull, c.refused) << c.layout;
        EXPECT_EQ(result.changed, !c.refused);
        if (c.refused) {
            EXPECT_EQ(f.doc.ChannelList, before);
            EXPECT_EQ(f.redraws.rows, 0);
        }
    }
}

TEST(ChannelCommands, ClearingKeepsTheChannelsThatMustStay) {
    struct Case {
        const char* what;
        int group;
        std::vector<int> positions;
        bool otherGroup;
        std::vector<int> kept;
        int removed;
    };
    for (const Case& c :
         {Case{"the last MEM channel", 11, {1, 2, 3, 4, 5, 6, 7, 8}, true, {409}, 7},
          Case{"the VFO channel", 10, {1}, true, {401}, 0},
          Case{"the only memory channels", kGroupA, {1, 2}, false, {1, 2}, 0},
          Case{"memory channels beside others", kGroupA, {1, 2}, true, {}, 2}}) {
        Fixture f(1, kGroupA, "ab");
        for (int n = 401; n <= 409; ++n) AddChannel(f.doc, n, "28.50000");
        if (!c.otherGroup) DeleteChannel(f.doc, FindChannel(f.doc, 41));
        const ChannelCommandResult result = ClearPositions(f.doc, c.group, c.positions);
        EXPECT_EQ(result.keptFrequency, c.kept) << c.what;
        EXPECT_EQ(result.count, c.removed) << c.what;
    }
}

TEST(ChannelCommands, WorkingAndEmergencyChannelsFollowAMovedChannel) {
    struct Case {
        const char* what;
        std::function<ChannelCommandResult(DocumentState&)> command;
        Int current, pair0, pair1;  // stored as position minus one
    };
    // Before: working channel at position 2 (b), emergency channels at 3 (c) and 5 (d).
    for (const Case& c : {
             Case{"insert above", [](DocumentState& d) { return InsertPosition(d, kGroupA, 1); }, 2,
                  3, 5},
             Case{"move up", [](DocumentState& d) { return MoveBlock(d, kGroupA, 2, 3, -1); }, 0, 1,
                  4},
             Case{"move down", [](DocumentState& d) { return MoveBlock(d, kGroupA, 5, 5, 1); }, 1,
                  2, 5},
             Case{"delete above", [](DocumentState& d) { return DeletePositions(d, kGroupA, {1}); },
                  0, 1, 3},
         }) {
        Fixture f(1, kGroupA, "abc.d");
        OptionRecord& opt = f.doc.WorkDoc.Options;
        opt.GroupCurrent[0] = 1;
        opt.GroupPair[0] = {2, 4};
        opt.GroupBytes[0] = {0, 1};
        c.command(f.doc);
        EXPECT_EQ(opt.GroupCurrent[0], c.current) << c.what;
        EXPECT_EQ(opt.GroupPair[0][0], c.pair0) << c.what;
        EXPECT_EQ(opt.GroupPair[0][1], c.pair1) << c.what;
        EXPECT_EQ(opt.GroupBytes[0][1], 1) << c.what;  // AM stays with its emergency channel
    }
}

TEST(ChannelCommands, AnAmChannelMovedOntoAnFmOnlyPositionBecomesFm) {
    Fixture f(0, kGroupDE, "");
    f.channel(40).AM_FM = 1;
    f.channel(39).AM_FM = 1;
    MoveBlock(f.doc, kGroupDE, 39, 40, 1);
    EXPECT_EQ(f.channel(41).AM_FM, 0);
    EXPECT_EQ(f.channel(40).AM_FM, 1);
}

TEST(ChannelCommands, PasteChecksEveryRowAndStopsAtTheGroupsEnd) {
    Fixture f(1, kGroupA, "ab");
    const std::string text =
        "Frequency,Mode,Location,Comment\r\n"
        "28.105,AM,1,Tx_Power=2 HI_CUT=1\r\n"
        "31.000000,FM,2,\r\n"  // outside 25.615 - 30.105 MHz
        "28.2,FM,3,NB=7\r\n"   // a value outside its list
        "29.0,FM,4,\r\n"
        "29.1,FM,5,\r\n";
    const std::optional<std::vector<PasteRow>> rows = PasteRowsFromText(text, f.doc);
    ASSERT_TRUE(rows.has_value());
    const ChannelCommandResult result = PasteRows(f.doc, f.prompts, kGroupA, 37, *rows);
    EXPECT_EQ(result.count, 2);
    EXPECT_EQ(result.pastEnd, 1);
    ASSERT_EQ(result.refused.size(), 2u);
    EXPECT_EQ(result.refused[0].why, PasteRefusal::OutOfBand);
    EXPECT_EQ(result.refused[0].row, 2);
    EXPECT_EQ(result.refused[1].why, PasteRefusal::Unreadable);
    EXPECT_EQ(result.refused[1].detail, "Comment \"NB=7\"");
    EXPECT_TRUE(f.prompts.shown.empty());  // reported by the caller, all at once
    EXPECT_EQ(f.layout(40).substr(36), "0..0");
    EXPECT_EQ(f.channel(37).Frequency.str(), "02810500");
    EXPECT_EQ(f.channel(37).AM_FM, 1);
    EXPECT_EQ(f.channel(37).Tx_Power, 1);  // AM allows the two lower levels
    EXPECT_EQ(f.channel(40).Frequency.str(), "02900000");
}

TEST(ChannelCommands, PasteInModeZeroTakesAttributesOnly) {
    Fixture f(0, kGroupEU, "ab");
    const std::string frequency = f.channel(1).Frequency.raw();
    const std::vector<PasteRow> rows = PasteRowsFromSlots({f.channel(2)});
    const ChannelCommandResult result = PasteRows(f.doc, f.prompts, kGroupEU, 1, rows);
    EXPECT_EQ(result.count, 1);
    EXPECT_EQ(f.layout(2), "bb");
    EXPECT_EQ(f.channel(1).Frequency.raw(), frequency);
}

}  // namespace
}  // namespace k7x

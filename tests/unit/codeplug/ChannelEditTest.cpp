#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "RecordingPrompts.h"
#include "codeplug/ChannelList.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/Groups.h"

namespace k7x {
namespace {

using test::RecordingPrompts;

struct EventLog : DocumentListener {
    std::vector<std::string> events;
    void reShowGrid(int channelNo) override {
        events.push_back("reShowGrid " + std::to_string(channelNo));
    }
    void SetGridEditData() override { events.push_back("SetGridEditData"); }
    void ReshowByCh() override { events.push_back("ReshowByCh"); }
};

// A document of the given mode holding the channels given, each at 27.005 MHz (28.005 above
// the CB band), with the group of the first channel enabled.
struct Fixture {
    DocumentState doc;
    RecordingPrompts prompts;
    EventLog log;

    Fixture(int mode, std::initializer_list<int> numbers) {
        doc.WorkDoc.Header.CountryMode = static_cast<Int>(mode);
        EXPECT_TRUE(ApplyHeader(doc));
        for (int n : numbers) EXPECT_TRUE(AddChannel(doc, n, mode == 0 ? "27.005" : "28.005"));
        if (numbers.size() > 0) {
            int g = GroupOfChannel(*numbers.begin(), mode);
            if (g >= 0 && g < MemoryGroupCount(mode))
                doc.WorkDoc.Options.GroupEnabled[static_cast<std::size_t>(g)] = 1;
        }
        doc.subscribe(&log);
    }
    void edit(int group, int position, int column, const std::string& value) {
        EditChannelCell(doc, prompts, group, position, column, value);
    }
    const ChannelRecord* channel(int n) const {
        int i = FindChannel(doc, n);
        return i < 0 ? nullptr : &doc.ChannelList[static_cast<std::size_t>(i)];
    }
};

TEST(EditChannelCell, TypingAFrequencyInAnEmptyRowAddsTheChannel) {
    Fixture f(1, {1});
    f.edit(2, 5, kColFrequency, "28.0071");  // group "C", position 5: channel 85
    const ChannelRecord* ch = f.channel(85);
    ASSERT_NE(ch, nullptr);
    EXPECT_EQ(ch->Frequency.raw(), "02800500");
    EXPECT_EQ(ch->Scan, 1);
    EXPECT_EQ(ch->Public, 1);
    EXPECT_EQ(ch->OffSetFre, 100);
    EXPECT_EQ(f.doc.WorkDoc.Options.GroupCurrent[2], 4);  // the new channel is the group's only one
    EXPECT_TRUE(f.prompts.shown.empty());
    EXPECT_EQ(f.log.events,
              (std::vector<std::string>{"ReshowByCh", "reShowGrid 85", "SetGridEditData"}));
}

TEST(EditChannelCell, OutOfBandFrequencyIsCorrectedWithAWarning) {
    Fixture f(2, {1});
    f.edit(0, 2, kColFrequency, "31");
    ASSERT_NE(f.channel(2), nullptr);
    EXPECT_EQ(f.channel(2)->Frequency.raw(), "02970000");
    EXPECT_EQ(f.prompts.texts(), std::vector<std::string>{"<9021>"});
}

TEST(EditChannelCell, OtherColumnsOfAnEmptyRowDoNothing) {
    Fixture f(1, {1});
    f.edit(0, 2, kColTsq, "1");
    f.edit(0, 2, kColFrequency, "");
    EXPECT_EQ(f.doc.WorkDoc.ChannelCount, 1);
    EXPECT_EQ(f.channel(2), nullptr);
}

TEST(EditChannelCell, StoresAFieldOfAnExistingChannel) {
    Fixture f(1, {41});
    f.doc.ChannelList[0].Tx_Power = 2;
    f.edit(1, 1, kColAmFm, "1");
    EXPECT_EQ(f.channel(41)->AM_FM, 1);
    EXPECT_EQ(f.channel(41)->Tx_Power, 1);
    f.edit(1, 1, kColOffset, "1003");
    EXPECT_EQ(f.channel(41)->OffSetFre, 1000);
    // No group bookkeeping for a field other than the frequency.
    EXPECT_EQ(f.log.events, (std::vector<std::string>{"reShowGrid 41", "SetGridEditData",
                                                      "reShowGrid 41", "SetGridEditData"}));
}

TEST(EditChannelCell, AnUnchangedFrequencyIsNotRewritten) {
    Fixture f(1, {1});
    f.doc.ChannelList[0].Frequency.set("0280050");  // shows as 28.00500 too
    f.edit(0, 1, kColFrequency, "28.005");
    EXPECT_EQ(f.channel(1)->Frequency.str(), "0280050");
    f.edit(0, 1, kColFrequency, "28.01");
    EXPECT_EQ(f.channel(1)->Frequency.str(), "02801000");
}

TEST(EditChannelCell, ClearingRemovesAChannelWhileAnotherGroupHoldsOne) {
    Fixture f(1, {1, 45, 50});
    f.doc.WorkDoc.Options.GroupEnabled[1] = 1;
    f.doc.WorkDoc.Options.GroupCurrent[1] = 4;  // channel 45
    f.edit(1, 5, kColFrequency, "");
    EXPECT_EQ(f.channel(45), nullptr);
    EXPECT_EQ(f.doc.WorkDoc.Options.GroupCurrent[1], 9);  // moved to channel 50
    f.edit(1, 10, kColFrequency, " ");
    EXPECT_EQ(f.channel(50), nullptr);
    EXPECT_EQ(f.doc.WorkDoc.Options.GroupEnabled[1], 0);
    EXPECT_EQ(f.doc.WorkDoc.Options.GroupEnabled[0], 1);
}

TEST(EditChannelCell, TheLastMemoryChannelsStay) {
    Fixture f(1, {41, 42, 402});
    f.edit(1, 1, kColFrequency, "");  // another group would be needed
    f.edit(1, 2, kColFrequency, "");
    EXPECT_EQ(f.doc.WorkDoc.ChannelCount, 3);
    // The grid row is still redrawn with the old value.
    EXPECT_EQ(f.log.events.at(1), "reShowGrid 41");
}

TEST(EditChannelCell, VfoChannelAndTheOnlyMemChannelStay) {
    Fixture f(1, {1, 5, 401, 402});
    f.edit(10, 1, kColFrequency, "");
    f.edit(11, 1, kColFrequency, "");
    EXPECT_NE(f.channel(401), nullptr);
    EXPECT_NE(f.channel(402), nullptr);

    Fixture cb(0, {1, 5, 409});
    cb.edit(8, 8, kColFrequency, "");
    EXPECT_NE(cb.channel(409), nullptr);
}

TEST(EditChannelCell, RemovingAMemChannelMovesTheCurrentMemChannel) {
    // In the letter modes the MEM channels lie beyond the VFO channel; their removal must book
    // to the MEM group, not to the VFO group next to it.
    Fixture f(1, {1, 401, 403, 407});
    auto& opt = f.doc.WorkDoc.Options;
    opt.CurrentMem = 1;  // channel 403
    const auto enabled = opt.GroupEnabled;
    f.edit(11, 2, kColFrequency, "");
    EXPECT_EQ(f.channel(403), nullptr);
    EXPECT_EQ(opt.CurrentMem, 5);  // channel 407
    EXPECT_EQ(opt.GroupEnabled, enabled);
    EXPECT_NE(f.channel(401), nullptr);
}

TEST(EditChannelCell, PositionOutsideTheGroupIsIgnored) {
    Fixture f(1, {1, 401, 402});
    const auto before = f.doc.WorkDoc;
    f.edit(10, 2, kColFrequency, "");      // would be MEM channel 402 through the VFO group
    f.edit(10, 2, kColFrequency, "28.1");  // likewise
    f.edit(0, 41, kColFrequency, "28.1");  // channel 41 belongs to group "B"
    f.edit(0, 0, kColFrequency, "28.1");
    f.edit(11, 9, kColFrequency, "28.1");  // channel 410 does not exist
    f.edit(12, 1, kColFrequency, "28.1");
    EXPECT_EQ(f.doc.WorkDoc, before);
    EXPECT_TRUE(f.log.events.empty());

    Fixture cb(0, {1});
    cb.edit(6, 80, kColFrequency, "27.1");  // last "DE" channel
    cb.edit(6, 81, kColFrequency, "27.1");  // would be channel 321 of "IN"
    EXPECT_NE(cb.channel(320), nullptr);
    EXPECT_EQ(cb.channel(321), nullptr);
}

TEST(EditChannelCell, CbMemChannelTakesTheNearestCountryChannel) {
    Fixture f(0, {1, 402});
    f.doc.ChannelList[0].Frequency.set("02708500");
    f.edit(8, 1, kColFrequency, "27.0801");
    EXPECT_EQ(f.channel(402)->Frequency.raw(), "02708500");
    f.edit(8, 3, kColFrequency, "26.5");  // out of band, but no warning: a country channel is taken
    ASSERT_NE(f.channel(404), nullptr);
    EXPECT_EQ(f.channel(404)->Frequency.raw(), "02708500");
    EXPECT_TRUE(f.prompts.shown.empty());
}

TEST(EditChannelCell, ClearingTheOnlyChannelOfTheOnlyPopulatedGroupLeavesIt) {
    Fixture f(0, {121});
    f.edit(3, 1, kColFrequency, "");
    EXPECT_NE(f.channel(121), nullptr);
}

}  // namespace
}  // namespace k7x

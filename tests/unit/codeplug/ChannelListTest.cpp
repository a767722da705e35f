#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "codeplug/ChannelList.h"

namespace k7x {
namespace {

struct EventLog : DocumentListener {
    std::vector<std::string> events;
    void reShowGrid(int channelNo) override {
        events.push_back("reShowGrid " + std::to_string(channelNo));
    }
    void SetGridEditData() override { events.push_back("SetGridEditData"); }
    void ReshowByCh() override { events.push_back("ReshowByCh"); }
    void ShowRB() override { events.push_back("ShowRB"); }
    void ShowRBOpt() override { events.push_back("ShowRBOpt"); }
};

DocumentState WithChannels(int mode, std::initializer_list<int> numbers) {
    DocumentState doc;
    doc.CurrentCountryMode = static_cast<Int>(mode);
    for (int n : numbers) EXPECT_TRUE(AddChannel(doc, n, "27.005"));
    return doc;
}

std::vector<int> Numbers(const DocumentState& doc) {
    std::vector<int> out;
    for (int i = 0; i < doc.WorkDoc.ChannelCount; ++i)
        out.push_back(doc.ChannelList[static_cast<std::size_t>(i)].ChannelNo);
    return out;
}

TEST(ChannelList, AddedChannelHasTheDefaultsOfANewChannel) {
    DocumentState doc;
    doc.ChannelList[0].Reserved.fill(0x55);  // a leftover entry is overwritten completely
    doc.ChannelList[0].RDCT = 9;
    ASSERT_TRUE(AddChannel(doc, 17, "28.005"));
    ASSERT_EQ(doc.WorkDoc.ChannelCount, 1);
    ChannelRecord expected;
    expected.ChannelNo = 17;
    expected.Scan = 1;
    expected.Frequency.set("02800500");
    expected.OffSetFre = 100;
    expected.NB = 1;
    expected.Public = 1;
    EXPECT_EQ(doc.ChannelList[0], expected);
}

TEST(ChannelList, FindAddDelete) {
    DocumentState doc = WithChannels(1, {5, 9, 3, 7});
    EXPECT_EQ(FindChannel(doc, 3), 2);
    EXPECT_EQ(FindChannel(doc, 8), -1);
    DeleteChannel(doc, 1);
    EXPECT_EQ(Numbers(doc), (std::vector<int>{5, 3, 7}));
    DeleteChannel(doc, 3);  // outside the list
    DeleteChannel(doc, -1);
    EXPECT_EQ(Numbers(doc), (std::vector<int>{5, 3, 7}));
    // The stale entry past the end is not found.
    EXPECT_EQ(FindChannel(doc, 7), 2);
    doc.WorkDoc.ChannelCount = 2;
    EXPECT_EQ(FindChannel(doc, 7), -1);
}

TEST(ChannelList, AddingStopsAtCapacity) {
    DocumentState doc;
    for (int n = 1; n <= kChannelCapacity; ++n) ASSERT_TRUE(AddChannel(doc, n, "27.005"));
    EXPECT_FALSE(AddChannel(doc, 1, "27.005"));
    EXPECT_EQ(doc.WorkDoc.ChannelCount, kChannelCapacity);
    doc.WorkDoc.ChannelCount = 30000;  // a damaged count never lets an add run past the array
    EXPECT_FALSE(AddChannel(doc, 1, "27.005"));
}

TEST(SetChannelField, ClampedColumns) {
    DocumentState doc;
    ChannelRecord ch;
    SetChannelField(ch, kColOffset, "1003", doc);
    EXPECT_EQ(ch.OffSetFre, 1000);
    SetChannelField(ch, kColOffset, "7", doc);
    EXPECT_EQ(ch.OffSetFre, 5);
    SetChannelField(ch, kColOffset, "123", doc);
    EXPECT_EQ(ch.OffSetFre, 120);
    SetChannelField(ch, kColOffset, "abc", doc);
    EXPECT_EQ(ch.OffSetFre, 5);

    SetChannelField(ch, kColRbTone, "9", doc);
    EXPECT_EQ(ch.RBTone, 8);
    SetChannelField(ch, kColRbTone, "none", doc);
    EXPECT_EQ(ch.RBTone, 0);
    SetChannelField(ch, kColDtmfBot, "17", doc);
    SetChannelField(ch, kColDtmfEot, "-3", doc);
    SetChannelField(ch, kColDtmfCall, "12", doc);
    EXPECT_EQ(ch.DTMF_BOT, 16);
    EXPECT_EQ(ch.DTMF_EOT, 0);
    EXPECT_EQ(ch.DTMF_Call, 12);
    SetChannelField(ch, kColDtmfCall, "-", doc);  // the "none" entry of the list
    EXPECT_EQ(ch.DTMF_Call, 0);
}

TEST(SetChannelField, EachColumnReachesItsOwnField) {
    DocumentState doc;
    ChannelRecord ch;
    for (int col = kColPublic; col <= kColTdct; ++col)
        SetChannelField(ch, col, std::to_string(col == kColOffset ? 400 : col), doc);
    EXPECT_EQ(ch.Public, 2);
    EXPECT_EQ(ch.DUP, 3);
    EXPECT_EQ(ch.OffSetFre, 400);
    EXPECT_EQ(ch.TSQ, 5);
    EXPECT_EQ(ch.Scan, 6);
    EXPECT_EQ(ch.HI_CUT, 7);
    EXPECT_EQ(ch.BUSY, 8);
    EXPECT_EQ(ch.NB, 9);
    EXPECT_EQ(ch.Add_Sub_5K, 10);
    EXPECT_EQ(ch.AM_FM, 11);
    EXPECT_EQ(ch.Tx_Power, 12);
    EXPECT_EQ(ch.RBTone, 8);  // 13 clamped
    EXPECT_EQ(ch.DTMF_BOT, 14);
    EXPECT_EQ(ch.DTMF_EOT, 15);
    EXPECT_EQ(ch.DTMF_Call, 16);
    EXPECT_EQ(ch.RDCT, 17);
    EXPECT_EQ(ch.TDCT, 18);
    for (int col = kColPublic; col <= kColTdct; ++col)
        EXPECT_EQ(ChannelField(ch, col), col == kColOffset ? 400 : col == kColRbTone ? 8 : col);

    SetChannelField(ch, kColFrequency, "27.4", doc);
    EXPECT_EQ(ch.Frequency.raw(), "02740000");
    EXPECT_EQ(ChannelField(ch, kColFrequency), 2740000);

    const ChannelRecord before = ch;
    SetChannelField(ch, 0, "1", doc);
    SetChannelField(ch, 19, "1", doc);
    SetChannelField(ch, kColDup, "abc", doc);  // not a list index: left as it was
    EXPECT_EQ(ch, before);
    EXPECT_EQ(ChannelField(ch, 19), 0);
}

TEST(SetChannelField, AmLimitsThePowerLevel) {
    DocumentState doc;
    ChannelRecord ch;
    ch.Tx_Power = 2;
    SetChannelField(ch, kColAmFm, "0", doc);
    EXPECT_EQ(ch.Tx_Power, 2);
    SetChannelField(ch, kColAmFm, "1", doc);
    EXPECT_EQ(ch.AM_FM, 1);
    EXPECT_EQ(ch.Tx_Power, 1);
    ch.Tx_Power = 0;
    SetChannelField(ch, kColAmFm, "1", doc);
    EXPECT_EQ(ch.Tx_Power, 0);
}

TEST(References, RemovedDtmfCodeLeavesNoReference) {
    DocumentState doc = WithChannels(1, {1, 2});
    for (int i = 0; i < 2; ++i) {
        ChannelRecord& ch = doc.ChannelList[static_cast<std::size_t>(i)];
        ch.DTMF_BOT = 3;
        ch.DTMF_EOT = static_cast<Int>(4 + i);
        ch.DTMF_Call = 3;
    }
    doc.WorkDoc.PublicChannel.DTMF_EOT = 3;
    doc.WorkDoc.PublicChannel.DTMF_Call = 16;
    ClearDtmfReferences(doc, 3);
    for (int i = 0; i < 2; ++i) {
        const ChannelRecord& ch = doc.ChannelList[static_cast<std::size_t>(i)];
        EXPECT_EQ(ch.DTMF_BOT, 0);
        EXPECT_EQ(ch.DTMF_EOT, 4 + i);
        EXPECT_EQ(ch.DTMF_Call, 0);
    }
    EXPECT_EQ(doc.WorkDoc.PublicChannel.DTMF_EOT, 0);
    EXPECT_EQ(doc.WorkDoc.PublicChannel.DTMF_Call, 16);
}

TEST(References, ToneTipMustBeEnabledAndSound) {
    CodeplugDocument d;
    d.ToneTips[2].RepeatCount = 1;
    d.ToneTips[2].Steps[13].Duration = 1;  // only the last step sounds
    d.ToneTips[3].RepeatCount = 0;         // disabled
    d.ToneTips[3].Steps[0].Duration = 10;
    d.ToneTips[4].RepeatCount = 5;  // no step with a duration
    d.ToneTips[4].Steps[0].Pitch = 100;
    d.ToneTips[7].RepeatCount = 1;
    d.ToneTips[7].Steps[0].Duration = 1;
    EXPECT_EQ(CheckToneTipReference(d, 3), 3);
    EXPECT_EQ(CheckToneTipReference(d, 4), 0);
    EXPECT_EQ(CheckToneTipReference(d, 5), 0);
    EXPECT_EQ(CheckToneTipReference(d, 8), 8);
    EXPECT_EQ(CheckToneTipReference(d, 0), 0);
    EXPECT_EQ(CheckToneTipReference(d, 9), 0);
    EXPECT_EQ(CheckToneTipReference(d, -1), 0);
}

TEST(References, RevalidatingToneTipsRefreshesTheWindows) {
    DocumentState doc = WithChannels(1, {1, 2});
    doc.WorkDoc.ToneTips[0].RepeatCount = 1;
    doc.WorkDoc.ToneTips[0].Steps[0].Duration = 5;
    doc.ChannelList[0].RBTone = 1;
    doc.ChannelList[1].RBTone = 2;
    doc.WorkDoc.PublicChannel.RBTone = 2;
    EventLog log;
    doc.subscribe(&log);
    RevalidateToneTipReferences(doc);
    EXPECT_EQ(doc.ChannelList[0].RBTone, 1);
    EXPECT_EQ(doc.ChannelList[1].RBTone, 0);
    EXPECT_EQ(doc.WorkDoc.PublicChannel.RBTone, 0);
    EXPECT_EQ(log.events, (std::vector<std::string>{"ShowRB", "ShowRBOpt"}));
}

// ---- group bookkeeping ----

TEST(GroupBookkeeping, LastChannelOfAGroupGoneClearsItsSettings) {
    DocumentState doc = WithChannels(0, {1, 125});
    auto& opt = doc.WorkDoc.Options;
    opt.GroupEnabled[0] = 1;
    opt.GroupEnabled[3] = 1;
    opt.GroupCurrent[3] = 4;
    opt.GroupPair[3] = {4, 4};
    opt.GroupBytes[3] = {1, 1};
    DeleteChannel(doc, 1);
    EventLog log;
    doc.subscribe(&log);
    UpdateGroupBookkeeping(doc, 3);  // "UK"
    EXPECT_EQ(opt.GroupEnabled[3], 0);
    EXPECT_EQ(opt.GroupCurrent[3], 0);
    EXPECT_EQ(opt.GroupPair[3], (std::array<Int, 2>{0, 0}));
    EXPECT_EQ(opt.GroupEnabled[0], 1);
    EXPECT_EQ(log.events, (std::vector<std::string>{"ReshowByCh"}));
}

TEST(GroupBookkeeping, PositionsFollowTheRemainingChannels) {
    DocumentState doc = WithChannels(1, {55, 47, 60});  // group "B": positions 15, 7, 20
    auto& opt = doc.WorkDoc.Options;
    opt.GroupEnabled[1] = 1;
    opt.GroupCurrent[1] = 19;    // position 20 exists: stays
    opt.GroupPair[1] = {2, -1};  // position 3 is gone; -1 would name channel 40 of group "A"
    AddChannel(doc, 40, "27.005");
    UpdateGroupBookkeeping(doc, 1);
    EXPECT_EQ(opt.GroupCurrent[1], 19);
    EXPECT_EQ(opt.GroupPair[1][0], 6);  // lowest remaining: position 7
    EXPECT_EQ(opt.GroupPair[1][1], 6);

    opt.GroupCurrent[1] = 300;  // beyond the group: not trusted
    UpdateGroupBookkeeping(doc, 1);
    EXPECT_EQ(opt.GroupCurrent[1], 6);
}

TEST(GroupBookkeeping, SomeGroupStaysEnabled) {
    DocumentState doc = WithChannels(1, {402, 401, 95, 3});
    auto& opt = doc.WorkDoc.Options;
    opt.GroupEnabled = {};
    opt.GroupEnabled[4] = 1;
    UpdateGroupBookkeeping(doc, 4);  // group "E" holds nothing
    // "MEM" and "VFO" channels are not memory groups: the first listed memory channel (95) wins.
    EXPECT_EQ(opt.GroupEnabled, (std::array<Int, 10>{0, 0, 1, 0, 0, 0, 0, 0, 0, 0}));

    DocumentState cb = WithChannels(0, {405, 250});
    cb.WorkDoc.Options.GroupEnabled = {};
    UpdateGroupBookkeeping(cb, 0);
    EXPECT_EQ(cb.WorkDoc.Options.GroupEnabled[6], 1);
    EXPECT_EQ(cb.WorkDoc.Options.GroupEnabled[8], 0);
}

TEST(GroupBookkeeping, MemGroupKeepsItsCurrentChannelValid) {
    for (int mode : {0, 1}) {
        const int memGroup = mode == 0 ? 8 : 11;
        DocumentState doc = WithChannels(mode, {1, 406, 404});
        auto& opt = doc.WorkDoc.Options;
        opt.GroupEnabled[0] = 1;
        opt.CurrentMem = 0;  // channel 402 does not exist
        const auto before = opt.GroupCurrent;
        UpdateGroupBookkeeping(doc, memGroup);
        EXPECT_EQ(opt.CurrentMem, 2) << mode;  // channel 404
        EXPECT_EQ(opt.GroupCurrent, before) << mode;

        DeleteChannel(doc, 2);
        DeleteChannel(doc, 1);
        UpdateGroupBookkeeping(doc, memGroup);
        EXPECT_EQ(opt.CurrentMem, 0) << mode;
    }
}

TEST(GroupBookkeeping, VfoAndUnknownGroupsChangeNothing) {
    DocumentState doc = WithChannels(1, {401});
    doc.WorkDoc.Options.CurrentMem = 3;
    const CodeplugDocument before = doc.WorkDoc;
    UpdateGroupBookkeeping(doc, 10);
    UpdateGroupBookkeeping(doc, 12);
    UpdateGroupBookkeeping(doc, -1);
    doc.CurrentCountryMode = 0;
    UpdateGroupBookkeeping(doc, 9);  // no group 9 in the CB band
    UpdateGroupBookkeeping(doc, 10);
    EXPECT_EQ(doc.WorkDoc, before);
}

}  // namespace
}  // namespace k7x

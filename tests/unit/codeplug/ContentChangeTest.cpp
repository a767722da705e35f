// Undo steps: what a change keeps, putting it back and forward, merging typed steps, and how
// a change is named.
#include <gtest/gtest.h>

#include <functional>

#include "codeplug/ChangeSubject.h"
#include "codeplug/ChannelList.h"
#include "codeplug/Defaults.h"

namespace k7x {
namespace {

DocumentState NewDocument(int mode) {
    DocumentState doc;
    doc.CurrentCountryMode = static_cast<Int>(mode);
    InitNewDocument(doc, "", false);
    return doc;
}

ChannelRecord& Channel(DocumentState& doc, int channelNo) {
    if (FindChannel(doc, channelNo) < 0) AddChannel(doc, channelNo, "28.50000");
    return doc.ChannelList[static_cast<std::size_t>(FindChannel(doc, channelNo))];
}

bool SameContent(const DocumentState& a, const DocumentState& b) {
    return a.WorkDoc == b.WorkDoc && a.ChannelList == b.ChannelList &&
           a.CurrentCountryMode == b.CurrentCountryMode && a.BandText == b.BandText;
}

struct Edit {
    const char* name;
    std::function<void(DocumentState&)> change;
    ChangeSubject subject;
};

using Kind = ChangeSubject::Kind;

class ContentChangeTest : public ::testing::TestWithParam<Edit> {};

TEST_P(ContentChangeTest, UndoAndRedoGiveBackBothSidesExactly) {
    DocumentState doc = NewDocument(1);
    Channel(doc, 12);
    Channel(doc, 13);
    const DocumentState before = doc;
    const ContentSnapshot seen = TakeSnapshot(doc);
    GetParam().change(doc);
    const DocumentState after = doc;

    EXPECT_EQ(DescribeChange(seen, doc), GetParam().subject);
    const ContentChange change = ChangeSince(seen, doc);
    ASSERT_FALSE(change.empty());
    ApplyChange(doc, change, false);
    EXPECT_TRUE(SameContent(doc, before));
    ApplyChange(doc, change, true);
    EXPECT_TRUE(SameContent(doc, after));
}

INSTANTIATE_TEST_SUITE_P(
    Edits, ContentChangeTest,
    ::testing::Values(
        Edit{"frequency",
             [](DocumentState& d) { Channel(d, 12).Frequency.set("28.12500"); },
             {Kind::ChannelField, 12, kColFrequency, 1, 0}},
        Edit{"tx_tone",
             [](DocumentState& d) { Channel(d, 13).TDCT = 5; },
             {Kind::ChannelField, 13, kColTdct, 1, 0}},
        Edit{"two_fields",
             [](DocumentState& d) {
                 Channel(d, 12).TDCT = 5;
                 Channel(d, 12).RDCT = 6;
             },
             {Kind::Channel, 12, 0, 1, 0}},
        Edit{"channel_added", [](DocumentState& d) { Channel(d, 5); }, {Kind::Channel, 5, 0, 1, 0}},
        Edit{"channel_deleted_shifts_the_list",
             [](DocumentState& d) { DeleteChannel(d, FindChannel(d, 12)); },
             {Kind::Channel, 12, 0, 1, 0}},
        Edit{"two_channels",
             [](DocumentState& d) {
                 Channel(d, 12).TDCT = 5;
                 Channel(d, 13).TDCT = 5;
             },
             {Kind::Channels, 0, 0, 2, 0}},
        // A code edit may change channels' references too: named by the code.
        Edit{"dtmf_code",
             [](DocumentState& d) {
                 d.WorkDoc.Dtmf.Codes[2] = {4, std::string_view("1234")};
                 Channel(d, 12).DTMF_BOT = 3;
             },
             {Kind::DtmfCode, 0, 0, 0, 3}},
        Edit{"tone_tip",
             [](DocumentState& d) { d.WorkDoc.ToneTips[4].Steps[0].Pitch = 88; },
             {Kind::ToneTip, 0, 0, 0, 5}},
        Edit{"key", [](DocumentState& d) { d.WorkDoc.Keys.KeyFunction[3] = 7; }, {Kind::Keys}},
        Edit{
            "setting", [](DocumentState& d) { d.WorkDoc.Options.Setting[2] = 3; }, {Kind::Options}},
        Edit{"common",
             [](DocumentState& d) { d.WorkDoc.PublicChannel.DUP = 2; },
             {Kind::CommonSettings}},
        Edit{"group",
             [](DocumentState& d) { d.WorkDoc.Options.GroupCurrent[0] = 13; },
             {Kind::Groups}},
        Edit{"mode",
             [](DocumentState& d) {
                 d.CurrentCountryMode = 2;
                 d.BandText = "28.000 - 29.700";
                 d.WorkDoc.Header.CountryMode = 2;
             },
             {Kind::CountryMode}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ContentChange, HeaderAloneIsNoChangeAndStaysWhenUndoing) {
    DocumentState doc = NewDocument(1);
    const ContentSnapshot seen = TakeSnapshot(doc);
    doc.WorkDoc.Header.FileVersion.set("V200");  // what a save rewrites
    EXPECT_TRUE(ChangeSince(seen, doc).empty());

    doc.WorkDoc.Keys.KeyOption = 2;
    ApplyChange(doc, ChangeSince(seen, doc), false);
    EXPECT_EQ(doc.WorkDoc.Keys.KeyOption, seen.doc.Keys.KeyOption);
    EXPECT_EQ(doc.WorkDoc.Header.FileVersion.raw(), "V200");
}

TEST(ContentChange, MergedStepsUndoToTheFirstBeforeAndRedoToTheLastAfter) {
    DocumentState doc = NewDocument(1);
    Channel(doc, 12);
    const DocumentState start = doc;
    ContentSnapshot seen = TakeSnapshot(doc);
    doc.WorkDoc.Dtmf.Codes[0].Digits.set("1");
    Channel(doc, 12).TDCT = 1;
    const ContentChange first = ChangeSince(seen, doc);
    seen = TakeSnapshot(doc);
    doc.WorkDoc.Dtmf.Codes[0].Digits.set("12");
    Channel(doc, 12).TDCT = 0;
    Channel(doc, 12).RDCT = 1;
    const ContentChange second = ChangeSince(seen, doc);
    const DocumentState end = doc;

    const ContentChange both = Merged(first, second);
    EXPECT_EQ(both.channels.size(), 1u);
    ApplyChange(doc, both, false);
    EXPECT_TRUE(SameContent(doc, start));
    ApplyChange(doc, both, true);
    EXPECT_TRUE(SameContent(doc, end));
}

TEST(ContentChange, SingleFieldStepStaysSmall) {
    DocumentState doc = NewDocument(1);
    Channel(doc, 12);
    const ContentSnapshot seen = TakeSnapshot(doc);
    Channel(doc, 12).TDCT = 1;
    // 1,000 of them must fit in 16 MiB with room to spare.
    EXPECT_LT(ChangeSince(seen, doc).bytes(), 1024u);
}

}  // namespace
}  // namespace k7x

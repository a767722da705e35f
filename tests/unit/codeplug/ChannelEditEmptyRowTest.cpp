// Clearing the frequency of a row that holds no channel must leave the document as it was,
// group settings included, even when they name channels the list does not hold.
#include <gtest/gtest.h>

#include "RecordingPrompts.h"
#include "codeplug/ChannelList.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/Groups.h"

namespace k7x {
namespace {

struct Counter : DocumentListener {
    int reshowByCh = 0;
    int gridRedraws = 0;
    void ReshowByCh() override { ++reshowByCh; }
    void reShowGrid(int) override { ++gridRedraws; }
};

DocumentState LetterModeDocument() {
    DocumentState doc;
    doc.WorkDoc.Header.CountryMode = 1;
    EXPECT_TRUE(ApplyHeader(doc));
    for (int n : {1, 2, 401, 402, 405}) EXPECT_TRUE(AddChannel(doc, n, "28.005"));
    // Settings as a file may hold them: positions of channels that are not in the list,
    // a group enabled without channels, a MEM position without its channel.
    OptionRecord& o = doc.WorkDoc.Options;
    o.GroupEnabled = {1, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    o.GroupCurrent[0] = 6;
    o.GroupPair[0] = {7, 8};
    o.GroupCurrent[1] = 3;
    o.CurrentMem = 2;
    TakeIntoSavedCopy(doc);
    return doc;
}

TEST(EditChannelCellEmptyRow, ClearingChangesNoGroupSetting) {
    struct Case {
        int group;
        int position;
    };
    // A letter group with channels, one without, and the MEM group.
    for (Case c : {Case{0, 3}, Case{1, 1}, Case{11, 2}}) {
        DocumentState doc = LetterModeDocument();
        const CodeplugDocument before = doc.WorkDoc;
        Counter counter;
        doc.subscribe(&counter);
        test::RecordingPrompts prompts;
        EditChannelCell(doc, prompts, c.group, c.position, kColFrequency, "");
        EXPECT_EQ(doc.WorkDoc, before) << "group " << c.group;
        EXPECT_FALSE(IsDocumentChanged(doc)) << "group " << c.group;
        EXPECT_EQ(counter.reshowByCh, 0) << "group " << c.group;
        EXPECT_EQ(counter.gridRedraws, 1) << "group " << c.group;  // the row is still redrawn
    }
}

TEST(EditChannelCellEmptyRow, AddingAChannelStillBooksTheGroup) {
    DocumentState doc = LetterModeDocument();
    Counter counter;
    doc.subscribe(&counter);
    test::RecordingPrompts prompts;
    EditChannelCell(doc, prompts, 1, 4, kColFrequency, "28.1");
    ASSERT_GE(FindChannel(doc, 44), 0);
    EXPECT_EQ(doc.WorkDoc.Options.GroupCurrent[1], 3);  // channel 44 now exists
    EXPECT_EQ(counter.reshowByCh, 1);

    // A channel that exists but may not be removed still has its group checked.
    EditChannelCell(doc, prompts, 0, 1, kColFrequency, "");
    EditChannelCell(doc, prompts, 0, 2, kColFrequency, "");
    EXPECT_EQ(counter.reshowByCh, 3);
    EXPECT_EQ(doc.WorkDoc.Options.GroupCurrent[0], 0);  // channel 1: the only one left
}

}  // namespace
}  // namespace k7x

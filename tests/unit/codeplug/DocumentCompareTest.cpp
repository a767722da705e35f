#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "codeplug/ChannelList.h"

namespace k7x {
namespace {

// A document with a few channels and settings, saved: working copy and saved copy agree.
DocumentState SavedDocument() {
    DocumentState doc;
    doc.WorkDoc.Header.ModelName.set("KORVN7X");
    doc.WorkDoc.Header.CountryMode = 1;
    doc.WorkDoc.Header.FileVersion.set("V100");
    for (int n : {3, 41, 402}) AddChannel(doc, n, "28.005");
    doc.WorkDoc.Options.GroupEnabled[0] = 1;
    doc.WorkDoc.Dtmf.Codes[0].CodeLength = 3;
    doc.WorkDoc.Dtmf.Codes[0].Digits.set("12#");
    doc.WorkDoc.ToneTips[0].RepeatCount = 1;
    doc.WorkDoc.ToneTips[0].Steps[0] = {100, 10};
    doc.SavedDoc = doc.WorkDoc;
    doc.SavedChannels = doc.ChannelList;
    return doc;
}

TEST(DocumentChanged, ASavedDocumentIsUnchanged) {
    DocumentState doc = SavedDocument();
    EXPECT_FALSE(IsDocumentChanged(doc));
}

TEST(DocumentChanged, EveryComparedValueCounts) {
    const std::vector<std::pair<const char*, std::function<void(DocumentState&)>>> edits = {
        {"model", [](DocumentState& d) { d.WorkDoc.Header.ModelName.set("KORVN7Y"); }},
        {"mode", [](DocumentState& d) { d.WorkDoc.Header.CountryMode = 2; }},
        {"count", [](DocumentState& d) { AddChannel(d, 9, "28.1"); }},
        {"frequency", [](DocumentState& d) { d.ChannelList[1].Frequency.set("02800510"); }},
        {"channel number", [](DocumentState& d) { d.ChannelList[1].ChannelNo = 42; }},
        {"IsEmpty", [](DocumentState& d) { d.ChannelList[0].IsEmpty = kTrue; }},
        {"TSQ", [](DocumentState& d) { d.ChannelList[2].TSQ = 1; }},
        {"RDCT", [](DocumentState& d) { d.ChannelList[2].RDCT = 40; }},
        {"Public", [](DocumentState& d) { d.ChannelList[0].Public = 0; }},
        {"key", [](DocumentState& d) { d.WorkDoc.Keys.KeyFunction[17] = 4; }},
        {"key option", [](DocumentState& d) { d.WorkDoc.Keys.KeyOption = 1; }},
        {"CurrentGroup", [](DocumentState& d) { d.WorkDoc.Options.CurrentGroup = 11; }},
        {"UseVfo", [](DocumentState& d) { d.WorkDoc.Options.UseVfo = 3; }},
        {"CurrentMem", [](DocumentState& d) { d.WorkDoc.Options.CurrentMem = 2; }},
        {"Setting", [](DocumentState& d) { d.WorkDoc.Options.Setting[16] = 150; }},
        {"GroupEnabled", [](DocumentState& d) { d.WorkDoc.Options.GroupEnabled[9] = 1; }},
        {"GroupPair", [](DocumentState& d) { d.WorkDoc.Options.GroupPair[9][1] = 3; }},
        {"GroupBytes", [](DocumentState& d) { d.WorkDoc.Options.GroupBytes[0][1] = 1; }},
        {"public offset", [](DocumentState& d) { d.WorkDoc.PublicChannel.OffSetFre = 10; }},
        {"public DTMF", [](DocumentState& d) { d.WorkDoc.PublicChannel.DTMF_Call = 2; }},
        {"DTMF setting", [](DocumentState& d) { d.WorkDoc.Dtmf.DtmfSetting[5] = 1; }},
        {"DTMF digits", [](DocumentState& d) { d.WorkDoc.Dtmf.Codes[0].Digits.set("12*"); }},
        {"DTMF length", [](DocumentState& d) { d.WorkDoc.Dtmf.Codes[15].CodeLength = 1; }},
        {"tone gap", [](DocumentState& d) { d.WorkDoc.ToneTips[7].RepeatGap = 1; }},
        {"tone step", [](DocumentState& d) { d.WorkDoc.ToneTips[0].Steps[13].Pitch = 1; }},
    };
    for (const auto& [what, edit] : edits) {
        DocumentState doc = SavedDocument();
        edit(doc);
        EXPECT_TRUE(IsDocumentChanged(doc)) << what;
    }
}

TEST(DocumentChanged, WhatTheRadioDoesNotKeepIsIgnored) {
    const std::vector<std::pair<const char*, std::function<void(DocumentState&)>>> edits = {
        {"version", [](DocumentState& d) { d.WorkDoc.Header.FileVersion.set("V200"); }},
        {"reserved", [](DocumentState& d) { d.ChannelList[0].Reserved[3] = 1; }},
        {"option spare", [](DocumentState& d) { d.WorkDoc.Options.Spare[0] = 1; }},
        {"DTMF spare", [](DocumentState& d) { d.WorkDoc.Dtmf.Spare[0] = 1; }},
        {"public Public", [](DocumentState& d) { d.WorkDoc.PublicChannel.Public = 1; }},
        {"public Scan", [](DocumentState& d) { d.WorkDoc.PublicChannel.Scan = 1; }},
        {"public TSQ", [](DocumentState& d) { d.WorkDoc.PublicChannel.TSQ = 1; }},
        {"public frequency", [](DocumentState& d) { d.WorkDoc.PublicChannel.Frequency.set("1"); }},
        // Fixed texts are compared as read: trailing blanks and what follows a NUL do not count.
        {"frequency padding",
         [](DocumentState& d) {
             d.SavedChannels[0].Frequency.set("0280");
             d.ChannelList[0].Frequency.chars = {'0', '2', '8', '0', 0, 'x', 0, 0};
         }},
        {"digits padding", [](DocumentState& d) { d.WorkDoc.Dtmf.Codes[0].Digits.chars[3] = 0; }},
        {"leftover entry", [](DocumentState& d) { d.ChannelList[5].ChannelNo = 77; }},
    };
    for (const auto& [what, edit] : edits) {
        DocumentState doc = SavedDocument();
        edit(doc);
        EXPECT_FALSE(IsDocumentChanged(doc)) << what;
    }
}

TEST(DocumentChanged, ChannelsAreMatchedByNumberNotByPlace) {
    DocumentState doc = SavedDocument();
    std::swap(doc.ChannelList[0], doc.ChannelList[2]);
    EXPECT_FALSE(IsDocumentChanged(doc));
    doc.ChannelList[0].Scan = 0;  // channel 402, now first in the list
    EXPECT_TRUE(IsDocumentChanged(doc));
}

TEST(DocumentChanged, SavedEntriesPastTheSavedCountAreNotChannels) {
    DocumentState doc = SavedDocument();
    // Working list 3, 41, 9 against saved 3, 41, 402 with a stale copy of channel 9 after them.
    doc.SavedChannels[3] = doc.ChannelList[2];
    doc.SavedChannels[3].ChannelNo = 9;
    doc.ChannelList[2].ChannelNo = 9;
    EXPECT_TRUE(IsDocumentChanged(doc));
}

}  // namespace
}  // namespace k7x

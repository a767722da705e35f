#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "codeplug/ChannelList.h"
#include "codeplug/DocumentDiff.h"

namespace k7x {
namespace {

// A mode-1 document with channels in group A, in the VFO and in MEM.
DocumentState Document() {
    DocumentState doc;
    doc.CurrentCountryMode = 1;
    doc.WorkDoc.Header.ModelName.set("KORVN7X");
    doc.WorkDoc.Header.CountryMode = 1;
    doc.WorkDoc.Header.FileVersion.set("V100");
    for (int n : {3, 12, 401, 402}) AddChannel(doc, n, "28.005");
    // The fields the cases change start from known values, whatever a new channel's defaults.
    for (int i = 0; i < doc.WorkDoc.ChannelCount; ++i) {
        ChannelRecord& c = doc.ChannelList[i];
        c.Frequency.set("02800500");
        c.Scan = c.NB = c.TSQ = 0;
    }
    doc.WorkDoc.Dtmf.Codes[0].CodeLength = 3;
    doc.WorkDoc.Dtmf.Codes[0].Digits.set("12#");
    return doc;
}

ChannelRecord& Channel(DocumentState& doc, int channelNo) {
    for (ChannelRecord& c : doc.ChannelList) {
        if (c.ChannelNo == channelNo) return c;
    }
    throw std::logic_error("no such channel");
}

using V = std::variant<int, std::string>;

TEST(CompareDocuments, NamesEachDifferenceByChannelAndField) {
    struct Case {
        const char* what;
        std::function<void(DocumentState&)> edit;
        std::vector<Difference> expected;
    };
    const std::vector<Case> cases = {
        {"equal documents", [](DocumentState&) {}, {}},
        {"a channel's number field",
         [](DocumentState& d) { Channel(d, 12).NB = 1; },
         {{"A-12", "NB", V(0), V(1)}}},
        {"a channel's frequency",
         [](DocumentState& d) { Channel(d, 3).Frequency.set("02810500"); },
         {{"A-3", "Frequency", V("02800500"), V("02810500")}}},
        {"the VFO and MEM channels by their group names",
         [](DocumentState& d) {
             Channel(d, 401).Scan = 1;
             Channel(d, 402).TSQ = 1;
         },
         {{"VFO", "Scan", V(0), V(1)}, {"MEM-1", "TSQ", V(0), V(1)}}},
        {"a setting",
         [](DocumentState& d) { d.WorkDoc.Options.Setting[kSetAsqFun] = 2; },
         {{"", "Options.Setting[5]", V(0), V(2)}}},
        {"a text setting and a common channel setting",
         [](DocumentState& d) {
             d.WorkDoc.Dtmf.Codes[0].Digits.set("12#*");
             d.WorkDoc.PublicChannel.Tx_Power = 2;
         },
         {{"", "PublicChannel.Tx_Power", V(0), V(2)},
          {"", "Dtmf.Codes[0].Digits", V("12#"), V("12#*")}}},
        {"spare bytes do not count",
         [](DocumentState& d) {
             d.WorkDoc.Options.Spare[3] = 7;
             Channel(d, 3).Reserved[0] = 1;
         },
         {}},
        {"a channel in the second document only",
         [](DocumentState& d) { AddChannel(d, 20, "28.005"); },
         {{"A-20", "", std::nullopt, V(20)}, {"", "ChannelCount", V(4), V(5)}}},
    };
    const DocumentState first = Document();
    for (const Case& c : cases) {
        DocumentState second = Document();
        c.edit(second);
        EXPECT_EQ(CompareDocuments(first, second), c.expected) << c.what;
    }
}

TEST(CompareDocuments, MatchesChannelsByNumberWhateverTheirOrderInTheList) {
    const DocumentState first = Document();
    DocumentState second = Document();
    std::reverse(second.ChannelList.begin(), second.ChannelList.begin() + 4);
    EXPECT_TRUE(CompareDocuments(first, second).empty());

    // Channel 12 removed from the first: listed as in the second only, between its neighbours.
    DocumentState fewer = Document();
    DeleteChannel(fewer, FindChannel(fewer, 12));
    Channel(second, 3).Scan = 1;
    const std::vector<Difference> d = CompareDocuments(fewer, second);
    ASSERT_GE(d.size(), 2u);
    EXPECT_EQ(d[0], (Difference{"A-3", "Scan", V(0), V(1)}));
    EXPECT_EQ(d[1], (Difference{"A-12", "", std::nullopt, V(12)}));
}

TEST(DocumentFields, NameEveryFieldOnceInRecordOrder) {
    const NamedValues channel = ChannelFieldValues(ChannelRecord{});
    ASSERT_EQ(channel.size(), 20u);
    EXPECT_EQ(channel[3].name, "Frequency");
    EXPECT_EQ(channel.back().name, "TSQ");

    const NamedValues settings = DocumentSettingValues(CodeplugDocument{});
    std::set<std::string> names;
    for (const NamedValue& v : settings) EXPECT_TRUE(names.insert(v.name).second) << v.name;
    EXPECT_TRUE(names.contains("Options.GroupPair[9][1]"));
    EXPECT_TRUE(names.contains("Options.GroupBytes[9][1]"));
    EXPECT_TRUE(names.contains("ToneTips[7].Steps[13].Duration"));
    EXPECT_FALSE(names.contains("PublicChannel.Frequency"));
}

}  // namespace
}  // namespace k7x

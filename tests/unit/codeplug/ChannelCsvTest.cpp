// Channels as CSV files: our own files round-trip every field in every mode, a file as other
// radio programs write it is read, rows the document cannot take are refused one by one, and
// files that are no channel table change nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CsvDocs.h"
#include "RecordingPrompts.h"
#include "codeplug/ChannelCsv.h"
#include "codeplug/ChannelRows.h"

namespace k7x {
namespace {

using test::RecordingPrompts;

constexpr const char* kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

std::vector<ChannelRecord> SortedChannels(const DocumentState& doc) {
    std::vector<ChannelRecord> out(doc.ChannelList.begin(),
                                   doc.ChannelList.begin() + doc.WorkDoc.ChannelCount);
    std::sort(out.begin(), out.end(), [](const ChannelRecord& a, const ChannelRecord& b) {
        return a.ChannelNo < b.ChannelNo;
    });
    return out;
}

const ChannelRecord& Channel(const DocumentState& doc, int channelNo) {
    const int index = FindChannel(doc, channelNo);
    EXPECT_GE(index, 0) << channelNo;
    return doc.ChannelList[static_cast<std::size_t>(std::max(index, 0))];
}

int Ctcss(double hz) {
    for (int n = 1; n <= kCtcssCount; ++n)
        if (std::fabs(CtcssFrequency(n) - hz) < 0.05) return n;
    return 0;
}

int Dcs(int code) {
    for (int n = 1; n <= kDcsCount; ++n)
        if (DcsCode(n) == code) return kCtcssCount + n;
    return 0;
}

DocumentState NewDocument(int mode) {
    DocumentState doc;
    doc.CurrentCountryMode = static_cast<Int>(mode);
    SetBuiltInDefaults(doc, "2026-01-01");
    return doc;
}

TEST(ChannelCsv, ExportThenImportGivesTheSameDocument) {
    for (int mode = 0; mode <= 2; ++mode) {
        for (unsigned seed = 1; seed <= 200; ++seed) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << " seed " << seed);
            test::CsvDocGenerator gen(seed * 3 + static_cast<unsigned>(mode));
            const DocumentState original = gen.document(mode);
            RecordingPrompts prompts;
            const std::string csv = ExportChannelsCsv(original);

            // Into the same document with every value changed, and in modes 1 and 2 with
            // a few channels gone, which the import must bring back.
            DocumentState target = original;
            gen.scramble(target);
            const bool removing = mode != 0 && seed % 2 == 0;
            for (int k = 0; removing && k < 3; ++k) {
                const int channelNo =
                    target.ChannelList[static_cast<std::size_t>(gen.range(0, 10))].ChannelNo;
                const int group = GroupHoldingChannel(channelNo, mode);
                if (MayRemoveChannel(target, group, channelNo))
                    DeleteChannel(target, FindChannel(target, channelNo));
            }
            const CsvImport import = ImportChannelsCsv(csv, target, prompts);
            ASSERT_FALSE(import.damage);
            EXPECT_TRUE(import.refused.empty()) << import.refused.front().line;
            EXPECT_TRUE(prompts.shown.empty());
            EXPECT_EQ(SortedChannels(import.result), SortedChannels(original));
            if (!removing) {
                EXPECT_EQ(import.result.WorkDoc, original.WorkDoc);
                EXPECT_EQ(import.result.ChannelList, original.ChannelList);
            }
        }
    }
}

// What a user exports is what comes back: new documents of every mode, and a mode-0 document
// with "UK" channels whose 12.5 kHz frequencies the "MEM" channels took.
TEST(ChannelCsv, TheProgramsOwnExportImportsBackIntoTheSameDocument) {
    DocumentState withUk = NewDocument(0);
    AddChannel(withUk, 124, "27.601");
    AddChannel(withUk, 160, "27.991");
    for (auto [mem, from] : {std::pair{402, 124}, {403, 160}, {404, 1}})
        withUk.ChannelList[static_cast<std::size_t>(FindChannel(withUk, mem))].Frequency =
            Channel(withUk, from).Frequency;
    for (const DocumentState& doc : {NewDocument(0), NewDocument(1), NewDocument(2), withUk}) {
        SCOPED_TRACE(testing::Message() << "mode " << doc.CurrentCountryMode << ", "
                                        << doc.WorkDoc.ChannelCount << " channels");
        RecordingPrompts prompts;
        const std::string csv = ExportChannelsCsv(doc);
        const CsvImport import = ImportChannelsCsv(csv, doc, prompts);
        ASSERT_FALSE(import.damage);
        EXPECT_TRUE(import.refused.empty()) << import.refused.front().detail;
        EXPECT_EQ(import.taken, std::count(csv.begin(), csv.end(), '\n') - 1);
        EXPECT_EQ(import.result.ChannelList, doc.ChannelList);
        EXPECT_EQ(import.result.WorkDoc, doc.WorkDoc);
        EXPECT_TRUE(prompts.shown.empty());
    }
}

// Mode 0: a "MEM" row keeps its channel's frequency or takes that of a country channel, each
// given as shown or as stored; any other frequency is refused.
TEST(ChannelCsv, AMemRowTakesOnlyItsOwnOrACountryChannelsFrequency) {
    struct Case {
        int location;
        const char* frequency;
        const char* stored;  // nullptr: refused
    };
    for (const Case& c : {
             Case{402, "28.011250", "02801500"},  // its own, as shown
             Case{402, "28.015000", "02801500"},  // its own, as stored
             Case{402, "27.185000", "02718500"},  // EU 1
             Case{402, "27.601250", "02760100"},  // UK 4, as shown
             Case{402, "27.601000", "02760100"},  // UK 4, as stored
             Case{409, "27.601250", "02760100"},  // a "MEM" position without a channel
             Case{409, "28.005000", nullptr},     // the frequency of a channel now gone
             Case{402, "28.145000", nullptr},     // another "MEM" channel's
             Case{402, "27.190000", nullptr},     // near EU 1
             Case{402, "27.603000", nullptr},     // near UK 4
             Case{402, "146.520000", nullptr},
         }) {
        SCOPED_TRACE(testing::Message() << c.location << " " << c.frequency);
        DocumentState doc = NewDocument(0);
        AddChannel(doc, 124, "27.601");
        DeleteChannel(doc, FindChannel(doc, 409));
        const std::string csv = std::string(kHeader) + "\n" + std::to_string(c.location) + ",," +
                                c.frequency + ",,0,,,,,,,,FM\n";
        RecordingPrompts prompts;
        const CsvImport import = ImportChannelsCsv(csv, doc, prompts);
        if (c.stored) {
            EXPECT_TRUE(import.refused.empty());
            EXPECT_EQ(Channel(import.result, c.location).Frequency.str(), c.stored);
        } else {
            ASSERT_EQ(import.refused.size(), 1u);
            EXPECT_EQ(import.refused[0].why, CsvRefusal::NotOffered);
            EXPECT_EQ(import.refused[0].detail, c.frequency);
            EXPECT_EQ(import.result.ChannelList, doc.ChannelList);
        }
    }
}

// A 10 m file as another program writes it: byte order mark, CRLF, a comment line, quotes,
// a column of its own, and the tone modes each way.
TEST(ChannelCsv, AFileOfAnotherProgramGivesItsChannels) {
    const std::string csv =
        "\xEF\xBB\xBF# 10 m repeaters and simplex\r\n" + std::string(kHeader) +
        ",Bank\r\n"
        "1,RPT 1,29.620000,-,0.100000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,10.00,,50W,,,,,,x\r\n"
        "2,RPT 2,29.640000,+,0.100000,TSQL,88.5,107.2,023,NN,023,Tone->Tone,NFM,10.00,S,,,,,,,\r\n"
        "3,DCS,29.660000,,0.000000,DTCS,88.5,88.5,754,NN,023,Tone->Tone,FM,5.00,,,,,,,,\r\n"
        "4,CROSS,29.680000,,0.000000,Cross,88.5,100.0,023,NN,047,Tone->DTCS,FM,5.00,,,"
        "\"a note, Public=1 Tx_Power=2\",,,,,\r\n"
        "5,AM,28.305000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,5.00,P,,,,,,,\r\n";
    const DocumentState doc = NewDocument(2);
    RecordingPrompts prompts;
    const CsvImport import = ImportChannelsCsv(csv, doc, prompts);
    ASSERT_FALSE(import.damage);
    EXPECT_TRUE(import.refused.empty());
    EXPECT_EQ(import.taken, 5);
    struct Expected {
        int channelNo;
        const char* frequency;
        int dup, offset, tdct, rdct, amFm, scan, isPublic, power;
    };
    for (const Expected& e : {
             Expected{1, "02962000", 2, 100, Ctcss(88.5), 0, 0, 1, 0, 0},
             Expected{2, "02964000", 1, 100, Ctcss(107.2), Ctcss(107.2), 0, 0, 0, 0},
             Expected{3, "02966000", 0, 100, Dcs(754), Dcs(754), 0, 1, 0, 0},
             Expected{4, "02968000", 0, 100, Ctcss(88.5), Dcs(47), 0, 1, 1, 2},
             Expected{5, "02830500", 0, 100, 0, 0, 1, 1, 0, 0},
         }) {
        const ChannelRecord& ch = Channel(import.result, e.channelNo);
        EXPECT_EQ(ch.Frequency.str(), e.frequency) << e.channelNo;
        EXPECT_EQ((std::vector<int>{ch.DUP, ch.OffSetFre, ch.TDCT, ch.RDCT, ch.AM_FM, ch.Scan,
                                    ch.Public, ch.Tx_Power}),
                  (std::vector<int>{e.dup, e.offset, e.tdct, e.rdct, e.amFm, e.scan, e.isPublic,
                                    e.power}))
            << e.channelNo;
    }
}

TEST(ChannelCsv, RowsTheDocumentCannotTakeAreRefusedOneByOne) {
    struct Case {
        int mode;
        const char* row;
        CsvRefusal why;
        const char* detail;
    };
    for (const Case& c : {
             Case{2, "1,,146.520000,,0.000000,,,,,,,,FM", CsvRefusal::OutOfBand, "146.520000"},
             Case{1, "2,,446.006250,,0.000000,,,,,,,,FM", CsvRefusal::OutOfBand, "446.006250"},
             Case{0, "402,,146.520000,,0,,,,,,,,FM", CsvRefusal::NotOffered, "146.520000"},
             Case{0, "5,,27.999000,,0,,,,,,,,FM", CsvRefusal::FixedFrequency, ""},
             Case{0, "401,,27.005000,,0,,,,,,,,FM", CsvRefusal::NoLocation, "401"},
             Case{1, "999,,28.000000", CsvRefusal::NoLocation, "999"},
             Case{1, "x,,28.000000", CsvRefusal::NoLocation, "x"},
             Case{1, "1e113,,28.000000", CsvRefusal::NoLocation, "1e113"},
             Case{1, "3,,28.000000,,0,Tone,69.3", CsvRefusal::Unreadable, "rToneFreq \"69.3\""},
             Case{1, "3,,28.000000,+,1.600000", CsvRefusal::Unreadable, "Offset \"1.600000\""},
             Case{1, "3,,28.000000,,0,DTCS,,,1e15", CsvRefusal::Unreadable, "DtcsCode \"1e15\""},
             Case{1, "3,,28.000000,,,,,,,,,,USB", CsvRefusal::Unreadable, "Mode \"USB\""},
             Case{1, "3,,", CsvRefusal::NoFrequency, ""},
         }) {
        SCOPED_TRACE(c.row);
        test::CsvDocGenerator gen(5);
        const DocumentState doc = gen.document(c.mode);
        const std::string csv = std::string(kHeader) + "\n# two rows\n" + c.row + "\n";
        RecordingPrompts prompts;
        const CsvImport import = ImportChannelsCsv(csv, doc, prompts);
        ASSERT_FALSE(import.damage);
        ASSERT_EQ(import.refused.size(), 1u);
        EXPECT_EQ(import.refused[0].line, 3);
        EXPECT_EQ(import.refused[0].why, c.why);
        if (c.why != CsvRefusal::FixedFrequency) {
            EXPECT_EQ(import.refused[0].detail, c.detail);
        }
        EXPECT_EQ(import.taken, 0);
        EXPECT_EQ(import.result.ChannelList, doc.ChannelList);
        EXPECT_EQ(import.result.WorkDoc, doc.WorkDoc);
        EXPECT_TRUE(prompts.shown.empty());
    }
}

TEST(ChannelCsv, ARepeatedLocationAndRowsPastTheGroupAreRefused) {
    const DocumentState doc = NewDocument(1);
    RecordingPrompts prompts;
    const std::string csv =
        std::string(kHeader) + "\n7,,28.000000\n8,,28.100000\n7,,28.200000\n9,,28.300000\n";
    const CsvImport byLocation = ImportChannelsCsv(csv, doc, prompts);
    ASSERT_EQ(byLocation.refused.size(), 1u);
    EXPECT_EQ(byLocation.refused[0].why, CsvRefusal::RepeatedLocation);
    EXPECT_EQ(byLocation.refused[0].detail, "2");
    EXPECT_EQ(Channel(byLocation.result, 7).Frequency.str(), "02800000");

    // Into group B from position 38: the Locations do not count, three rows fit.
    const CsvImport intoGroup = ImportChannelsCsv(csv, doc, prompts, {false, 1, 38});
    EXPECT_EQ(intoGroup.taken, 3);
    ASSERT_EQ(intoGroup.refused.size(), 1u);
    EXPECT_EQ(intoGroup.refused[0].why, CsvRefusal::PastEnd);
    EXPECT_EQ(intoGroup.refused[0].line, 5);
    EXPECT_EQ(Channel(intoGroup.result, 80).Frequency.str(), "02820000");
}

TEST(ChannelCsv, FilesThatAreNoChannelTableChangeNothing) {
    struct Case {
        const char* what;
        std::string text;
        CsvDamage damage;
    };
    for (const Case& c : std::vector<Case>{
             {"prose", "Dear friend,\nhere are my channels.\n", CsvDamage::NoHeader},
             {"empty", "", CsvDamage::NoHeader},
             {"no Location", "Name,Frequency\nA,28.0\n", CsvDamage::NoHeader},
             {"no Frequency", "Location,Name\n1,A\n", CsvDamage::NoHeader},
             {"header only", std::string(kHeader) + "\r\n", CsvDamage::NoRows},
             {"binary", std::string("Location,Frequency\n1,28\0\x01\x02PK", 27),
              CsvDamage::NotText},
             {"10 MB", std::string(kHeader) + "\n" + std::string(10'000'000, '1'),
              CsvDamage::TooLarge},
         }) {
        const DocumentState doc = NewDocument(1);
        RecordingPrompts prompts;
        const CsvImport import = ImportChannelsCsv(c.text, doc, prompts);
        EXPECT_EQ(import.damage, c.damage) << c.what;
        EXPECT_EQ(import.taken, 0) << c.what;
        DocumentState after = doc;
        TakeImport(after, import);
        EXPECT_EQ(after.ChannelList, doc.ChannelList) << c.what;
    }
}

}  // namespace
}  // namespace k7x

// Channels as table rows and as full records: the tone columns both ways, reading tables as
// spreadsheets and other programs write them, and every field through a copy and a paste.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingPrompts.h"
#include "codeplug/ChannelCommands.h"
#include "codeplug/ChannelList.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/Conversions.h"

namespace k7x {
namespace {

using test::RecordingPrompts;

constexpr int kDcs023 = kCtcssCount + 1;  // the first DCS code
constexpr int kDcs754 = kToneValueCount - 1;

DocumentState ModeOne() {
    DocumentState doc;
    doc.WorkDoc.Header.CountryMode = 1;
    EXPECT_TRUE(ApplyHeader(doc));
    return doc;
}

// A channel of group A with every field away from its default.
ChannelRecord Unusual(DocumentState& doc, int channelNo, Int amFm) {
    ChannelRecord ch = NewChannel(channelNo, "28.12500", doc);
    ch.Scan = 0, ch.OffSetFre = 600, ch.RDCT = 12, ch.TDCT = kDcs754, ch.DUP = 2;
    ch.HI_CUT = 1, ch.BUSY = 1, ch.NB = 0, ch.Add_Sub_5K = 1, ch.AM_FM = amFm;
    ch.Tx_Power = amFm ? 1 : 2, ch.Public = 0, ch.RBTone = 3, ch.DTMF_BOT = 4;
    ch.DTMF_EOT = 16, ch.DTMF_Call = 9, ch.TSQ = 1;
    ch.Reserved[3] = 0x5A;
    return ch;
}

TEST(ChannelRows, ToneColumnsNameBothSidesAndReadBack) {
    struct Case {
        int tx, rx;
        const char* tone;
        const char* cross;
    };
    DocumentState doc = ModeOne();
    for (const Case& c :
         {Case{0, 0, "", "Tone->Tone"}, Case{12, 0, "Tone", "Tone->Tone"},
          Case{12, 12, "TSQL", "Tone->Tone"}, Case{kDcs023, kDcs023, "DTCS", "Tone->Tone"},
          Case{12, 20, "Cross", "Tone->Tone"}, Case{12, kDcs754, "Cross", "Tone->DTCS"},
          Case{kDcs754, 12, "Cross", "DTCS->Tone"}, Case{0, 5, "Cross", "->Tone"},
          Case{0, kDcs023, "Cross", "->DTCS"}, Case{kDcs023, 0, "Cross", "DTCS->"},
          Case{kDcs023, kDcs754, "Cross", "DTCS->DTCS"}}) {
        ChannelRecord ch = NewChannel(1, "28.00000", doc);
        ch.TDCT = static_cast<Int>(c.tx);
        ch.RDCT = static_cast<Int>(c.rx);
        const TextRow row = ChannelToRow(ch, doc);
        EXPECT_EQ(row[5], c.tone) << c.tx << "/" << c.rx;
        EXPECT_EQ(row[11], c.cross) << c.tx << "/" << c.rx;
        const ChannelFromRow back =
            ChannelRowHeader::FromRow(ChannelRowHeaderNames())->read(row, doc);
        EXPECT_TRUE(back.problems.empty());
        EXPECT_EQ(back.record.TDCT, c.tx);
        EXPECT_EQ(back.record.RDCT, c.rx);
    }
}

TEST(ChannelRows, AChannelReadsAsTheTableShowsIt) {
    DocumentState doc = ModeOne();
    const TextRow row = ChannelToRow(Unusual(doc, 52, 0), doc);
    EXPECT_EQ(row, (TextRow{"52",
                            "B-12",
                            "28.125000",
                            "-",
                            "0.600000",
                            "Cross",
                            "88.5",
                            "100.0",
                            "754",
                            "NN",
                            "023",
                            "DTCS->Tone",
                            "FM",
                            "5.00",
                            "S",
                            "",
                            "Public=0 Tx_Power=2 HI_CUT=1 BUSY=1 NB=0 Add_Sub_5K=1 TSQ=1 RBTone=3 "
                            "DTMF_BOT=4 DTMF_EOT=16 DTMF_Call=9",
                            "",
                            "",
                            "",
                            ""}));
}

TEST(ChannelRows, TablesFromOtherProgramsAreRead) {
    struct Case {
        const char* what;
        std::string text;
        std::vector<TextRow> rows;
    };
    for (const Case& c : std::vector<Case>{
             {"byte order mark, CRLF, comment",
              "\xEF\xBB\xBF# made elsewhere\r\na,b\r\n\r\n1,2\r\n",
              {{"a", "b"}, {"1", "2"}}},
             {"quotes", "\"x, \"\"y\"\"\",\"two\nlines\"\n", {{"x, \"y\"", "two\nlines"}}},
             {"tabs and a last line without its end", "a\tb,c\n1\t2", {{"a", "b,c"}, {"1", "2"}}},
             {"old line ends", "a,b\r1,2\r", {{"a", "b"}, {"1", "2"}}},
         }) {
        EXPECT_EQ(ReadDelimitedText(c.text), c.rows) << c.what;
        EXPECT_EQ(ReadDelimitedText(WriteDelimitedText(c.rows, ',')), c.rows) << c.what;
    }
}

TEST(ChannelRows, HeaderInAnyOrderWithColumnsMissing) {
    DocumentState doc = ModeOne();
    const auto header = ChannelRowHeader::FromRow({"skip", "Frequency", "Tone", "rToneFreq"});
    ASSERT_TRUE(header.has_value());
    const ChannelFromRow a = header->read({"", " 28.5 ", "Tone", "88.5"}, doc);
    EXPECT_EQ(a.frequency, "28.5");
    EXPECT_EQ(a.record.TDCT, 8);  // 88.5 Hz
    EXPECT_EQ(a.record.OffSetFre, 100);
    EXPECT_EQ(a.record.Scan, 1);
    const ChannelFromRow b = header->read({"X", "28.5", "Tone", "69.3"}, doc);
    ASSERT_EQ(b.problems.size(), 2u);  // a tone the radio does not offer, and Skip "X"
    EXPECT_EQ(b.problems[0].column, "rToneFreq");
    EXPECT_EQ(b.problems[1].column, "Skip");  // names match whatever their case
    EXPECT_FALSE(ChannelRowHeader::FromRow({"Location", "Name"}).has_value());
}

TEST(ChannelRows, EveryFieldSurvivesCopyAndPaste) {
    for (bool privateFormat : {true, false}) {
        for (Int amFm : {Int{0}, Int{1}}) {
            DocumentState doc = ModeOne();
            RecordingPrompts prompts;
            doc.WorkDoc.ToneTips[2].RepeatCount = 1;
            doc.WorkDoc.ToneTips[2].Steps[0] = {100, 5};
            AddChannel(doc, 1, "28.00000");
            AddChannel(doc, 41, "28.00000");
            doc.ChannelList[0] = Unusual(doc, 1, amFm);
            std::vector<PasteRow> rows;
            const std::vector<ChannelSlot> copied = CopyPositions(doc, 0, {1, 2});
            if (privateFormat) {
                rows = PasteRowsFromSlots(*TextToChannelSlots(ChannelSlotsToText(copied)));
            } else {
                std::vector<TextRow> table = {ChannelRowHeaderNames(),
                                              ChannelToRow(*copied[0], doc),
                                              EmptyPositionRow(2, doc)};
                rows = *PasteRowsFromText(WriteDelimitedText(table, '\t', "\n"), doc);
            }
            AddChannel(doc, 21, "29.00000");
            const ChannelCommandResult result = PasteRows(doc, prompts, 0, 20, rows);
            EXPECT_EQ(result.count, 2);
            ChannelRecord pasted = doc.ChannelList[static_cast<std::size_t>(FindChannel(doc, 20))];
            ChannelRecord expected = doc.ChannelList[0];
            expected.ChannelNo = 20;
            if (!privateFormat) expected.Reserved = {};  // the table has no column for it
            EXPECT_EQ(pasted, expected) << privateFormat << amFm;
            EXPECT_EQ(FindChannel(doc, 21), -1);  // the empty position was pasted too
        }
    }
}

TEST(ChannelRows, DamagedPrivateTextIsNotTaken) {
    DocumentState doc = ModeOne();
    const std::string text = ChannelSlotsToText({Unusual(doc, 1, 0), std::nullopt});
    EXPECT_EQ(TextToChannelSlots(text)->size(), 2u);
    for (const std::string& damaged :
         {text.substr(0, text.size() - 3), text.substr(1), std::string("korvan7x channels 1\nx\n")})
        EXPECT_FALSE(TextToChannelSlots(damaged).has_value());
}

}  // namespace
}  // namespace k7x

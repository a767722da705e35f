// The text form of a codeplug: a .dat file written out as YAML or JSON and read back gives the
// very same file, and a hand-written text is checked before anything is taken from it.
#include <gtest/gtest.h>

#include <cstdio>

#include "FileTestSupport.h"
#include "RecordingPrompts.h"
#include "codeplug/ChannelList.h"
#include "codeplug/CodeplugText.h"
#include "codeplug/CodeplugTexts.h"
#include "codeplug/Defaults.h"
#include "codeplug/FileContent.h"
#include "codeplug/Groups.h"

namespace k7x {
namespace {

using test::TempFolder;

// Under the sanitizers, which look at memory rather than at values, a tenth as many.
#ifdef K7X_SANITIZED
constexpr unsigned kDocumentsPerMode = 20;
#else
constexpr unsigned kDocumentsPerMode = 200;
#endif

// A sound file's document whose channels sit at numbers the mode has. Half the frequencies are
// frequencies of the band and half the tones are list entries; the rest is any value at all.
DocumentState GeneratedDocument(test::FileDocGenerator& gen, int mode) {
    DocumentState doc;
    doc.CurrentCountryMode = static_cast<Int>(mode);
    InitNewDocument(doc, "/nonexistent", false, "2024-07-15");
    std::vector<int> numbers;
    for (int n = 1; n <= kChannelCapacity; ++n)
        if (PlaceOfChannel(n, mode).group >= 0) numbers.push_back(n);
    const int count = gen.range(0, static_cast<int>(numbers.size()));
    doc.WorkDoc = gen.document(mode, count);
    doc.ChannelList = gen.channels(0);
    doc.SavedChannels = gen.channels(0);
    for (int i = 0; i < count; ++i) {
        std::swap(numbers[static_cast<std::size_t>(i)],
                  numbers[static_cast<std::size_t>(gen.range(i, int(numbers.size()) - 1))]);
        ChannelRecord& c = doc.ChannelList[static_cast<std::size_t>(i)];
        c.ChannelNo = static_cast<Int>(numbers[static_cast<std::size_t>(i)]);
        if (gen.range(0, 1)) {
            const int tenHz = gen.range(static_cast<int>(doc.FreqMin * 1e5 + 0.5),
                                        static_cast<int>(doc.FreqMax * 1e5 + 0.5));
            char digits[9];
            std::snprintf(digits, sizeof digits, "%08d", tenHz);
            c.Frequency.set(digits);
        }
        if (gen.range(0, 1)) c.RDCT = static_cast<Int>(gen.range(0, 142));
        if (gen.range(0, 1)) c.TDCT = static_cast<Int>(gen.range(0, 142));
    }
    for (DtmfCode& code : doc.WorkDoc.Dtmf.Codes) {
        if (gen.range(0, 1)) continue;  // printable text, quotes and backslashes included
        std::string digits(static_cast<std::size_t>(gen.range(0, 16)), ' ');
        for (char& c : digits) c = static_cast<char>(gen.range(0x20, 0x7E));
        code.Digits.set(digits);
    }
    if (gen.range(0, 1)) {  // a file that lists its channels by number
        std::sort(doc.ChannelList.begin(), doc.ChannelList.begin() + count,
                  [](const ChannelRecord& a, const ChannelRecord& b) {
                      return a.ChannelNo < b.ChannelNo;
                  });
    }
    if (gen.range(0, 3) == 0)  // after a save of a new document, nothing follows the list
        std::fill(doc.SavedChannels.begin(), doc.SavedChannels.end(), ChannelRecord{});
    return doc;
}

class CodeplugTextTest : public ::testing::Test {
protected:
    // The bytes a document saves as, made in memory: the round trips run hundreds of them.
    static std::vector<Byte> saved(DocumentState doc) {
        TakeIntoSavedCopy(doc);
        return EncodeFile(doc.SavedDoc, doc.SavedChannels);
    }
    DocumentState opened(const std::vector<Byte>& bytes) {
        DocumentState doc;
        EXPECT_EQ(OpenFileContent(doc, bytes, versions, prompts, nullptr), OpenResult::Opened);
        return doc;
    }
    std::vector<TextProblem> read(const std::string& text, DocumentState& doc) {
        return ReadCodeplugText(text, folder.file("no-program-folder"), doc);
    }

    // A .dat file through the text form and back to a .dat file.
    void expectRoundTrip(TextForm form, unsigned firstSeed) {
        for (unsigned seed = firstSeed; seed < firstSeed + 3 * kDocumentsPerMode; ++seed) {
            SCOPED_TRACE(seed);
            test::FileDocGenerator gen(seed);
            const std::vector<Byte> file = saved(GeneratedDocument(gen, seed % 3));
            const DocumentState doc = opened(file);
            const std::string text = WriteCodeplugText(doc, form);

            DocumentState back;
            const std::vector<TextProblem> problems = read(text, back);
            ASSERT_EQ(problems, std::vector<TextProblem>{})
                << problems.front().line << ":" << problems.front().column << "\n"
                << text;
            ASSERT_EQ(saved(back), file);
            // The same file gives the same text; every tenth is enough to show it, as the
            // writer takes no input but the document.
            if (seed % 10 == 0) {
                EXPECT_EQ(WriteCodeplugText(back, form), text);
            }
        }
    }

    CodeplugTextTest() { versions.VersionPairs = {{"V100", "V100"}}; }

    TempFolder folder;
    test::RecordingPrompts prompts;
    VersionTable versions;
};

TEST_F(CodeplugTextTest, DatThroughYamlGivesTheSameFile) {
    expectRoundTrip(TextForm::Yaml, 1);
}

TEST_F(CodeplugTextTest, DatThroughJsonGivesTheSameFile) {
    expectRoundTrip(TextForm::Json, 5000);
}

// A few channels written by hand make a whole codeplug: everything else is a new document's.
TEST_F(CodeplugTextTest, HandWrittenChannelsBecomeANewDocumentWithThem) {
    const std::string text = R"(country_mode: 2
settings:
  Setting: [0, 4]
channels:
  - {ChannelNo: 12, Frequency: "29.60000", OffSetFre: -100, DUP: 2, RDCT: 88.5, TDCT: D023N}
  - ChannelNo: 1
    Frequency: "28.85000"
    Scan: 0
)";
    DocumentState doc;
    ASSERT_EQ(read(text, doc), std::vector<TextProblem>{});

    DocumentState expected;
    expected.CurrentCountryMode = 2;
    InitNewDocument(expected, folder.file("no-program-folder"), false);
    ChannelRecord first = NewChannel(1, "28.85000", expected);
    first.Scan = 0;
    ChannelRecord twelfth = NewChannel(12, "29.60000", expected);
    twelfth.OffSetFre = -100;
    twelfth.DUP = 2;
    twelfth.RDCT = 8;   // 88.5 Hz is the eighth CTCSS tone
    twelfth.TDCT = 39;  // D023N is the first DCS code, after the 38 CTCSS tones
    expected.WorkDoc.Options.Setting[0] = 0;
    expected.WorkDoc.Options.Setting[1] = 4;
    expected.WorkDoc.ChannelCount = 2;
    expected.ChannelList[0] = first;
    expected.ChannelList[1] = twelfth;
    std::fill(expected.SavedChannels.begin() + 2, expected.SavedChannels.end(), ChannelRecord{});
    EXPECT_EQ(saved(doc), saved(expected));
}

// A new document of every mode reads back from its text, in mode 0 with the VFO channel that
// no group of the mode shows.
TEST_F(CodeplugTextTest, NewDocumentsReadBackFromTheirText) {
    for (int mode = 0; mode < 3; ++mode) {
        SCOPED_TRACE(mode);
        DocumentState doc;
        doc.CurrentCountryMode = static_cast<Int>(mode);
        InitNewDocument(doc, folder.file("no-program-folder"), false);
        DocumentState back;
        ASSERT_EQ(read(WriteCodeplugText(doc, TextForm::Yaml), back), std::vector<TextProblem>{});
        EXPECT_EQ(saved(back), saved(doc));
    }
}

TEST_F(CodeplugTextTest, JsonFormIsValidJson) {
    test::FileDocGenerator gen(77);
    const std::string path = folder.file("doc.json");
    const std::string text =
        WriteCodeplugText(opened(saved(GeneratedDocument(gen, 1))), TextForm::Json);
    test::WriteAll(path, std::vector<Byte>(text.begin(), text.end()));
    EXPECT_EQ(std::system(("python3 -m json.tool " + path + " > /dev/null").c_str()), 0);
}

// Every refusal names the place of the fault, and the document stays as it was.
TEST_F(CodeplugTextTest, FaultsAreReportedAtTheirPlaceAndNothingIsTaken) {
    const struct {
        std::string text;
        TextProblem problem;
    } cases[] = {
        {"country_mode: 2\nsetings: {}\n", {2, 1, kTextUnknownKey, {"setings"}}},
        {"country_mode: 3\nchannels: []\n", {1, 15, kTextBadCountryMode, {}}},
        {"model: OTHER\n", {1, 8, kTextBadModel, {"KORVN7X"}}},
        {"file_version: 1.0\n", {1, 15, kTextBadFileVersion, {}}},
        {"settings: {CurrentGroup: 40000}\n",
         {1, 26, kTextWholeNumberExpected, {"-32768", "32767"}}},
        {"settings: {GroupBytes: [[1, 256]]}\n", {1, 29, kTextWholeNumberExpected, {"0", "255"}}},
        {"keys: {KeyFunction: [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2, 3, 4, 5, 6, 7, 8]}\n",
         {1, 21, kTextListTooLong, {"18"}}},
        {"country_mode: 2\nchannels:\n  - {ChannelNo: 1, Frequency: \"27.00000\"}\n",
         {3, 31, kTextTextOutOfBand, {"27.00000", "28.000 - 29.700 MHz"}}},
        {"channels:\n  - {ChannelNo: 1, RDCT: 88.6}\n", {2, 26, kTextNoSuchTone, {"88.6"}}},
        {"channels:\n  - {ChannelNo: 1, TDCT: 40}\n", {2, 26, kTextNoSuchTone, {"40"}}},
        {"country_mode: 0\nchannels:\n  - {ChannelNo: 380}\n",
         {3, 17, kTextNotAChannelOfMode, {"0"}}},
        {"channels:\n  - {ChannelNo: 5}\n  - {ChannelNo: 5}\n", {3, 17, kTextChannelTwice, {"5"}}},
        {"dtmf: {Codes: [{Digits: \"12345678901234567\"}]}\n", {1, 25, kTextTextTooLong, {"16"}}},
        {"channels: [\n", {2, 1, kTextYamlSyntax, {"end of sequence flow not found"}}},
        {"", {1, 1, kTextPartsExpected, {}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        DocumentState doc;
        doc.WorkDoc.Keys.KeyOption = 7;
        const std::vector<TextProblem> problems = read(c.text, doc);
        ASSERT_EQ(problems.size(), 1U);
        EXPECT_EQ(problems.front(), c.problem);
        EXPECT_EQ(doc.WorkDoc.Keys.KeyOption, 7);
    }
}

// A text's file version meets the version table as a .dat file's does: another version is
// offered to start, with the file, and nothing is taken here.
TEST_F(CodeplugTextTest, ATextOfAnotherVersionIsHandedOverNotOpened) {
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        DocumentState doc;
        doc.WorkDoc.Keys.KeyOption = 7;
        std::string started;
        prompts.answers = {answer};
        const OpenResult result =
            OpenTextContent(doc, "file_version: V200\nkeys: {KeyOption: 3}\n", "v200.yaml", "",
                            versions, prompts, [&](const std::string& v) { started = v; });
        EXPECT_EQ(result,
                  answer == Answer::Yes ? OpenResult::OtherVersionStarted : OpenResult::Refused);
        EXPECT_EQ(started, answer == Answer::Yes ? "V200" : "");
        EXPECT_EQ(prompts.shown.back().buttons, Buttons::YesNo);
        EXPECT_EQ(doc.WorkDoc.Keys.KeyOption, 7);
    }
}

}  // namespace
}  // namespace k7x

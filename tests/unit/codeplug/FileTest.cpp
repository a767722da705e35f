#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>

#include "FileTestSupport.h"
#include "RecordingPrompts.h"
#include "codeplug/ChannelList.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/Defaults.h"
#include "codeplug/FileContent.h"

namespace k7x {
namespace {

using test::ChannelBlockAt;
using test::FileDocGenerator;
using test::PutInt;
using test::ReadAll;
using test::RecordingPrompts;
using test::TempFolder;
using test::WriteAll;

int IntAt(const std::vector<Byte>& b, std::size_t at) {
    return static_cast<Int>(b[at] | (b[at + 1] << 8));
}

std::string TextAt(const std::vector<Byte>& b, std::size_t at, std::size_t n) {
    return std::string(b.begin() + static_cast<std::ptrdiff_t>(at),
                       b.begin() + static_cast<std::ptrdiff_t>(at + n));
}

// ---- layout ----

TEST(FileLayout, FieldsLandAtTheirDocumentedOffsets) {
    CodeplugDocument d;
    d.Header.ModelName.set("KORVN7X");
    d.Header.CountryMode = 2;
    d.Header.FileVersion.set("V100");
    d.ChannelCount = 0x0102;
    d.Options.CurrentGroup = 0x0304;
    d.Options.CurrentMem = 0x0506;
    d.Options.GroupEnabled[9] = 0x0708;
    d.Options.GroupCurrent[0] = 0x090A;
    d.Options.GroupPair[3][0] = 0x0B0C;
    d.Options.GroupPair[3][1] = 0x0D0E;
    d.Options.Setting[16] = 160;
    d.Options.GroupBytes[2][0] = 0xA1;
    d.Options.GroupBytes[2][1] = 0xA2;
    d.Options.Spare[15] = 0xA3;
    d.PublicChannel.OffSetFre = 0x1112;
    d.Keys.KeyOption = 0x1314;
    d.Keys.KeyFunction[17] = 0x1516;
    d.Dtmf.DtmfSetting[5] = 0x1718;
    d.Dtmf.Codes[15].CodeLength = 0x191A;
    d.Dtmf.Codes[15].Digits.set("12#*");
    d.Dtmf.Spare[0] = 0xA4;
    d.ToneTips[0].Steps[0].Pitch = 0x1B1C;
    d.ToneTips[7].Steps[13].Duration = 0x1D1E;
    d.ToneTips[7].RepeatGap = 0x1F20;
    ChannelArray channels{};
    channels[0].ChannelNo = 401;
    channels[0].Frequency.set("02885000");
    channels[408].TSQ = 0x2122;
    channels[408].Reserved[13] = 0xA5;

    const std::vector<Byte> b = EncodeFile(d, channels);
    ASSERT_EQ(b.size(), 25611u);
    EXPECT_EQ(TextAt(b, 0, 7), "KORVN7X");
    EXPECT_EQ(IntAt(b, 7), 2);
    EXPECT_EQ(TextAt(b, 9, 4), "V100");
    EXPECT_EQ(IntAt(b, 13), 0x0102);
    EXPECT_EQ(IntAt(b, 15), 0x0304);
    EXPECT_EQ(IntAt(b, 21), 0x0506);
    EXPECT_EQ(IntAt(b, 23 + 18), 0x0708);
    EXPECT_EQ(IntAt(b, 43), 0x090A);
    // The first emergency channel of every group comes before any second one.
    EXPECT_EQ(IntAt(b, 63 + 6), 0x0B0C);
    EXPECT_EQ(IntAt(b, 83 + 6), 0x0D0E);
    EXPECT_EQ(IntAt(b, 103 + 32), 160);
    EXPECT_EQ(b[137 + 2], 0xA1);
    EXPECT_EQ(b[147 + 2], 0xA2);
    EXPECT_EQ(b[172], 0xA3);
    EXPECT_EQ(IntAt(b, 173 + 14), 0x1112);
    EXPECT_EQ(IntAt(b, 233), 0x1314);
    EXPECT_EQ(IntAt(b, 235 + 34), 0x1516);
    EXPECT_EQ(IntAt(b, 271 + 10), 0x1718);
    EXPECT_EQ(IntAt(b, 283 + 15 * 18), 0x191A);
    EXPECT_EQ(TextAt(b, 283 + 15 * 18 + 2, 16), "12#*            ");
    EXPECT_EQ(b[571], 0xA4);
    EXPECT_EQ(IntAt(b, 591), 0x1B1C);
    EXPECT_EQ(IntAt(b, 591 + 7 * 60 + 13 * 4 + 2), 0x1D1E);
    EXPECT_EQ(IntAt(b, 591 + 7 * 60 + 58), 0x1F20);
    EXPECT_EQ(IntAt(b, ChannelBlockAt(0)), 401);
    EXPECT_EQ(TextAt(b, ChannelBlockAt(0) + 6, 8), "02885000");
    EXPECT_EQ(IntAt(b, ChannelBlockAt(408) + 44), 0x2122);
    EXPECT_EQ(b[25610], 0xA5);
}

TEST(FileLayout, IntegersAreSixteenBitLittleEndianSigned) {
    CodeplugDocument d;
    d.Header.CountryMode = -1;
    d.ChannelCount = -32768;
    d.Options.CurrentGroup = 32767;
    const std::vector<Byte> b = EncodeFile(d, ChannelArray{});
    EXPECT_EQ(b[7], 0xFF);
    EXPECT_EQ(b[8], 0xFF);
    EXPECT_EQ(b[13], 0x00);
    EXPECT_EQ(b[14], 0x80);
    EXPECT_EQ(b[15], 0xFF);
    EXPECT_EQ(b[16], 0x7F);
    const CodeplugDocument back = DecodeDocumentBlock(b);
    EXPECT_EQ(back.Header.CountryMode, -1);
    EXPECT_EQ(back.ChannelCount, -32768);
    EXPECT_EQ(back.Options.CurrentGroup, 32767);
}

// Every byte of a file belongs to exactly one field: any content decodes and encodes back
// to itself. A gap in the tables would come back as 0, an overlap as the wrong byte.
TEST(FileLayout, AnyFileContentSurvivesDecodeThenEncode) {
    FileDocGenerator gen(11);
    for (int round = 0; round < 20; ++round) {
        std::vector<Byte> bytes(kFileSize);
        for (Byte& x : bytes) x = gen.anyByte();
        const std::vector<Byte> again =
            EncodeFile(DecodeDocumentBlock(bytes), DecodeChannelBlocks(bytes));
        ASSERT_EQ(again, bytes) << "round " << round;
    }
}

TEST(FileLayout, AnyDocumentSurvivesEncodeThenDecode) {
    FileDocGenerator gen(12);
    for (int round = 0; round < 30; ++round) {
        const CodeplugDocument d = gen.document(gen.range(-3, 5), gen.range(-10, 500));
        const ChannelArray c = gen.channels(gen.range(0, 409));
        const std::vector<Byte> b = EncodeFile(d, c);
        EXPECT_TRUE(DecodeDocumentBlock(b) == d) << "round " << round;
        EXPECT_TRUE(DecodeChannelBlocks(b) == c) << "round " << round;
    }
}

TEST(FileLayout, ShortBuffersDecodeMissingBytesAsZero) {
    std::vector<Byte> header{'K', 'O', 'R', 'V', 'N', '7', 'X', 1, 0, 'V', '1'};
    const CodeplugDocument d = DecodeDocumentBlock(header);
    EXPECT_EQ(d.Header.ModelName.str(), "KORVN7X");
    EXPECT_EQ(d.Header.CountryMode, 1);
    EXPECT_EQ(d.Header.FileVersion.raw(), std::string("V1\0\0", 4));
    EXPECT_EQ(d.ChannelCount, 0);
    EXPECT_TRUE(DecodeChannelBlocks(header) == ChannelArray{});
    EXPECT_TRUE(DecodeDocumentBlock({}) == CodeplugDocument{});
}

// ---- damage ----

class FileDamage : public ::testing::Test {
protected:
    void SetUp() override {
        FileDocGenerator gen(3);
        bytes = EncodeFile(gen.document(1, 5), gen.channels(5));
    }
    void setNumber(std::size_t entry, int number) { PutInt(bytes, ChannelBlockAt(entry), number); }
    std::vector<Byte> bytes;
};

TEST_F(FileDamage, SoundFileHasNone) {
    EXPECT_EQ(FindFileDamage(bytes), std::nullopt);
}

TEST_F(FileDamage, FileOneByteShortIsDamagedLongerIsNot) {
    std::vector<Byte> shorter(bytes.begin(), bytes.end() - 1);
    EXPECT_NE(FindFileDamage(shorter), std::nullopt);
    EXPECT_NE(FindFileDamage({}), std::nullopt);
    bytes.push_back(0x55);
    EXPECT_EQ(FindFileDamage(bytes), std::nullopt);
}

TEST_F(FileDamage, ChannelCountMustLieWithinTheArray) {
    for (int count : {-1, 410, -32768, 32767}) {
        PutInt(bytes, test::kChannelCountAt, count);
        EXPECT_NE(FindFileDamage(bytes), std::nullopt) << count;
    }
    PutInt(bytes, test::kChannelCountAt, 0);
    EXPECT_EQ(FindFileDamage(bytes), std::nullopt);
}

TEST_F(FileDamage, AllChannelsInUseWithDistinctNumbersAreSound) {
    PutInt(bytes, test::kChannelCountAt, 409);
    for (std::size_t i = 0; i < 409; ++i) setNumber(i, static_cast<int>(409 - i));
    EXPECT_EQ(FindFileDamage(bytes), std::nullopt);
}

TEST_F(FileDamage, UsedChannelNumbersMustBeValidAndDistinct) {
    for (int bad : {0, -1, 410, 32767}) {
        setNumber(4, bad);
        EXPECT_NE(FindFileDamage(bytes), std::nullopt) << bad;
    }
    setNumber(4, 409);
    EXPECT_EQ(FindFileDamage(bytes), std::nullopt);
    const int first = IntAt(bytes, ChannelBlockAt(0));
    setNumber(3, first);
    const auto reason = FindFileDamage(bytes);
    ASSERT_NE(reason, std::nullopt);
    EXPECT_NE(reason->find("repeats"), std::string::npos) << *reason;
}

TEST_F(FileDamage, UnusedChannelBlocksAreNotLookedAt) {
    setNumber(5, 0);
    setNumber(6, IntAt(bytes, ChannelBlockAt(0)));
    setNumber(408, -7);
    EXPECT_EQ(FindFileDamage(bytes), std::nullopt);
}

// ---- open ----

class OpenFileTest : public ::testing::Test {
protected:
    OpenFileTest() { versions.VersionPairs = {{"V100", "V100"}}; }

    // A sound file of a random mode-1 document with `count` channels.
    std::vector<Byte> soundFile(int count = 7) {
        FileDocGenerator gen(static_cast<unsigned>(count) + 100);
        return EncodeFile(gen.document(1, count), gen.channels(count));
    }
    std::string writeFile(const std::vector<Byte>& bytes, const std::string& name = "in.dat") {
        const std::string path = folder.file(name);
        WriteAll(path, bytes);
        return path;
    }
    OpenResult open(const std::string& path) {
        return OpenFile(doc, path, "", versions, prompts,
                        [this](const std::string& v) { launched.push_back(v); });
    }
    // Opens a file that must be refused with exactly one message, and checks that the
    // document state is the same as before in every part.
    void expectRefused(const std::vector<Byte>& bytes, const std::string& message) {
        const DocumentState before = doc;
        prompts.shown.clear();
        EXPECT_EQ(open(writeFile(bytes)), OpenResult::Refused);
        EXPECT_EQ(prompts.texts(), std::vector<std::string>{message});
        test::ExpectSameState(doc, before);
        EXPECT_TRUE(launched.empty());
    }

    void SetUp() override {
        InitNewDocument(doc, folder.file("no-program-folder"), false, "2024-07-15");
    }

    TempFolder folder;
    DocumentState doc;
    RecordingPrompts prompts;
    VersionTable versions;
    std::vector<std::string> launched;
};

TEST_F(OpenFileTest, SoundFileBecomesTheWorkingAndTheSavedDocument) {
    const std::vector<Byte> bytes = soundFile(7);
    const std::string path = writeFile(bytes);
    ASSERT_EQ(open(path), OpenResult::Opened);
    EXPECT_TRUE(prompts.shown.empty());

    const CodeplugDocument expected = DecodeDocumentBlock(bytes);
    EXPECT_TRUE(doc.WorkDoc == expected);
    EXPECT_TRUE(doc.SavedDoc == expected);
    EXPECT_TRUE(doc.SavedChannels == DecodeChannelBlocks(bytes));
    for (int i = 0; i < 7; ++i) EXPECT_TRUE(doc.ChannelList[i] == doc.SavedChannels[i]) << i;
    EXPECT_FALSE(IsDocumentChanged(doc));
    EXPECT_EQ(doc.CurrentFilePath, path);
    EXPECT_FALSE(doc.IsUntitled);
    // The country mode of the document becomes the file's.
    EXPECT_EQ(doc.CurrentCountryMode, 1);
    EXPECT_EQ(doc.RadioInfo.InfoCountryMode, 1);
    EXPECT_EQ(doc.BandText, "25.615 - 30.105 MHz");
    EXPECT_DOUBLE_EQ(doc.FreqMin, 25.615);
    EXPECT_DOUBLE_EQ(doc.FreqMax, 30.105);
}

TEST_F(OpenFileTest, OnlyTheCountedChannelsAreRestored) {
    std::vector<Byte> bytes = soundFile(409);
    PutInt(bytes, test::kChannelCountAt, 3);
    ASSERT_EQ(open(writeFile(bytes)), OpenResult::Opened);
    EXPECT_EQ(doc.WorkDoc.ChannelCount, 3);
    const ChannelArray fromFile = DecodeChannelBlocks(bytes);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(doc.ChannelList[i] == fromFile[i]) << i;
    EXPECT_EQ(FindChannel(doc, fromFile[3].ChannelNo), -1);
}

TEST_F(OpenFileTest, OtherModelIsRefusedBeforeAnythingElseIsLookedAt) {
    std::vector<Byte> bytes = soundFile();
    bytes[6] = 'Y';  // "KORVN7Y"
    expectRefused(bytes, "<9012>");
    // Even a file too short to be anything, with a bad version, names the model first.
    expectRefused({'A', 'B', 'C', 'D', 'E', 'F', 'G', 0, 0, 'x'}, "<9012>");
    expectRefused({}, "<9012>");
}

TEST_F(OpenFileTest, ModelNameIsComparedTrimmed) {
    doc.CurrentModel = "K7";
    std::vector<Byte> bytes = soundFile();
    for (std::size_t i = 0; i < 7; ++i) bytes[i] = static_cast<Byte>(std::string("K7     ")[i]);
    EXPECT_EQ(open(writeFile(bytes)), OpenResult::Opened);
}

TEST_F(OpenFileTest, MalformedVersionIsRefused) {
    for (const char* version : {"v100", "V10A", "VABC", "X100", "V10 ", "    "}) {
        std::vector<Byte> bytes = soundFile();
        for (std::size_t i = 0; i < 4; ++i)
            bytes[test::kVersionAt + i] = static_cast<Byte>(version[i]);
        SCOPED_TRACE(version);
        expectRefused(bytes, "<9065>");
    }
    // The version is checked before the length of the file.
    std::vector<Byte> shortBad = soundFile();
    shortBad.resize(100);
    shortBad[test::kVersionAt] = 'v';
    expectRefused(shortBad, "<9065>");
}

TEST_F(OpenFileTest, UnlistedVersionAsksAndNoOpensNothing) {
    std::vector<Byte> bytes = soundFile();
    bytes[test::kVersionAt + 3] = '1';  // V101
    prompts.answers = {Answer::No};
    expectRefused(bytes, "<9062>\n<9064> V1.01\n<9061> V1.00");
    EXPECT_EQ(prompts.shown.back().buttons, Buttons::YesNo);
}

TEST_F(OpenFileTest, UnlistedVersionAnsweredYesStartsTheOtherVersion) {
    std::vector<Byte> bytes = soundFile();
    bytes[test::kVersionAt + 3] = '1';
    const DocumentState before = doc;
    prompts.answers = {Answer::Yes};
    EXPECT_EQ(open(writeFile(bytes)), OpenResult::OtherVersionStarted);
    EXPECT_EQ(launched, std::vector<std::string>{"V101"});
    test::ExpectSameState(doc, before);
}

TEST_F(OpenFileTest, NumericVersionWithAPointPassesTheFormatAndIsAskedAbout) {
    std::vector<Byte> bytes = soundFile();
    for (std::size_t i = 0; i < 4; ++i) bytes[test::kVersionAt + i] = static_cast<Byte>("V1.0"[i]);
    prompts.answers = {Answer::No};
    expectRefused(bytes, "<9062>\n<9064> V1..0\n<9061> V1.00");
}

TEST_F(OpenFileTest, ListedOtherVersionOpensAndIsSavedAsThisVersion) {
    versions.VersionPairs.push_back({"V100", "V101"});
    std::vector<Byte> bytes = soundFile();
    bytes[test::kVersionAt + 3] = '1';
    ASSERT_EQ(open(writeFile(bytes)), OpenResult::Opened);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(doc.SavedDoc.Header.FileVersion.str(), "V100");
    EXPECT_EQ(doc.WorkDoc.Header.FileVersion.str(), "V100");
}

TEST_F(OpenFileTest, DamagedContentIsRefusedWithTheReadError) {
    const std::vector<Byte> sound = soundFile(5);
    expectRefused(std::vector<Byte>(sound.begin(), sound.end() - 1), "<9002>");
    expectRefused(std::vector<Byte>(sound.begin(), sound.begin() + 13), "<9002>");

    std::vector<Byte> bytes = sound;
    PutInt(bytes, test::kChannelCountAt, 410);
    expectRefused(bytes, "<9002>");
    PutInt(bytes, test::kChannelCountAt, -1);
    expectRefused(bytes, "<9002>");

    bytes = sound;
    PutInt(bytes, ChannelBlockAt(2), 0);
    expectRefused(bytes, "<9002>");
    bytes = sound;
    PutInt(bytes, ChannelBlockAt(4), IntAt(bytes, ChannelBlockAt(1)));
    expectRefused(bytes, "<9002>");
}

TEST_F(OpenFileTest, UnknownCountryModeIsRefusedAndTheProgramGoesOn) {
    for (int mode : {3, -1, 255}) {
        std::vector<Byte> bytes = soundFile();
        PutInt(bytes, test::kCountryModeAt, mode);
        SCOPED_TRACE(mode);
        expectRefused(bytes, "Country Mode Error!");
    }
}

TEST_F(OpenFileTest, UnreadablePathsAreRefusedWithTheReadError) {
    const DocumentState before = doc;
    EXPECT_EQ(open(folder.file("missing.dat")), OpenResult::Refused);
    EXPECT_EQ(open(folder.path().string()), OpenResult::Refused);  // a folder
    EXPECT_EQ(prompts.texts(), (std::vector<std::string>{"<9002>", "<9002>"}));
    test::ExpectSameState(doc, before);
}

TEST_F(OpenFileTest, RefusalAfterAnEarlierOpenKeepsThatDocument) {
    ASSERT_EQ(open(writeFile(soundFile(9), "first.dat")), OpenResult::Opened);
    std::vector<Byte> bytes = soundFile(4);
    PutInt(bytes, test::kCountryModeAt, 7);
    expectRefused(bytes, "Country Mode Error!");
    EXPECT_EQ(doc.CurrentFilePath, folder.file("first.dat"));
}

// ---- save ----

class SaveFileTest : public ::testing::Test {
protected:
    void SetUp() override { InitNewDocument(doc, folder.file("none"), false, "2024-07-15"); }

    TempFolder folder;
    DocumentState doc;
    RecordingPrompts prompts;
};

TEST_F(SaveFileTest, NewDocumentSavesAsAWholeFileAndCountsAsSaved) {
    ASSERT_TRUE(AddChannel(doc, 2, "28.5"));
    ASSERT_TRUE(IsDocumentChanged(doc));
    const std::string path = folder.file("new name.dat");
    ASSERT_TRUE(SaveFile(doc, path, prompts));
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(std::filesystem::file_size(path), 25611u);
    EXPECT_EQ(doc.CurrentFilePath, path);
    EXPECT_FALSE(doc.IsUntitled);
    EXPECT_FALSE(IsDocumentChanged(doc));
    EXPECT_EQ(ReadAll(path), EncodeFile(doc.SavedDoc, doc.SavedChannels));
    EXPECT_EQ(folder.entries(), std::set<std::string>{"new name.dat"});  // no temporary left
}

TEST_F(SaveFileTest, HeaderIsWrittenFromTheCurrentModelAndMode) {
    doc.WorkDoc.Header.ModelName.set("WRONG");
    doc.WorkDoc.Header.FileVersion.set("V999");
    doc.CurrentCountryMode = 2;
    const std::string path = folder.file("a.dat");
    ASSERT_TRUE(SaveFile(doc, path, prompts));
    const std::vector<Byte> b = ReadAll(path);
    EXPECT_EQ(TextAt(b, 0, 13), std::string("KORVN7X\x02\x00V100", 13));
    EXPECT_EQ(doc.WorkDoc.Header.FileVersion.str(), "V100");
}

TEST_F(SaveFileTest, ReplacesALongerFileCompletelyAndKeepsItsPermissions) {
    const std::string path = folder.file("old.dat");
    WriteAll(path, std::vector<Byte>(40000, 0x77));
    std::filesystem::permissions(path, std::filesystem::perms(0640));
    ASSERT_TRUE(SaveFile(doc, path, prompts));
    EXPECT_EQ(std::filesystem::file_size(path), 25611u);
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
}

TEST_F(SaveFileTest, SavingThroughASymbolicLinkReplacesTheFileItNames) {
    const std::string real = folder.file("real.dat");
    const std::string link = folder.file("link.dat");
    WriteAll(real, {1, 2, 3});
    std::filesystem::create_symlink(real, link);
    ASSERT_TRUE(SaveFile(doc, link, prompts));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(std::filesystem::file_size(real), 25611u);
}

// A failed save shows 9002 and leaves document, path, untitled flag and the old file as they
// were; in particular the document still counts as changed.
class FailedSave : public SaveFileTest {
protected:
    void expectFailedSaveChangesNothing(const std::string& path) {
        ASSERT_TRUE(AddChannel(doc, 3, "28.1"));
        ASSERT_TRUE(IsDocumentChanged(doc));
        const DocumentState before = doc;
        EXPECT_FALSE(SaveFile(doc, path, prompts));
        EXPECT_EQ(prompts.texts(), std::vector<std::string>{"<9002>"});
        test::ExpectSameState(doc, before);
        EXPECT_TRUE(IsDocumentChanged(doc));
    }
};

TEST_F(FailedSave, FolderThatDoesNotExist) {
    expectFailedSaveChangesNothing(folder.file("no/such/folder/x.dat"));
}

TEST_F(FailedSave, TargetThatIsAFolder) {
    std::filesystem::create_directory(folder.file("dir.dat"));
    expectFailedSaveChangesNothing(folder.file("dir.dat"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("dir.dat")));
}

TEST_F(FailedSave, ReadOnlyFolderKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    const std::string path = folder.file("keep.dat");
    WriteAll(path, {9, 8, 7});
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0555));
    expectFailedSaveChangesNothing(path);
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0755));
    EXPECT_EQ(ReadAll(path), (std::vector<Byte>{9, 8, 7}));
}

// Limits the size of files this process writes, for as long as it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead
        if (::getrlimit(RLIMIT_FSIZE, &saved_) != 0) return;
        rlimit small = saved_;
        small.rlim_cur = bytes;
        active_ = ::setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit() {
        if (active_) ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool active() const { return active_; }

private:
    rlimit saved_{};
    bool active_ = false;
    void (*previousHandler_)(int) = nullptr;
};

// The write itself fails half-way (file size limit): the old file stays whole and the
// temporary file is gone.
TEST_F(FailedSave, WriteThatFailsHalfWayKeepsTheOldFile) {
    const std::string path = folder.file("keep.dat");
    const std::vector<Byte> old(30000, 0x42);
    WriteAll(path, old);

    {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.active());
        expectFailedSaveChangesNothing(path);
    }

    EXPECT_EQ(ReadAll(path), old);
    EXPECT_EQ(folder.entries(), std::set<std::string>{"keep.dat"});
}

// ---- round trip ----

// Save then open gives the same document, and saving that again gives the same bytes.
TEST(FileRoundTrip, SaveThenOpenGivesTheSameDocumentAndFile) {
    TempFolder folder;
    RecordingPrompts prompts;
    VersionTable versions;
    versions.VersionPairs = {{"V100", "V100"}};
    FileDocGenerator gen(2024);
    for (int round = 0; round < 25; ++round) {
        SCOPED_TRACE(round);
        DocumentState original = gen.state();
        const std::string first = folder.file("first.dat");
        ASSERT_TRUE(SaveFile(original, first, prompts));

        DocumentState opened;
        ASSERT_EQ(OpenFile(opened, first, "", versions, prompts, {}), OpenResult::Opened);
        EXPECT_TRUE(opened.WorkDoc == original.WorkDoc);
        const int count = original.WorkDoc.ChannelCount;
        for (int i = 0; i < count; ++i)
            ASSERT_TRUE(opened.ChannelList[i] == original.ChannelList[i]) << i;
        EXPECT_EQ(opened.CurrentCountryMode, original.CurrentCountryMode);

        const std::string second = folder.file("second.dat");
        ASSERT_TRUE(SaveFile(opened, second, prompts));
        EXPECT_EQ(ReadAll(second), ReadAll(first));
    }
    EXPECT_TRUE(prompts.shown.empty());
}

// The same property over many more documents without touching the disk.
TEST(FileRoundTrip, InMemoryOpenOfEncodedDocuments) {
    RecordingPrompts prompts;
    VersionTable versions;
    versions.VersionPairs = {{"V100", "V100"}};
    FileDocGenerator gen(77);
    for (int round = 0; round < 200; ++round) {
        DocumentState original = gen.state();
        TakeIntoSavedCopy(original);
        const std::vector<Byte> bytes = EncodeFile(original.SavedDoc, original.SavedChannels);
        DocumentState opened;
        ASSERT_EQ(OpenFileContent(opened, bytes, versions, prompts, {}), OpenResult::Opened)
            << round;
        ASSERT_TRUE(opened.WorkDoc == original.WorkDoc) << round;
        TakeIntoSavedCopy(opened);
        ASSERT_EQ(EncodeFile(opened.SavedDoc, opened.SavedChannels), bytes) << round;
    }
}

}  // namespace
}  // namespace k7x

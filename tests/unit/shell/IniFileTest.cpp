#include <gtest/gtest.h>
#include <sys/stat.h>

#include "ShellTestSupport.h"
#include "shell/IniFile.h"

namespace k7x {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

TEST(IniFileRead, NamesIgnoreCaseAndValuesAreTrimmed) {
    const IniFile ini = IniFile::fromBytes(
        "; comment = not a key\r\n"
        "  [ LANGUAGE ]  \r\n"
        "\tcomPORT =  \t 3 \t\r\n"
        "Empty=\r\n"
        "noequals\r\n");
    EXPECT_EQ(ini.value("language", "ComPort"), "3");
    EXPECT_EQ(ini.value("Language", "empty", "dflt"), "") << "present but blank is not missing";
    EXPECT_EQ(ini.value("language", "noequals", "dflt"), "dflt");
    EXPECT_EQ(ini.value("language", "; comment", "dflt"), "dflt");
    EXPECT_EQ(ini.value("other", "comPort", "dflt"), "dflt");
    EXPECT_TRUE(ini.contains("LANGUAGE", "EMPTY"));
}

TEST(IniFileRead, KeysBeforeAnySectionOrInOtherSectionsDoNotCount) {
    const IniFile ini = IniFile::fromBytes(
        "key=top\n"
        "[a]\nkey=from a\n"
        "[b]\nother=1\n");
    EXPECT_EQ(ini.value("b", "key", "none"), "none");
    EXPECT_EQ(ini.value("a", "key"), "from a");
}

TEST(IniFileRead, FirstLineOfAKeyWinsAndRepeatedSectionsCountAsOne) {
    const IniFile ini = IniFile::fromBytes(
        "[Msg]\n9001=first\n9001=second\n"
        "[Other]\n9002=elsewhere\n"
        "[msg]\n9002=later block\n");
    EXPECT_EQ(ini.value("Msg", "9001"), "first");
    EXPECT_EQ(ini.value("Msg", "9002"), "later block");
}

TEST(IniFileRead, LineEndingsAndByteOrderMark) {
    const IniFile ini = IniFile::fromBytes("\xEF\xBB\xBF[s]\rx=1\r\ny=2\nz=3");
    EXPECT_EQ(ini.value("s", "y"), "2");
    EXPECT_EQ(ini.value("s", "z"), "3") << "last line without a newline";
}

TEST(IniFileRead, ValueIsCutAtTheBufferAndAtNul) {
    const std::string longValue(600, 'x');
    const IniFile ini =
        IniFile::fromBytes(QByteArray::fromStdString("[s]\nlong=" + longValue + "\nnul=ab") +
                           QByteArray(1, '\0') + "cd\nsmall=abc\n");
    EXPECT_EQ(ini.value("s", "long", {}, 512).size(), 511);
    EXPECT_EQ(ini.value("s", "long", {}, 255).size(), 254);
    EXPECT_EQ(ini.value("s", "nul"), "ab");
    EXPECT_EQ(ini.value("s", "small", {}, 3), "ab");
    EXPECT_EQ(ini.value("s", "small", {}, 1), "");
    EXPECT_EQ(ini.value("s", "small", {}, 0), "");
}

TEST(IniFileCodePages, GbkTextsDecodeToTheRightCharacters) {
    // "中文" and "频道" in GBK.
    const IniFile ini =
        IniFile::fromBytes("[Msg]\n9001=\xD6\xD0\xCE\xC4 \xC6\xB5\xB5\xC0\n", IniCodec::Gbk);
    EXPECT_EQ(ini.value("Msg", "9001"), q("中文 频道"));
}

TEST(IniFileCodePages, GbkSecondByteThatLooksLikeABracketStaysInTheName) {
    // "乚" is 0x81 0x5D in GBK: its second byte is "]".
    const IniFile ini = IniFile::fromBytes(
        "[\x81\x5D"
        "x]\nk=v\n",
        IniCodec::Gbk);
    EXPECT_EQ(ini.value(q("乚x"), "k"), "v");
}

TEST(IniFileCodePages, GbkCutNeverSplitsACharacter) {
    QByteArray value = "a";
    for (int i = 0; i < 127; ++i) value += "\xD6\xD0";  // 255 bytes
    const IniFile ini = IniFile::fromBytes("[s]\nk=" + value + "\n", IniCodec::Gbk);
    const QString text = ini.value("s", "k", {}, 255);
    // 254 bytes would end in the middle of the 127th character: it is left out whole.
    EXPECT_EQ(text.size(), 1 + 126);
    EXPECT_FALSE(text.contains(QChar(0xFFFD)));
}

TEST(IniFileCodePages, Windows1252UpperHalf) {
    const IniFile ini =
        IniFile::fromBytes("[s]\nk=\x93Price\x94 \x80 5 \xE9t\xE9\n", IniCodec::Windows1252);
    EXPECT_EQ(ini.value("s", "k"), q("“Price” € 5 été"));
}

TEST(IniFileCodePages, LanguageFileNames) {
    EXPECT_EQ(CodecOfLanguageFile("chinese.ini"), IniCodec::Gbk);
    EXPECT_EQ(CodecOfLanguageFile("Chinese.INI"), IniCodec::Gbk);
    EXPECT_EQ(CodecOfLanguageFile("english.ini"), IniCodec::Windows1252);
}

TEST(IniFileWrite, ReplacingAKeyKeepsEveryOtherByte) {
    const QByteArray before =
        "; settings\r\n"
        "[Language]\r\n"
        "  IsFirstRun = 1   \r\n"
        "comPort=3\r\n"
        "\r\n"
        "[ports]\r\n"
        "COM1 = /dev/ttyUSB0\r\n";
    IniFile ini = IniFile::fromBytes(before);
    ASSERT_TRUE(ini.setValue("language", "comport", "7"));
    EXPECT_EQ(ini.bytes(), QByteArray(before).replace("comPort=3", "comport=7"));
    EXPECT_EQ(ini.value("Language", "comPort"), "7");
}

TEST(IniFileWrite, NewKeyGoesAfterTheLastLineOfItsSection) {
    IniFile ini = IniFile::fromBytes(
        "[language]\n"
        "comPort=1\n"
        "\n"
        "[ports]\n"
        "COM1=/dev/ttyS0\n");
    ASSERT_TRUE(ini.setValue("LANGUAGE", "CurrentLanguage", "2"));
    EXPECT_EQ(ini.bytes(),
              "[language]\n"
              "comPort=1\n"
              "CurrentLanguage=2\n"
              "\n"
              "[ports]\n"
              "COM1=/dev/ttyS0\n");
}

TEST(IniFileWrite, NewKeyInAnEmptySectionAtTheEndWithoutNewline) {
    IniFile ini = IniFile::fromBytes("[a]\r\nx=1\r\n[b]");
    ASSERT_TRUE(ini.setValue("b", "y", "2"));
    EXPECT_EQ(ini.bytes(), "[a]\r\nx=1\r\n[b]\r\ny=2");
    EXPECT_EQ(ini.value("b", "y"), "2");
}

// A file cut after the carriage return of its last line: the line is completed with "\n"
// alone, so its value does not gain a stray "\r".
TEST(IniFileWrite, LastLineEndingInALoneCarriageReturnKeepsItsValue) {
    IniFile sameSection = IniFile::fromBytes("[Language]\r\ncomPort=3\r");
    ASSERT_TRUE(sameSection.setValue("Language", "CurrentLanguage", "2"));
    EXPECT_EQ(sameSection.bytes(), "[Language]\r\ncomPort=3\r\nCurrentLanguage=2");
    EXPECT_EQ(sameSection.value("Language", "comPort"), "3");

    IniFile newSection = IniFile::fromBytes("[Msg]\r\n9001=OK\r");
    ASSERT_TRUE(newSection.setValue("Language", "comPort", "1"));
    EXPECT_EQ(newSection.bytes(), "[Msg]\r\n9001=OK\r\n[Language]\r\ncomPort=1\r\n");
    EXPECT_EQ(newSection.value("Msg", "9001"), "OK");
}

TEST(IniFileWrite, NewSectionIsAppendedInTheFilesLineEnding) {
    IniFile crlf = IniFile::fromBytes("[a]\r\nx=1");
    ASSERT_TRUE(crlf.setValue("language", "comPort", "1"));
    EXPECT_EQ(crlf.bytes(), "[a]\r\nx=1\r\n[language]\r\ncomPort=1\r\n");

    IniFile empty;
    ASSERT_TRUE(empty.setValue("language", "IsFirstRun", "0"));
    EXPECT_EQ(empty.bytes(), "[language]\nIsFirstRun=0\n");
}

TEST(IniFileWrite, RefusesWhatWouldBreakTheLineStructure) {
    IniFile ini = IniFile::fromBytes("[s]\nk=1\n");
    EXPECT_FALSE(ini.setValue("s", "k", "1\n[evil]\nx=2"));
    EXPECT_FALSE(ini.setValue("s", "a=b", "1"));
    EXPECT_FALSE(ini.setValue("s]x", "k", "1"));
    EXPECT_FALSE(ini.setValue("s", "", "1"));
    EXPECT_FALSE(ini.setValue("s", "[x", "1"));
    EXPECT_EQ(ini.bytes(), "[s]\nk=1\n");
}

TEST(IniFileWrite, GbkValuesAreStoredInGbk) {
    IniFile ini(IniCodec::Gbk);
    ASSERT_TRUE(ini.setValue("Msg", "9001", q("中文")));
    EXPECT_EQ(ini.bytes(), "[Msg]\n9001=\xD6\xD0\xCE\xC4\n");
}

TEST(IniFileDisk, MissingFileGivesDefaultsAndIsCreatedByAWrite) {
    TempFolder dir;
    const QString path = QString::fromStdString(dir.file("mysetup.ini"));
    EXPECT_EQ(ReadProfileString(path, "language", "comPort", "d", 512), "d");
    ASSERT_TRUE(WriteProfileString(path, "language", "comPort", "4"));
    EXPECT_EQ(ReadBytes(dir.path() / "mysetup.ini"), "[language]\ncomPort=4\n");
    ASSERT_TRUE(WriteProfileString(path, "language", "CurrentLanguage", "2"));
    EXPECT_EQ(ReadProfileString(path, "LANGUAGE", "currentlanguage", "", 512), "2");
    EXPECT_EQ(ReadProfileString(path, "language", "comPort", "", 512), "4");
}

TEST(IniFileDisk, WriteIntoAMissingFolderFailsWithoutCreatingAnything) {
    TempFolder dir;
    const QString path = QString::fromStdString(dir.file("no/such/folder/x.ini"));
    EXPECT_FALSE(WriteProfileString(path, "s", "k", "v"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "no"));
}

TEST(IniFileDisk, OversizedFileReadsAsEmptyAndIsNeverOverwritten) {
    TempFolder dir;
    std::string big = "[language]\ncomPort=5\n";
    big.resize(IniFile::kMaxFileSize + 100, 'x');
    WriteBytes(dir.path() / "big.ini", big);
    const QString path = QString::fromStdString(dir.file("big.ini"));
    EXPECT_EQ(ReadProfileString(path, "language", "comPort", "d", 512), "d");
    EXPECT_FALSE(IniFile::load(path).isUsable());
    EXPECT_FALSE(WriteProfileString(path, "language", "comPort", "1"));
    EXPECT_EQ(ReadBytes(dir.path() / "big.ini"), big);
}

TEST(IniFileDisk, BinaryGarbageDoesNotCrash) {
    TempFolder dir;
    std::mt19937 rng(7);
    std::string junk;
    for (int i = 0; i < 200000; ++i) junk.push_back(static_cast<char>(rng()));
    junk += "\n[s]\nk=\xFF\xFE\x81\n";
    WriteBytes(dir.path() / "junk.ini", junk);
    for (IniCodec codec : {IniCodec::Latin1, IniCodec::Windows1252, IniCodec::Gbk}) {
        const IniFile ini = IniFile::load(QString::fromStdString(dir.file("junk.ini")), codec);
        EXPECT_TRUE(ini.isUsable());
        EXPECT_FALSE(ini.value("s", "k").isNull());
        EXPECT_EQ(ini.value("absent", "k", "d"), "d");
    }
}

TEST(IniFileDisk, SpecialFilesAreNotReadOrReplaced) {
    TempFolder dir;
    // A FIFO would block a reader for ever; a folder cannot be a store.
    ASSERT_EQ(::mkfifo(dir.file("fifo.ini").c_str(), 0600), 0);
    const QString fifo = QString::fromStdString(dir.file("fifo.ini"));
    EXPECT_EQ(ReadProfileString(fifo, "s", "k", "d", 512), "d");
    EXPECT_FALSE(WriteProfileString(fifo, "s", "k", "v"));
    EXPECT_TRUE(std::filesystem::is_fifo(dir.path() / "fifo.ini"));

    std::filesystem::create_directory(dir.path() / "folder.ini");
    const QString folder = QString::fromStdString(dir.file("folder.ini"));
    EXPECT_EQ(ReadProfileString(folder, "s", "k", "d", 512), "d");
    EXPECT_FALSE(WriteProfileString(folder, "s", "k", "v"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "folder.ini"));
}

TEST(IniFileDisk, FailedWriteLeavesTheOldFileAndNoTemporaryFiles) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
    TempFolder dir;
    WriteBytes(dir.path() / "store" / "a.ini", "[s]\nk=1\n");
    std::filesystem::permissions(dir.path() / "store", std::filesystem::perms::owner_read |
                                                           std::filesystem::perms::owner_exec);
    EXPECT_FALSE(
        WriteProfileString(QString::fromStdString(dir.file("store/a.ini")), "s", "k", "2"));
    std::filesystem::permissions(dir.path() / "store", std::filesystem::perms::owner_all);
    EXPECT_EQ(ReadBytes(dir.path() / "store" / "a.ini"), "[s]\nk=1\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path() / "store"),
                            std::filesystem::directory_iterator()),
              1);
}

}  // namespace
}  // namespace k7x

namespace k7x {
namespace {

// Random files made of the characters that matter to the parser: whatever the file holds,
// a written key reads back, and a key elsewhere keeps its value.
TEST(IniFileProperties, WrittenKeyReadsBackAndOthersStay) {
    const char alphabet[] = {'[', ']', '=', ';',    ' ',    '\t', '\r',   '\n',  'a',
                             'A', 'b', 'x', '\x81', '\x5D', '\0', '\xD6', '\xD0'};
    std::mt19937 rng(12345);
    for (IniCodec codec : {IniCodec::Latin1, IniCodec::Gbk}) {
        for (int round = 0; round < 3000; ++round) {
            QByteArray bytes;
            const int length = static_cast<int>(rng() % 40);
            for (int i = 0; i < length; ++i) bytes.append(alphabet[rng() % sizeof(alphabet)]);
            IniFile ini = IniFile::fromBytes(bytes, codec);
            const QString otherBefore = ini.value("x", "a", "<none>");
            const QString selfBefore = ini.value("a", "x", "<none>");
            ASSERT_TRUE(ini.setValue("a", "b", "v"));
            EXPECT_EQ(ini.value("A", "B", "<none>"), "v") << bytes.toHex().toStdString();
            EXPECT_EQ(ini.value("x", "a", "<none>"), otherBefore) << bytes.toHex().toStdString();
            EXPECT_EQ(ini.value("a", "x", "<none>"), selfBefore) << bytes.toHex().toStdString();
        }
    }
}

}  // namespace
}  // namespace k7x

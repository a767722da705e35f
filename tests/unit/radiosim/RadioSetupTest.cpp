// The simulated radio's command line and start contents.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "TempFolder.h"
#include "radiosim/core/RadioContents.h"
#include "radiosim/core/RadioOptions.h"

namespace k7x::sim {
namespace {

ParsedRadioOptions parse(std::vector<std::string> args) {
    return ParseRadioOptions(args);
}

TEST(RadioOptionsTest, TakesEveryOptionInBothSpellings) {
    const ParsedRadioOptions p = parse({"--link",
                                        "/tmp/r",
                                        "--model=KORVN9Z",
                                        "--mode",
                                        "2",
                                        "--version",
                                        "V101",
                                        "--password",
                                        "ab",
                                        "--no-ctcss",
                                        "--image",
                                        "i.bin",
                                        "--info=a.bin",
                                        "--save",
                                        "s.bin",
                                        "--echo",
                                        "--wire-timing",
                                        "--turnaround-us",
                                        "500",
                                        "--silent-every",
                                        "7",
                                        "--bad-checksum-every=9",
                                        "--resend-every",
                                        "5",
                                        "--never-answer",
                                        "--drop-write-block",
                                        "0x0240",
                                        "--drop-write-block=16",
                                        "--verbose"});
    ASSERT_TRUE(p.options) << p.error;
    const RadioOptions& o = *p.options;
    EXPECT_EQ(o.linkPath, "/tmp/r");
    EXPECT_EQ(o.identity.model, "KORVN9Z");
    EXPECT_EQ(o.identity.countryMode, 2);
    EXPECT_EQ(o.identity.version, "V101");
    EXPECT_FALSE(o.identity.ctcssDcs);
    EXPECT_EQ(o.password, "ab");
    EXPECT_EQ(o.imageFile, "i.bin");
    EXPECT_EQ(o.infoFile, "a.bin");
    EXPECT_EQ(o.saveFile, "s.bin");
    EXPECT_TRUE(o.echo && o.wireTiming && o.verbose && o.faults.neverAnswer);
    EXPECT_EQ(o.turnaroundUs, 500);
    EXPECT_EQ(o.faults.silentEvery, 7);
    EXPECT_EQ(o.faults.badChecksumEvery, 9);
    EXPECT_EQ(o.faults.resendEvery, 5);
    EXPECT_EQ(o.faults.droppedWriteBlocks, (std::vector<int>{0x0240, 0x0010}));
}

TEST(RadioOptionsTest, DefaultsAreASoundRadioOfThisModel) {
    const ParsedRadioOptions p = parse({});
    ASSERT_TRUE(p.options);
    EXPECT_EQ(p.options->identity.model, "KORVN7X");
    EXPECT_EQ(p.options->identity.countryMode, 0);
    EXPECT_EQ(p.options->identity.version, "V100");
    EXPECT_TRUE(p.options->identity.ctcssDcs);
    EXPECT_FALSE(p.options->password);
    EXPECT_EQ(p.options->faults.silentEvery, 0);
    EXPECT_FALSE(p.options->faults.neverAnswer);
}

TEST(RadioOptionsTest, RefusesWhatCannotWork) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--bogus"},
             {"--mode"},               // no value
             {"--mode", "x"},          // not a number
             {"--mode", "256"},        // beyond a byte
             {"--model", "KORVN7XX"},  // eight characters
             {"--version", "V1000"},   // five characters
             {"--password", "abcde"},  // five characters
             {"--password", "a b"},    // a blank
             {"--resend-every", "1"},  // every block resent: a write never ends
             {"--silent-every", "0"},  // zero is no fault: leave the option out
             {"--bad-checksum-every", "-2"},
             {"--drop-write-block", "0x0241"},  // inside a block
             {"--drop-write-block", "0x1D00"},  // past the image
             {"--echo=yes"},                    // flags take no value
             {"--link", ""},
         }) {
        const ParsedRadioOptions p = parse(args);
        EXPECT_FALSE(p.options) << args[0];
        EXPECT_FALSE(p.error.empty()) << args[0];
    }
}

TEST(RadioOptionsTest, AModeBeyondTwoMakesAFaultyRadio) {
    const ParsedRadioOptions p = parse({"--mode", "7"});
    ASSERT_TRUE(p.options);
    EXPECT_EQ(p.options->identity.countryMode, 7);
}

TEST(RadioOptionsTest, HelpStopsParsing) {
    EXPECT_TRUE(parse({"--echo", "--help", "--bogus"}).help);
}

TEST(RadioContentsTest, PasswordFillsItsFourBytesAndNoPasswordReadsErased) {
    InfoArea area{};
    area.fill(0x20);
    const std::size_t at = PasswordOffsetInArea();
    EXPECT_EQ(at, 28u);
    SetRadioPassword(area, "abcd");
    EXPECT_EQ(std::string(area.begin() + 28, area.begin() + 32), "abcd");
    SetRadioPassword(area, "x");
    EXPECT_EQ(area[28], 'x');
    EXPECT_EQ(area[29], 0xFF);
    EXPECT_EQ(area[31], 0xFF);
    SetRadioPassword(area, "");
    EXPECT_EQ(area[28], 0xFF);
    EXPECT_EQ(area[27], 0x20) << "neighbours untouched";
    EXPECT_EQ(area[32], 0x20);
}

TEST(RadioContentsTest, DefaultInformationAreaCarriesTheModeAndNoPassword) {
    const InfoArea area = DefaultInfoArea(2);
    EXPECT_EQ(area[0] & 0x0F, 2);
    for (std::size_t i = 28; i < 32; ++i) EXPECT_EQ(area[i], 0xFF);
}

TEST(RadioContentsTest, StartFilesMustHaveExactlyTheirAreasSize) {
    namespace fs = std::filesystem;
    const test::TempFolder folder;
    const fs::path& dir = folder.path();
    auto writeFile = [&](const std::string& name, std::size_t size) {
        std::ofstream(dir / name, std::ios::binary) << std::string(size, '\x42');
        return (dir / name).string();
    };
    const LoadedImage good = LoadImageFile(writeFile("image.bin", kImageSize));
    ASSERT_TRUE(good.image);
    EXPECT_EQ((*good.image)[kImageSize - 1], 0x42);
    EXPECT_FALSE(LoadImageFile(writeFile("short.bin", kImageSize - 1)).image);
    const LoadedImage tooLong = LoadImageFile(writeFile("long.bin", kImageSize + 1));
    EXPECT_FALSE(tooLong.image);
    EXPECT_NE(tooLong.error.find("more than"), std::string::npos);
    EXPECT_FALSE(LoadImageFile((dir / "missing.bin").string()).image);
    EXPECT_TRUE(LoadInfoFile(writeFile("info.bin", kInfoAreaSize)).info);
    EXPECT_FALSE(LoadInfoFile(writeFile("image2.bin", kImageSize)).info);
}

}  // namespace
}  // namespace k7x::sim

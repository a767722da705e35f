#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "RecordingPrompts.h"
#include "ShellTestSupport.h"
#include "shell/VersionLoader.h"

namespace k7x {
namespace {

using test::RecordingPrompts;
using test::TempFolder;
using test::WriteBytes;
using Pairs = std::vector<std::pair<std::string, std::string>>;

class VersionTableTest : public ::testing::Test {
protected:
    VersionTable load(const std::string& content) {
        WriteBytes(dir.path() / "Version.ini", content);
        return LoadVersionTable(dir.path().string());
    }
    TempFolder dir;
};

TEST_F(VersionTableTest, ShippedTable) {
    const VersionTable t = load(
        "[Version]\r\nCurrentVersion=V100 extra\r\nSoftVersionCount=1\r\nFirmVersionCount=2\r\n"
        "[Soft]\r\nVersion0=V100\r\n"
        "[Firm]\r\nFirm0=V100-V100\r\nFirm1= V102-V101 \r\n");
    EXPECT_EQ(t.CurrentVersion, "V100");
    EXPECT_EQ(t.SoftVersions, std::vector<std::string>{"V100"});
    EXPECT_EQ(t.VersionPairs, (Pairs{{"V100", "V100"}, {"V102", "V101"}}));
    EXPECT_EQ(FindProgramForVersion(t, "V101"), "V102");
}

TEST_F(VersionTableTest, ShortFirmValuesOverlapAndMissingEntriesAreEmpty) {
    const VersionTable t = load(
        "[Version]\nSoftVersionCount=1\nFirmVersionCount=4\n"
        "[Firm]\nFirm0=V1001\nFirm1=V10\nFirm3=V100V101\n");
    EXPECT_EQ(t.VersionPairs,
              (Pairs{{"V100", "1001"}, {"V10", "V10"}, {"", ""}, {"V100", "V101"}}));
    EXPECT_EQ(t.SoftVersions, std::vector<std::string>{""});
}

TEST_F(VersionTableTest, EntriesCompareExactly) {
    const VersionTable t = load(
        "[Version]\nSoftVersionCount=1\nFirmVersionCount=2\n"
        "[Firm]\nFirm0=v100-v100\nFirm1=V1.0-V1.0\n");
    EXPECT_FALSE(IsVersionPairListed(t, "V100", "V100")) << "lower-case v is another text";
    EXPECT_TRUE(IsVersionPairListed(t, "V1.0", "V1.0"));
    EXPECT_EQ(FindProgramForVersion(t, "V1.0"), "V1.0");
}

TEST_F(VersionTableTest, UnusableCountsGiveAnEmptyTable) {
    const std::string firm = "[Soft]\nVersion0=V100\n[Firm]\nFirm0=V100-V100\n";
    for (const char* counts : {
             "SoftVersionCount=1\n",                          // Firm count missing
             "FirmVersionCount=1\n",                          // Soft count missing
             "SoftVersionCount=1\nFirmVersionCount=0\n",      // below 1
             "SoftVersionCount=1\nFirmVersionCount=-3\n",     //
             "SoftVersionCount=1\nFirmVersionCount=two\n",    // not a number
             "SoftVersionCount=1\nFirmVersionCount=\n",       // empty
             "SoftVersionCount=1\nFirmVersionCount=70000\n",  // not 16 bits
         }) {
        const VersionTable t =
            load("[Version]\nCurrentVersion=V100\n" + std::string(counts) + firm);
        EXPECT_TRUE(t.VersionPairs.empty()) << counts;
        EXPECT_TRUE(t.SoftVersions.empty()) << counts;
        EXPECT_EQ(t.CurrentVersion, "V100");
        EXPECT_EQ(FindProgramForVersion(t, "V100"), "");
    }
}

TEST_F(VersionTableTest, MissingFileGivesAnEmptyTable) {
    const VersionTable t = LoadVersionTable(dir.file("nowhere"));
    EXPECT_TRUE(t.VersionPairs.empty());
    EXPECT_TRUE(t.SoftVersions.empty());
    EXPECT_EQ(t.CurrentVersion, "");
}

TEST_F(VersionTableTest, LargestCountWithFewEntriesLoadsQuickly) {
    const auto start = std::chrono::steady_clock::now();
    const VersionTable t = load(
        "[Version]\nSoftVersionCount=32767\nFirmVersionCount=32767\n"
        "[Firm]\nFirm0=V100-V100\n");
    EXPECT_EQ(t.VersionPairs.size(), 32767u);
    EXPECT_EQ(t.VersionPairs[0], (std::pair<std::string, std::string>{"V100", "V100"}));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

struct StarterCall {
    std::vector<std::string> programs;
    bool succeed = true;
    ProgramStarter starter() {
        return [this](const std::string& program, const std::vector<std::string>& arguments,
                      std::string& reason) {
            std::string call = program;
            for (const std::string& a : arguments) call += " " + a;
            programs.push_back(call);
            if (!succeed) reason = "no such file";
            return succeed;
        };
    }
};

VersionTable TwoPairs() {
    VersionTable t;
    t.VersionPairs = {{"V100", "V100"}, {"V102", "V101"}};
    return t;
}

TEST(LaunchProgramVersion, StartsTheVersionThatHandlesTheData) {
    RecordingPrompts prompts;
    StarterCall calls;
    EXPECT_TRUE(
        LaunchProgramVersion(TwoPairs(), "V101", {}, "/opt/radio", prompts, calls.starter()));
    // A file handed over arrives as the one argument, absolute.
    EXPECT_TRUE(LaunchProgramVersion(TwoPairs(), "V101", "/data/radio.dat", "/opt/radio", prompts,
                                     calls.starter()));
    EXPECT_EQ(calls.programs,
              (std::vector<std::string>{"/opt/radio/V102/korvan7x",
                                        "/opt/radio/V102/korvan7x /data/radio.dat"}));
    EXPECT_TRUE(prompts.shown.empty());
}

TEST(LaunchProgramVersion, NoVersionShows9063AndDoesNotEndTheProgram) {
    RecordingPrompts prompts;
    StarterCall calls;
    EXPECT_FALSE(
        LaunchProgramVersion(TwoPairs(), "V105", {}, "/opt/radio", prompts, calls.starter()));
    EXPECT_FALSE(
        LaunchProgramVersion(VersionTable{}, "V100", {}, "/opt", prompts, calls.starter()));
    EXPECT_TRUE(calls.programs.empty());
    EXPECT_EQ(prompts.texts(), (std::vector<std::string>{"<9063>", "<9063>"}));
    EXPECT_EQ(prompts.shown[0].buttons, Buttons::Ok);
}

TEST(LaunchProgramVersion, FailedStartIsReportedWithTheProgramAndReason) {
    RecordingPrompts prompts;
    StarterCall calls;
    calls.succeed = false;
    EXPECT_FALSE(
        LaunchProgramVersion(TwoPairs(), "V101", {}, "/opt/radio", prompts, calls.starter()));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_NE(prompts.shown[0].text.find("/opt/radio/V102/korvan7x"), std::string::npos);
    EXPECT_NE(prompts.shown[0].text.find("no such file"), std::string::npos);
}

TEST(LaunchProgramVersion, VersionNamesThatLeaveTheInstallationAreNotStarted) {
    RecordingPrompts prompts;
    StarterCall calls;
    VersionTable t;
    t.VersionPairs = {{"../x", "V101"}, {"..", "V102"}};
    EXPECT_FALSE(LaunchProgramVersion(t, "V101", {}, "/opt/radio", prompts, calls.starter()));
    EXPECT_FALSE(LaunchProgramVersion(t, "V102", {}, "/opt/radio", prompts, calls.starter()));
    EXPECT_TRUE(calls.programs.empty());
    EXPECT_EQ(prompts.shown.size(), 2u);
}

TEST(StartProgramDetached, RunsARealProgramAndExplainsAMissingOne) {
    TempFolder dir;
    std::string reason;
    EXPECT_FALSE(StartProgramDetached(dir.file("V102/korvan7x"), {}, reason));
    EXPECT_FALSE(reason.empty());

    WriteBytes(dir.path() / "V102/not-executable", "#!/bin/sh\n");
    reason.clear();
    EXPECT_FALSE(StartProgramDetached(dir.file("V102/not-executable"), {}, reason));
    EXPECT_FALSE(reason.empty());

    const auto program = dir.path() / "V102/korvan7x";
    // The program is handed a path with a space, as one argument.
    WriteBytes(program, "#!/bin/sh\ntouch \"$(dirname \"$0\")/$1\"\n");
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    ASSERT_TRUE(StartProgramDetached(program.string(), {"my radio.dat"}, reason)) << reason;
    for (int i = 0; i < 200 && !std::filesystem::exists(dir.path() / "V102/my radio.dat"); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "V102/my radio.dat"));
}

}  // namespace
}  // namespace k7x

// Comparing a file with the radio, previewing a write and checking it afterwards, as a script
// does it with korvan7x-cli against korvan7x-radio.
#include <gtest/gtest.h>

#include <filesystem>

#include "Processes.h"
#include "ScratchDirTest.h"

namespace k7x::e2e {
namespace {

namespace fs = std::filesystem;

class WriteChecksTest : public ScratchDirTest {
protected:
    // a.dat: a new HAM document; b.dat: the same with A-1 moved to 28.86 MHz.
    void makeFiles() {
        ASSERT_EQ(RunCli({"new", "--mode", "2", "-o", file("a.dat")}, dir).exitCode, 0);
        ASSERT_EQ(RunCli({"export-csv", file("a.dat"), "-o", file("a.csv")}, dir).exitCode, 0);
        std::string table = ReadAll(file("a.csv"));
        const auto at = table.find("1,A-1,28.850000");
        ASSERT_NE(at, std::string::npos);
        table.replace(at, 15, "1,A-1,28.860000");
        WriteAll(file("b.csv"), table);
        ASSERT_EQ(
            RunCli({"import-csv", file("a.dat"), file("b.csv"), "-o", file("b.dat")}, dir).exitCode,
            0);
        for (const char* name : {"a", "b"}) {
            const fs::path image = file(std::string(name) + ".bin");
            ASSERT_EQ(RunCli({"pack", file(std::string(name) + ".dat"), "-o", image}, dir).exitCode,
                      0);
        }
    }
    std::size_t backups(const std::string& kind) const {
        std::size_t n = 0;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(dir / "data" / "korvan7x" / "backups", ec))
            n += e.path().filename().string().starts_with("KORVAN-7X_" + kind + "_");
        return n;
    }
};

TEST_F(WriteChecksTest, CompareWriteWithPreviewAndVerify) {
    makeFiles();
    struct Case {
        std::vector<std::string> args;  // before --port and the file
        const char* document;
        std::vector<std::string> radioOptions;  // besides the mode and a.bin
        int exitCode;
        const char* output;      // in stdout + stderr
        const char* radioHolds;  // the image the radio holds afterwards
        std::size_t beforeWrite;
    };
    const std::string diffLine = R"(A-1 Frequency: "02886000" -> "02885000")";
    const Case cases[] = {
        {{"compare"}, "a", {}, 0, "The radio holds exactly this document.", "a", 0},
        {{"compare"}, "b", {}, 1, diffLine.c_str(), "a", 0},
        {{"compare"}, "b", {"--never-answer"}, 2, "Reading the radio failed", "a", 0},
        // Nobody at a terminal to say yes: the list, then nothing written.
        {{"write", "--preview"}, "b", {}, 1, "Nothing was written to the radio.", "a", 1},
        {{"write", "--preview"}, "a", {}, 0, "The radio holds exactly this document.", "a", 1},
        {{"write", "--preview", "--yes", "--verify"},
         "b",
         {},
         0,
         "Written and checked: the radio holds exactly what was written.",
         "b",
         1},
        {{"verify"}, "b", {}, 1, "Blocks that differ: 0x0000", "a", 0},
        // A radio that acknowledges A-1's block without taking it.
        {{"write", "--verify"}, "b", {"--drop-write-block", "0x0000"}, 1, diffLine.c_str(), "a", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.back() + std::string(" ") + c.document);
        fs::remove_all(dir / "data");
        fs::remove(file("held.bin"));
        std::vector<std::string> options = {"--mode",      "2",      "--image",
                                            file("a.bin"), "--save", file("held.bin")};
        options.insert(options.end(), c.radioOptions.begin(), c.radioOptions.end());
        SimulatedRadio radio(dir, options);
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--port", radio.port(), file(std::string(c.document) + ".dat")});
        const CliRun run = RunCli(args, dir);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.out << run.err;
        EXPECT_NE((run.out + run.err).find(c.output), std::string::npos) << run.out << run.err;
        if (fs::exists(file("held.bin"))) {
            EXPECT_EQ(ReadAll(file("held.bin")), ReadAll(file(std::string(c.radioHolds) + ".bin")));
        }
        EXPECT_EQ(backups("before-write"), c.beforeWrite);
    }
}

}  // namespace
}  // namespace k7x::e2e

// The backup copies korvan7x-cli keeps of its reads and writes against korvan7x-radio, in the
// data folder of the test's own environment.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "Processes.h"
#include "ScratchDirTest.h"

namespace k7x::e2e {
namespace {

namespace fs = std::filesystem;

class BackupCommandsTest : public ScratchDirTest {
protected:
    fs::path backups() const { return dir / "data" / "korvan7x" / "backups"; }
    // The backups of one kind ("read", "write").
    std::vector<fs::path> kept(const std::string& kind) const {
        std::vector<fs::path> found;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(backups(), ec))
            if (e.path().filename().string().starts_with("KORVAN-7X_" + kind + "_"))
                found.push_back(e.path());
        return found;
    }
    std::string imageOf(const fs::path& dat) {
        const fs::path image = file(dat.filename().string() + ".bin");
        const CliRun packed = RunCli({"pack", dat, "-o", image}, dir);
        EXPECT_EQ(packed.exitCode, 0) << packed.err;
        return ReadAll(image);
    }
};

TEST_F(BackupCommandsTest, ReadAndWriteKeepCopiesUnlessToldNotTo) {
    ASSERT_EQ(RunCli({"new", "--mode", "2", "-o", file("source.dat")}, dir).exitCode, 0);
    const std::string image = imageOf(file("source.dat"));
    WriteAll(file("radio.bin"), image);
    struct Case {
        std::vector<std::string> radioOptions;
        std::string command;
        bool noBackup;
        int exitCode;
        std::size_t reads, writes;
    };
    const Case cases[] = {
        {{"--mode", "2", "--image", file("radio.bin")}, "read", false, 0, 1, 0},
        {{"--mode", "2"}, "write", false, 0, 0, 1},
        {{"--mode", "2", "--image", file("radio.bin")}, "read", true, 0, 0, 0},
        {{"--mode", "2"}, "write", true, 0, 0, 0},
        // Refused at the radio's model, before any block: the copy goes again.
        {{"--mode", "2", "--model", "OTHER7X"}, "write", false, 1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command + (c.noBackup ? " --no-backup" : "") + " " + c.radioOptions.back());
        fs::remove_all(backups());
        SimulatedRadio radio(dir, c.radioOptions);
        std::vector<std::string> args{c.command, "--port", radio.port()};
        if (c.command == "read") args.insert(args.end(), {"-o", file("read.dat")});
        if (c.noBackup) args.push_back("--no-backup");
        if (c.command == "write") args.push_back(file("source.dat"));
        const CliRun run = RunCli(args, dir);
        ASSERT_EQ(run.exitCode, c.exitCode) << run.err;
        const std::vector<fs::path> reads = kept("read"), writes = kept("write");
        EXPECT_EQ(reads.size(), c.reads);
        ASSERT_EQ(writes.size(), c.writes);
        EXPECT_EQ(Count(run.err, "Backup copy kept: "), int(c.reads + c.writes)) << run.err;
        // Each copy is a codeplug file of exactly what went over the line.
        for (const fs::path& p : reads) EXPECT_EQ(imageOf(p), image);
        for (const fs::path& p : writes) EXPECT_EQ(imageOf(p), image);
        EXPECT_EQ(fs::exists(backups()), !c.noBackup);
    }
}

TEST_F(BackupCommandsTest, ACopyKeptRemovesTheCopiesOlderThanAYear) {
    fs::create_directories(backups());
    const auto now = fs::file_time_type::clock::now();
    const std::pair<const char*, int> files[] = {{"KORVAN-7X_read_20200101-120000.dat", 400},
                                                 {"KORVAN-7X_write_20240101-120000.dat", 300},
                                                 {"mine.dat", 900}};
    for (const auto& [name, days] : files) {
        WriteAll(backups() / name, "x");
        fs::last_write_time(backups() / name, now - std::chrono::days(days));
    }
    SimulatedRadio radio(dir, {});
    const CliRun read = RunCli({"read", "--port", radio.port(), "-o", file("read.dat")}, dir);
    ASSERT_EQ(read.exitCode, 0) << read.err;
    EXPECT_FALSE(fs::exists(backups() / files[0].first));
    EXPECT_TRUE(fs::exists(backups() / files[1].first));
    EXPECT_TRUE(fs::exists(backups() / files[2].first));
    EXPECT_EQ(kept("read").size(), 1u);
}

}  // namespace
}  // namespace k7x::e2e

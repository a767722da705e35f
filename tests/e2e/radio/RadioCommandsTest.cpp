// korvan7x-cli read, write and info against korvan7x-radio over a real pseudo-terminal, run as
// a script would run them: no terminal to answer questions.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "Processes.h"
#include "ScratchDirTest.h"

namespace k7x::e2e {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr std::size_t kImageBytes = 7424;
constexpr std::size_t kDatBytes = 25611;

class RadioCommandsTest : public ScratchDirTest {
protected:
    // A new document of a country mode, and its memory image as the CLI packs it.
    std::string newDocument(const std::string& name, int mode) {
        const CliRun made = RunCli({"new", "--mode", std::to_string(mode), "-o", file(name)}, dir);
        EXPECT_EQ(made.exitCode, 0) << made.err;
        return imageOf(name);
    }
    std::string imageOf(const std::string& datName) {
        const fs::path image = file(datName + ".bin");
        const CliRun packed = RunCli({"pack", file(datName), "-o", image}, dir);
        EXPECT_EQ(packed.exitCode, 0) << packed.err;
        return ReadAll(image);
    }
    fs::path imageFile(const std::string& name, const std::string& bytes) {
        WriteAll(file(name), bytes);
        return file(name);
    }
};

TEST_F(RadioCommandsTest, ReadTakesTheWholeImageIntoADatFile) {
    // A HAM-mode document's image: every channel survives the way back.
    const std::string image = newDocument("source.dat", 2);
    ASSERT_EQ(image.size(), kImageBytes);
    SimulatedRadio radio(dir, {"--mode", "2", "--image", imageFile("radio.bin", image)});

    const CliRun read = RunCli({"read", "--port", radio.port(), "-o", file("read.dat")}, dir);
    ASSERT_EQ(read.exitCode, 0) << read.err;
    EXPECT_EQ(fs::file_size(file("read.dat")), kDatBytes);
    EXPECT_EQ(imageOf("read.dat"), image);
    EXPECT_NE(read.err.find("100%"), std::string::npos) << "progress lines on a non-terminal";
    EXPECT_EQ(read.err.find('\r'), std::string::npos) << "no bar drawn into a file";
}

TEST_F(RadioCommandsTest, WriteThenReadBackIsByteIdentical) {
    const std::string image = newDocument("source.dat", 2);
    const fs::path saved = file("saved.bin");
    // The radio starts erased, so every byte it ends with came from the write.
    SimulatedRadio radio(
        dir, {"--mode", "2", "--image", imageFile("erased.bin", std::string(kImageBytes, '\xFF')),
              "--save", saved});

    const CliRun write = RunCli({"write", "--port", radio.port(), file("source.dat")}, dir);
    ASSERT_EQ(write.exitCode, 0) << write.err;
    EXPECT_EQ(ReadAll(saved), image);

    const CliRun read = RunCli({"read", "--port", radio.port(), "-o", file("back.dat")}, dir);
    ASSERT_EQ(read.exitCode, 0) << read.err;
    EXPECT_EQ(imageOf("back.dat"), image);
}

TEST_F(RadioCommandsTest, InfoPrintsEveryFieldOfTheInformationArea) {
    std::string area(256, '\xFF');
    auto put = [&area](std::size_t at, const std::string& text) {
        area.replace(at, text.size(), text);
    };
    area[0] = '\x21';  // high four bits are not the mode
    put(32, "BATCH-01");
    put(40, "C042");
    put(44, "NL");
    put(48, "SN12345678901234");  // all 16 characters
    put(64, "2023-01-02");
    put(80, "2024-03-04");
    const std::string reason(96, 'r');
    put(96, reason);
    put(192, "DEALER");
    put(208, "2023-02-03");
    put(224, "2023-04-05");
    put(240, "Jan");
    SimulatedRadio radio(dir, {"--mode", "1", "--info", imageFile("info.bin", area)});

    const CliRun info = RunCli({"info", "--port", radio.port()}, dir);
    ASSERT_EQ(info.exitCode, 0) << info.err;
    EXPECT_EQ(info.out,
              "InfoCountryMode: 1 (HF, 25.615 - 30.105 MHz)\n"
              "InfoModel: KORVN7X\n"
              "SalesAreaCode: NL\n"
              "SerialNumber: SN12345678901234\n"
              "FactoryDate: 2023-01-02\n"
              "RepairDate: 2024-03-04\n"
              "RepairReason: " +
                  reason +
                  "\n"
                  "InfoVersion: V1.00\n"
                  "BatchNumber: BATCH-01\n"
                  "CustomerCode: C042\n"
                  "DealerCode: DEALER\n"
                  "StockInTime: 2023-02-03\n"
                  "SaleTime: 2023-04-05\n"
                  "HandledBy: Jan\n");
}

TEST_F(RadioCommandsTest, AnEchoingCableIsFoundAtTheFirstHandshake) {
    const std::string image = newDocument("source.dat", 2);
    SimulatedRadio radio(dir, {"--echo", "--mode", "2", "--image", imageFile("r.bin", image)});
    const CliRun read = RunCli(
        {"read", "--port", radio.port(), "-o", file("read.dat"), "--trace", file("trace.txt")},
        dir);
    ASSERT_EQ(read.exitCode, 0) << read.err;
    EXPECT_EQ(imageOf("read.dat"), image);
    // A fresh program expects an echo first, so the first handshake is answered.
    EXPECT_EQ(Count(ReadAll(file("trace.txt")), "TX 50 52 4F 47 52 41 4D"), 1);
}

TEST_F(RadioCommandsTest, AnEchoFreeCableIsFoundAtTheSecondHandshake) {
    SimulatedRadio radio(dir, {});
    const CliRun info = RunCli({"info", "--port", radio.port(), "--trace", file("trace.txt")}, dir);
    ASSERT_EQ(info.exitCode, 0) << info.err;
    EXPECT_EQ(Count(ReadAll(file("trace.txt")), "TX 50 52 4F 47 52 41 4D"), 2);
}

TEST_F(RadioCommandsTest, ARadioThatNeverAnswersFailsWithoutTouchingTheOutputFile) {
    SimulatedRadio radio(dir, {"--never-answer"});
    WriteAll(file("keep.dat"), "previous content");
    const CliRun read = RunCli({"read", "--port", radio.port(), "-o", file("keep.dat"), "--retries",
                                "1", "--trace", file("trace.txt")},
                               dir);
    EXPECT_EQ(read.exitCode, 1);
    EXPECT_NE(read.err.find("the radio does not answer"), std::string::npos) << read.err;
    EXPECT_EQ(ReadAll(file("keep.dat")), "previous content");
    // Four handshakes, the question answered OK once, four more, then Cancel.
    EXPECT_EQ(Count(ReadAll(file("trace.txt")), "TX 50 52 4F 47 52 41 4D"), 8);
    EXPECT_LT(read.seconds, 5.0);
}

TEST_F(RadioCommandsTest, AWriteNobodyAnswersSaysToCheckTheCableThePowerAndThePort) {
    newDocument("source.dat", 0);
    SimulatedRadio radio(dir, {"--never-answer"});
    const CliRun write = RunCli({"write", "--port", radio.port(), file("source.dat")}, dir);
    EXPECT_EQ(write.exitCode, 1);
    EXPECT_NE(write.err.find("did not answer the handshake. Check that the cable is in the "
                             "radio's programming socket, that the radio is switched on"),
              std::string::npos)
        << write.err;
}

TEST_F(RadioCommandsTest, ARadioOfAnotherModelIsRefusedWithAClearMessage) {
    SimulatedRadio radio(dir, {"--model", "KORVN9Z"});
    const CliRun read = RunCli({"read", "--port", radio.port(), "-o", file("out.dat")}, dir);
    EXPECT_EQ(read.exitCode, 1);
    EXPECT_NE(read.err.find("PC is KORVAN 7X"), std::string::npos) << read.err;
    EXPECT_NE(read.err.find("Radio is KORVN9Z"), std::string::npos);
    EXPECT_FALSE(fs::exists(file("out.dat")));
}

TEST_F(RadioCommandsTest, APasswordProtectedRadioNeedsTheRightPassword) {
    const std::string image = newDocument("source.dat", 2);
    SimulatedRadio radio(
        dir, {"--password", "Ab1", "--mode", "2", "--image", imageFile("r.bin", image)});
    WriteAll(file("right.txt"), "Ab1\n");
    WriteAll(file("wrong.txt"), "AB1\n");

    const CliRun none = RunCli({"read", "--port", radio.port(), "-o", file("a.dat")}, dir);
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_NE(none.err.find("--password-file"), std::string::npos) << none.err;
    EXPECT_NE(none.err.find("PassWord Failure!"), std::string::npos);

    const CliRun wrong = RunCli(
        {"read", "--port", radio.port(), "-o", file("a.dat"), "--password-file", file("wrong.txt")},
        dir);
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_NE(wrong.err.find("PassWord Failure!"), std::string::npos) << wrong.err;
    EXPECT_FALSE(fs::exists(file("a.dat")));

    const CliRun right = RunCli(
        {"read", "--port", radio.port(), "-o", file("a.dat"), "--password-file", file("right.txt")},
        dir);
    ASSERT_EQ(right.exitCode, 0) << right.err;
    EXPECT_EQ(imageOf("a.dat"), image);

    const CliRun visible =
        RunCli({"write", "--port", radio.port(), file("a.dat"), "--password", "Ab1"}, dir);
    EXPECT_EQ(visible.exitCode, 0) << visible.err;
    EXPECT_NE(visible.err.find("warning"), std::string::npos);
}

TEST_F(RadioCommandsTest, ALossyLineStillMovesTheWholeImage) {
    const std::string image = newDocument("source.dat", 2);
    const fs::path saved = file("saved.bin");
    SimulatedRadio radio(
        dir, {"--mode", "2", "--image", imageFile("r.bin", image), "--silent-every", "97",
              "--bad-checksum-every", "113", "--resend-every", "29", "--save", saved});
    const CliRun read = RunCli({"read", "--port", radio.port(), "-o", file("read.dat")}, dir);
    ASSERT_EQ(read.exitCode, 0) << read.err;
    EXPECT_EQ(imageOf("read.dat"), image);
    const CliRun write = RunCli({"write", "--port", radio.port(), file("read.dat")}, dir);
    ASSERT_EQ(write.exitCode, 0) << write.err;
    EXPECT_EQ(ReadAll(saved), image);
}

TEST_F(RadioCommandsTest, TheRadioVanishingEndsTheTransferAtOnce) {
    SimulatedRadio radio(dir, {"--wire-timing"});  // a whole read would take 14 s
    const std::string terminal = radio.terminal();
    const pid_t cli = StartCli({"read", "--port", radio.port(), "-o", file("out.dat")}, dir);
    std::this_thread::sleep_for(500ms);
    const auto cut = std::chrono::steady_clock::now();
    radio.kill();
    EXPECT_EQ(WaitFor(cli), 1);
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - cut).count(), 3.0);
    const std::string err = ReadAll(file("background.err"));
    EXPECT_NE(err.find("lost during the transfer"), std::string::npos) << err;
    EXPECT_NE(err.find("Device: " + terminal), std::string::npos);
    EXPECT_FALSE(fs::exists(file("out.dat")));
}

TEST_F(RadioCommandsTest, ABusyPortIsReportedWithWhatToDo) {
    SimulatedRadio radio(dir, {"--wire-timing"});
    const pid_t cli = StartCli({"read", "--port", radio.port(), "-o", file("out.dat")}, dir);
    std::this_thread::sleep_for(400ms);
    const CliRun second = RunCli({"info", "--port", radio.port()}, dir);
    radio.kill();
    WaitFor(cli);
    EXPECT_EQ(second.exitCode, 1);
    EXPECT_NE(second.err.find("busy"), std::string::npos) << second.err;
}

TEST_F(RadioCommandsTest, RadiosThatDoNotFitAreRefused) {
    {
        SimulatedRadio radio(dir, {"--mode", "7"});
        const CliRun read = RunCli({"read", "--port", radio.port(), "-o", file("a.dat")}, dir);
        EXPECT_EQ(read.exitCode, 1);
        EXPECT_NE(read.err.find("Country Mode Error!"), std::string::npos) << read.err;
    }
    {
        SimulatedRadio radio(dir, {"--version", "V200"});
        const CliRun read = RunCli({"read", "--port", radio.port(), "-o", file("a.dat")}, dir);
        EXPECT_EQ(read.exitCode, 1);
        EXPECT_NE(read.err.find("this program version is not meant for the radio"),
                  std::string::npos)
            << read.err;
    }
    {
        newDocument("cb.dat", 0);
        const fs::path saved = file("saved.bin");
        const std::string erased(kImageBytes, '\xFF');
        SimulatedRadio radio(
            dir, {"--mode", "1", "--image", imageFile("erased.bin", erased), "--save", saved});
        const CliRun write = RunCli({"write", "--port", radio.port(), file("cb.dat")}, dir);
        EXPECT_EQ(write.exitCode, 1);
        EXPECT_NE(write.err.find("another country mode"), std::string::npos) << write.err;
        radio.stop();
        // The failed transfer still ends with END, after which the radio saves its image.
        EXPECT_EQ(ReadAll(saved), erased) << "no block written";
    }
    EXPECT_FALSE(fs::exists(file("a.dat")));
}

TEST_F(RadioCommandsTest, WritingToARadioWithoutCtcssWarnsAndCompletes) {
    newDocument("source.dat", 0);
    SimulatedRadio radio(dir, {"--no-ctcss"});
    const CliRun write = RunCli({"write", "--port", radio.port(), file("source.dat")}, dir);
    EXPECT_EQ(write.exitCode, 0) << write.err;
    EXPECT_EQ(Count(write.err, "CTCSS/DCS Function is invalid,"), 1);
}

TEST_F(RadioCommandsTest, UsageMistakesAreCaughtBeforeTheRadioIsTouched) {
    SimulatedRadio radio(dir, {"--verbose"});
    EXPECT_EQ(RunCli({"read", "--port", "17", "-o", file("a.dat")}, dir).exitCode, 2);
    EXPECT_EQ(RunCli({"read", "--port", radio.port()}, dir).exitCode, 2) << "no -o";
    EXPECT_EQ(
        RunCli({"read", "--port", radio.port(), "-o", file("no/such/folder/a.dat")}, dir).exitCode,
        1);
    EXPECT_EQ(RunCli({"info", "--port", radio.port(), "--retries", "x"}, dir).exitCode, 2);
    EXPECT_EQ(RunCli({"write", "--port", radio.port(), file("missing.dat")}, dir).exitCode, 1);
    radio.stop();
    EXPECT_EQ(ReadAll(file("radio.err")).find("PROGRAM"), std::string::npos)
        << "none of these reached the radio";
}

TEST_F(RadioCommandsTest, TheRadioStopsCleanlyAndRemovesItsLink) {
    SimulatedRadio radio(dir, {});
    EXPECT_TRUE(fs::is_symlink(radio.port()));
    EXPECT_EQ(fs::read_symlink(radio.port()), radio.terminal());
    EXPECT_TRUE(radio.stop());
    EXPECT_FALSE(fs::exists(fs::symlink_status(file("radio"))));
}

}  // namespace
}  // namespace k7x::e2e

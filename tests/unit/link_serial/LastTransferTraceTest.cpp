// The trace of the last transfer kept for a problem report: replaced by each transfer that
// reaches the port, ended by its outcome, bounded in size.
#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"
#include "codeplug/FileIo.h"
#include "link/serial/LastTransferTrace.h"

namespace k7x {
namespace {

std::string Contents(const std::string& path) {
    const auto bytes = ReadFileBytes(path, 16 * 1024 * 1024);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

TransferOutcome Outcome(Operation operation, bool completed, FailureReason reason) {
    return {operation, completed, reason, completed ? "" : "Line one\nline two", false};
}

TEST(LastTransferTraceTest, EachTransferReplacesTheLastAndEndsWithItsOutcome) {
    test::TempFolder folder;
    const std::string path = folder.file("state/korvan7x/" + std::string(kLastTraceName));
    LastTransferTrace kept(path);

    kept.begin(Operation::ImageRead).note("open /dev/ttyUSB0");
    kept.end(Outcome(Operation::ImageRead, true, FailureReason::None));
    EXPECT_TRUE(Contents(path).starts_with("# korvan7x read, ")) << Contents(path);
    EXPECT_TRUE(Contents(path).ends_with(" -- outcome: read completed\n")) << Contents(path);

    SerialTrace& trace = kept.begin(Operation::ImageWrite);
    trace.sent(std::vector<Byte>{0x50, 0x52});
    kept.end(Outcome(Operation::ImageWrite, false, FailureReason::NoAnswer));
    trace.note("close");  // after the end: dropped
    const std::string second = Contents(path);
    EXPECT_TRUE(second.starts_with("# korvan7x write, ")) << second;
    EXPECT_EQ(second.find("open /dev/ttyUSB0"), std::string::npos) << second;
    EXPECT_TRUE(second.ends_with("outcome: write failed (no answer): Line one line two\n"))
        << second;

    // Declined before the port was opened: the write's trace stays.
    kept.begin(Operation::ImageRead);
    kept.end(Outcome(Operation::ImageRead, false, FailureReason::Cancelled));
    EXPECT_EQ(Contents(path), second);
}

TEST(LastTransferTraceTest, ALongTransferKeepsItsStartAndItsEndWithinTheLimit) {
    test::TempFolder folder;
    const std::string path = folder.file("last.trace");
    const std::size_t limit = 8 * 1024;
    LastTransferTrace kept(path, limit);
    SerialTrace& trace = kept.begin(Operation::ImageRead);
    trace.note("open /dev/ttyUSB0");
    for (int i = 0; i < 1000; ++i) trace.received(std::vector<Byte>(22, static_cast<Byte>(i)));
    trace.note("the last block");
    kept.end(Outcome(Operation::ImageRead, false, FailureReason::NoAnswer));

    const std::string text = Contents(path);
    EXPECT_LE(text.size(), limit);
    EXPECT_NE(text.find("-- open /dev/ttyUSB0"), std::string::npos);
    EXPECT_NE(text.find(" lines left out --\n"), std::string::npos);
    EXPECT_NE(text.find("-- the last block\n"), std::string::npos);
    EXPECT_NE(text.find("outcome: read failed (no answer)"), std::string::npos);
}

TEST(LastTransferTraceTest, TheTraceLivesInTheStateFolder) {
    struct Case {
        std::string xdgStateHome, home, path;
    };
    const Case cases[] = {
        {"/x/state", "/home/u", "/x/state/korvan7x/last-transfer.trace"},
        {"", "/home/u", "/home/u/.local/state/korvan7x/last-transfer.trace"},
        {"relative", "/home/u", "/home/u/.local/state/korvan7x/last-transfer.trace"},
        {"", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LastTraceFileFor(c.xdgStateHome, c.home), c.path) << c.xdgStateHome;
}

}  // namespace
}  // namespace k7x

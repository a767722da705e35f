// Every image read and every image about to be written is kept as a .dat file that opens as
// the document; a write that ends before its first block leaves no copy; a copy that cannot be
// kept is reported once and the transfer goes on.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "LinkHarness.h"
#include "TempFolder.h"
#include "codeplug/ChannelList.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/Defaults.h"
#include "link/BackupKeeper.h"

namespace k7x {
namespace {

using test::LinkHarness;
using test::RadioAction;
using test::TempFolder;
using Texts = std::vector<std::string>;

std::vector<std::string> Backups(const TempFolder& folder, const std::string& kind) {
    std::vector<std::string> found;
    if (!std::filesystem::exists(folder.path() / "backups")) return found;
    for (const auto& e : std::filesystem::directory_iterator(folder.path() / "backups")) {
        if (e.path().filename().string().find("_" + kind + "_") != std::string::npos)
            found.push_back(e.path().string());
    }
    return found;
}

// A document with channels as a radio holds it (once through the image).
void FillDocument(DocumentState& doc) {
    InitNewDocument(doc, "/nonexistent", false, "2024-07-15");
    for (int n : {150, 151, 300}) ASSERT_TRUE(AddChannel(doc, n, "27.005"));
    PackImage(doc);
    doc.RadioCountryMode = doc.CurrentCountryMode;
    test::RecordingPrompts quiet;
    ASSERT_TRUE(UnpackImage(doc, quiet));
}

struct Case {
    const char* name;
    Operation operation;
    std::vector<Answer> answers;
    // The radio stops answering from this request on (-1: never).
    int silentFrom;
    bool completed;
    std::size_t reads, writes;
};

const Case kCases[] = {
    {"read", Operation::ImageRead, {}, -1, true, 1, 0},
    {"write", Operation::ImageWrite, {}, -1, true, 0, 1},
    {"write declined", Operation::ImageWrite, {Answer::Cancel}, -1, false, 0, 0},
    // No answer to the handshake, the user gives up: nothing reached the radio.
    {"write before first block",
     Operation::ImageWrite,
     {Answer::Ok, Answer::Cancel},
     0,
     false,
     0,
     0},
    // The radio stops after some blocks: it holds part of the new data, the copy stays.
    {"write after blocks", Operation::ImageWrite, {Answer::Ok, Answer::Cancel}, 20, false, 0, 1},
    {"read given up", Operation::ImageRead, {Answer::Ok, Answer::Cancel}, 20, false, 0, 0},
};

TEST(TransferBackup, CopiesAreKeptForWhatReachedOrCameFromTheRadio) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        BackupStore store(folder.file("backups"));
        StoreBackupKeeper keeper(store);
        LinkHarness h;
        h.backups.keeper = &keeper;
        FillDocument(h.doc);
        // The radio holds the image of a document with channels 150, 151 and 300.
        PackImage(h.doc);
        h.radio.image = h.doc.MemImage;
        const Int channelCount = h.doc.WorkDoc.ChannelCount;
        if (c.operation == Operation::ImageRead) {
            DocumentState empty;
            InitNewDocument(empty, "/nonexistent", false, "2024-07-15");
            h.doc = empty;
        }
        h.prompts.answers.assign(c.answers.begin(), c.answers.end());
        h.radio.hook = [&](const ParsedRequest&, int n) -> std::optional<RadioAction> {
            if (c.silentFrom >= 0 && n >= c.silentFrom) return RadioAction::Silent();
            return std::nullopt;
        };
        h.engine.start(c.operation);
        h.run();

        EXPECT_EQ(h.outcome().completed, c.completed);
        const std::vector<std::string> reads = Backups(folder, "read");
        const std::vector<std::string> writes = Backups(folder, "write");
        ASSERT_EQ(reads.size(), c.reads);
        ASSERT_EQ(writes.size(), c.writes);
        EXPECT_EQ(keeper.lastKept().empty(), c.reads + c.writes == 0);
        for (const std::string& path : reads.empty() ? writes : reads) {
            // The copy opens as a document that packs into the radio's image.
            DocumentState opened;
            InitNewDocument(opened, "/nonexistent", false, "2024-07-15");
            test::RecordingPrompts quiet;
            ASSERT_EQ(OpenFile(opened, path, "", h.versions, quiet, {}), OpenResult::Opened)
                << testing::PrintToString(quiet.texts());
            EXPECT_EQ(opened.WorkDoc.ChannelCount, channelCount);
            PackImage(opened);
            EXPECT_EQ(opened.MemImage, h.radio.image);
        }
    }
}

TEST(TransferBackup, ACopyThatCannotBeKeptIsReportedOnceAndTheTransferGoesOn) {
    for (Operation operation : {Operation::ImageRead, Operation::ImageWrite}) {
        SCOPED_TRACE(static_cast<int>(operation));
        TempFolder folder;
        std::ofstream(folder.file("backups")) << "a file where the folder should be";
        BackupStore store(folder.file("backups"));
        StoreBackupKeeper keeper(store);
        LinkHarness h;
        h.backups.keeper = &keeper;
        FillDocument(h.doc);
        h.engine.start(operation);
        h.run();

        EXPECT_TRUE(h.outcome().completed);
        const Texts texts = h.prompts.texts();
        ASSERT_EQ(texts.size(), 3u);
        EXPECT_EQ(texts[1].rfind("<9200>\n", 0), 0u) << texts[1];
        EXPECT_EQ(h.prompts.shown[1].icon, Icon::Warning);
        EXPECT_EQ(texts[2], operation == Operation::ImageRead ? "<9009>" : "<9010>");
        EXPECT_TRUE(keeper.lastKept().empty());
    }
}

}  // namespace
}  // namespace k7x

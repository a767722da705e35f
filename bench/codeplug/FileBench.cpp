// Opening and saving a full .dat file (409 channels) in memory: the budget is 2 ms each.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>

#include "SilentPrompts.h"
#include "codeplug/ChannelList.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/Defaults.h"
#include "codeplug/FileContent.h"
#include "codeplug/FileIo.h"

namespace k7x {
namespace {

// A new mode-1 document filled up to all 409 channels.
DocumentState FullDocument() {
    DocumentState doc;
    doc.CurrentCountryMode = 1;
    InitNewDocument(doc, "/nonexistent", false, "2024-07-15");
    for (int n = 2; n <= 400; ++n) AddChannel(doc, n, "28.5");
    TakeIntoSavedCopy(doc);
    return doc;
}

VersionTable Versions() {
    VersionTable t;
    t.VersionPairs = {{ProgramVersion, ProgramVersion}};
    return t;
}

// Save without the disk: the saved copy is taken and the file's bytes are built.
void BM_SaveEncode(benchmark::State& state) {
    DocumentState doc = FullDocument();
    for (auto _ : state) {
        TakeIntoSavedCopy(doc);
        std::vector<Byte> bytes = EncodeFile(doc.SavedDoc, doc.SavedChannels);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_SaveEncode)->Unit(benchmark::kMicrosecond);

// Open without the disk: every check, the decoding and the take-over into a document.
void BM_OpenDecode(benchmark::State& state) {
    DocumentState source = FullDocument();
    const std::vector<Byte> bytes = EncodeFile(source.SavedDoc, source.SavedChannels);
    const VersionTable versions = Versions();
    SilentPrompts prompts;
    DocumentState doc;
    for (auto _ : state) {
        OpenResult r = OpenFileContent(doc, bytes, versions, prompts, {});
        benchmark::DoNotOptimize(r);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_OpenDecode)->Unit(benchmark::kMicrosecond);

// The same through the file system, still without the flush: read + open, encode + write.
void BM_SaveFileNoFlush(benchmark::State& state) {
    DocumentState doc = FullDocument();
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("k7x-bench-" + std::to_string(::getpid()) + ".dat"))
                                 .string();
    for (auto _ : state) {
        TakeIntoSavedCopy(doc);
        const std::vector<Byte> bytes = EncodeFile(doc.SavedDoc, doc.SavedChannels);
        if (WriteFileAtomically(path, bytes, false)) state.SkipWithError("write failed");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveFileNoFlush)->Unit(benchmark::kMicrosecond);

void BM_OpenFileFromDisk(benchmark::State& state) {
    DocumentState source = FullDocument();
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("k7x-bench-open-" + std::to_string(::getpid()) + ".dat"))
                                 .string();
    WriteFileAtomically(path, EncodeFile(source.SavedDoc, source.SavedChannels), false);
    const VersionTable versions = Versions();
    SilentPrompts prompts;
    DocumentState doc;
    for (auto _ : state) {
        OpenResult r = OpenFile(doc, path, "", versions, prompts, {});
        if (r != OpenResult::Opened) state.SkipWithError("open failed");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_OpenFileFromDisk)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace k7x

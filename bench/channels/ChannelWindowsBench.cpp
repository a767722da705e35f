// The channel windows under load: opening them, a group change to the 80 rows of "DE", and one
// committed cell edit with its row redrawn and the edit window refreshed. Offscreen, on a main
// window built as the tests build it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTimer>

#include "ChannelTestRig.h"
#include "channels/GridCommands.h"
#include "codeplug/Groups.h"

using namespace k7x;
using k7x::test::ChannelTestRig;

namespace {

constexpr int kGroupEU = 0;
constexpr int kGroupDE = 6;

// Every position of every group of the mode holds a channel.
void FillEveryGroup(DocumentState& doc) {
    const int mode = doc.CurrentCountryMode;
    for (int g = 0; g < GroupCount(mode); ++g) {
        for (int p = 1; p <= GroupSize(g, mode); ++p) {
            const int number = GroupStart(g, mode) + p;
            if (FindChannel(doc, number) < 0) AddChannel(doc, number, "02696500");
        }
    }
}

void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void BM_GroupChangeToDE(benchmark::State& state) {
    ChannelTestRig rig(0);
    FillEveryGroup(rig.doc);
    frmCommChInfo* grid = rig.grid();
    for (auto _ : state) {
        rig.state.EditGroup = kGroupDE;
        grid->ChangeGroup();
        state.PauseTiming();
        rig.state.EditGroup = kGroupEU;
        grid->ChangeGroup();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_GroupChangeToDE)->Unit(benchmark::kMillisecond);

void BM_OpenGridWindow(benchmark::State& state) {
    ChannelTestRig rig(1);
    FillEveryGroup(rig.doc);
    rig.main();
    for (auto _ : state) {
        benchmark::DoNotOptimize(rig.grid());
        state.PauseTiming();
        rig.main().CloseCurAllWindows();
        Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenGridWindow)->Unit(benchmark::kMillisecond);

void BM_OpenEditWindow(benchmark::State& state) {
    ChannelTestRig rig(1);
    FillEveryGroup(rig.doc);
    rig.grid();
    for (auto _ : state) {
        benchmark::DoNotOptimize(rig.edit());
        state.PauseTiming();
        rig.main().CloseWindowByName(kChannelEditWindow);
        Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenEditWindow)->Unit(benchmark::kMillisecond);

void BM_CommittedCellEdit(benchmark::State& state) {
    ChannelTestRig rig(1);
    FillEveryGroup(rig.doc);
    rig.grid();
    rig.edit();
    int scan = 0;
    for (auto _ : state) {
        scan = 1 - scan;
        EditChannelCell(rig.doc, rig.prompts(), 0, 1, kColScan, std::to_string(scan));
    }
}
BENCHMARK(BM_CommittedCellEdit)->Unit(benchmark::kMicrosecond);

// A paste of 80 channels into the 80 rows of "DE" from the program's own clipboard format:
// every row read and checked, the group's settings kept, the grid and the edit window redrawn.
void BM_PasteOf80Channels(benchmark::State& state) {
    ChannelTestRig rig(0);
    rig.main().show();  // starts on a new document: the channels come after it
    FillEveryGroup(rig.doc);
    frmCommChInfo* grid = rig.grid();
    rig.state.EditGroup = kGroupDE;
    grid->ChangeGroup();
    rig.edit();
    std::vector<int> positions(80);
    for (int p = 1; p <= 80; ++p) positions[static_cast<std::size_t>(p - 1)] = p;
    std::vector<ChannelSlot> copied = CopyPositions(rig.doc, kGroupDE, positions);
    for (ChannelSlot& slot : copied) slot->DTMF_Call = 3;  // so that every paste changes them
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (ChannelSlot& slot : copied) slot->Scan = static_cast<Int>(round % 2);
        ++round;
        auto* mime = new QMimeData;
        mime->setData(QString::fromLatin1(GridCommands::kClipboardFormat),
                      QByteArray::fromStdString(ChannelSlotsToText(copied)));
        QApplication::clipboard()->setMimeData(mime);
        state.ResumeTiming();
        grid->commands().run(GridCommands::Command::Paste);
        QCoreApplication::processEvents();  // the grid paints
    }
    if (!rig.prompts().shown.empty() || rig.changes.size() != static_cast<std::size_t>(round))
        state.SkipWithError("the paste did not take every row");
}
BENCHMARK(BM_PasteOf80Channels)->Unit(benchmark::kMillisecond);

}  // namespace

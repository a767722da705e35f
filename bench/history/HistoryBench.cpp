// The undo history under load: the memory of 1,000 single-field edits, and undo and redo of
// one step with the grid showing the 80 rows of "DE", the edit window and the optional
// features window open and redrawn. Offscreen, on a main window built as the tests build it.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "ChannelTestRig.h"
#include "codeplug/Groups.h"
#include "settings/SettingsWindows.h"
#include "shell/ui/DocumentHistory.h"

using namespace k7x;
using k7x::test::ChannelTestRig;

namespace {

constexpr int kGroupDE = 6;
constexpr int kSteps = 1000;
constexpr double kBudgetMiB = 16.0;

struct HistoryRig : ChannelTestRig {
    HistoryRig() : ChannelTestRig(0), settingsServices{doc, prompts(), settings} {
        RegisterSettingsWindows(children, settingsServices);
        main();  // its new document first, then the channels
        for (int p = 1; p <= GroupSize(kGroupDE, 0); ++p) {
            const int number = GroupStart(kGroupDE, 0) + p;
            if (FindChannel(doc, number) < 0) AddChannel(doc, number, "02696500");
        }
        main().history().reset();
        state.EditGroup = kGroupDE;
        grid()->ChangeGroup();
        edit();
        main().ShowChildWindow(kOptionalFeaturesWindow);
        QCoreApplication::processEvents();
    }
    ~HistoryRig() { window.reset(); }

    // One single-field edit: the transmit tone of one of the group's channels.
    void editOnce(int i) {
        const int position = 1 + i % GroupSize(kGroupDE, 0);
        EditChannelCell(doc, prompts(), kGroupDE, position, kColTdct,
                        std::to_string(1 + (i / 80) % 2));  // always another value
        main().history().record();
    }

    SettingsWindowServices settingsServices;
};

void BM_ThousandSingleFieldEdits(benchmark::State& state) {
    HistoryRig rig;
    double mib = 0;
    for (auto _ : state) {
        rig.main().history().reset();
        // A few positions refuse the tone; edits go on until the history holds 1,000 steps.
        for (int i = 0; rig.main().history().stack().count() < kSteps && i < 2 * kSteps; ++i)
            rig.editOnce(i);
        mib = double(rig.main().history().bytes()) / (1024.0 * 1024.0);
    }
    state.counters["steps"] = rig.main().history().stack().count();
    state.counters["MiB"] = mib;
    if (mib > kBudgetMiB) state.SkipWithError("history over its memory budget");
}
BENCHMARK(BM_ThousandSingleFieldEdits)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_UndoOneStep(benchmark::State& state) {
    HistoryRig rig;
    for (int i = 0; i < kSteps; ++i) rig.editOnce(i);
    DocumentHistory& history = rig.main().history();
    for (auto _ : state) {
        history.undo();
        state.PauseTiming();
        history.redo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoOneStep)->Unit(benchmark::kMicrosecond);

void BM_RedoOneStep(benchmark::State& state) {
    HistoryRig rig;
    for (int i = 0; i < kSteps; ++i) rig.editOnce(i);
    DocumentHistory& history = rig.main().history();
    for (auto _ : state) {
        state.PauseTiming();
        history.undo();
        state.ResumeTiming();
        history.redo();
    }
}
BENCHMARK(BM_RedoOneStep)->Unit(benchmark::kMicrosecond);

}  // namespace

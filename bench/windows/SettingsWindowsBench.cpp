// Opening each radio-wide settings window, offscreen, on the main window of the window tests.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "SettingsTestRig.h"

using namespace k7x;
using k7x::test::SettingsTestRig;

namespace {

void BM_OpenSettingsWindow(benchmark::State& state, const QString* name) {
    SettingsTestRig rig(1);
    rig.main();
    for (auto _ : state) {
        benchmark::DoNotOptimize(rig.main().ShowChildWindow(*name));
        state.PauseTiming();
        rig.main().CloseWindowByName(*name);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(BM_OpenSettingsWindow, FrmOptFeatures, &kOptionalFeaturesWindow)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenSettingsWindow, FrmDTMF, &kDtmfWindow)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenSettingsWindow, FrmKey, &kKeyWindow)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenSettingsWindow, FrmToneTips, &kToneTipsWindow)
    ->Unit(benchmark::kMillisecond);

}  // namespace

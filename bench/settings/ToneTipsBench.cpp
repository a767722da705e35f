// The tone tips window under load: opening it offscreen on the test main window, and rendering
// the longest melody, which Play does before any sound.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QAudioFormat>

#include "SettingsTestRig.h"
#include "settings/FrmToneTips.h"
#include "settings/ToneSamples.h"

using namespace k7x;
using k7x::test::SettingsTestRig;

namespace {

void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void BM_OpenToneTipsWindow(benchmark::State& state) {
    SettingsTestRig rig;
    rig.main();
    for (auto _ : state) {
        benchmark::DoNotOptimize(rig.open<FrmToneTips>(kToneTipsWindow));
        state.PauseTiming();
        rig.main().CloseWindowByName(kToneTipsWindow);
        Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenToneTipsWindow)->Unit(benchmark::kMillisecond);

// What Play costs before the sound starts: rendering the longest tip there is (14 steps of
// 2.55 s and a pause of 2.55 s) in a usual output format.
void BM_RenderLongestPlaying(benchmark::State& state) {
    ToneTipRecord tip;
    tip.RepeatCount = 10;
    tip.RepeatGap = 255;
    for (ToneStep& step : tip.Steps) step = {255, 255};
    QAudioFormat format;
    format.setSampleRate(48000);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Float);
    for (auto _ : state) benchmark::DoNotOptimize(RenderPlaying(tip, format));
}
BENCHMARK(BM_RenderLongestPlaying)->Unit(benchmark::kMillisecond);

}  // namespace

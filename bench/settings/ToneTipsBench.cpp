// The tone tips window under load: opening it, and how punctually the notes of a 14-step
// playing start. Each note's due time comes from the tip's schedule; its start is read from the
// wall clock (a steady clock) when the player begins it. Offscreen, on the test main window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <algorithm>
#include <chrono>

#include "SettingsTestRig.h"
#include "settings/FrmToneTips.h"
#include "settings/TonePlayer.h"

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

// Plays a tip of 14 steps (notes and rests of 50..180 ms) from the window's play button and
// reports the latest and the mean start of a note after its due time.
void BM_FourteenStepPlaying(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    SettingsTestRig rig;
    rig.main();
    ToneTipRecord& tip = rig.doc.WorkDoc.ToneTips[0];
    tip.RepeatCount = 1;
    tip.RepeatGap = 0;
    for (int k = 0; k < kToneStepCount; ++k)
        tip.Steps[static_cast<std::size_t>(k)] = {static_cast<Int>(k % 5 == 4 ? 0 : 40 + 10 * k),
                                                  static_cast<Int>(5 + k)};
    auto* window = rig.open<FrmToneTips>(kToneTipsWindow);
    auto* player = window->findChild<TonePlayer*>();
    auto* play = window->findChild<QPushButton*>(QStringLiteral("Command1_0"));

    Clock::time_point started;
    double worstMs = 0, sumMs = 0;
    int notes = 0;
    QObject::connect(player, &TonePlayer::noteStarted, [&](int, int, qint64 dueMs, qint64) {
        const double at = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
        const double late = at - static_cast<double>(dueMs);
        worstMs = std::max(worstMs, std::abs(late));
        sumMs += late;
        ++notes;
    });
    // A first playing finds the audio device, as the first play of the window does.
    started = Clock::now();
    play->click();
    while (player->isPlaying()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    notes = 0;
    worstMs = sumMs = 0;
    for (auto _ : state) {
        started = Clock::now();
        play->click();
        while (player->isPlaying()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    state.counters["notes"] = notes;
    state.counters["worst_ms"] = worstMs;
    state.counters["mean_late_ms"] = notes ? sumMs / notes : 0;
}
BENCHMARK(BM_FourteenStepPlaying)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

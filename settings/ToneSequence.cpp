#include "settings/ToneSequence.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace k7x {

namespace {

constexpr int kHertzPerPitch = 10;
constexpr int kMsPerDuration = 10;
constexpr int kMsPerGap = 10;
constexpr double kAmplitude = 0.5;
constexpr int kRampMs = 2;

}  // namespace

int StepFrequencyHz(const ToneStep& step) {
    const int hz = step.Pitch * kHertzPerPitch;
    return hz > kRestLimitHz ? hz : 0;
}

int StepDurationMs(const ToneStep& step) {
    return std::max(0, step.Duration * kMsPerDuration);
}

int TotalDurationMs(const ToneTipRecord& tip) {
    int total = 0;
    for (const ToneStep& step : tip.Steps) total += StepDurationMs(step);
    return total;
}

bool HasSound(const ToneTipRecord& tip) {
    return TotalDurationMs(tip) > kShortestStepMs;
}

TonePlaying BuildTonePlaying(const ToneTipRecord& tip) {
    TonePlaying playing;
    playing.repeatCount = std::max<int>(0, tip.RepeatCount);
    int offset = 0;
    for (std::size_t i = 0; i < tip.Steps.size(); ++i) {
        const int duration = StepDurationMs(tip.Steps[i]);
        if (duration <= kShortestStepMs) continue;
        const int hz = StepFrequencyHz(tip.Steps[i]);
        playing.events.push_back({hz > 0 ? ToneEvent::Kind::Note : ToneEvent::Kind::Rest,
                                  static_cast<int>(i) + 1, hz, duration, offset});
        offset += duration;
    }
    const int gap = std::max(0, tip.RepeatGap * kMsPerGap);
    if (gap > 0) playing.events.push_back({ToneEvent::Kind::Gap, 0, 0, gap, offset});
    playing.lengthMs = offset + gap;
    return playing;
}

ToneSchedule::ToneSchedule(const ToneTipRecord& tip) : playing_(BuildTonePlaying(tip)) {}

std::optional<ToneCue> ToneSchedule::next() const {
    if (repeat_ >= playing_.repeatCount || index_ >= playing_.events.size()) return std::nullopt;
    const ToneEvent& event = playing_.events[index_];
    return ToneCue{event, repeat_ + 1,
                   static_cast<std::int64_t>(repeat_) * playing_.lengthMs + event.offsetMs};
}

void ToneSchedule::advance() {
    if (++index_ < playing_.events.size()) return;
    index_ = 0;
    ++repeat_;
}

std::int64_t ToneSchedule::endMs() const {
    return static_cast<std::int64_t>(playing_.repeatCount) * playing_.lengthMs;
}

std::int64_t SamplesAt(std::int64_t ms, int sampleRate) {
    return ms * sampleRate / 1000;
}

void RenderNoteSamples(int frequencyHz, int sampleRate, std::int64_t first, std::int64_t total,
                       float* out, std::int64_t count) {
    if (frequencyHz <= 0 || sampleRate <= 0 ||
        2 * static_cast<std::int64_t>(frequencyHz) >= sampleRate) {
        std::fill(out, out + count, 0.0f);
        return;
    }
    const double ramp = std::max<double>(
        1.0, std::min<double>(SamplesAt(kRampMs, sampleRate), static_cast<double>(total) / 2));
    const double step = 2.0 * std::numbers::pi * frequencyHz / sampleRate;
    for (std::int64_t i = 0; i < count; ++i) {
        const std::int64_t n = first + i;
        if (n < 0 || n >= total) {
            out[i] = 0.0f;
            continue;
        }
        const double envelope =
            std::min({1.0, static_cast<double>(n) / ramp, static_cast<double>(total - n) / ramp});
        // The phase is taken modulo one period so that long notes keep their precision.
        const double phase = step * static_cast<double>(n % sampleRate);
        out[i] = static_cast<float>(kAmplitude * envelope * std::sin(phase));
    }
}

std::vector<float> RenderSchedule(ToneSchedule& schedule, int sampleRate,
                                  const std::function<void(const ToneCue&)>& afterCue) {
    std::vector<float> samples;
    while (const std::optional<ToneCue> cue = schedule.next()) {
        const std::int64_t start = SamplesAt(cue->dueMs, sampleRate);
        const std::int64_t length = SamplesAt(cue->event.durationMs, sampleRate);
        samples.resize(static_cast<std::size_t>(std::max<std::int64_t>(
                           static_cast<std::int64_t>(samples.size()), start + length)),
                       0.0f);
        RenderNoteSamples(cue->event.frequencyHz, sampleRate, 0, length, samples.data() + start,
                          length);
        schedule.advance();
        if (afterCue) afterCue(*cue);
    }
    return samples;
}

std::vector<float> RenderToneTip(const ToneTipRecord& tip, int sampleRate) {
    ToneSchedule schedule(tip);
    return RenderSchedule(schedule, sampleRate);
}

}  // namespace k7x

// A tone tip as something to hear: the notes, rests and pauses of its playings with their times,
// the stepping through them, and the samples of a note. Free of any window or audio device, so
// the player's timing and sound can be checked on a buffer.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "codeplug/Records.h"

namespace k7x {

inline constexpr int kRestLimitHz = 48;    // a pitch of this many hertz or less is a rest
inline constexpr int kShortestStepMs = 4;  // a step this short or shorter is skipped

// The pitch of a step in hertz, 0 for a rest.
int StepFrequencyHz(const ToneStep& step);
// The length of a step in milliseconds, never negative.
int StepDurationMs(const ToneStep& step);
// The sum of the step lengths of one playing.
int TotalDurationMs(const ToneTipRecord& tip);
// True when the tip has anything to play: its steps last more than the shortest step together.
bool HasSound(const ToneTipRecord& tip);

struct ToneEvent {
    enum class Kind { Note, Rest, Gap };
    Kind kind = Kind::Rest;
    int step = 0;         // 1..14; 0 for the pause after a playing
    int frequencyHz = 0;  // 0 unless a note
    int durationMs = 0;
    int offsetMs = 0;  // from the start of its playing

    bool operator==(const ToneEvent&) const = default;
};

// One playing of a tip, which repeats repeatCount times; a playing ends with its pause.
struct TonePlaying {
    std::vector<ToneEvent> events;  // the steps that last longer than the shortest step, in order
    int repeatCount = 0;
    int lengthMs = 0;  // with the pause
};

TonePlaying BuildTonePlaying(const ToneTipRecord& tip);

// What is due next and when, in milliseconds from the start of the first playing.
struct ToneCue {
    ToneEvent event;
    int playing = 1;  // 1..repeatCount
    std::int64_t dueMs = 0;
};

// Steps through the playings of a tip.
class ToneSchedule {
public:
    ToneSchedule() = default;
    // Records the tip, its repeat count and its pause.
    explicit ToneSchedule(const ToneTipRecord& tip);

    // The next cue, or nothing when every playing is over.
    std::optional<ToneCue> next() const;
    // Moves past the cue next() gives.
    void advance();
    // When the last playing, pause included, is over.
    std::int64_t endMs() const;

private:
    TonePlaying playing_;
    int repeat_ = 0;  // 0-based playing of the next cue
    std::size_t index_ = 0;
};

// The samples of one note (silence for frequency 0): samples [first, first + count) of a note of
// length total, a sine of amplitude 0.5 with short ramps at both ends so that it does not click.
// Frequencies at or above half the sample rate cannot be formed and stay silent.
void RenderNoteSamples(int frequencyHz, int sampleRate, std::int64_t first, std::int64_t total,
                       float* out, std::int64_t count);

// What a schedule sounds like, as the samples of one channel at the given rate: every cue at its
// due time until the schedule ends. afterCue runs after each cue.
std::vector<float> RenderSchedule(ToneSchedule& schedule, int sampleRate,
                                  const std::function<void(const ToneCue&)>& afterCue = {});
// Every playing of a tip with its pauses.
std::vector<float> RenderToneTip(const ToneTipRecord& tip, int sampleRate);

// The number of samples from the start to a time in milliseconds.
std::int64_t SamplesAt(std::int64_t ms, int sampleRate);

}  // namespace k7x

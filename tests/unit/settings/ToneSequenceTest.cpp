// The tone player's sound, checked on rendered samples: pitch, length, rests, skipped steps,
// repeats with their pause, and what counts as playable.
#include <gtest/gtest.h>

#include <cmath>

#include "settings/ToneSequence.h"

namespace k7x {
namespace {

constexpr int kRate = 48000;

ToneTipRecord Tip(std::initializer_list<ToneStep> steps, int repeatCount = 1, int gap = 0) {
    ToneTipRecord tip;
    std::size_t i = 0;
    for (const ToneStep& s : steps) tip.Steps[i++] = s;
    tip.RepeatCount = static_cast<Int>(repeatCount);
    tip.RepeatGap = static_cast<Int>(gap);
    return tip;
}

std::int64_t Samples(int ms) {
    return SamplesAt(ms, kRate);
}

// Hertz measured by upward zero crossings over [fromMs, toMs).
double MeasuredHz(const std::vector<float>& s, int fromMs, int toMs) {
    int crossings = 0;
    for (std::int64_t n = Samples(fromMs) + 1; n < Samples(toMs); ++n)
        if (s[static_cast<std::size_t>(n - 1)] < 0 && s[static_cast<std::size_t>(n)] >= 0)
            ++crossings;
    return crossings * 1000.0 / (toMs - fromMs);
}

float Peak(const std::vector<float>& s, int fromMs, int toMs) {
    float peak = 0;
    for (std::int64_t n = Samples(fromMs); n < Samples(toMs); ++n)
        peak = std::max(peak, std::fabs(s[static_cast<std::size_t>(n)]));
    return peak;
}

TEST(ToneSequence, StepSoundsAtTenfoldPitchOrRests) {
    struct Case {
        Int pitch;
        int hz;  // 0: a rest
    };
    // 48 Hz and below rest; 50 Hz is the lowest note; the lists reach 2550 Hz.
    for (const Case c : {Case{0, 0}, Case{1, 0}, Case{4, 0}, Case{-3, 0}, Case{5, 50},
                         Case{40, 400}, Case{44, 440}, Case{100, 1000}, Case{255, 2550}}) {
        SCOPED_TRACE(c.pitch);
        const std::vector<float> s = RenderToneTip(Tip({{c.pitch, 40}}), kRate);
        ASSERT_EQ(static_cast<std::int64_t>(s.size()), Samples(400));
        if (c.hz == 0) {
            EXPECT_EQ(Peak(s, 0, 400), 0.0f);
        } else {
            EXPECT_NEAR(MeasuredHz(s, 50, 350), c.hz, c.hz * 0.02 + 4);
            EXPECT_NEAR(Peak(s, 50, 350), 0.5f, 0.01f);
        }
    }
}

TEST(ToneSequence, StepsOfNoLengthAreSkippedAndTheOthersFollowEachOther) {
    // Steps 2 and 4 last nothing (or less), step 5 is a rest between two notes.
    const ToneTipRecord tip = Tip({{40, 10}, {60, 0}, {80, 25}, {90, -2}, {0, 5}, {100, 30}});
    const TonePlaying playing = BuildTonePlaying(tip);
    using K = ToneEvent::Kind;
    const std::vector<ToneEvent> expected = {{K::Note, 1, 400, 100, 0},
                                             {K::Note, 3, 800, 250, 100},
                                             {K::Rest, 5, 0, 50, 350},
                                             {K::Note, 6, 1000, 300, 400}};
    EXPECT_EQ(playing.events, expected);
    EXPECT_EQ(playing.lengthMs, 700);

    const std::vector<float> s = RenderToneTip(tip, kRate);
    ASSERT_EQ(static_cast<std::int64_t>(s.size()), Samples(700));
    EXPECT_NEAR(MeasuredHz(s, 10, 90), 400, 15);
    EXPECT_NEAR(MeasuredHz(s, 110, 340), 800, 15);
    EXPECT_EQ(Peak(s, 350, 400), 0.0f);
    EXPECT_NEAR(MeasuredHz(s, 410, 690), 1000, 15);
}

TEST(ToneSequence, EveryPlayingIsFollowedByItsPause) {
    struct Case {
        int repeatCount;
        int gap;
        std::vector<std::int64_t> noteDueMs;
        std::int64_t endMs;
    };
    // Two steps of 100 and 200 ms.
    for (const Case& c :
         {Case{1, 0, {0, 100}, 300}, Case{2, 50, {0, 100, 800, 900}, 1600},
          Case{3, 1, {0, 100, 310, 410, 620, 720}, 930}, Case{0, 50, {}, 0}, Case{-1, 0, {}, 0}}) {
        SCOPED_TRACE(c.repeatCount);
        const ToneTipRecord tip = Tip({{50, 10}, {70, 20}}, c.repeatCount, c.gap);
        ToneSchedule schedule(tip);
        std::vector<std::int64_t> due;
        const std::vector<float> s = RenderSchedule(schedule, kRate, [&](const ToneCue& cue) {
            if (cue.event.kind != ToneEvent::Kind::Gap) due.push_back(cue.dueMs);
        });
        EXPECT_EQ(due, c.noteDueMs);
        EXPECT_EQ(schedule.endMs(), c.endMs);
        EXPECT_EQ(static_cast<std::int64_t>(s.size()), Samples(static_cast<int>(c.endMs)));
        if (c.repeatCount == 2) {
            EXPECT_EQ(Peak(s, 300, 800), 0.0f);  // the first pause
            EXPECT_NEAR(MeasuredHz(s, 820, 880), 500, 40);
            EXPECT_EQ(Peak(s, 1100, 1600), 0.0f);
        }
    }
}

TEST(ToneSequence, PlayableOnlyWithLengthAboveFourMilliseconds) {
    struct Case {
        ToneTipRecord tip;
        bool sound;
    };
    for (const Case& c :
         {Case{Tip({}), false}, Case{Tip({{40, 0}, {0, 0}}), false}, Case{Tip({{40, -5}}), false},
          Case{Tip({{0, 1}}), true}, Case{Tip({{40, 0}, {40, 1}}), true}}) {
        EXPECT_EQ(HasSound(c.tip), c.sound);
    }
}

}  // namespace
}  // namespace k7x

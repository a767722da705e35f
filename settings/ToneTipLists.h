// The lists of the tone tips window: repeat counts, pitches and lengths, and the text a stored
// value shows as, for the window and the printed pages alike.
#pragma once

#include <QStringList>

#include "codeplug/Prompts.h"

namespace k7x {

inline constexpr int kToneTipMaxRepeatCount = 10;
inline constexpr int kToneTipLowestPitch = 40;  // the pitch lists start at 400 Hz
inline constexpr int kToneTipHighestValue = 255;
inline constexpr int kToneTipValueUnit = 10;  // hertz and milliseconds per stored unit

// The texts first, then value * 10 for every value of the range.
QStringList ToneTipValueEntries(const QStringList& first, int from, int to);
// "Off", then 1 to 10.
QStringList RepeatCountEntries(const Prompts& prompts);
// The rest, then 400 Hz up.
QStringList PitchEntries(const Prompts& prompts);
// 0 ms up: durations and repeat gaps.
QStringList LengthEntries();

// The pitch entry a stored pitch shows: a pitch below the list's lowest shows as a rest.
QString PitchText(int pitch, const Prompts& prompts);
// The length entry a stored duration or gap shows; outside the list the first entry.
QString LengthText(int stored);

}  // namespace k7x

// A rendered tone tip in the bytes an audio output takes: one playing, its notes, rests and
// pause, in the output's sample format on every one of its channels.
#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <vector>

#include "codeplug/Records.h"

namespace k7x {

// Mono samples in -1..1 as frames of the format: the same value on every channel.
QByteArray EncodeSamples(const std::vector<float>& samples, const QAudioFormat& format);

// One playing of the tip with its pause, ready for the output; empty when the format has no
// sample rate or frame size.
QByteArray RenderPlaying(const ToneTipRecord& tip, const QAudioFormat& format);

}  // namespace k7x

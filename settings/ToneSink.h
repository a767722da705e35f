// A sound output the tone player writes a melody into: how much it takes now, what it has
// played so far, and dropping what it holds. One kind speaks to Qt's outputs (the sound
// servers), the other straight to ALSA (a system without a sound server).
#pragma once

#include <QAudioFormat>
#include <QtGlobal>
#include <memory>

class QAudioDevice;

namespace k7x {

class ToneSink {
public:
    virtual ~ToneSink() = default;

    // The format the melody is to be written in.
    virtual QAudioFormat format() const = 0;
    // Opens a stream; false when the output refuses it.
    virtual bool start() = 0;
    // Bytes the output takes now; negative once it has failed.
    virtual qint64 room() = 0;
    // Writes up to `size` bytes; the bytes taken.
    virtual qint64 write(const char* data, qint64 size) = 0;
    // How much of what was written since start() the output has played, in microseconds.
    virtual qint64 playedUs() = 0;
    // Silences the output at once, dropping what it holds, and ends the stream.
    virtual void stop() = 0;
    // How often the output wants to be fed.
    virtual int feedIntervalMs() const = 0;
};

// The Qt output of the device, in mono 16-bit when it takes that, else its preferred format;
// nothing when that format is unusable.
std::unique_ptr<ToneSink> MakeQtToneSink(const QAudioDevice& device);
// ALSA's default device, opened now; nothing when there is none or it is busy.
std::unique_ptr<ToneSink> MakeAlsaToneSink();

}  // namespace k7x

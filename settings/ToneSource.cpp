#include "settings/ToneSource.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "settings/ToneSequence.h"

namespace k7x {

ToneSource::ToneSource(const QAudioFormat& format, QObject* parent)
    : QIODevice(parent), format_(format) {}

void ToneSource::setNote(int frequencyHz, int durationMs) {
    frequencyHz_ = frequencyHz;
    position_ = 0;
    total_ = SamplesAt(durationMs, format_.sampleRate());
}

qint64 ToneSource::bytesAvailable() const {
    // Silence never runs out.
    return std::numeric_limits<int>::max() + QIODevice::bytesAvailable();
}

qint64 ToneSource::readData(char* data, qint64 maxSize) {
    const int frameBytes = format_.bytesPerFrame();
    if (frameBytes <= 0) return 0;
    const qint64 frames = maxSize / frameBytes;
    scratch_.resize(static_cast<std::size_t>(frames));
    RenderNoteSamples(frequencyHz_, format_.sampleRate(), position_, total_, scratch_.data(),
                      frames);
    position_ += frames;
    store(scratch_.data(), frames, data);
    return frames * frameBytes;
}

qint64 ToneSource::writeData(const char* /*data*/, qint64 /*maxSize*/) {
    return -1;
}

void ToneSource::store(const float* samples, qint64 frames, char* out) const {
    const int channels = format_.channelCount();
    const int sampleBytes = format_.bytesPerSample();
    for (qint64 f = 0; f < frames; ++f) {
        const float v = samples[f];
        for (int c = 0; c < channels; ++c, out += sampleBytes) {
            switch (format_.sampleFormat()) {
                case QAudioFormat::UInt8: {
                    const auto s = static_cast<quint8>(128 + v * 127);
                    std::memcpy(out, &s, sizeof s);
                    break;
                }
                case QAudioFormat::Int16: {
                    const auto s = static_cast<qint16>(v * 32767);
                    std::memcpy(out, &s, sizeof s);
                    break;
                }
                case QAudioFormat::Int32: {
                    const auto s = static_cast<qint32>(v * 2147483647.0);
                    std::memcpy(out, &s, sizeof s);
                    break;
                }
                default:
                    std::memcpy(out, &v, sizeof v);
                    break;
            }
        }
    }
}

}  // namespace k7x

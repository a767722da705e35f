#include "settings/ToneSamples.h"

#include <cstring>

#include "settings/ToneSequence.h"

namespace k7x {

namespace {

template <typename T>
void Put(char*& out, T value) {
    std::memcpy(out, &value, sizeof value);
    out += sizeof value;
}

}  // namespace

QByteArray EncodeSamples(const std::vector<float>& samples, const QAudioFormat& format) {
    const int channels = format.channelCount();
    const int frameBytes = format.bytesPerFrame();
    if (channels <= 0 || frameBytes <= 0) return {};
    QByteArray bytes(static_cast<qsizetype>(samples.size()) * frameBytes, Qt::Uninitialized);
    char* out = bytes.data();
    for (const float v : samples) {
        for (int c = 0; c < channels; ++c) {
            switch (format.sampleFormat()) {
                case QAudioFormat::UInt8:
                    Put(out, static_cast<quint8>(128 + v * 127));
                    break;
                case QAudioFormat::Int16:
                    Put(out, static_cast<qint16>(v * 32767));
                    break;
                case QAudioFormat::Int32:
                    Put(out, static_cast<qint32>(v * 2147483647.0));
                    break;
                default:
                    Put(out, v);
                    break;
            }
        }
    }
    return bytes;
}

QByteArray RenderPlaying(const ToneTipRecord& tip, const QAudioFormat& format) {
    if (format.sampleRate() <= 0) return {};
    ToneTipRecord once = tip;
    once.RepeatCount = 1;
    return EncodeSamples(RenderToneTip(once, format.sampleRate()), format);
}

}  // namespace k7x

// The rendered melody in the output's own bytes: every sample format the outputs offer, the
// same value on every channel.
#include <gtest/gtest.h>

#include <cstring>

#include "settings/ToneSamples.h"

namespace k7x {
namespace {

QAudioFormat Format(QAudioFormat::SampleFormat sampleFormat, int channels, int rate = 8000) {
    QAudioFormat format;
    format.setSampleRate(rate);
    format.setChannelCount(channels);
    format.setSampleFormat(sampleFormat);
    return format;
}

template <typename T>
T Sample(const QByteArray& bytes, qsizetype index) {
    T value{};
    std::memcpy(&value, bytes.constData() + index * static_cast<qsizetype>(sizeof value),
                sizeof value);
    return value;
}

TEST(ToneSamples, EverySampleFormatOnEveryChannel) {
    const std::vector<float> samples = {0.0f, 0.5f, -0.5f};
    const QByteArray u8 = EncodeSamples(samples, Format(QAudioFormat::UInt8, 2));
    const QByteArray s16 = EncodeSamples(samples, Format(QAudioFormat::Int16, 2));
    const QByteArray s32 = EncodeSamples(samples, Format(QAudioFormat::Int32, 2));
    const QByteArray f32 = EncodeSamples(samples, Format(QAudioFormat::Float, 2));
    for (qsizetype i = 0; i < 3; ++i) {
        for (qsizetype c = 0; c < 2; ++c) {
            EXPECT_EQ(Sample<quint8>(u8, 2 * i + c), static_cast<quint8>(128 + samples[i] * 127));
            EXPECT_EQ(Sample<qint16>(s16, 2 * i + c), static_cast<qint16>(samples[i] * 32767));
            EXPECT_EQ(Sample<qint32>(s32, 2 * i + c),
                      static_cast<qint32>(samples[i] * 2147483647.0));
            EXPECT_EQ(Sample<float>(f32, 2 * i + c), samples[i]);
        }
    }
    EXPECT_TRUE(EncodeSamples(samples, QAudioFormat()).isEmpty());
}

}  // namespace
}  // namespace k7x

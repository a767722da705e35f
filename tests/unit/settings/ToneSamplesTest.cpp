// The rendered melody in the output's own bytes: every sample format the outputs offer, the
// same value on every channel, and one playing with its pause.
#include <gtest/gtest.h>

#include <cstring>

#include "settings/ToneSamples.h"
#include "settings/ToneSequence.h"

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

TEST(ToneSamples, OnePlayingWithItsPauseWhateverTheRepeatCount) {
    ToneTipRecord tip;
    tip.RepeatCount = 3;
    tip.RepeatGap = 5;         // 50 ms
    tip.Steps[0] = {100, 10};  // 1000 Hz for 100 ms
    const QAudioFormat format = Format(QAudioFormat::Int16, 1);
    const QByteArray bytes = RenderPlaying(tip, format);
    ASSERT_EQ(bytes.size(), format.bytesForDuration(150'000));
    std::vector<float> note(800);
    RenderNoteSamples(1000, 8000, 0, 800, note.data(), 800);
    for (qsizetype i = 0; i < 1200; ++i)
        ASSERT_EQ(Sample<qint16>(bytes, i),
                  i < 800 ? static_cast<qint16>(note[static_cast<std::size_t>(i)] * 32767) : 0)
            << i;
}

}  // namespace
}  // namespace k7x

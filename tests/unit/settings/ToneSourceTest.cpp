// The samples the audio sink pulls: the note in the device's own sample format on every channel,
// then silence that never runs out.
#include <gtest/gtest.h>

#include <cstring>

#include "settings/ToneSequence.h"
#include "settings/ToneSource.h"

namespace k7x {
namespace {

template <typename T>
std::vector<T> Pull(ToneSource& source, qint64 frames, int channels) {
    std::vector<T> out(static_cast<std::size_t>(frames * channels));
    const qint64 bytes = static_cast<qint64>(out.size() * sizeof(T));
    EXPECT_EQ(source.read(reinterpret_cast<char*>(out.data()), bytes), bytes);
    return out;
}

TEST(ToneSource, DeliversTheNoteOnEveryChannelThenSilence) {
    QAudioFormat format;
    format.setSampleRate(8000);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    ToneSource source(format);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    source.setNote(1000, 10);  // 80 frames

    std::vector<float> expected(120);
    RenderNoteSamples(1000, 8000, 0, 80, expected.data(), 120);
    // Pulled in two pieces: the note goes on where the first piece ended.
    std::vector<qint16> samples = Pull<qint16>(source, 50, 2);
    const std::vector<qint16> rest = Pull<qint16>(source, 70, 2);
    samples.insert(samples.end(), rest.begin(), rest.end());
    for (std::size_t f = 0; f < expected.size(); ++f) {
        ASSERT_EQ(samples[2 * f], samples[2 * f + 1]) << f;
        EXPECT_NEAR(samples[2 * f], expected[f] * 32767, 1.0) << f;
    }
    EXPECT_GT(*std::max_element(samples.begin(), samples.end()), 16000);
    EXPECT_GT(source.bytesAvailable(), 1 << 20);

    // A new note starts from its own beginning; frequency 0 is silence.
    source.setNote(0, 1000);
    const std::vector<qint16> silent = Pull<qint16>(source, 100, 2);
    EXPECT_TRUE(std::all_of(silent.begin(), silent.end(), [](qint16 s) { return s == 0; }));
}

}  // namespace
}  // namespace k7x

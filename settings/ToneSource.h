// The samples the audio sink pulls while the tone player runs: the current note, then silence
// for as long as no other note comes, so that the sink never runs dry between notes.
#pragma once

#include <QAudioFormat>
#include <QIODevice>
#include <vector>

namespace k7x {

class ToneSource : public QIODevice {
    Q_OBJECT
public:
    ToneSource(const QAudioFormat& format, QObject* parent = nullptr);

    // The note to sound from the next sample on; frequency 0 is silence.
    void setNote(int frequencyHz, int durationMs);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    void store(const float* samples, qint64 frames, char* out) const;

    QAudioFormat format_;
    int frequencyHz_ = 0;
    qint64 position_ = 0;  // samples of the current note already delivered
    qint64 total_ = 0;     // samples of the current note
    std::vector<float> scratch_;
};

}  // namespace k7x

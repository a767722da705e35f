// Sounds the notes of the tone player on the default audio output. Without an output device
// every call does nothing, so the player keeps its timing silently.
#pragma once

#include <QAudioFormat>
#include <QObject>

class QAudioSink;

namespace k7x {

class ToneSource;

class ToneAudioOutput : public QObject {
    Q_OBJECT
public:
    explicit ToneAudioOutput(QObject* parent = nullptr);
    ~ToneAudioOutput() override;

    // Sounds a sine of the frequency for the duration at once, replacing whatever sounds;
    // frequency 0 is silence. Without prepare() the first note that sounds opens the device.
    void startNote(int frequencyHz, int durationMs);
    // Looks for the output device now rather than at the first note, which it would delay.
    void prepare() { openDevice(); }
    // Silences the output at once and lets the device go.
    void silence();

private:
    bool openDevice();

    QAudioFormat format_;
    QAudioSink* sink_ = nullptr;
    ToneSource* source_ = nullptr;
    bool deviceTried_ = false;
};

}  // namespace k7x

// Sounds a rendered melody on the default sound output: the sound server's through Qt, else
// ALSA's default device. The melody is written ahead as far as the output takes it, whatever
// buffer it grants, and silence follows it until the output has played the melody's last
// sample; only then is the output stopped, so the end is heard whole. Nothing waits: a timer
// keeps the output fed and watches its played time.
#pragma once

#include <QAudioDevice>
#include <QAudioFormat>
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

namespace k7x {

class ToneSink;

// Why a melody cannot be heard.
enum class ToneOutputProblem {
    NoOutput,      // the system offers no sound output
    CannotOpen,    // the output refused the stream
    StoppedMoving  // the output took the melody but stopped playing it
};

class ToneAudioOutput : public QObject {
    Q_OBJECT
public:
    explicit ToneAudioOutput(QObject* parent = nullptr);
    ~ToneAudioOutput() override;

    // Finds the default output now (one that appeared since the last call included) and the
    // format the melody is to be rendered in; nothing, after problem(), when there is none.
    std::optional<QAudioFormat> open();
    // Plays `playing` `repeats` times in a row, in the format open() gave. done() follows once
    // the output has played it all, or problem() and done() when the output fails.
    void play(const QByteArray& playing, int repeats);
    // Ends the sound at once; no done() follows.
    void stop();

    bool isPlaying() const { return playing_; }

signals:
    void done();
    void problem(ToneOutputProblem why);

private:
    void feed();
    void fail(ToneOutputProblem why);
    QByteArray nextBytes(qint64 room) const;

    std::unique_ptr<ToneSink> sink_;
    QAudioDevice device_;  // the Qt device of sink_; none for ALSA's
    QTimer feeder_;
    QElapsedTimer sinceMoved_;  // since the played time last advanced

    QByteArray playingBytes_;
    qint64 written_ = 0;      // bytes written, the silence around the melody included
    qint64 leadBytes_ = 0;    // silence ahead of the melody
    qint64 melodyBytes_ = 0;  // bytes of every playing together
    qint64 endUs_ = 0;        // when the melody's last sample is played
    qint64 lastPlayedUs_ = 0;
    bool playing_ = false;
};

}  // namespace k7x

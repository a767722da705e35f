// Plays a tone tip: a timer steps through its schedule against a monotonic clock and hands each
// note to the audio output. Nothing waits inside an event loop of its own, so the window stays
// free to stop the playing, switch tips or close while a tip plays.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "settings/ToneSequence.h"

namespace k7x {

class ToneAudioOutput;

class TonePlayer : public QObject {
    Q_OBJECT
public:
    explicit TonePlayer(QObject* parent = nullptr);
    ~TonePlayer() override;

    // Records the tip, its repeat count and pause, and clears the stop flag; true when the tip
    // has anything to play.
    bool PreparePlay(const ToneTipRecord& tip);
    // Starts playing the recorded tip and returns at once; finished() follows its end.
    void PlayToneTip();
    // Sets the stop flag: no further note sounds, and the output falls silent at once.
    void StopPlaying();

    bool isPlaying() const { return playing_; }

signals:
    // A cue of the schedule began: its due time and the time it began, in milliseconds from
    // the start of the playing.
    void noteStarted(int playing, int step, qint64 dueMs, qint64 startedMs);
    // The last playing, pause included, is over (not sent after StopPlaying).
    void finished();

private:
    void armNext();
    void cueDue();

    ToneSchedule schedule_;
    QTimer timer_;
    QElapsedTimer clock_;
    ToneAudioOutput* output_;
    bool playing_ = false;
};

}  // namespace k7x

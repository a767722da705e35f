// Plays a tone tip: the whole melody is rendered once when the playing starts, one playing of
// it in the output's own format, and the output plays it as often as the tip repeats. Nothing
// waits inside an event loop of its own, so the window stays free to stop the playing, switch
// tips or close while a tip plays.
#pragma once

#include <QObject>

#include "codeplug/Records.h"
#include "settings/ToneAudioOutput.h"

namespace k7x {

class TonePlayer : public QObject {
    Q_OBJECT
public:
    explicit TonePlayer(QObject* parent = nullptr);
    ~TonePlayer() override;

    // Records the tip, its repeat count and pause; true when the tip has anything to play.
    bool PreparePlay(const ToneTipRecord& tip);
    // Starts playing the recorded tip and returns at once; finished() follows the end of its
    // sound, or silent() and finished() when it cannot be heard.
    void PlayToneTip();
    // Ends the sound at once; no finished() follows.
    void StopPlaying();

    bool isPlaying() const { return output_->isPlaying(); }

signals:
    void finished();
    void silent(ToneOutputProblem why);

private:
    ToneTipRecord tip_;
    ToneAudioOutput* output_;
};

}  // namespace k7x

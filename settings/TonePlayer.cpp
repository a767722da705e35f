#include "settings/TonePlayer.h"

#include <algorithm>

#include "settings/ToneAudioOutput.h"

namespace k7x {

TonePlayer::TonePlayer(QObject* parent) : QObject(parent), output_(new ToneAudioOutput(this)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TonePlayer::cueDue);
}

TonePlayer::~TonePlayer() {
    StopPlaying();
}

bool TonePlayer::PreparePlay(const ToneTipRecord& tip) {
    timer_.stop();
    playing_ = false;
    schedule_ = ToneSchedule(tip);
    return HasSound(tip);
}

void TonePlayer::PlayToneTip() {
    if (schedule_.stopped()) return;
    output_->prepare();
    playing_ = true;
    clock_.start();
    armNext();
}

void TonePlayer::StopPlaying() {
    schedule_.stop();
    timer_.stop();
    playing_ = false;
    output_->silence();
}

void TonePlayer::armNext() {
    const std::optional<ToneCue> cue = schedule_.next();
    const qint64 due = cue ? cue->dueMs : schedule_.endMs();
    // Every cue is timed from the start of the playing, so a late timer does not delay the rest.
    timer_.start(static_cast<int>(std::max<qint64>(0, due - clock_.elapsed())));
}

void TonePlayer::cueDue() {
    if (!playing_) return;
    const std::optional<ToneCue> cue = schedule_.next();
    if (!cue) {
        playing_ = false;
        output_->silence();
        emit finished();
        return;
    }
    output_->startNote(cue->event.frequencyHz, cue->event.durationMs);
    emit noteStarted(cue->playing, cue->event.step, cue->dueMs, clock_.elapsed());
    schedule_.advance();
    armNext();
}

}  // namespace k7x

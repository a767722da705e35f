#include "settings/TonePlayer.h"

#include "settings/ToneSamples.h"
#include "settings/ToneSequence.h"

namespace k7x {

TonePlayer::TonePlayer(QObject* parent) : QObject(parent), output_(new ToneAudioOutput(this)) {
    connect(output_, &ToneAudioOutput::done, this, &TonePlayer::finished);
    connect(output_, &ToneAudioOutput::problem, this, &TonePlayer::silent);
}

TonePlayer::~TonePlayer() {
    StopPlaying();
}

bool TonePlayer::PreparePlay(const ToneTipRecord& tip) {
    StopPlaying();
    tip_ = tip;
    return HasSound(tip);
}

void TonePlayer::PlayToneTip() {
    const std::optional<QAudioFormat> format = output_->open();
    if (!format) {
        emit finished();
        return;
    }
    output_->play(RenderPlaying(tip_, *format), tip_.RepeatCount);
}

void TonePlayer::StopPlaying() {
    output_->stop();
}

}  // namespace k7x

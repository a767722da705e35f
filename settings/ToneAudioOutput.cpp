#include "settings/ToneAudioOutput.h"

#include <QMediaDevices>
#include <algorithm>

#include "settings/ToneSink.h"

namespace k7x {

namespace {

// Silence ahead of the melody: an output that starts with a hiccup loses some of it, not the
// first note.
constexpr qint64 kLeadUs = 50'000;
// The output is done once it has played this long past the melody's last sample: a margin for
// the server's estimate of its own latency. What it still holds then is silence.
constexpr qint64 kTailUs = 60'000;
// An output whose played time stands still this long while it is fed has stopped playing.
constexpr qint64 kStallMs = 3000;

}  // namespace

ToneAudioOutput::ToneAudioOutput(QObject* parent) : QObject(parent) {
    feeder_.setTimerType(Qt::PreciseTimer);
    connect(&feeder_, &QTimer::timeout, this, &ToneAudioOutput::feed);
}

ToneAudioOutput::~ToneAudioOutput() {
    stop();
}

std::optional<QAudioFormat> ToneAudioOutput::open() {
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    // A Qt output is kept from one playing to the next; ALSA's device is opened for each.
    if (device.isNull() || device != device_) sink_.reset();
    device_ = device;
    if (!sink_ && !device.isNull()) sink_ = MakeQtToneSink(device);
    if (!sink_ && device.isNull()) sink_ = MakeAlsaToneSink();
    if (!sink_) {
        emit problem(device.isNull() ? ToneOutputProblem::NoOutput : ToneOutputProblem::CannotOpen);
        return std::nullopt;
    }
    return sink_->format();
}

void ToneAudioOutput::play(const QByteArray& playing, int repeats) {
    stop();
    if (!sink_ || playing.isEmpty() || repeats <= 0) {
        emit done();
        return;
    }
    const QAudioFormat format = sink_->format();
    playingBytes_ = playing;
    leadBytes_ = format.bytesForDuration(kLeadUs);
    melodyBytes_ = playing.size() * static_cast<qint64>(repeats);
    endUs_ = kLeadUs + format.durationForBytes(static_cast<qint32>(playing.size())) * repeats;
    written_ = 0;
    lastPlayedUs_ = 0;
    if (!sink_->start()) {
        fail(ToneOutputProblem::CannotOpen);
        return;
    }
    playing_ = true;
    sinceMoved_.start();
    feeder_.start(sink_->feedIntervalMs());
    feed();
}

void ToneAudioOutput::stop() {
    feeder_.stop();
    if (!playing_) return;
    playing_ = false;
    sink_->stop();
    if (device_.isNull()) sink_.reset();  // ALSA's device is free again
}

QByteArray ToneAudioOutput::nextBytes(qint64 room) const {
    // Silence, the melody one playing after the other, then silence again.
    const qint64 inMelody = written_ - leadBytes_;
    if (inMelody < 0) return QByteArray(static_cast<qsizetype>(std::min(room, -inMelody)), '\0');
    if (inMelody >= melodyBytes_) return QByteArray(static_cast<qsizetype>(room), '\0');
    const qint64 at = inMelody % playingBytes_.size();
    const qint64 count = std::min({room, playingBytes_.size() - at, melodyBytes_ - inMelody});
    return QByteArray::fromRawData(playingBytes_.constData() + at, static_cast<qsizetype>(count));
}

void ToneAudioOutput::feed() {
    if (!playing_) return;
    const int frameBytes = sink_->format().bytesPerFrame();
    qint64 room = sink_->room();
    if (room < 0) {
        fail(ToneOutputProblem::StoppedMoving);
        return;
    }
    room = room / frameBytes * frameBytes;
    while (room > 0) {
        const QByteArray bytes = nextBytes(room);
        const qint64 took = sink_->write(bytes.constData(), bytes.size());
        if (took <= 0) break;
        written_ += took;
        room -= took;
    }
    const qint64 playedUs = sink_->playedUs();
    if (playedUs >= endUs_ + kTailUs) {
        stop();
        emit done();
        return;
    }
    if (playedUs > lastPlayedUs_) {
        lastPlayedUs_ = playedUs;
        sinceMoved_.start();
    } else if (sinceMoved_.hasExpired(kStallMs)) {
        fail(ToneOutputProblem::StoppedMoving);
    }
}

void ToneAudioOutput::fail(ToneOutputProblem why) {
    stop();
    // The next playing opens the output afresh: the server may be back by then.
    sink_.reset();
    device_ = QAudioDevice();
    emit problem(why);
    emit done();
}

}  // namespace k7x

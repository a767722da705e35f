#include "settings/ToneAudioOutput.h"

#include <QAudioSink>
#include <QMediaDevices>
#include <algorithm>

namespace k7x {

namespace {

// The output is done once it has played this long past the melody's last sample: a margin for
// the server's estimate of its own latency. What it still holds then is silence.
constexpr qint64 kTailUs = 60'000;
// Silence ahead of the melody: an output that starts with a hiccup loses some of it, not the
// first note.
constexpr qint64 kLeadUs = 50'000;
// An output whose played time stands still this long while it is fed has stopped playing.
constexpr qint64 kStallMs = 3000;
// How often the output is fed, at least and at most: a quarter of its buffer within these.
constexpr int kFeedMinMs = 2;
constexpr int kFeedMaxMs = 10;

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
    if (device.isNull()) {
        emit problem(ToneOutputProblem::NoOutput);
        return std::nullopt;
    }
    if (device != device_ || sink_ == nullptr) {
        QAudioFormat format = device.preferredFormat();
        QAudioFormat mono = format;
        mono.setChannelCount(1);
        mono.setSampleFormat(QAudioFormat::Int16);
        if (device.isFormatSupported(mono)) format = mono;
        if (format.sampleRate() <= 0 || format.bytesPerFrame() <= 0) {
            emit problem(ToneOutputProblem::CannotOpen);
            return std::nullopt;
        }
        delete sink_;
        device_ = device;
        format_ = format;
        // The buffer is the server's to choose: what suits it is what plays without gaps.
        sink_ = new QAudioSink(device_, format_, this);
    }
    return format_;
}

void ToneAudioOutput::play(const QByteArray& playing, int repeats) {
    stop();
    if (sink_ == nullptr || playing.isEmpty() || repeats <= 0) {
        emit done();
        return;
    }
    playing_bytes_ = playing;
    leadBytes_ = format_.bytesForDuration(kLeadUs);
    melodyBytes_ = playing.size() * static_cast<qint64>(repeats);
    endUs_ = kLeadUs + format_.durationForBytes(static_cast<qint32>(playing.size())) * repeats;
    written_ = 0;
    lastPlayedUs_ = 0;
    io_ = sink_->start();
    if (io_ == nullptr || sink_->error() == QAudio::OpenError ||
        sink_->error() == QAudio::FatalError) {
        io_ = nullptr;
        fail(ToneOutputProblem::CannotOpen);
        return;
    }
    playing_ = true;
    sinceMoved_.start();
    const qint64 bufferMs = format_.durationForBytes(static_cast<qint32>(sink_->bufferSize())) / 1000;
    feeder_.start(static_cast<int>(std::clamp<qint64>(bufferMs / 4, kFeedMinMs, kFeedMaxMs)));
    feed();
}

void ToneAudioOutput::stop() {
    feeder_.stop();
    if (!playing_) return;
    playing_ = false;
    io_ = nullptr;
    sink_->stop();  // drops what the output still holds
}

QByteArray ToneAudioOutput::nextBytes(qint64 room) const {
    // Silence, the melody one playing after the other, then silence again.
    const qint64 inMelody = written_ - leadBytes_;
    if (inMelody < 0)
        return QByteArray(static_cast<qsizetype>(std::min(room, -inMelody)), '\0');
    if (inMelody >= melodyBytes_) return QByteArray(static_cast<qsizetype>(room), '\0');
    const qint64 at = inMelody % playing_bytes_.size();
    const qint64 count = std::min({room, playing_bytes_.size() - at, melodyBytes_ - inMelody});
    return QByteArray::fromRawData(playing_bytes_.constData() + at, static_cast<qsizetype>(count));
}

void ToneAudioOutput::feed() {
    if (!playing_) return;
    if (sink_->state() == QAudio::StoppedState && sink_->error() != QAudio::NoError) {
        fail(ToneOutputProblem::StoppedMoving);
        return;
    }
    const int frameBytes = format_.bytesPerFrame();
    qint64 room = sink_->bytesFree() / frameBytes * frameBytes;
    while (room > 0) {
        const QByteArray bytes = nextBytes(room);
        const qint64 took = io_->write(bytes);
        if (took <= 0) break;
        written_ += took;
        room -= took;
    }
    const qint64 playedUs = sink_->processedUSecs();
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
    if (sink_ != nullptr) {
        sink_->stop();
        sink_->deleteLater();
        sink_ = nullptr;
    }
    device_ = QAudioDevice();
    emit problem(why);
    emit done();
}

}  // namespace k7x

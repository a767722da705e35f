#include "settings/ToneAudioOutput.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>

#include "settings/ToneSource.h"

namespace k7x {

namespace {

// Little is held ahead in the sink, so that a note starts and a stop silences soon after.
constexpr int kBufferMs = 40;

}  // namespace

ToneAudioOutput::ToneAudioOutput(QObject* parent) : QObject(parent) {}

ToneAudioOutput::~ToneAudioOutput() {
    silence();
}

bool ToneAudioOutput::openDevice() {
    if (deviceTried_) return sink_ != nullptr;
    deviceTried_ = true;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return false;
    QAudioFormat format = device.preferredFormat();
    QAudioFormat mono = format;
    mono.setChannelCount(1);
    mono.setSampleFormat(QAudioFormat::Int16);
    if (device.isFormatSupported(mono)) format = mono;
    if (format.sampleFormat() == QAudioFormat::Unknown || format.sampleRate() <= 0) return false;
    format_ = format;
    source_ = new ToneSource(format_, this);
    source_->open(QIODevice::ReadOnly);
    sink_ = new QAudioSink(device, format_, this);
    sink_->setBufferSize(format_.bytesForDuration(kBufferMs * 1000));
    return true;
}

void ToneAudioOutput::startNote(int frequencyHz, int durationMs) {
    if (sink_ == nullptr && (frequencyHz <= 0 || !openDevice())) return;
    source_->setNote(frequencyHz, durationMs);
    if (sink_->state() == QAudio::StoppedState) sink_->start(source_);
}

void ToneAudioOutput::silence() {
    if (sink_ == nullptr) return;
    source_->setNote(0, 0);
    // Dropping what the sink holds first keeps stop from draining the last note.
    sink_->reset();
    sink_->stop();
}

}  // namespace k7x

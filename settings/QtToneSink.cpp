// The tone player's output through Qt's QAudioSink, written to in push mode: the server's
// buffer is what the server grants, and whatever part of it is free is filled.
#include <QAudioDevice>
#include <QAudioSink>
#include <algorithm>

#include "settings/ToneSink.h"

namespace k7x {

namespace {

constexpr int kFeedMinMs = 2;
constexpr int kFeedMaxMs = 10;

class QtToneSink : public ToneSink {
public:
    QtToneSink(const QAudioDevice& device, const QAudioFormat& format)
        : format_(format), sink_(device, format) {}

    QAudioFormat format() const override { return format_; }

    bool start() override {
        io_ = sink_.start();
        return io_ != nullptr && !failed();
    }

    qint64 room() override {
        if (failed()) return -1;
        return sink_.bytesFree();
    }

    qint64 write(const char* data, qint64 size) override {
        return io_ != nullptr ? io_->write(data, size) : 0;
    }

    qint64 playedUs() override { return sink_.processedUSecs(); }

    void stop() override {
        io_ = nullptr;
        sink_.stop();
    }

    int feedIntervalMs() const override {
        // A quarter of the server's buffer, so that it never runs dry between two feeds.
        const qint64 bufferMs =
            format_.durationForBytes(static_cast<qint32>(sink_.bufferSize())) / 1000;
        return static_cast<int>(std::clamp<qint64>(bufferMs / 4, kFeedMinMs, kFeedMaxMs));
    }

private:
    bool failed() const {
        const QAudio::Error error = sink_.error();
        return error == QAudio::OpenError || error == QAudio::FatalError ||
               (error != QAudio::NoError && sink_.state() == QAudio::StoppedState);
    }

    QAudioFormat format_;
    QAudioSink sink_;
    QIODevice* io_ = nullptr;
};

}  // namespace

std::unique_ptr<ToneSink> MakeQtToneSink(const QAudioDevice& device) {
    QAudioFormat format = device.preferredFormat();
    QAudioFormat mono = format;
    mono.setChannelCount(1);
    mono.setSampleFormat(QAudioFormat::Int16);
    if (device.isFormatSupported(mono)) format = mono;
    if (format.sampleRate() <= 0 || format.bytesPerFrame() <= 0) return nullptr;
    return std::make_unique<QtToneSink>(device, format);
}

}  // namespace k7x

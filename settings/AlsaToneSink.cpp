// The tone player's output straight to ALSA, for systems without a sound server. The device is
// opened for one playing only, so that a card without mixing is free for others in between,
// and is never waited on: it is asked how much room it has and written that much.
#include <alsa/asoundlib.h>

#include "settings/ToneSink.h"

namespace k7x {

namespace {

constexpr unsigned kRate = 48000;
// What the device holds ahead; ALSA rounds it to what the hardware offers.
constexpr unsigned kLatencyUs = 100'000;
constexpr int kFeedMs = 10;

// ALSA reports a missing or busy device on stderr as well; the window says it once instead.
void Quiet(const char*, int, const char*, int, const char*, ...) {}

class AlsaToneSink : public ToneSink {
public:
    explicit AlsaToneSink(snd_pcm_t* pcm) : pcm_(pcm) {
        format_.setSampleRate(static_cast<int>(kRate));
        format_.setChannelCount(1);
        format_.setSampleFormat(QAudioFormat::Int16);
    }
    ~AlsaToneSink() override {
        snd_pcm_drop(pcm_);
        snd_pcm_close(pcm_);
    }

    QAudioFormat format() const override { return format_; }

    bool start() override {
        written_ = 0;
        return snd_pcm_prepare(pcm_) == 0;
    }

    qint64 room() override {
        snd_pcm_sframes_t frames = snd_pcm_avail_update(pcm_);
        // A device that ran dry starts again; what it missed was silence or is late.
        if (frames < 0 && snd_pcm_recover(pcm_, static_cast<int>(frames), 1) == 0)
            frames = snd_pcm_avail_update(pcm_);
        return frames < 0 ? -1 : frames * format_.bytesPerFrame();
    }

    qint64 write(const char* data, qint64 size) override {
        const snd_pcm_sframes_t frames = snd_pcm_writei(
            pcm_, data, static_cast<snd_pcm_uframes_t>(size / format_.bytesPerFrame()));
        if (frames < 0) {
            if (frames != -EAGAIN) snd_pcm_recover(pcm_, static_cast<int>(frames), 1);
            return 0;
        }
        written_ += frames;
        return frames * format_.bytesPerFrame();
    }

    qint64 playedUs() override {
        snd_pcm_sframes_t delay = 0;
        if (snd_pcm_delay(pcm_, &delay) < 0) delay = 0;
        const qint64 played = std::max<qint64>(0, written_ - delay);
        return played * 1'000'000 / kRate;
    }

    void stop() override { snd_pcm_drop(pcm_); }

    int feedIntervalMs() const override { return kFeedMs; }

private:
    snd_pcm_t* pcm_;
    QAudioFormat format_;
    qint64 written_ = 0;  // frames
};

}  // namespace

std::unique_ptr<ToneSink> MakeAlsaToneSink() {
    snd_lib_error_set_handler(&Quiet);
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0)
        return nullptr;
    // Mono 16-bit at 48 kHz, converted by ALSA's plug layer where the card wants otherwise.
    if (snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, 1, kRate, 1,
                           kLatencyUs) < 0) {
        snd_pcm_close(pcm);
        return nullptr;
    }
    return std::make_unique<AlsaToneSink>(pcm);
}

}  // namespace k7x

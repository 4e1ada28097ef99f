// SPDX-License-Identifier: MIT
#include "present/qt/qtsound.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>

#include "present/decodeerror.h"
#include "present/qt/mixer.h"

namespace hexbrawl {
namespace {

// Short enough to keep the delay from a click to its sound small; long enough that
// the stream, fed from the user-interface thread, does not run dry. A PulseAudio
// server grants about two thirds of what is asked. Asked for 60 ms, the first half
// second after a resume often lost 10 to 20 ms of sound; asked for 80, now and then
// with two busy processes on two cores; asked for 120 (80 granted, a sound heard
// about 50 ms after its play), none was lost in our trials.
constexpr int buffermilliseconds = 120;
// After this long without a voice the stream is suspended, so that an idle game
// wakes neither itself nor the sound server; the next play resumes it.
constexpr int quietmilliseconds = 500;

QAudioFormat streamformat(const QAudioDevice& device)
{
    // The clips' own rate, in stereo: no resampling here, the server does it.
    QAudioFormat format;
    format.setSampleRate(WaveEntry::rate);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isFormatSupported(format))
        return format;
    return device.preferredFormat();
}

}  // namespace

// The mixer and the sink that pulls it.
class SoundOutput {
public:
    SoundOutput(const QAudioDevice& device, const QAudioFormat& format) : mixer(format), sink(device, format)
    {
        mixer.setonquiet(format.framesForDuration(quietmilliseconds * 1000), [this] {
            // Not from inside the sink's pull: when it has returned.
            QMetaObject::invokeMethod(
                &sink,
                [this] {
                    if (!mixer.anysounding() &&
                        (sink.state() == QAudio::ActiveState || sink.state() == QAudio::IdleState))
                        sink.suspend();
                },
                Qt::QueuedConnection);
        });
        QObject::connect(&sink, &QAudioSink::stateChanged, &sink, [this](QAudio::State state) {
            // The output is gone (the server went away): nothing more will be
            // taken, so no voice is sounding any longer.
            if (state == QAudio::StoppedState && sink.error() != QAudio::NoError)
                mixer.silenceall();
        });
    }
    ~SoundOutput() { sink.stop(); }

    // Before a voice starts: the stream must be running for it to be taken.
    void wake()
    {
        switch (sink.state()) {
        case QAudio::SuspendedState: sink.resume(); break;
        case QAudio::StoppedState:
            // Asked each time: a restarted sink may otherwise reuse a smaller size
            // that its previous stream was granted.
            sink.setBufferSize(mixer.format().bytesForDuration(buffermilliseconds * 1000));
            sink.start(&mixer);
            break;
        default: break;
        }
    }

    Mixer mixer;
    QAudioSink sink;
};

namespace {

class MixedVoice final : public Voice {
public:
    MixedVoice(SoundOutput& output, std::size_t clip) : output_(output), voice_(output.mixer.addvoice(clip)) {}
    void restart() override
    {
        output_.mixer.start(voice_);
        output_.wake();
        // A stream that could not start takes nothing: the voice is not sounding.
        if (output_.sink.state() == QAudio::StoppedState)
            output_.mixer.silenceall();
    }
    bool sounding() const override { return output_.mixer.sounding(voice_); }

private:
    SoundOutput& output_;
    std::size_t voice_;
};

}  // namespace

QtSound::QtSound()
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    const QAudioFormat format = streamformat(device);
    if (!Mixer::canwrite(format))
        return;
    output_ = std::make_unique<SoundOutput>(device, format);
    // Clip numbers in the mixer are the catalogue's indices.
    for (const WaveEntry& wave : waves()) {
        Wave samples;
        try {
            samples = builtinwave(wave);
        } catch (const DecodeError&) {
            // Built in and tested: cannot happen, and would only be silent.
        }
        output_->mixer.addclip(samples);
    }
    bank_ = std::make_unique<VoiceBank>([output = output_.get()](const WaveEntry& wave) -> std::unique_ptr<Voice> {
        return std::make_unique<MixedVoice>(*output, static_cast<std::size_t>(wave.index));
    });
    for (const WaveEntry& wave : waves())
        bank_->load(wave);
}

QtSound::QtSound(VoiceBank::Factory factory)
{
    if (!factory)
        return;
    bank_ = std::make_unique<VoiceBank>(std::move(factory));
    for (const WaveEntry& wave : waves())
        bank_->load(wave);
}

QtSound::~QtSound()
{
    bank_.reset();
    output_.reset();
}

void QtSound::playwave(std::string_view, const WaveEntry& wave)
{
    if (bank_)
        bank_->play(wave);
}

bool QtSound::streaming() const
{
    return output_ && (output_->sink.state() == QAudio::ActiveState || output_->sink.state() == QAudio::IdleState);
}

int QtSound::bufferms() const
{
    if (!output_)
        return 0;
    return static_cast<int>(output_->mixer.format().durationForBytes(static_cast<qint32>(output_->sink.bufferSize())) /
                            1000);
}

}  // namespace hexbrawl

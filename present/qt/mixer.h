// SPDX-License-Identifier: MIT
// The one stream every clip sounds through: the audio sink pulls it, and each pull
// adds up the samples of every voice that is sounding. A voice sounds exactly while
// its place in its clip, counted in what the sink has taken, has not reached the
// clip's end; so what the voices say is what the output plays.
#pragma once

#include <QAudioFormat>
#include <QIODevice>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "present/wave.h"

namespace hexbrawl {

// The clip's samples as 16-bit values in the stream's rate and number of channels,
// interleaved: unsigned 8-bit samples are centred and widened, one channel goes to
// every channel of the stream (two are averaged for a stream of one), and another
// rate is reached by linear interpolation.
std::vector<std::int16_t> streamsamples(const Wave& wave, int rate, int channels);

class Mixer final : public QIODevice {
public:
    // The format must have 8-bit unsigned, 16- or 32-bit signed or float samples.
    explicit Mixer(const QAudioFormat& format);

    static bool canwrite(const QAudioFormat& format);
    const QAudioFormat& format() const { return format_; }

    // Converts the clip once to the stream's format; returns its number.
    std::size_t addclip(const Wave& wave);
    // A new voice of the clip, not sounding; returns its number.
    std::size_t addvoice(std::size_t clip);
    // Stops the voice, rewinds it and starts it once, from the next pull on.
    void start(std::size_t voice);
    bool sounding(std::size_t voice) const;
    bool anysounding() const;
    // Every voice falls silent (the output is gone, nothing more will be taken).
    void silenceall();

    // Called from inside a pull, once, when the stream has handed out `frames` of
    // silence in a row after its last voice ended; again only after another voice
    // has sounded.
    void setonquiet(std::int64_t frames, std::function<void()> onquiet);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxlen) override;
    qint64 writeData(const char* data, qint64 len) override;

private:
    struct Clip {
        std::vector<std::int16_t> samples;
        std::size_t frames = 0;
    };
    struct Playing {
        std::size_t clip = 0;
        std::size_t at = 0;  // frames taken so far
        bool on = false;
    };

    QAudioFormat format_;
    std::size_t channels_;
    std::size_t bytesperframe_;
    std::vector<Clip> clips_;
    std::vector<Playing> voices_;
    std::vector<std::int32_t> sum_;
    std::int64_t quietlimit_ = 0;
    std::int64_t quiet_ = 0;  // frames of silence handed out since the last voice ended
    bool toldquiet_ = true;
    std::function<void()> onquiet_;
};

}  // namespace hexbrawl

// SPDX-License-Identifier: MIT
#include "present/qt/mixer.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace hexbrawl {
namespace {

std::int16_t sampleat(const Wave& wave, std::size_t frame, int channel)
{
    const std::size_t i = frame * static_cast<std::size_t>(wave.channels) + static_cast<std::size_t>(channel);
    if (wave.bits == 8)
        return static_cast<std::int16_t>((wave.data[i] - 128) * 256);
    return static_cast<std::int16_t>(wave.data[2 * i] | wave.data[2 * i + 1] << 8);
}

// The clip's own frame in the stream's channels.
std::int32_t channelvalue(const Wave& wave, std::size_t frame, int channel, int channels)
{
    if (wave.channels == 1)
        return sampleat(wave, frame, 0);
    if (channels == 1)
        return (sampleat(wave, frame, 0) + sampleat(wave, frame, 1)) / 2;
    return channel < 2 ? sampleat(wave, frame, channel) : 0;
}

}  // namespace

std::vector<std::int16_t> streamsamples(const Wave& wave, int rate, int channels)
{
    std::vector<std::int16_t> out;
    if (wave.frames == 0 || wave.rate <= 0 || rate <= 0 || channels <= 0)
        return out;
    const auto chans = static_cast<std::size_t>(channels);
    if (wave.rate == rate) {
        out.resize(wave.frames * chans);
        for (std::size_t f = 0; f < wave.frames; ++f)
            for (int c = 0; c < channels; ++c)
                out[f * chans + static_cast<std::size_t>(c)] =
                    static_cast<std::int16_t>(channelvalue(wave, f, c, channels));
        return out;
    }
    // Linear interpolation between the clip's frames, the length kept in seconds.
    const auto frames = static_cast<std::size_t>(static_cast<double>(wave.frames) * rate / wave.rate + 0.5);
    out.resize(std::max<std::size_t>(frames, 1) * chans);
    const double step = static_cast<double>(wave.rate) / rate;
    for (std::size_t f = 0; f * chans < out.size(); ++f) {
        const double where = static_cast<double>(f) * step;
        const auto left = std::min(static_cast<std::size_t>(where), wave.frames - 1);
        const std::size_t right = std::min(left + 1, wave.frames - 1);
        const double part = where - static_cast<double>(left);
        for (int c = 0; c < channels; ++c) {
            const double a = channelvalue(wave, left, c, channels);
            const double b = channelvalue(wave, right, c, channels);
            out[f * chans + static_cast<std::size_t>(c)] = static_cast<std::int16_t>(a + (b - a) * part);
        }
    }
    return out;
}

Mixer::Mixer(const QAudioFormat& format)
    : format_(format), channels_(static_cast<std::size_t>(std::max(format.channelCount(), 1))),
      bytesperframe_(static_cast<std::size_t>(std::max(format.bytesPerFrame(), 1)))
{
    // Unbuffered: what the sink takes is what it asked for, nothing read ahead.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

bool Mixer::canwrite(const QAudioFormat& format)
{
    switch (format.sampleFormat()) {
    case QAudioFormat::UInt8:
    case QAudioFormat::Int16:
    case QAudioFormat::Int32:
    case QAudioFormat::Float: return format.channelCount() > 0 && format.sampleRate() > 0;
    default: return false;
    }
}

std::size_t Mixer::addclip(const Wave& wave)
{
    Clip clip;
    clip.samples = streamsamples(wave, format_.sampleRate(), static_cast<int>(channels_));
    clip.frames = clip.samples.size() / channels_;
    clips_.push_back(std::move(clip));
    return clips_.size() - 1;
}

std::size_t Mixer::addvoice(std::size_t clip)
{
    voices_.push_back(Playing{clip, 0, false});
    return voices_.size() - 1;
}

void Mixer::start(std::size_t voice)
{
    Playing& v = voices_.at(voice);
    v.at = 0;
    v.on = clips_.at(v.clip).frames > 0;
    if (v.on) {
        quiet_ = 0;
        toldquiet_ = false;
    }
}

bool Mixer::sounding(std::size_t voice) const { return voices_.at(voice).on; }

bool Mixer::anysounding() const
{
    return std::any_of(voices_.begin(), voices_.end(), [](const Playing& v) { return v.on; });
}

void Mixer::silenceall()
{
    for (Playing& v : voices_)
        v.on = false;
}

void Mixer::setonquiet(std::int64_t frames, std::function<void()> onquiet)
{
    quietlimit_ = frames;
    onquiet_ = std::move(onquiet);
}

qint64 Mixer::bytesAvailable() const
{
    // An endless stream: there is always a second more.
    return QIODevice::bytesAvailable() + static_cast<qint64>(bytesperframe_) * format_.sampleRate();
}

qint64 Mixer::readData(char* data, qint64 maxlen)
{
    if (maxlen <= 0)
        return 0;
    const std::size_t frames = static_cast<std::size_t>(maxlen) / bytesperframe_;
    const std::size_t values = frames * channels_;
    sum_.assign(values, 0);
    bool any = false;
    for (Playing& v : voices_) {
        if (!v.on)
            continue;
        const Clip& clip = clips_[v.clip];
        const std::size_t n = std::min(frames, clip.frames - v.at);
        const std::int16_t* from = clip.samples.data() + v.at * channels_;
        for (std::size_t i = 0; i < n * channels_; ++i)
            sum_[i] += from[i];
        v.at += n;
        v.on = v.at < clip.frames;
        any = true;
    }

    const auto bytes = static_cast<std::size_t>(format_.bytesPerSample());
    for (std::size_t i = 0; i < values; ++i) {
        const std::int32_t s = std::clamp<std::int32_t>(sum_[i], std::numeric_limits<std::int16_t>::min(),
                                                        std::numeric_limits<std::int16_t>::max());
        char* to = data + i * bytes;
        switch (format_.sampleFormat()) {
        case QAudioFormat::UInt8: *to = static_cast<char>(static_cast<unsigned char>((s >> 8) + 128)); break;
        case QAudioFormat::Int16: {
            const auto v = static_cast<std::int16_t>(s);
            std::memcpy(to, &v, sizeof v);
            break;
        }
        case QAudioFormat::Int32: {
            const std::int32_t v = s * 65536;
            std::memcpy(to, &v, sizeof v);
            break;
        }
        case QAudioFormat::Float: {
            const float v = static_cast<float>(s) / 32768.0f;
            std::memcpy(to, &v, sizeof v);
            break;
        }
        default: std::memset(to, 0, bytes); break;
        }
    }

    if (!any) {
        quiet_ += static_cast<std::int64_t>(frames);
        if (!toldquiet_ && quiet_ >= quietlimit_ && onquiet_) {
            toldquiet_ = true;
            onquiet_();
        }
    }
    return static_cast<qint64>(frames * bytesperframe_);
}

qint64 Mixer::writeData(const char*, qint64) { return -1; }

}  // namespace hexbrawl

// SPDX-License-Identifier: MIT
#include "present/qt/voices.h"

#include <cmath>

namespace hexbrawl {

VoiceBank::VoiceBank(Factory factory, Clock clock)
    : factory_(std::move(factory)), clock_(std::move(clock)), clips_(wavecount)
{}

std::int64_t VoiceBank::lengthms(const WaveEntry& wave)
{
    return static_cast<std::int64_t>(std::ceil(wave.seconds * 1000));
}

std::vector<VoiceBank::Slot>& VoiceBank::voicesof(const WaveEntry& wave)
{
    auto index = static_cast<std::size_t>(wave.index);
    if (index >= clips_.size())
        clips_.resize(index + 1);
    return clips_[index];
}

void VoiceBank::load(const WaveEntry& wave)
{
    auto& voices = voicesof(wave);
    if (voices.empty())
        voices.push_back(Slot{factory_(wave), std::nullopt});
}

std::size_t VoiceBank::play(const WaveEntry& wave)
{
    auto& voices = voicesof(wave);
    std::int64_t now = clock_();
    std::size_t chosen = 0;
    while (chosen < voices.size() && voices[chosen].startedat && now - *voices[chosen].startedat < lengthms(wave))
        ++chosen;
    if (chosen == voices.size())
        voices.push_back(Slot{factory_(wave), std::nullopt});
    Slot& slot = voices[chosen];
    slot.startedat = now;
    if (slot.voice)
        slot.voice->restart();
    return chosen;
}

std::size_t VoiceBank::voicecount(const WaveEntry& wave) const
{
    auto index = static_cast<std::size_t>(wave.index);
    return index < clips_.size() ? clips_[index].size() : 0;
}

}  // namespace hexbrawl

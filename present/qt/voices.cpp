// SPDX-License-Identifier: MIT
#include "present/qt/voices.h"

namespace hexbrawl {

VoiceBank::VoiceBank(Factory factory) : factory_(std::move(factory)), clips_(wavecount) {}

std::vector<std::unique_ptr<Voice>>& VoiceBank::voicesof(const WaveEntry& wave)
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
        voices.push_back(factory_(wave));
}

std::size_t VoiceBank::play(const WaveEntry& wave)
{
    auto& voices = voicesof(wave);
    std::size_t chosen = 0;
    while (chosen < voices.size() && voices[chosen] && voices[chosen]->sounding())
        ++chosen;
    if (chosen == voices.size())
        voices.push_back(factory_(wave));
    if (voices[chosen])
        voices[chosen]->restart();
    return chosen;
}

std::size_t VoiceBank::voicecount(const WaveEntry& wave) const
{
    auto index = static_cast<std::size_t>(wave.index);
    return index < clips_.size() ? clips_[index].size() : 0;
}

}  // namespace hexbrawl

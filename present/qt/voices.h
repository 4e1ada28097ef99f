// SPDX-License-Identifier: MIT
// The voices of the sound clips: which playable copy of a clip a play goes to.
// Pure bookkeeping; the voices themselves come from outside and say whether they
// are sounding.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "present/catalogues.h"

namespace hexbrawl {

// One playable copy of a clip's samples.
class Voice {
public:
    virtual ~Voice() = default;
    // Stops it, rewinds it and starts it once from the beginning.
    virtual void restart() = 0;
    // Still playing its clip: started and not yet at the end of what is heard.
    virtual bool sounding() const = 0;
};

class VoiceBank {
public:
    using Factory = std::function<std::unique_ptr<Voice>(const WaveEntry&)>;

    explicit VoiceBank(Factory factory);

    // Makes the clip's first voice, so that its samples are ready before the first play.
    void load(const WaveEntry& wave);
    // Starts the clip on its first voice that is not sounding, or on a new voice if
    // all are; clips overlap themselves without limit. Returns the voice's number.
    std::size_t play(const WaveEntry& wave);
    std::size_t voicecount(const WaveEntry& wave) const;

private:
    std::vector<std::unique_ptr<Voice>>& voicesof(const WaveEntry& wave);

    Factory factory_;
    std::vector<std::vector<std::unique_ptr<Voice>>> clips_;  // by catalogue index
};

}  // namespace hexbrawl

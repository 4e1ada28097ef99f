// SPDX-License-Identifier: MIT
// The voices of the sound clips: which playable copy of a clip a play goes to.
// Pure bookkeeping; the voices themselves and the clock come from outside.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "present/catalogues.h"

namespace hexbrawl {

// One playable copy of a clip's samples.
class Voice {
public:
    virtual ~Voice() = default;
    // Stops it, rewinds it and starts it once from the beginning.
    virtual void restart() = 0;
};

class VoiceBank {
public:
    using Factory = std::function<std::unique_ptr<Voice>(const WaveEntry&)>;
    using Clock = std::function<std::int64_t()>;  // milliseconds, never going back

    VoiceBank(Factory factory, Clock clock);

    // Makes the clip's first voice, so that its samples are ready before the first play.
    void load(const WaveEntry& wave);
    // Starts the clip on its first voice that is not sounding, or on a new voice if
    // all are; clips overlap themselves without limit. Returns the voice's number.
    std::size_t play(const WaveEntry& wave);
    std::size_t voicecount(const WaveEntry& wave) const;

    // A voice sounds from its start for the clip's length. Asking the audio back end
    // instead would be wrong: without a device it says "playing" for ever, and it
    // reports data handed to the sink rather than what is heard.
    static std::int64_t lengthms(const WaveEntry& wave);

private:
    struct Slot {
        std::unique_ptr<Voice> voice;
        std::optional<std::int64_t> startedat;
    };
    std::vector<Slot>& voicesof(const WaveEntry& wave);

    Factory factory_;
    Clock clock_;
    std::vector<std::vector<Slot>> clips_;  // by catalogue index
};

}  // namespace hexbrawl

// SPDX-License-Identifier: MIT
// A switch in front of the sound port: while it is off, plays reach nothing. The
// game still looks every name up, so an unknown sound is reported as before.
#pragma once

#include "present/ports.h"

namespace hexbrawl {

class MuteSound final : public Sound {
public:
    explicit MuteSound(Sound& sound) : sound_(sound) {}

    void setmuted(bool muted) { muted_ = muted; }
    bool muted() const { return muted_; }

    void playwave(std::string_view asnamed, const WaveEntry& wave) override
    {
        if (!muted_)
            sound_.playwave(asnamed, wave);
    }

private:
    Sound& sound_;
    bool muted_ = false;
};

}  // namespace hexbrawl

// SPDX-License-Identifier: MIT
// The sound port of the window: every clip plays through its own list of voices,
// and every voice through one audio stream that mixes them (see mixer.h).
#pragma once

#include <cstddef>
#include <memory>

#include "present/ports.h"
#include "present/qt/voices.h"

namespace hexbrawl {

class SoundOutput;

class QtSound final : public Sound {
public:
    // Converts every clip of the catalogue for the default audio output. With no
    // audio output at all it makes no voices and stays silent, without a word.
    QtSound();
    // With the given voices instead of real ones (for tests); a null factory means
    // there is no audio output.
    explicit QtSound(VoiceBank::Factory factory);
    ~QtSound() override;

    void playwave(std::string_view asnamed, const WaveEntry& wave) override;

    bool silent() const { return !bank_; }
    std::size_t voicecount(const WaveEntry& wave) const { return bank_ ? bank_->voicecount(wave) : 0; }

    // The stream's state, for the tests against a real sound server: whether it
    // is running (not suspended after a silence, not stopped) and how many
    // milliseconds of sound its output buffer holds.
    bool streaming() const;
    int bufferms() const;

private:
    std::unique_ptr<SoundOutput> output_;
    std::unique_ptr<VoiceBank> bank_;
};

}  // namespace hexbrawl

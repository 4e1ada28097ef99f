// SPDX-License-Identifier: MIT
// The sound port of the window: every clip plays through its own list of voices,
// one QSoundEffect each.
#pragma once

#include <QUrl>

#include <memory>

#include "present/ports.h"
#include "present/qt/voices.h"

namespace hexbrawl {

// Where the clip's samples are built into the program: "qrc:/sounds/click.wav".
QUrl clipurl(const WaveEntry& wave);

class QtSound final : public Sound {
public:
    // Loads every clip of the catalogue from the program's resources. With no audio
    // output at all it makes no voices and stays silent, without a word.
    QtSound();
    // With the given voices and clock instead of real ones (for tests); a null
    // factory means there is no audio output.
    QtSound(VoiceBank::Factory factory, VoiceBank::Clock clock);
    ~QtSound() override;

    void playwave(std::string_view asnamed, const WaveEntry& wave) override;

    bool silent() const { return !bank_; }
    std::size_t voicecount(const WaveEntry& wave) const { return bank_ ? bank_->voicecount(wave) : 0; }

private:
    std::unique_ptr<VoiceBank> bank_;
};

}  // namespace hexbrawl

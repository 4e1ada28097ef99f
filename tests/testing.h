// SPDX-License-Identifier: MIT
// Helpers shared by the tests that drive the game through the runner's API.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tools/script/scenario.h"

namespace hexbrawl::testing {

// A game started with a fixed seed, past the title.
inline void begin(Session& s, std::uint32_t seed, int players = 1)
{
    s.start(seed);
    s.click(Control::TitleImage);
    if (players != 1)
        s.set(Control::PlayerCountSpinner, std::to_string(players));
}

// Names the wizard being edited and gives it a body and a death cry.
inline void makewizard(Session& s, const std::string& name, const std::string& portrait = "wizard1",
                       const std::string& deathcry = "Death1")
{
    s.set(Control::PlayerNameEd, name);
    s.set(Control::PictureBox, portrait);
    s.set(Control::SndBox, deathcry);
}

// Builds `count` plain wizards A, B, C, ... and starts the match.
inline void startmatch(Session& s, std::uint32_t seed, int count)
{
    begin(s, seed, count);
    for (int i = 0; i < count; ++i) {
        makewizard(s, std::string(1, static_cast<char>('A' + i)));
        s.click(Control::NextPlayerBtn);
    }
}

inline std::vector<std::string> texts(const std::vector<RecordedMessage>& messages)
{
    std::vector<std::string> out;
    for (const RecordedMessage& m : messages)
        out.push_back(m.text);
    return out;
}

inline bool played(const Session& s, const std::string& name)
{
    return std::find(s.sounds().begin(), s.sounds().end(), name) != s.sounds().end();
}

}  // namespace hexbrawl::testing

// SPDX-License-Identifier: MIT
// Which voice a clip plays on, with voices of our own that sound until told not to.
#include "present/qt/qtsound.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace hexbrawl {
namespace {

struct FakeVoices {
    struct V final : Voice {
        FakeVoices* owner = nullptr;
        std::string clip;
        int number = 0;
        bool playing = false;
        void restart() override
        {
            playing = true;
            owner->restarts.emplace_back(clip, number);
        }
        bool sounding() const override { return playing; }
    };
    std::vector<V*> made;
    std::vector<std::pair<std::string, int>> restarts;  // clip, voice number in order of making

    VoiceBank::Factory factory()
    {
        return [this](const WaveEntry& wave) -> std::unique_ptr<Voice> {
            auto voice = std::make_unique<V>();
            voice->owner = this;
            voice->clip = std::string(wave.name);
            voice->number = static_cast<int>(made.size());
            made.push_back(voice.get());
            return voice;
        };
    }
};

TEST(VoiceBank, AFinishedVoiceIsReusedAndABusyOneIsNot)
{
    FakeVoices fake;
    VoiceBank bank(fake.factory());
    const WaveEntry& click = findwave("click");
    bank.load(click);
    EXPECT_EQ(bank.voicecount(click), 1u);

    // Two quick clicks are both heard: the second needs a voice of its own.
    EXPECT_EQ(bank.play(click), 0u);
    EXPECT_EQ(bank.play(click), 1u);
    EXPECT_EQ(bank.voicecount(click), 2u);

    // Once the first has ended it is taken again, and no new voice is made.
    fake.made[0]->playing = false;
    EXPECT_EQ(bank.play(click), 0u);
    EXPECT_EQ(bank.voicecount(click), 2u);

    // The first voice that is silent, not the one used longest ago.
    fake.made[1]->playing = false;
    EXPECT_EQ(bank.play(click), 1u);
    fake.made[0]->playing = false;
    EXPECT_EQ(bank.play(click), 0u);
    EXPECT_EQ(bank.play(click), 2u);
    EXPECT_EQ(bank.voicecount(click), 3u);

    // Every play restarts exactly the voice chosen, once.
    std::vector<std::pair<std::string, int>> expected{{"click", 0}, {"click", 1}, {"click", 0},
                                                      {"click", 1}, {"click", 0}, {"click", 2}};
    EXPECT_EQ(fake.restarts, expected);
}

TEST(VoiceBank, ClipsKeepSeparateVoicesAndOverlapWithoutLimit)
{
    FakeVoices fake;
    VoiceBank bank(fake.factory());
    const WaveEntry& step = findwave("step");
    const WaveEntry& fire = findwave("fire");

    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(bank.play(step), static_cast<std::size_t>(i));
    EXPECT_EQ(bank.play(fire), 0u);
    EXPECT_EQ(bank.voicecount(step), 30u);
    EXPECT_EQ(bank.voicecount(fire), 1u);
    EXPECT_EQ(fake.made.size(), 31u);
}

TEST(QtSound, LoadsEveryClipOnceAndIsSilentWithoutOutput)
{
    FakeVoices fake;
    QtSound sound(fake.factory());
    EXPECT_FALSE(sound.silent());
    EXPECT_EQ(fake.made.size(), static_cast<std::size_t>(wavecount));  // one voice per clip, before the first play
    sound.playwave("CLICK", findwave("click"));
    EXPECT_EQ(fake.made.size(), static_cast<std::size_t>(wavecount));
    ASSERT_EQ(fake.restarts.size(), 1u);
    EXPECT_EQ(fake.restarts[0].first, "click");

    QtSound mute(nullptr);
    EXPECT_TRUE(mute.silent());
    mute.playwave("click", findwave("click"));
    mute.playwave("click", findwave("click"));
    EXPECT_EQ(mute.voicecount(findwave("click")), 0u);
    EXPECT_FALSE(mute.streaming());
}

}  // namespace
}  // namespace hexbrawl

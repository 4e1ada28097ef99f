// SPDX-License-Identifier: MIT
// Which voice a clip plays on, with a clock and voices of our own.
#include "present/qt/qtsound.h"

#include <QFile>

#include <gtest/gtest.h>

#include <map>

namespace hexbrawl {
namespace {

struct FakeVoices {
    std::int64_t now = 0;
    int made = 0;
    std::vector<std::pair<std::string, int>> restarts;  // clip, voice number in order of making

    VoiceBank::Factory factory()
    {
        return [this](const WaveEntry& wave) -> std::unique_ptr<Voice> {
            struct V final : Voice {
                FakeVoices* owner;
                std::string clip;
                int number;
                void restart() override { owner->restarts.emplace_back(clip, number); }
            };
            auto voice = std::make_unique<V>();
            voice->owner = this;
            voice->clip = std::string(wave.name);
            voice->number = made++;
            return voice;
        };
    }
    VoiceBank::Clock clock()
    {
        return [this] { return now; };
    }
};

TEST(VoiceBank, AFinishedVoiceIsReusedAndABusyOneIsNot)
{
    FakeVoices fake;
    VoiceBank bank(fake.factory(), fake.clock());
    const WaveEntry& click = findwave("click");  // 0.03 s
    ASSERT_EQ(VoiceBank::lengthms(click), 30);

    bank.load(click);
    EXPECT_EQ(bank.voicecount(click), 1u);

    // Two quick clicks are both heard: the second needs a voice of its own.
    EXPECT_EQ(bank.play(click), 0u);
    fake.now = 5;
    EXPECT_EQ(bank.play(click), 1u);
    EXPECT_EQ(bank.voicecount(click), 2u);

    // After both have ended, the first voice is taken again, no new one made.
    fake.now = 40;
    EXPECT_EQ(bank.play(click), 0u);
    EXPECT_EQ(bank.voicecount(click), 2u);

    // The first voice that is silent, not the one that was used longest ago: voice 1
    // ends at 35, voice 0 (started at 40) still sounds at 69, and ends exactly at 70.
    fake.now = 69;
    EXPECT_EQ(bank.play(click), 1u);
    fake.now = 70;
    EXPECT_EQ(bank.play(click), 0u);
    EXPECT_EQ(bank.voicecount(click), 2u);

    // Every play restarts exactly the voice chosen, once.
    std::vector<std::pair<std::string, int>> expected{
        {"click", 0}, {"click", 1}, {"click", 0}, {"click", 1}, {"click", 0}};
    EXPECT_EQ(fake.restarts, expected);
}

TEST(VoiceBank, ClipsKeepSeparateVoicesAndOverlapWithoutLimit)
{
    FakeVoices fake;
    VoiceBank bank(fake.factory(), fake.clock());
    const WaveEntry& step = findwave("step");
    const WaveEntry& fire = findwave("fire");

    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(bank.play(step), static_cast<std::size_t>(i));
    EXPECT_EQ(bank.play(fire), 0u);
    EXPECT_EQ(bank.voicecount(step), 30u);
    EXPECT_EQ(bank.voicecount(fire), 1u);
    EXPECT_EQ(fake.made, 31);
}

TEST(QtSound, LoadsEveryClipOnceAndIsSilentWithoutOutput)
{
    FakeVoices fake;
    QtSound sound(fake.factory(), fake.clock());
    EXPECT_FALSE(sound.silent());
    EXPECT_EQ(fake.made, wavecount);  // one voice per clip, made before the first play
    sound.playwave("CLICK", findwave("click"));
    EXPECT_EQ(fake.made, wavecount);
    ASSERT_EQ(fake.restarts.size(), 1u);
    EXPECT_EQ(fake.restarts[0].first, "click");

    QtSound mute(nullptr, fake.clock());
    EXPECT_TRUE(mute.silent());
    mute.playwave("click", findwave("click"));
    mute.playwave("click", findwave("click"));
    EXPECT_EQ(mute.voicecount(findwave("click")), 0u);
    EXPECT_EQ(fake.made, wavecount);
}

TEST(QtSound, EveryClipIsBuiltIntoTheProgram)
{
    for (const WaveEntry& wave : waves()) {
        QUrl url = clipurl(wave);
        ASSERT_EQ(url.scheme(), "qrc");
        QFile file(":" + url.path());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << url.toString().toStdString();
        EXPECT_EQ(file.read(4), "RIFF") << url.toString().toStdString();
    }
}

}  // namespace
}  // namespace hexbrawl

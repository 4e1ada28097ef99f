// SPDX-License-Identifier: MIT
// The stream the voices are mixed into, pulled by hand instead of by an audio sink.
#include "present/qt/mixer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace hexbrawl {
namespace {

// A 16-bit clip at the game's rate from the given samples (kept alive by the caller).
Wave wave16(const std::vector<std::int16_t>& samples, int channels = 1, int rate = 22050)
{
    Wave wave;
    wave.channels = channels;
    wave.bits = 16;
    wave.rate = rate;
    wave.frames = samples.size() / static_cast<std::size_t>(channels);
    wave.data = reinterpret_cast<const unsigned char*>(samples.data());
    wave.size = samples.size() * 2;
    return wave;
}

QAudioFormat format(QAudioFormat::SampleFormat sample, int channels)
{
    QAudioFormat f;
    f.setSampleRate(22050);
    f.setChannelCount(channels);
    f.setSampleFormat(sample);
    return f;
}

// The next `frames` frames of a 16-bit stream.
std::vector<std::int16_t> pull(Mixer& mixer, int frames)
{
    std::vector<std::int16_t> out(static_cast<std::size_t>(frames * mixer.format().channelCount()));
    const qint64 bytes = static_cast<qint64>(out.size() * 2);
    EXPECT_EQ(mixer.read(reinterpret_cast<char*>(out.data()), bytes), bytes);
    return out;
}

TEST(Mixer, ClipsAreConvertedOnceToTheStreamsRateAndChannels)
{
    const unsigned char bytes[] = {0, 128, 255};
    Wave eightbit;
    eightbit.channels = 1;
    eightbit.bits = 8;
    eightbit.rate = 22050;
    eightbit.frames = 3;
    eightbit.data = bytes;
    eightbit.size = 3;
    EXPECT_EQ(streamsamples(eightbit, 22050, 2), (std::vector<std::int16_t>{-32768, -32768, 0, 0, 32512, 32512}));

    const std::vector<std::int16_t> stereo{1000, 3000, -2000, -4000};
    EXPECT_EQ(streamsamples(wave16(stereo, 2), 22050, 1), (std::vector<std::int16_t>{2000, -3000}));

    const std::vector<std::int16_t> ramp{0, 100, 200, 300};
    EXPECT_EQ(streamsamples(wave16(ramp), 44100, 1), (std::vector<std::int16_t>{0, 50, 100, 150, 200, 250, 300, 300}));
}

TEST(Mixer, AVoiceSoundsUntilItsLastSampleIsTakenAndOverlappingVoicesAdd)
{
    const std::vector<std::int16_t> loud(100, 10000);
    Mixer mixer(format(QAudioFormat::Int16, 2));
    const std::size_t clip = mixer.addclip(wave16(loud));
    const std::size_t first = mixer.addvoice(clip), second = mixer.addvoice(clip);
    EXPECT_FALSE(mixer.sounding(first));
    EXPECT_EQ(pull(mixer, 10), std::vector<std::int16_t>(20, 0));

    mixer.start(first);
    EXPECT_EQ(pull(mixer, 60), std::vector<std::int16_t>(120, 10000));
    mixer.start(second);
    std::vector<std::int16_t> both = pull(mixer, 60);
    EXPECT_EQ(both[0], 20000);
    EXPECT_EQ(both[79], 20000);  // frame 39, the first voice's last
    EXPECT_EQ(both[80], 10000);
    EXPECT_FALSE(mixer.sounding(first));
    EXPECT_TRUE(mixer.sounding(second));
    EXPECT_EQ(pull(mixer, 40), std::vector<std::int16_t>(80, 10000));
    EXPECT_FALSE(mixer.sounding(second));
    EXPECT_FALSE(mixer.anysounding());

    // Restarted while sounding, a voice begins again; the sum stops at full scale.
    const std::size_t third = mixer.addvoice(clip);
    for (std::size_t v : {first, second, third})
        mixer.start(v);
    pull(mixer, 50);
    mixer.start(first);
    mixer.start(second);
    EXPECT_EQ(pull(mixer, 50), std::vector<std::int16_t>(100, 30000));
    EXPECT_EQ(pull(mixer, 50), std::vector<std::int16_t>(100, 20000));
    mixer.start(first);
    mixer.start(second);
    mixer.start(third);
    mixer.start(mixer.addvoice(clip));
    EXPECT_EQ(pull(mixer, 1), (std::vector<std::int16_t>{32767, 32767}));
}

TEST(Mixer, WritesTheSinksSampleFormatAndSaysOnceWhenItHasBeenQuiet)
{
    const std::vector<std::int16_t> half(10, 16384);
    Mixer mixer(format(QAudioFormat::Float, 1));
    const std::size_t voice = mixer.addvoice(mixer.addclip(wave16(half)));
    int told = 0;
    mixer.setonquiet(100, [&] { ++told; });

    mixer.start(voice);
    float out[60];
    ASSERT_EQ(mixer.read(reinterpret_cast<char*>(out), sizeof out), static_cast<qint64>(sizeof out));
    EXPECT_EQ(out[0], 0.5f);
    EXPECT_EQ(out[9], 0.5f);
    EXPECT_EQ(out[10], 0.0f);
    mixer.read(reinterpret_cast<char*>(out), sizeof out);
    EXPECT_EQ(told, 0);  // 60 frames of silence so far
    mixer.read(reinterpret_cast<char*>(out), sizeof out);
    mixer.read(reinterpret_cast<char*>(out), sizeof out);
    EXPECT_EQ(told, 1);
    mixer.start(voice);
    for (int i = 0; i < 4; ++i)
        mixer.read(reinterpret_cast<char*>(out), sizeof out);
    EXPECT_EQ(told, 2);
}

}  // namespace
}  // namespace hexbrawl

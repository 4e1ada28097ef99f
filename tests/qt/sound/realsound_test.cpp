// SPDX-License-Identifier: MIT
// The window's sound port against a real sound server. Run by withpulse.sh, which
// starts a private PulseAudio with a null output: the test records that output's
// monitor while it plays clips as a game does (quick repeats that overlap, plays
// seconds apart that reuse a finished voice, several clips at once, pauses long
// enough for the stream to rest) and finds the start of every play in the recording.
// HEXBRAWL_SOUND_VERBOSE=1 prints every play as found; HEXBRAWL_SOUND_RECORDING=FILE
// keeps the recording (raw 16-bit samples, one channel) and FILE.plays the plays.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "present/qt/mixer.h"
#include "present/qt/qtsound.h"

namespace hexbrawl {
namespace {

constexpr int rate = WaveEntry::rate;  // of the recording, in one channel

double seconds(const QElapsedTimer& clock) { return static_cast<double>(clock.nsecsElapsed()) / 1e9; }

// What the server's output plays, recorded from its monitor as raw 16-bit samples.
class Recorder {
public:
    Recorder(const QElapsedTimer& clock, const QString& monitor) : clock_(clock)
    {
        QObject::connect(&parec_, &QProcess::readyReadStandardOutput, [this] { take(); });
        parec_.start("parec", {"-d", monitor, "--raw", "--format=s16le", "--rate=" + QString::number(rate),
                               "--channels=1", "--latency-msec=10"});
    }
    ~Recorder()
    {
        if (parec_.state() != QProcess::NotRunning) {
            parec_.kill();
            parec_.waitForFinished(5000);
        }
    }
    bool started() { return parec_.waitForStarted(5000); }
    double recorded() const { return static_cast<double>(bytes_.size() / 2) / rate; }

    // The samples, and on the test's clock the moment the first of them was heard.
    std::vector<float> stop()
    {
        take();
        parec_.terminate();
        parec_.waitForFinished(5000);
        bytes_ += parec_.readAllStandardOutput();
        std::vector<float> samples(static_cast<std::size_t>(bytes_.size() / 2));
        for (std::size_t i = 0; i < samples.size(); ++i) {
            const auto lo = static_cast<unsigned char>(bytes_[static_cast<qsizetype>(2 * i)]);
            const auto hi = static_cast<unsigned char>(bytes_[static_cast<qsizetype>(2 * i + 1)]);
            samples[i] = static_cast<float>(static_cast<std::int16_t>(lo | hi << 8)) / 32768.0f;
        }
        return samples;
    }
    double zero() const { return zero_; }

private:
    void take()
    {
        bytes_ += parec_.readAllStandardOutput();
        // The last sample was heard no later than now: so sample 0 no later than
        // this, and the earliest such bound over all arrivals is the closest.
        zero_ = std::min(zero_, seconds(clock_) - recorded());
    }

    const QElapsedTimer& clock_;
    QProcess parec_;
    QByteArray bytes_;
    double zero_ = std::numeric_limits<double>::infinity();
};

// The clip as it should reach a one-channel recording at its own rate.
std::vector<float> heard(const WaveEntry& entry)
{
    const std::vector<std::int16_t> samples = streamsamples(builtinwave(entry), rate, 1);
    std::vector<float> out(samples.size());
    std::transform(samples.begin(), samples.end(), out.begin(),
                   [](std::int16_t s) { return static_cast<float>(s) / 32768.0f; });
    return out;
}

struct Play {
    const char* clip;
    double at = 0;  // seconds on the test's clock
    // Found in the recording: the closest match of the clip's first 0.05 s near the
    // play (correlation, 1 for the very shape) and its loudness there (1 as played).
    double latency = 0, match = 0, gain = 0;
    double whole = 0;  // the loudness over the whole clip: less if a dropout shifted its end
    bool found = false;
};

// Looks for each play, in order, in the recording: the first place from a little
// before the play to 0.4 s after it where the clip's beginning matches, then the
// best match within the length of that beginning; its scaled copy is taken out, so that the next play of an
// overlapping clip is looked for in what is left.
void find(std::vector<Play>& plays, std::vector<float> left, double zero)
{
    for (Play& play : plays) {
        const std::vector<float> clip = heard(findwave(play.clip));
        const std::size_t head = std::min<std::size_t>(clip.size(), rate / 20);
        double clipenergy = 0;
        for (std::size_t i = 0; i < head; ++i)
            clipenergy += clip[i] * clip[i];
        auto match = [&](std::size_t at) {
            double dot = 0, energy = 0;
            for (std::size_t i = 0; i < head; ++i) {
                dot += left[at + i] * clip[i];
                energy += left[at + i] * left[at + i];
            }
            return energy > 0 ? dot / std::sqrt(energy * clipenergy) : 0.0;
        };
        const double expected = (play.at - zero) * rate;
        const auto first = static_cast<std::size_t>(std::max(expected - 0.03 * rate, 0.0));
        const std::size_t last = std::min(static_cast<std::size_t>(std::max(expected + 0.4 * rate, 0.0)),
                                          left.size() > head ? left.size() - head : 0);
        std::size_t found = 0;
        for (std::size_t at = first; at < last && !play.found; ++at) {
            const double m = match(at);
            play.match = std::max(play.match, m);
            if (m > 0.7) {
                play.found = true;
                found = at;
            }
        }
        if (!play.found)
            continue;
        // A tone matches itself a few periods early too: the best match comes later.
        for (std::size_t at = found + 1; at < std::min(found + head, last); ++at)
            if (const double m = match(at); m > play.match) {
                play.match = m;
                found = at;
            }
        double dot = 0;
        for (std::size_t i = 0; i < head; ++i)
            dot += left[found + i] * clip[i];
        play.gain = dot / clipenergy;
        play.latency = zero + static_cast<double>(found) / rate - play.at;
        play.found = play.gain > 0.5 && play.gain < 1.5;
        const std::size_t length = std::min(clip.size(), left.size() - found);
        double whole = 0, wholeenergy = 0;
        for (std::size_t i = 0; i < length; ++i) {
            whole += left[found + i] * clip[i];
            wholeenergy += clip[i] * clip[i];
        }
        play.whole = whole / wholeenergy;
        if (play.found)
            for (std::size_t i = 0; i < length; ++i)
                left[found + i] -= static_cast<float>(play.gain) * clip[i];
    }
}

TEST(RealSound, EveryPlayIsHeardOverlapsIncludedAndAFinishedVoiceSoundsAgain)
{
    const char* monitor = std::getenv("HEXBRAWL_SOUND_MONITOR");
    ASSERT_NE(monitor, nullptr) << "run through tests/qt/sound/withpulse.sh, which starts a sound server";

    QElapsedTimer clock;
    clock.start();
    Recorder recorder(clock, QString::fromUtf8(monitor));
    ASSERT_TRUE(recorder.started()) << "parec did not start";
    for (int i = 0; i < 500 && recorder.recorded() < 0.3; ++i)
        QTest::qWait(10);
    ASSERT_GE(recorder.recorded(), 0.3) << "nothing recorded from " << monitor;

    QtSound sound;
    ASSERT_FALSE(sound.silent()) << "no audio output found on the test's sound server";

    // In seconds from the start: a death cry five times in quick succession, each
    // over the ones before; then every 1.8 s on its first voice, finished by then,
    // with a pause in which the stream rests; a cast and a hit, each time on the
    // same voices; and clicks faster than a person clicks, one voice for all.
    std::vector<std::pair<double, const char*>> plan;
    for (int i = 0; i < 5; ++i)
        plan.emplace_back(0.15 * i, "Death1");
    for (int i = 0; i < 4; ++i)
        plan.emplace_back(2.6 + 1.8 * i, "Death1");
    for (int i = 0; i < 3; ++i) {
        plan.emplace_back(9.8 + 2.2 * i, "cast");
        plan.emplace_back(11.0 + 2.2 * i, "hurt");
    }
    for (int i = 0; i < 8; ++i)
        plan.emplace_back(16.4 + 0.2 * i, "click");
    std::sort(plan.begin(), plan.end());

    std::vector<Play> plays;
    const double start = seconds(clock) + 0.2;
    std::size_t deathvoices = 0;
    for (const auto& [when, clip] : plan) {
        const int wait = static_cast<int>((start + when - seconds(clock)) * 1000);
        if (wait > 0)
            QTest::qWait(wait);
        plays.push_back(Play{clip, seconds(clock)});
        sound.playwave(clip, findwave(clip));
        if (when < 1)
            deathvoices = sound.voicecount(findwave("Death1"));
    }
    // The last click's end, and a second of silence after it: the stream rests.
    QTest::qWait(1200);
    const bool resting = !sound.streaming();
    const int bufferms = sound.bufferms();
    std::vector<float> recording = recorder.stop();
    if (const char* keep = std::getenv("HEXBRAWL_SOUND_RECORDING")) {
        // For a person to listen to: the raw samples, and when each play was made.
        if (FILE* out = std::fopen(keep, "wb")) {
            for (float s : recording) {
                const auto v = static_cast<std::int16_t>(s * 32768.0f);
                std::fwrite(&v, sizeof v, 1, out);
            }
            std::fclose(out);
        }
        if (FILE* out = std::fopen((std::string(keep) + ".plays").c_str(), "w")) {
            for (const Play& p : plays)
                std::fprintf(out, "%s %.4f\n", p.clip, p.at - recorder.zero());
            std::fclose(out);
        }
    }

    // What the voices say: overlapping plays took voices of their own, later plays
    // of a finished clip its first voice again.
    EXPECT_EQ(deathvoices, 5u);
    EXPECT_EQ(sound.voicecount(findwave("Death1")), 5u);
    EXPECT_EQ(sound.voicecount(findwave("cast")), 1u);
    EXPECT_EQ(sound.voicecount(findwave("hurt")), 1u);
    EXPECT_EQ(sound.voicecount(findwave("click")), 1u);
    EXPECT_TRUE(resting) << "the stream still runs a second after the last sound";

    // What the output did: every play heard, where it was played.
    find(plays, recording, recorder.zero());
    std::vector<double> latencies;
    std::string missed;
    for (std::size_t i = 0; i < plays.size(); ++i) {
        const Play& p = plays[i];
        char line[160];
        std::snprintf(line, sizeof line,
                      "  play %2zu %-7s at %6.3f s: match %.2f, loudness %.2f (whole clip %.2f), after %4.0f ms\n", i,
                      p.clip, p.at - start, p.match, p.gain, p.whole, p.latency * 1000);
        if (std::getenv("HEXBRAWL_SOUND_VERBOSE"))
            std::printf("%s", line);
        if (p.found)
            latencies.push_back(p.latency);
        else
            missed += line;
    }
    EXPECT_TRUE(missed.empty()) << "not heard:\n" << missed;
    if (!latencies.empty()) {
        std::sort(latencies.begin(), latencies.end());
        std::printf("heard %zu of %zu plays; from play to sound (recorder's delay included): median %.0f ms, "
                    "longest %.0f ms; output buffer %d ms\n",
                    latencies.size(), plays.size(), latencies[latencies.size() / 2] * 1000, latencies.back() * 1000,
                    bufferms);
    }
}

}  // namespace
}  // namespace hexbrawl

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

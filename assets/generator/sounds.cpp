// SPDX-License-Identifier: MIT
// The eighteen sound clips, synthesised from oscillators, noise, filters and
// envelopes. Each clip is scaled to a common peak and given short fades so
// that it never clips and never starts or stops with a click.
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numbers>
#include <stdexcept>

#include "generator.h"

namespace assetgen {
namespace {

constexpr double pi = std::numbers::pi;
constexpr double rate = hexbrawl::WaveEntry::rate;

using Signal = std::vector<double>;

// Second-order filter (the usual audio-cookbook biquad); its coefficients
// may change every sample for sweeps.
class Biquad {
public:
    enum Kind { lowpass, highpass, bandpass };
    explicit Biquad(Kind kind) : kind_(kind) {}

    double run(double x, double frequency, double q)
    {
        frequency = std::clamp(frequency, 10.0, rate * 0.45);
        const double w = 2 * pi * frequency / rate, alpha = std::sin(w) / (2 * q), cw = std::cos(w);
        double b0, b1, b2;
        switch (kind_) {
        case lowpass:
            b0 = (1 - cw) / 2;
            b1 = 1 - cw;
            b2 = b0;
            break;
        case highpass:
            b0 = (1 + cw) / 2;
            b1 = -(1 + cw);
            b2 = b0;
            break;
        default:
            b0 = alpha;
            b1 = 0;
            b2 = -alpha;
            break;
        }
        const double a0 = 1 + alpha, a1 = -2 * cw, a2 = 1 - alpha;
        const double y = (b0 * x + b1 * x1_ + b2 * x2_ - a1 * y1_ - a2 * y2_) / a0;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    Kind kind_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Rises linearly over `attack` seconds, then decays with time constant `decay`.
double envelope(double t, double attack, double decay)
{
    if (t < 0)
        return 0;
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) / decay);
}

// A frequency that glides exponentially from `from` to `to` over `span` seconds.
double glide(double t, double from, double to, double span)
{
    return from * std::pow(to / from, std::clamp(t / span, 0.0, 1.0));
}

double noise(Random& random) { return random.range(-1.0, 1.0); }

// An oscillator that follows a changing frequency without phase jumps.
class Phase {
public:
    double step(double frequency)
    {
        value_ += frequency / rate;
        value_ -= std::floor(value_);
        return value_;
    }
    double sine(double frequency) { return std::sin(2 * pi * step(frequency)); }
    double saw(double frequency) { return 2 * step(frequency) - 1; }

private:
    double value_ = 0;
};

// A bell or chime: frequency modulation whose brightness fades with the note.
double bell(double t, double frequency, double ratio, double index, double decay)
{
    if (t < 0)
        return 0;
    const double modulator = std::sin(2 * pi * frequency * ratio * t) * index * std::exp(-t / (decay * 0.4));
    return std::sin(2 * pi * frequency * t + modulator) * envelope(t, 0.003, decay);
}

// A voice: a buzzing source shaped by three formant resonances.
class Voice {
public:
    double run(double source, double f1, double f2, double f3)
    {
        return a_.run(source, f1, 6) + 0.6 * b_.run(source, f2, 8) + 0.25 * c_.run(source, f3, 10);
    }

private:
    Biquad a_{Biquad::bandpass}, b_{Biquad::bandpass}, c_{Biquad::bandpass};
};

using Maker = std::function<Signal(int frames, Random& random, int channel)>;

Signal click(int n, Random& random, int)
{
    Signal s(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double t = i / rate;
        s[i] = std::sin(2 * pi * 2300 * t) * std::exp(-t / 0.004) + 0.35 * noise(random) * std::exp(-t / 0.0015);
    }
    return s;
}

Signal step(int n, Random& random, int channel)
{
    Signal s(static_cast<std::size_t>(n));
    Biquad crunch(Biquad::bandpass), thud(Biquad::lowpass);
    const double second = 0.13 + 0.01 * channel;
    for (int i = 0; i < n; ++i) {
        const double t = i / rate;
        const double grain = random.real() < 0.3 ? noise(random) : 0.0;
        const double heel = envelope(t, 0.004, 0.05) + 0.6 * envelope(t - second, 0.004, 0.04);
        s[i] = crunch.run(grain, 1800, 1.2) * heel * 2.2 + thud.run(noise(random), 180, 0.9) * heel * 1.5;
    }
    return s;
}

Signal cast(int n, Random& random, int channel)
{
    Signal s(static_cast<std::size_t>(n));
    Biquad whoosh(Biquad::bandpass);
    Phase shimmer, shimmer2;
    const double length = n / rate;
    for (int i = 0; i < n; ++i) {
        const double t = i / rate;
        const double swell = std::pow(std::sin(pi * t / length), 1.6);
        const double pan = channel == 0 ? 1.0 - 0.5 * t / length : 0.5 + 0.5 * t / length;
        const double f = glide(t, 300, 2600, length * 0.8);
        const double air = whoosh.run(noise(random), f, 2.5) * 1.6;
        const double tone = 0.25 * shimmer.sine(glide(t, 600, 1250, length) * (1 + 0.01 * std::sin(2 * pi * 7 * t))) +
                            0.12 * shimmer2.sine(glide(t, 903, 1880, length));
        s[i] = (air + tone) * swell * pan;
    }
    return s;
}

Signal hurt(int n, Random& random, int channel)
{
    Signal s(static_cast<std::size_t>(n));
    Voice voice;
    Phase glottis;
    for (int i = 0; i < n; ++i) {
        const double t = i / rate;
        const double f0 = glide(t, 175 + 4 * channel, 105, 0.3);
        const double source = glottis.saw(f0) + 0.15 * noise(random);
        const double grunt = voice.run(source, 620, 1050, 2400) * envelope(t, 0.015, 0.09);
        const double thump = std::sin(2 * pi * glide(t, 120, 60, 0.1) * t) * envelope(t, 0.002, 0.05);
        s[i] = grunt + 0.6 * thump;
    }
    return s;
}

Signal deathcry(int n, Random& random, int)
{
    Signal s(static_cast<std::size_t>(n));
    Voice voice;
    Phase glottis;
    const double length = n / rate;
    for (int i = 0; i < n; ++i) {
        const double t = i / rate;
        const double k = t / length;
        const double pitch = t < 0.12 ? 300 + 60 * t / 0.12 : glide(t - 0.12, 360, 130, length - 0.12);
        const double vibrato = 1 + 0.03 * k * std::sin(2 * pi * 6 * t);
        const double source = glottis.saw(pitch * vibrato) + 0.25 * noise(random);
        // "aah" closing to "ooh" as the breath runs out
        const double f1 = 820 - 330 * k, f2 = 1200 - 380 * k, f3 = 2900 - 200 * k;
        const double level = std::min(1.0, t / 0.04) * (k < 0.55 ? 1.0 : std::pow((1 - k) / 0.45, 1.5));
        s[i] = voice.run(source, f1, f2, f3) * level;
    }
    return s;
}

Signal boop(int n, Random&, int)
{
    Signal s(static_cast<std::size_t>(n));
    Phase phase;
    for (int i = 0; i < n; ++i) {
        const double t = i / rate;
        const double f = glide(t, 540, 330, 0.12);
        const double p = phase.step(f);
        s[i] = (std::sin(2 * pi * p) + 0.2 * std::sin(4 * pi * p)) * envelope(t, 0.006, 0.07);
    }
    return s;
}

Signal wall(int n, Random& random, int)
{
    Signal s(static_cast<std::size_t>(n));
    Biquad body(Biquad::lowpass), grit(Biquad::bandpass);
    Phase low;
    for (int i = 0; i < n; ++i) {
        const double t = i / rate;
        const double boom = low.sine(glide(t, 120, 42, 0.18)) * envelope(t, 0.003, 0.28);
        const double crash = body.run(noise(random), 450, 0.8) * envelope(t, 0.002, 0.07) * 2.5;
        const double stone = grit.run(noise(random), 2200, 1.5) * envelope(t, 0.001, 0.03) * 1.5;
        s[i] = boom + crash + stone;
    }
    return s;
}

Signal deathdrone(int n, Random& random, int)
{
    Signal s(static_cast<std::size_t>(n));
    Phase a, b, c, d;
    Biquad dark(Biquad::lowpass), whisper(Biquad::bandpass);
    const double length = n / rate;
    for (int i = 0; i < n; ++i) {
        const double t = i / rate;
        const double k = t / length;
        const double swell = std::min(1.0, t / 0.45) * std::min(1.0, (length - t) / 0.6);
        const double tremolo = 0.85 + 0.15 * std::sin(2 * pi * 3.1 * t);
        const double raw = a.saw(55) + b.saw(55.45) + 0.8 * c.saw(82.2) + 0.5 * d.sine(58.3);
        const double cutoff = 200 + 550 * std::sin(pi * std::min(1.0, k * 1.3));
        const double breath = whisper.run(noise(random), 1400 + 500 * std::sin(2 * pi * 0.7 * t), 3) *
                              (0.5 + 0.5 * std::sin(2 * pi * 1.3 * t));
        s[i] = (dark.run(raw, cutoff, 1.4) * tremolo + 0.5 * breath) * swell;
    }
    return s;
}

Signal earth(int n, Random& random, int)
{
    Signal s(static_cast<std::size_t>(n));
    Biquad rumble(Biquad::lowpass), rocks(Biquad::bandpass);
    Phase sub;
    double brown = 0;
    const double length = n / rate;
    for (int i = 0; i < n; ++i) {
        const double t = i / rate;
        brown = 0.985 * brown + 0.12 * noise(random);
        const double level = std::min(1.0, t / 0.06) * std::pow(1 - t / length, 1.3);
        const double shake = 0.75 + 0.25 * std::sin(2 * pi * 11 * t);
        const double clatter = random.real() < 0.004 * (1 - t / length) ? noise(random) * 6 : 0.0;
        s[i] = (rumble.run(brown, 160, 1.1) * 2.5 * shake + 0.5 * sub.sine(glide(t, 55, 38, length))) * level +
               rocks.run(clatter, 900, 4) * 0.7;
    }
    return s;
}

Signal fire(int n, Random& random, int)
{
    Signal s(static_cast<std::size_t>(n));
    Biquad roar(Biquad::lowpass), flare(Biquad::bandpass), crackle(Biquad::highpass);
    const double length = n / rate;
    double pop = 0;
    for (int i = 0; i < n; ++i) {
        const double t = i / rate;
        const double level = std::min(1.0, t / 0.08) * std::pow(1 - t / length, 0.8);
        if (random.real() < 0.0025)
            pop = random.range(0.3, 0.6) * (random.real() < 0.5 ? -1 : 1);
        pop *= 0.92;
        const double body =
            roar.run(noise(random), 700, 0.8) * 1.6 + flare.run(noise(random), glide(t, 500, 1400, length), 2) * 0.8;
        s[i] = body * level + crackle.run(pop * 3, 2500, 0.7);
    }
    return s;
}

Signal life(int n, Random&, int)
{
    Signal s(static_cast<std::size_t>(n));
    const double notes[] = {1046.5, 1318.5, 1568.0, 2093.0, 1568.0 * 2};
    for (int i = 0; i < n; ++i) {
        const double t = i / rate;
        double v = 0;
        for (int k = 0; k < 5; ++k)
            v += bell(t - k * 0.11, notes[k], 3.5, 1.2, 0.55) * (k == 4 ? 0.5 : 1.0);
        v += 0.25 * std::sin(2 * pi * 523.25 * t) * envelope(t, 0.2, 0.6);
        s[i] = v;
    }
    return s;
}

Signal water(int n, Random& random, int)
{
    Signal s(static_cast<std::size_t>(n));
    Biquad splash(Biquad::highpass), wash(Biquad::bandpass);
    struct Bubble {
        double start, frequency, decay;
    };
    std::vector<Bubble> bubbles;
    for (int k = 0; k < 16; ++k)
        bubbles.push_back({random.range(0.04, 0.85), random.range(450, 1300), random.range(0.02, 0.05)});
    for (int i = 0; i < n; ++i) {
        const double t = i / rate;
        double v = splash.run(noise(random), 1200, 0.7) * envelope(t, 0.004, 0.08) * 1.3;
        v += wash.run(noise(random), 700, 1.5) * envelope(t, 0.05, 0.3) * 0.5;
        for (const Bubble& b : bubbles) {
            const double u = t - b.start;
            if (u < 0 || u > 0.2)
                continue;
            // a bubble's pitch rises as it shrinks at the surface
            const double f = b.frequency * (1 + 4 * u);
            v += 0.5 * std::sin(2 * pi * f * u) * envelope(u, 0.002, b.decay);
        }
        s[i] = v;
    }
    return s;
}

Signal wind(int n, Random& random, int)
{
    Signal s(static_cast<std::size_t>(n));
    Biquad gust(Biquad::bandpass), whistle(Biquad::bandpass);
    const double length = n / rate;
    for (int i = 0; i < n; ++i) {
        const double t = i / rate;
        const double swell = std::pow(std::sin(pi * t / length), 1.5);
        const double f = 450 + 350 * t / length + 250 * std::sin(2 * pi * 1.3 * t);
        const double x = noise(random);
        s[i] = (gust.run(x, f, 3) + 0.4 * whistle.run(x, f * 2.7, 12)) * swell;
    }
    return s;
}

Signal button(int n, Random&, int)
{
    Signal s(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double t = i / rate;
        s[i] = bell(t, 1318.5, 1.4, 1.5, 0.35) + 0.8 * bell(t - 0.09, 1975.5, 1.4, 1.2, 0.4);
    }
    return s;
}

Signal teleport(int n, Random& random, int)
{
    Signal s(static_cast<std::size_t>(n));
    Phase a, b;
    const double length = n / rate;
    std::vector<std::pair<double, double>> pings;
    for (int k = 0; k < 8; ++k)
        pings.emplace_back(random.range(0.9, 1.4), random.range(2200, 4200));
    for (int i = 0; i < n; ++i) {
        const double t = i / rate;
        const double f = glide(t, 150, 2400, 1.2) * (1 + 0.05 * std::sin(2 * pi * 18 * t));
        const double level = std::min(1.0, t / 0.2) * std::min(1.0, (length - t) / 0.5);
        double v = (0.7 * a.sine(f) + 0.35 * b.sine(f * 1.5 + 3)) * level;
        for (const auto& [start, pitch] : pings)
            v += 0.2 * bell(t - start, pitch, 2.0, 0.8, 0.15);
        s[i] = v;
    }
    return s;
}

Signal cosmo(int n, Random&, int)
{
    Signal s(static_cast<std::size_t>(n));
    const double partials[] = {880, 1108.7, 1318.5, 1661.2, 1975.5, 2637};
    const double flutter[] = {7.1, 9.3, 11.7, 8.2, 12.9, 10.4};
    for (int i = 0; i < n; ++i) {
        const double t = i / rate;
        double v = 0;
        for (int k = 0; k < 6; ++k) {
            const double tremolo = 0.5 + 0.5 * std::sin(2 * pi * flutter[k] * t + k);
            v += std::sin(2 * pi * partials[k] * t * (1 + 0.003 * std::sin(2 * pi * 5 * t))) * tremolo / (1 + 0.3 * k);
        }
        s[i] = v * envelope(t, 0.08, 0.35);
    }
    return s;
}

Signal cancelation(int n, Random& random, int)
{
    Signal s(static_cast<std::size_t>(n));
    Phase zap;
    Biquad tame(Biquad::lowpass);
    for (int i = 0; i < n; ++i) {
        const double t = i / rate;
        const double f = glide(t, 1500, 70, 0.85);
        const double ring = std::sin(2 * pi * 37 * t) > 0 ? 1.0 : -0.6;
        const double buzz = zap.saw(f) * ring + 0.3 * noise(random) * std::exp(-t / 0.1);
        s[i] = tame.run(buzz, 3200, 0.8) * envelope(t, 0.005, 0.35);
    }
    return s;
}

Signal obstacle(int n, Random& random, int)
{
    Signal s(static_cast<std::size_t>(n));
    Biquad knock(Biquad::bandpass), leaves(Biquad::highpass);
    // the ringing of a struck trunk
    const double modes[][3] = {
        {95, 0.35, 1.0}, {231, 0.25, 0.7}, {472, 0.15, 0.5}, {913, 0.08, 0.3}, {1534, 0.05, 0.2}};
    for (int i = 0; i < n; ++i) {
        const double t = i / rate;
        double v = knock.run(noise(random), 650, 1.2) * envelope(t, 0.001, 0.03) * 2.5;
        for (const auto& m : modes)
            v += m[2] * std::sin(2 * pi * m[0] * t) * envelope(t, 0.001, m[1]);
        const double rustle = random.real() < 0.5 ? noise(random) : 0.0;
        v += leaves.run(rustle, 3000, 0.7) * envelope(t - 0.05, 0.1, 0.45) * 0.35 *
             (0.6 + 0.4 * std::sin(2 * pi * 9 * t));
        s[i] = v;
    }
    return s;
}

const std::map<std::string_view, Maker> makers{
    {"Death1", deathcry},
    {"boop", boop},
    {"hurt", hurt},
    {"step", step},
    {"cast", cast},
    {"wall", wall},
    {"death", deathdrone},
    {"earth", earth},
    {"fire", fire},
    {"life", life},
    {"water", water},
    {"wind", wind},
    {"click", click},
    {"button", button},
    {"teleport", teleport},
    {"cosmo", cosmo},
    {"cancelation", cancelation},
    {"obstacle", obstacle},
};

}  // namespace

std::vector<float> synthesise(const hexbrawl::WaveEntry& entry)
{
    const auto found = makers.find(entry.name);
    if (found == makers.end())
        throw std::runtime_error("no sound for " + std::string(entry.name));
    const int frames = static_cast<int>(std::lround(entry.seconds * rate));
    Random random(seedfor(std::string(entry.name)));
    std::vector<Signal> channels;
    for (int c = 0; c < entry.channels; ++c)
        channels.push_back(found->second(frames, random, c));

    const int fadein = std::min(frames / 4, 22), fadeout = std::min(frames / 4, 220);
    for (Signal& s : channels)
        for (int i = 0; i < frames; ++i) {
            double fade = 1;
            if (i < fadein)
                fade = static_cast<double>(i) / fadein;
            if (frames - 1 - i < fadeout)
                fade = std::min(fade, static_cast<double>(frames - 1 - i) / fadeout);
            s[static_cast<std::size_t>(i)] *= fade;
        }
    double peak = 1e-9;
    for (const Signal& s : channels)
        for (double v : s)
            peak = std::max(peak, std::abs(v));
    const double gain = 0.85 / peak;
    std::vector<float> out(static_cast<std::size_t>(frames * entry.channels));
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < entry.channels; ++c)
            out[static_cast<std::size_t>(i * entry.channels + c)] =
                static_cast<float>(channels[static_cast<std::size_t>(c)][static_cast<std::size_t>(i)] * gain);
    return out;
}

}  // namespace assetgen

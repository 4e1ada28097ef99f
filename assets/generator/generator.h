// SPDX-License-Identifier: MIT
// The asset generator: draws every catalogue picture and the title, and
// synthesises every catalogue sound. All output depends only on the code:
// each picture and sound has its own seeded random source.
#pragma once

#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

#include "present/catalogues.h"

namespace assetgen {

// Small deterministic random source (SplitMix64).
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double real() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }  // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * real(); }
    int below(int n) { return static_cast<int>(real() * n); }

private:
    std::uint64_t state_;
};

// A seed made from a name, so that adding a picture does not change others.
std::uint64_t seedfor(const std::string& name);

// Pictures are drawn as ARGB32 images: pixels with alpha below one half
// become the entry's colour key when written, all others opaque.
QImage drawpicture(const hexbrawl::PictureEntry& entry);
QImage drawtree(const hexbrawl::PictureEntry& entry);
QImage drawgrass(const hexbrawl::PictureEntry& entry);
QImage drawwizard(const hexbrawl::PictureEntry& entry);
QImage drawtitle();

// Interleaved samples in -1..1 of exactly round(seconds x rate) frames.
std::vector<float> synthesise(const hexbrawl::WaveEntry& entry);

// Writers; they throw std::runtime_error when a file cannot be written.
void writebitmap(const std::string& path, const QImage& picture, const hexbrawl::PictureEntry& entry);
void writewave(const std::string& path, const std::vector<float>& samples, const hexbrawl::WaveEntry& entry);

}  // namespace assetgen

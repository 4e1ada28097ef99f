// SPDX-License-Identifier: MIT
// The built-in picture and sound catalogues: names, sizes and formats, and the
// look-up by name that every drawing and playing operation goes through.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace hexbrawl {

// Thrown by a failed look-up by name; abandons the handler in progress and is
// shown to the player as an error box by the front end.
class LookupError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct PictureEntry {
    int index;  // place in the catalogue, 0..51
    std::string_view name;
    int width, height;  // the whole picture
    int depth;  // bits per pixel of the stored bitmap: 8 or 24
    int patternwidth, patternheight;  // 0 means the picture's own size
    bool transparent;
    std::uint32_t key;  // colour key as 0x00RRGGBB

    int patternw() const { return patternwidth ? patternwidth : width; }
    int patternh() const { return patternheight ? patternheight : height; }
};

struct WaveEntry {
    int index;  // place in the catalogue, 0..17
    std::string_view name;
    int channels, bits;
    double seconds;  // length, to 0.01 s
    static constexpr int rate = 22050;
};

inline constexpr int picturecount = 52;
inline constexpr int wavecount = 18;

std::span<const PictureEntry, picturecount> pictures();
std::span<const WaveEntry, wavecount> waves();

// Case-insensitive, exact-length look-ups; they throw LookupError with
// "Image '%s' not found" or "Wave '%s' not found".
const PictureEntry& findimage(std::string_view name);
const WaveEntry& findwave(std::string_view name);

// The same look-ups without the error, for callers that only ask.
const PictureEntry* tryfindimage(std::string_view name);
const WaveEntry* tryfindwave(std::string_view name);

}  // namespace hexbrawl

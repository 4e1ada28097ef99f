// SPDX-License-Identifier: MIT
#include "present/palette.h"

namespace hexbrawl {
namespace {

constexpr std::uint32_t rgb(int r, int g, int b) { return static_cast<std::uint32_t>((r << 16) | (g << 8) | b); }

// A 6x6x6 colour cube (entry r*36 + g*6 + b, so black is entry 0) followed by
// forty hand-picked colours where the cube is too coarse for our pictures:
// greys, the greens of the ground tiles, wood and skin, flame and magic.
constexpr std::array<std::uint32_t, 40> extras{{
    // greys that the cube lacks; 24 is the "near black" of outlines
    rgb(24, 24, 24),
    rgb(17, 17, 17),
    rgb(34, 34, 34),
    rgb(68, 68, 68),
    rgb(85, 85, 85),
    rgb(119, 119, 119),
    rgb(136, 136, 136),
    rgb(170, 170, 170),
    rgb(187, 187, 187),
    rgb(221, 221, 221),
    rgb(238, 238, 238),
    // grass
    rgb(34, 85, 17),
    rgb(40, 92, 22),
    rgb(45, 100, 25),
    rgb(52, 112, 30),
    rgb(60, 125, 35),
    rgb(66, 118, 34),
    rgb(70, 135, 40),
    rgb(80, 145, 45),
    rgb(86, 130, 42),
    rgb(90, 155, 50),
    rgb(100, 165, 55),
    rgb(110, 150, 60),
    // wood, skin, earth
    rgb(120, 80, 40),
    rgb(140, 95, 50),
    rgb(90, 60, 30),
    rgb(165, 120, 70),
    rgb(230, 190, 150),
    rgb(200, 150, 110),
    rgb(70, 45, 25),
    rgb(185, 140, 90),
    // flame
    rgb(255, 140, 0),
    rgb(255, 190, 60),
    rgb(255, 230, 150),
    rgb(200, 60, 20),
    // violet and sky
    rgb(90, 40, 130),
    rgb(140, 80, 200),
    rgb(60, 20, 80),
    rgb(60, 120, 220),
    rgb(150, 200, 255),
}};

constexpr std::array<std::uint32_t, 256> build()
{
    std::array<std::uint32_t, 256> table{};
    constexpr int levels[6] = {0, 51, 102, 153, 204, 255};
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                table[static_cast<std::size_t>(r * 36 + g * 6 + b)] = rgb(levels[r], levels[g], levels[b]);
    for (std::size_t i = 0; i < extras.size(); ++i)
        table[216 + i] = extras[i];
    return table;
}

constexpr std::array<std::uint32_t, 256> table = build();

}  // namespace

std::array<std::uint32_t, 256> palette() { return table; }

}  // namespace hexbrawl

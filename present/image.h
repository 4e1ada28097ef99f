// SPDX-License-Identifier: MIT
// A decoded picture: 32-bit pixels 0xFFRRGGBB, row by row from the top.
#pragma once

#include <cstdint>
#include <vector>

namespace hexbrawl {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // width x height, top row first

    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace hexbrawl

// SPDX-License-Identifier: MIT
// Reader of the uncompressed device-independent bitmaps the pictures are stored as.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "present/decodeerror.h"
#include "present/image.h"

namespace hexbrawl {

struct Bitmap {
    Image image;
    int depth = 0;  // bits per pixel in the file: 8 or 24
    std::vector<std::uint32_t> colours;  // the colour table as 0x00RRGGBB; empty at 24 bits
};

// Accepts BI_RGB bitmaps of 8 (palettised) or 24 bits, bottom-up or top-down,
// with an info header of 40 bytes or one of its longer successors. Throws
// DecodeError for anything else or for data that does not add up.
Bitmap decodebitmap(std::span<const unsigned char> file);

}  // namespace hexbrawl

// SPDX-License-Identifier: MIT
// Decoder of the title picture, a baseline or progressive JPEG.
#pragma once

#include <span>

#include "present/decodeerror.h"
#include "present/image.h"

namespace hexbrawl {

// Colour or greyscale JPEG to 0xFFRRGGBB pixels. Throws DecodeError for data
// libjpeg refuses or warns about (a truncated file among them).
Image decodejpeg(std::span<const unsigned char> file);

}  // namespace hexbrawl

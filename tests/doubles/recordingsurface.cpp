// SPDX-License-Identifier: MIT
#include "tests/doubles/recordingsurface.h"

#include <cstdio>

namespace hexbrawl {

namespace {
std::string colourtext(std::uint32_t colour)
{
    char text[16];
    std::snprintf(text, sizeof text, "%06x", static_cast<unsigned>(colour & 0xFFFFFFu));
    return text;
}
}  // namespace

void RecordingSurface::clearsurface() { lines_.emplace_back("clearsurface"); }

void RecordingSurface::drawimage(const PictureEntry& picture, int x, int y)
{
    lines_.push_back("drawimage " + std::string(picture.name) + " " + std::to_string(x) + " " + std::to_string(y));
}

void RecordingSurface::stretchimage(const PictureEntry& picture, int left, int top, int right, int bottom)
{
    lines_.push_back("stretchimage " + std::string(picture.name) + " " + std::to_string(left) + " " +
                     std::to_string(top) + " " + std::to_string(right) + " " + std::to_string(bottom));
}

void RecordingSurface::drawellipse(int left, int top, int right, int bottom, std::uint32_t pen,
                                   std::optional<std::uint32_t> fill)
{
    lines_.push_back("drawellipse " + std::to_string(left) + " " + std::to_string(top) + " " + std::to_string(right) +
                     " " + std::to_string(bottom) + " pen " + colourtext(pen) + " fill " +
                     (fill ? colourtext(*fill) : std::string("none")));
}

void RecordingSurface::flipsurface() { lines_.emplace_back("flipsurface"); }

}  // namespace hexbrawl

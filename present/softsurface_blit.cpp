// SPDX-License-Identifier: MIT
#include "present/softsurface.h"

#include <algorithm>

namespace hexbrawl {
namespace {

using i64 = long long;

// A keyed pixel is left out; the key is 0x00RRGGBB, the picture's pixels 0xFFRRGGBB.
struct Keying {
    bool on;
    std::uint32_t key;
    bool skips(std::uint32_t pixel) const { return on && (pixel & 0xFFFFFFu) == key; }
};

}  // namespace

template <typename Part>
void SoftSurface::within(const Area& a, Part part) const
{
    if (a.empty())
        return;
    if (!clipping_) {
        part(a);
        return;
    }
    for (i64 band = a.top / cell; band <= (a.bottom - 1) / cell; ++band) {
        const std::uint8_t* row = redraw_.data() + band * cellcolumns;
        const i64 top = std::max(a.top, band * cell), bottom = std::min(a.bottom, band * cell + cell);
        for (i64 c = a.left / cell, last = (a.right - 1) / cell; c <= last;) {
            if (!row[c]) {
                ++c;
                continue;
            }
            const i64 from = c;
            while (c <= last && row[c])
                ++c;
            part(Area{std::max(a.left, from * cell), top, std::min(a.right, c * cell), bottom});
        }
    }
}

void SoftSurface::fillrow(i64 y, i64 from, i64 to, std::uint32_t colour) const
{
    if (y < 0 || y >= height)
        return;
    within({std::max<i64>(from, 0), y, std::min<i64>(to + 1, width), y + 1}, [&](const Area& a) {
        mark(a);
        std::fill_n(buffer_.data() + y * width + a.left, a.right - a.left, colour);
    });
}

void SoftSurface::opaque(const Tile& tile) const
{
    i64 sx0 = std::max<i64>(0, -i64{tile.x}), sx1 = std::min<i64>(tile.w, i64{width} - tile.x);
    i64 sy0 = std::max<i64>(0, -i64{tile.y}), sy1 = std::min<i64>(tile.h, i64{height} - tile.y);
    for (i64 sy = sy0; sy < sy1; ++sy) {
        const std::uint32_t* src = tile.image->pixels.data() + sy * tile.image->width;
        std::uint32_t* dst = buffer_.data() + (tile.y + sy) * width + tile.x;
        for (i64 sx = sx0; sx < sx1; ++sx)
            dst[sx] = src[sx] | 0xFF000000u;
    }
}

void SoftSurface::paintimage(const Call& call) const
{
    const PictureEntry& picture = *call.entry;
    const Image& image = *call.image;
    const i64 x = call.left, y = call.top;
    const Keying keying{picture.transparent, picture.key};
    within(extent(call), [&](const Area& a) {
        mark(a);
        for (i64 ty = a.top; ty < a.bottom; ++ty) {
            const std::uint32_t* src = image.pixels.data() + (ty - y) * image.width;
            std::uint32_t* dst = buffer_.data() + ty * width;
            if (!keying.on) {
                for (i64 tx = a.left; tx < a.right; ++tx)
                    dst[tx] = src[tx - x] | 0xFF000000u;
                continue;
            }
            for (i64 tx = a.left; tx < a.right; ++tx)
                if (!keying.skips(src[tx - x]))
                    dst[tx] = src[tx - x] | 0xFF000000u;
        }
    });
}

void SoftSurface::paintstretch(const Call& call) const
{
    const PictureEntry& picture = *call.entry;
    const Image& image = *call.image;
    const i64 left = call.left, top = call.top;
    const Keying keying{picture.transparent, picture.key};
    const i64 pw = patternwidth(picture, image), ph = patternheight(picture, image);
    const i64 w = call.right - left, h = call.bottom - top;
    const Area visible = extent(call);
    if (visible.empty())
        return;
    // Nearest neighbour: target column c of the rectangle samples column c x pw / w.
    columns_.resize(static_cast<std::size_t>(visible.right - visible.left));
    for (i64 x = visible.left; x < visible.right; ++x)
        columns_[static_cast<std::size_t>(x - visible.left)] = (x - left) * pw / w;
    within(visible, [&](const Area& a) {
        mark(a);
        const auto n = static_cast<std::size_t>(a.right - a.left);
        const long long* columns = columns_.data() + (a.left - visible.left);
        for (i64 y = a.top; y < a.bottom; ++y) {
            const std::uint32_t* src = image.pixels.data() + (y - top) * ph / h * image.width;
            std::uint32_t* dst = buffer_.data() + y * width + a.left;
            for (std::size_t i = 0; i < n; ++i) {
                const std::uint32_t p = src[columns[i]];
                if (!keying.skips(p))
                    dst[i] = p | 0xFF000000u;
            }
        }
    });
}

}  // namespace hexbrawl

// SPDX-License-Identifier: MIT
#include "present/bitmap.h"

#include <string>

namespace hexbrawl {
namespace {

constexpr std::size_t fileheadersize = 14;
constexpr std::size_t infoheadersize = 40;
constexpr std::uint32_t bi_rgb = 0;
constexpr std::int64_t maxside = 1 << 15;

std::uint32_t u16(std::span<const unsigned char> b, std::size_t at)
{
    return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}

std::uint32_t u32(std::span<const unsigned char> b, std::size_t at) { return u16(b, at) | (u16(b, at + 2) << 16); }

[[noreturn]] void fail(const std::string& why) { throw DecodeError("bitmap: " + why); }

}  // namespace

Bitmap decodebitmap(std::span<const unsigned char> file)
{
    if (file.size() < fileheadersize + infoheadersize)
        fail("too short for its headers");
    if (file[0] != 'B' || file[1] != 'M')
        fail("no BM signature");
    const std::uint32_t dataoffset = u32(file, 10);
    const std::uint32_t headersize = u32(file, 14);
    if (headersize < infoheadersize || headersize > file.size() - fileheadersize)
        fail("unsupported info header");

    const auto width = static_cast<std::int32_t>(u32(file, 18));
    const auto rawheight = static_cast<std::int32_t>(u32(file, 22));
    const std::uint32_t planes = u16(file, 26);
    const std::uint32_t depth = u16(file, 28);
    const std::uint32_t compression = u32(file, 30);
    const std::uint32_t colorsused = u32(file, 46);

    if (planes != 1)
        fail("plane count is not 1");
    if (depth != 8 && depth != 24)
        fail("only 8 and 24 bits per pixel are read, not " + std::to_string(depth));
    if (compression != bi_rgb)
        fail("compressed bitmaps are not read");
    const bool topdown = rawheight < 0;
    const std::int64_t height = topdown ? -static_cast<std::int64_t>(rawheight) : rawheight;
    if (width <= 0 || height <= 0 || width > maxside || height > maxside)
        fail("bad size");

    Bitmap result;
    result.depth = static_cast<int>(depth);
    if (depth == 8) {
        const std::uint32_t count = colorsused == 0 ? 256 : colorsused;
        if (count > 256)
            fail("colour table too long");
        const std::size_t tableat = fileheadersize + headersize;
        if (static_cast<std::uint64_t>(tableat) + std::uint64_t{count} * 4 > dataoffset || dataoffset > file.size())
            fail("colour table does not fit before the pixels");
        result.colours.resize(count);
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t at = tableat + std::size_t{i} * 4;
            result.colours[i] = (std::uint32_t{file[at + 2]} << 16) | (std::uint32_t{file[at + 1]} << 8) | file[at];
        }
    }

    const std::uint64_t bytesperpixel = depth / 8;
    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bytesperpixel + 3) & ~std::uint64_t{3};
    const std::uint64_t needed = stride * static_cast<std::uint64_t>(height);
    if (dataoffset < fileheadersize + headersize || dataoffset > file.size() || needed > file.size() - dataoffset)
        fail("pixel data truncated");

    Image& image = result.image;
    image.width = width;
    image.height = static_cast<int>(height);
    image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < image.height; ++y) {
        const int row = topdown ? y : image.height - 1 - y;
        const std::size_t rowat = dataoffset + static_cast<std::size_t>(row) * stride;
        std::uint32_t* out = &image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width)];
        for (int x = 0; x < width; ++x) {
            std::uint32_t rgb;
            if (depth == 8) {
                const unsigned char index = file[rowat + static_cast<std::size_t>(x)];
                if (index >= result.colours.size())
                    fail("pixel outside the colour table");
                rgb = result.colours[index];
            } else {
                const std::size_t at = rowat + static_cast<std::size_t>(x) * 3;
                rgb = (std::uint32_t{file[at + 2]} << 16) | (std::uint32_t{file[at + 1]} << 8) | file[at];
            }
            out[x] = 0xFF000000u | rgb;
        }
    }
    return result;
}

}  // namespace hexbrawl

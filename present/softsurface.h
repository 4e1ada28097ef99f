// SPDX-License-Identifier: MIT
// The arena's drawing surface in plain memory: a 750 x 750 back buffer the game
// draws on, handed to whoever presents it at every flip. No window system here, so
// the same drawing runs in the window, in the tests and in the benchmarks.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "present/image.h"
#include "present/ports.h"

namespace hexbrawl {

// Gives the decoded picture of a catalogue entry (the image bank in the program).
// Pictures may change between frames; the surface notices, as it keeps none.
using PictureSource = std::function<const Image&(const PictureEntry&)>;

// Converts a colour of the game (0x00BBGGRR) to a buffer pixel (0xFFRRGGBB).
constexpr std::uint32_t bufferpixel(std::uint32_t bgr)
{
    return 0xFF000000u | (bgr & 0xFFu) << 16 | (bgr & 0xFF00u) | (bgr >> 16 & 0xFFu);
}

class SoftSurface final : public Surface {
public:
    static constexpr int width = 750;
    static constexpr int height = 750;

    // Receives the finished frame: width x height pixels 0xFFRRGGBB, top row first,
    // laid out so that a QImage of Format_RGB32 can wrap it without copying.
    using Presenter = std::function<void(const std::uint32_t* pixels, int w, int h)>;

    explicit SoftSurface(PictureSource source);

    void setpresenter(Presenter presenter) { presenter_ = std::move(presenter); }

    void clearsurface() override;
    void drawimage(const PictureEntry& picture, int x, int y) override;
    void stretchimage(const PictureEntry& picture, int left, int top, int right, int bottom) override;
    // The ellipse inscribed in the rectangle (right and bottom exclusive): a one-pixel
    // outline in the pen colour around an inside in the fill colour, if any.
    void drawellipse(int left, int top, int right, int bottom, std::uint32_t pen,
                     std::optional<std::uint32_t> fill) override;
    void flipsurface() override;

    // Reading the pixels first finishes the drawing held back.
    const std::uint32_t* pixels() const
    {
        settle();
        return buffer_.data();
    }
    std::uint32_t pixel(int x, int y) const
    {
        settle();
        return buffer_[static_cast<std::size_t>(y) * width + x];
    }
    long frames() const { return frames_; }

private:
    // Two kinds of drawing are held back until something else is drawn or the
    // pixels are read, because together they cost far less than one by one:
    // - the opaque pictures right after a clear (the ground): when they are the
    //   same pictures at the same places as last time, the frame they made then is
    //   copied back whole;
    // - a run of ellipses: drawn row by row from the last to the first, each pixel
    //   written only by the ellipse that is on top of it.
    struct Tile {
        const Image* image;
        int w, h, x, y;
        bool operator==(const Tile&) const = default;
    };
    struct Ellipse {
        long long left, top, right, bottom;
        std::uint32_t pen;
        std::optional<std::uint32_t> fill;
    };
    struct Ground {
        bool pending = false;  // a clear, then only tiles so far
        std::vector<Tile> tiles;  // since the clear
        std::vector<Tile> kepttiles;  // those that made `kept`
        std::vector<std::pair<const Image*, std::uint64_t>> keptprints;  // their pictures' contents
        std::vector<std::uint32_t> kept;  // the frame they made
    };

    void settle() const
    {
        if (ground_.pending)
            settleground();
        if (!ellipses_.empty())
            settleellipses();
    }
    void settleground() const;
    void settleellipses() const;
    std::vector<std::pair<const Image*, std::uint64_t>> prints(const std::vector<Tile>& tiles) const;
    void opaque(const Tile& tile) const;
    void fillrow(long long y, long long from, long long to, std::uint32_t colour) const;

    PictureSource source_;
    Presenter presenter_;
    mutable std::vector<std::uint32_t> buffer_;
    mutable Ground ground_;
    mutable std::vector<Ellipse> ellipses_;
    std::vector<long long> columns_;  // a stretch's source column for each target column
    long frames_ = 0;
};

}  // namespace hexbrawl

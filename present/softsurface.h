// SPDX-License-Identifier: MIT
// The arena's drawing surface in plain memory: a 750 x 750 back buffer the game
// draws on, handed to whoever presents it at every flip together with the part of
// it that changed since the flip before. No window system here, so the same drawing
// runs in the window, in the tests and in the benchmarks.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "present/image.h"
#include "present/ports.h"

namespace hexbrawl {

// Gives the decoded picture of a catalogue entry (the image bank in the program).
// A picture handed out stays as it is while the surface lives: the surface tells
// pictures apart by their address, and draws again what a different one covers.
using PictureSource = std::function<const Image&(const PictureEntry&)>;

// Converts a colour of the game (0x00BBGGRR) to a buffer pixel (0xFFRRGGBB).
constexpr std::uint32_t bufferpixel(std::uint32_t bgr)
{
    return 0xFF000000u | (bgr & 0xFFu) << 16 | (bgr & 0xFF00u) | (bgr >> 16 & 0xFFu);
}

// A rectangle of the surface, right and bottom exclusive.
struct SurfaceRect {
    int left, top, right, bottom;
    bool operator==(const SurfaceRect&) const = default;
};

class SoftSurface final : public Surface {
public:
    static constexpr int width = Surface::size;
    static constexpr int height = Surface::size;

    // A finished frame: width x height pixels 0xFFRRGGBB, top row first, laid out so
    // that a QImage of Format_RGB32 can wrap it without copying. `changed` holds
    // every pixel that differs from the frame handed to the presenter before, in a
    // few rectangles: none when nothing changed, the whole surface the first time.
    struct Flip {
        const std::uint32_t* pixels;
        int width, height;
        std::span<const SurfaceRect> changed;
    };
    using Presenter = std::function<void(const Flip&)>;

    explicit SoftSurface(PictureSource source);

    // A new presenter has seen nothing yet: its first flip is the whole frame.
    void setpresenter(Presenter presenter)
    {
        presenter_ = std::move(presenter);
        presented_ = false;
    }

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
    // Drawing is held back until the pixels are read or the frame is flipped:
    // - the opaque pictures right after a clear (the ground): when they are the
    //   same pictures at the same places as when the kept ground was laid, that
    //   ground is copied back, and only where something was drawn on it since;
    // - everything drawn on the ground: on the same ground, with the same pictures,
    //   only the cells under the calls that differ from the frame before are drawn
    //   again (the ground copied back there first), and when none differ nothing
    //   is drawn at all: the buffer holds the frame already;
    // - a run of ellipses is drawn row by row from the last to the first, each
    //   pixel written only by the ellipse that is on top of it.
    //
    // Every write on top of the ground marks the cells of 8 x 8 pixels it touches,
    // and at the flip only the cells written since the flip before are compared
    // with the frame shown then.
    struct Tile {
        const Image* image;
        int w, h, x, y;
        bool operator==(const Tile&) const = default;
    };
    struct Call {
        enum class Kind : std::uint8_t { image, stretch, ellipse };
        Kind kind;
        const PictureEntry* entry;  // none for an ellipse
        const Image* image;
        int left, top, right, bottom;  // an image's place in left and top
        std::uint32_t pen, fill;
        bool filled;
        bool operator==(const Call&) const = default;
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
        std::vector<std::uint32_t> kept;  // the frame they made
    };

    static constexpr int cell = 8;
    static constexpr int cellcolumns = (width + cell - 1) / cell;
    static constexpr int cellrows = (height + cell - 1) / cell;
    // The marks of a cell: written since the last flip, since the ground was laid.
    static constexpr std::uint8_t sinceflip = 1, sinceground = 2;

    // A rectangle of pixels, right and bottom exclusive.
    struct Area {
        long long left, top, right, bottom;
        bool empty() const { return left >= right || top >= bottom; }
    };

    void settle() const
    {
        if (ground_.pending || !calls_.empty())
            settleheld();
    }
    void settleheld() const;
    // Sets in `redraw_` the cells under the calls of this frame and of the frame
    // before that the other one does not have in the same order.
    void differing() const;
    // The part of pattern 0 that the picture really has (a broken picture may be
    // smaller than its entry says).
    static int patternwidth(const PictureEntry& entry, const Image& image);
    static int patternheight(const PictureEntry& entry, const Image& image);
    // The pixels a call may write, clipped to the surface.
    static Area extent(const Call& call);
    // Calls `part(area)` for the parts of the area in the cells drawn again, or
    // for the whole area when every cell is drawn.
    template <typename Part>
    void within(const Area& area, Part part) const;
    void play(const std::vector<Call>& calls) const;
    void paintimage(const Call& call) const;
    void paintstretch(const Call& call) const;
    void settleellipses() const;
    void opaque(const Tile& tile) const;
    void fillrow(long long y, long long from, long long to, std::uint32_t colour) const;
    // After a ground is laid: the whole buffer is new, and it is the kept ground
    // when `kept`.
    void laidground(bool kept) const;
    // Sets the cells under an area already clipped to the surface.
    static void fillcells(std::vector<std::uint8_t>& cells, const Area& area, std::uint8_t value);
    void mark(const Area& area) const;
    // Calls `run(band, from, to)` for every run of cells [from, to) in a band (a
    // row of cells) that carry `bit`.
    template <typename Run>
    static void runs(const std::vector<std::uint8_t>& cells, std::uint8_t bit, Run run);
    // The pixels of a run of cells, row by row: `row(offset, count)` in the buffer.
    template <typename Row>
    static void rows(int band, int from, int to, Row row);
    // Copies `from` into the buffer in the cells of `redraw_` that carry `bit`.
    void copyback(const std::vector<std::uint32_t>& from, std::uint8_t bit) const;
    // Brings the frame shown up to date in the cells that changed, and lists them.
    void findchanges();

    PictureSource source_;
    mutable std::vector<std::uint32_t> buffer_;
    mutable Ground ground_;
    mutable std::vector<Call> calls_;  // held back
    mutable std::vector<Call> played_;  // the calls on the ground, last time it was laid or copied back
    mutable bool playedvalid_ = false;  // the buffer is the kept ground and `played_` on it
    mutable std::vector<Ellipse> ellipses_;
    mutable std::vector<long long> columns_;  // a stretch's source column for each target column
    long frames_ = 0;

    mutable std::vector<std::uint8_t> marks_;  // per cell, row by row
    mutable std::vector<std::uint8_t> redraw_;  // per cell: drawn again in this frame
    mutable bool clipping_ = false;  // drawing only in the cells of `redraw_`
    mutable bool marked_ = false;  // some cell since the last flip
    // The buffer may differ anywhere from the frame shown (a new ground, a clear).
    mutable bool whole_ = true;
    // The buffer holds the kept ground wherever no cell is marked `sinceground`.
    mutable bool groundintact_ = false;
    Presenter presenter_;
    bool presented_ = false;  // `shown_` is what the presenter has
    std::vector<std::uint32_t> shown_;
    std::vector<std::uint8_t> differs_;  // per cell, at the flip
    std::vector<SurfaceRect> changed_;
};

}  // namespace hexbrawl

// The arena's drawing surface in plain memory: a 750 x 750 back buffer the game
// draws on, handed to whoever presents it at every flip. No window system here, so
// the same drawing runs in the window, in the tests and in the benchmarks.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "present/image.h"
#include "present/ports.h"

namespace hexbrawl {

// Gives the decoded picture of a catalogue entry (the image bank in the program).
using PictureSource = std::function<const Image&(const PictureEntry&)>;

// Converts a colour of the game (0x00BBGGRR) to a buffer pixel (0xFFRRGGBB).
constexpr std::uint32_t bufferpixel(std::uint32_t bgr) {
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

    const std::uint32_t* pixels() const { return buffer_.data(); }
    std::uint32_t pixel(int x, int y) const { return buffer_[static_cast<std::size_t>(y) * width + x]; }
    long frames() const { return frames_; }

private:
    void fillrow(long long y, long long from, long long to, std::uint32_t colour);

    PictureSource source_;
    Presenter presenter_;
    std::vector<std::uint32_t> buffer_;
    long frames_ = 0;
};

// Writes every drawing call down as one line of text instead of drawing, so that
// tests can check what a frame consists of and in which order, e.g.
// "drawimage tree1 10 20" or "drawellipse 0 0 9 9 pen 0000ff fill none".
class RecordingSurface final : public Surface {
public:
    void clearsurface() override;
    void drawimage(const PictureEntry& picture, int x, int y) override;
    void stretchimage(const PictureEntry& picture, int left, int top, int right, int bottom) override;
    void drawellipse(int left, int top, int right, int bottom, std::uint32_t pen,
                     std::optional<std::uint32_t> fill) override;
    void flipsurface() override;

    const std::vector<std::string>& lines() const { return lines_; }
    void clear() { lines_.clear(); }

private:
    std::vector<std::string> lines_;
};

}  // namespace hexbrawl

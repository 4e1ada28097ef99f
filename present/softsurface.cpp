#include "present/softsurface.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace hexbrawl {
namespace {

using i64 = long long;

// The part of pattern 0 that the picture really has (a broken picture may be
// smaller than its entry says).
int patternwidth(const PictureEntry& entry, const Image& image) {
    return std::min(entry.patternw(), image.width);
}
int patternheight(const PictureEntry& entry, const Image& image) {
    return std::min(entry.patternh(), image.height);
}

// A keyed pixel is left out; the key is 0x00RRGGBB, the picture's pixels 0xFFRRGGBB.
struct Keying {
    bool on;
    std::uint32_t key;
    bool skips(std::uint32_t pixel) const { return on && (pixel & 0xFFFFFFu) == key; }
};

// One row of an ellipse: the columns [from, to] it covers; empty when from > to.
struct Span {
    i64 from = 1, to = 0;
    bool empty() const { return from > to; }
};

// The rows of the ellipse inscribed in [left, right) x [top, bottom): a pixel belongs
// to it when its centre lies inside the ellipse through the rectangle's edges.
class EllipseRows {
public:
    EllipseRows(i64 left, i64 top, i64 right, i64 bottom)
        : left_(left), top_(top), right_(right), bottom_(bottom),
          cx_((static_cast<double>(left) + static_cast<double>(right)) / 2),
          cy_((static_cast<double>(top) + static_cast<double>(bottom)) / 2),
          rx_(static_cast<double>(right - left) / 2), ry_(static_cast<double>(bottom - top) / 2) {}

    Span row(i64 y) const {
        Span span;
        if (y < top_ || y >= bottom_) return span;
        double dy = (static_cast<double>(y) + 0.5 - cy_) / ry_;
        double q = 1 - dy * dy;
        if (q < 0) return span;
        double half = rx_ * std::sqrt(q);
        span.from = std::max(left_, toint(std::ceil(cx_ - half - 0.5)));
        span.to = std::min(right_ - 1, toint(std::floor(cx_ + half - 0.5)));
        return span;
    }

private:
    // Far-off values only need to stay far off; keep the conversion defined.
    static i64 toint(double v) { return static_cast<i64>(std::clamp(v, -1e15, 1e15)); }

    i64 left_, top_, right_, bottom_;
    double cx_, cy_, rx_, ry_;
};

}  // namespace

SoftSurface::SoftSurface(PictureSource source)
    : source_(std::move(source)), buffer_(static_cast<std::size_t>(width) * height, 0xFF000000u) {}

void SoftSurface::clearsurface() { std::fill(buffer_.begin(), buffer_.end(), 0xFF000000u); }

void SoftSurface::fillrow(i64 y, i64 from, i64 to, std::uint32_t colour) {
    if (y < 0 || y >= height) return;
    from = std::max<i64>(from, 0);
    to = std::min<i64>(to, width - 1);
    if (from > to) return;
    auto row = buffer_.begin() + static_cast<std::ptrdiff_t>(y * width);
    std::fill(row + from, row + to + 1, colour);
}

void SoftSurface::drawimage(const PictureEntry& picture, int x, int y) {
    const Image& image = source_(picture);
    Keying keying{picture.transparent, picture.key};
    i64 pw = patternwidth(picture, image), ph = patternheight(picture, image);
    // The visible part, in picture coordinates.
    i64 sx0 = std::max<i64>(0, -static_cast<i64>(x)), sx1 = std::min<i64>(pw, i64{width} - x);
    i64 sy0 = std::max<i64>(0, -static_cast<i64>(y)), sy1 = std::min<i64>(ph, i64{height} - y);
    for (i64 sy = sy0; sy < sy1; ++sy) {
        const std::uint32_t* src = image.pixels.data() + sy * image.width;
        std::uint32_t* dst = buffer_.data() + (y + sy) * width;
        for (i64 sx = sx0; sx < sx1; ++sx)
            if (!keying.skips(src[sx])) dst[x + sx] = src[sx] | 0xFF000000u;
    }
}

void SoftSurface::stretchimage(const PictureEntry& picture, int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    const Image& image = source_(picture);
    Keying keying{picture.transparent, picture.key};
    i64 pw = patternwidth(picture, image), ph = patternheight(picture, image);
    if (pw <= 0 || ph <= 0) return;
    i64 w = i64{right} - left, h = i64{bottom} - top;
    i64 x0 = std::max<i64>(left, 0), x1 = std::min<i64>(right, width);
    i64 y0 = std::max<i64>(top, 0), y1 = std::min<i64>(bottom, height);
    // Nearest neighbour: target column c of the rectangle samples column c x pw / w.
    for (i64 y = y0; y < y1; ++y) {
        i64 sy = (y - top) * ph / h;
        const std::uint32_t* src = image.pixels.data() + sy * image.width;
        std::uint32_t* dst = buffer_.data() + y * width;
        for (i64 x = x0; x < x1; ++x) {
            std::uint32_t p = src[(x - left) * pw / w];
            if (!keying.skips(p)) dst[x] = p | 0xFF000000u;
        }
    }
}

void SoftSurface::drawellipse(int left, int top, int right, int bottom, std::uint32_t pen,
                              std::optional<std::uint32_t> fill) {
    i64 l = std::min(left, right), r = std::max(left, right);
    i64 t = std::min(top, bottom), b = std::max(top, bottom);
    if (l == r || t == b) return;
    EllipseRows rows(l, t, r, b);
    std::uint32_t pencolour = bufferpixel(pen);
    i64 y0 = std::max<i64>(t, 0), y1 = std::min<i64>(b, height);
    if (y0 >= y1) return;
    Span above = rows.row(y0 - 1), here = rows.row(y0);
    for (i64 y = y0; y < y1; ++y) {
        Span below = rows.row(y + 1);
        if (!here.empty()) {
            // The outline is every pixel of the ellipse with a neighbour outside it;
            // the rest of the row is inside. Rows are solid, so both are runs.
            i64 in0 = std::max({here.from + 1, above.from, below.from});
            i64 in1 = std::min({here.to - 1, above.to, below.to});
            if (above.empty() || below.empty() || in0 > in1) {
                fillrow(y, here.from, here.to, pencolour);
            } else {
                fillrow(y, here.from, in0 - 1, pencolour);
                fillrow(y, in1 + 1, here.to, pencolour);
                if (fill) fillrow(y, in0, in1, bufferpixel(*fill));
            }
        }
        above = here;
        here = below;
    }
}

void SoftSurface::flipsurface() {
    ++frames_;
    if (presenter_) presenter_(buffer_.data(), width, height);
}

namespace {
std::string colourtext(std::uint32_t colour) {
    char text[16];
    std::snprintf(text, sizeof text, "%06x", static_cast<unsigned>(colour & 0xFFFFFFu));
    return text;
}
}  // namespace

void RecordingSurface::clearsurface() { lines_.emplace_back("clearsurface"); }

void RecordingSurface::drawimage(const PictureEntry& picture, int x, int y) {
    lines_.push_back("drawimage " + std::string(picture.name) + " " + std::to_string(x) + " " +
                     std::to_string(y));
}

void RecordingSurface::stretchimage(const PictureEntry& picture, int left, int top, int right,
                                    int bottom) {
    lines_.push_back("stretchimage " + std::string(picture.name) + " " + std::to_string(left) + " " +
                     std::to_string(top) + " " + std::to_string(right) + " " + std::to_string(bottom));
}

void RecordingSurface::drawellipse(int left, int top, int right, int bottom, std::uint32_t pen,
                                   std::optional<std::uint32_t> fill) {
    lines_.push_back("drawellipse " + std::to_string(left) + " " + std::to_string(top) + " " +
                     std::to_string(right) + " " + std::to_string(bottom) + " pen " + colourtext(pen) +
                     " fill " + (fill ? colourtext(*fill) : std::string("none")));
}

void RecordingSurface::flipsurface() { lines_.emplace_back("flipsurface"); }

}  // namespace hexbrawl

// SPDX-License-Identifier: MIT
#include "present/softsurface.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace hexbrawl {
namespace {

using i64 = long long;

// The part of pattern 0 that the picture really has (a broken picture may be
// smaller than its entry says).
int patternwidth(const PictureEntry& entry, const Image& image) { return std::min(entry.patternw(), image.width); }
int patternheight(const PictureEntry& entry, const Image& image) { return std::min(entry.patternh(), image.height); }

// A keyed pixel is left out; the key is 0x00RRGGBB, the picture's pixels 0xFFRRGGBB.
struct Keying {
    bool on;
    std::uint32_t key;
    bool skips(std::uint32_t pixel) const { return on && (pixel & 0xFFFFFFu) == key; }
};

// One row of an ellipse: the columns [from, to] it covers; empty when from > to.
constexpr i64 unknown = std::numeric_limits<i64>::min();

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
          cy_((static_cast<double>(top) + static_cast<double>(bottom)) / 2), rx_(static_cast<double>(right - left) / 2),
          ry_(static_cast<double>(bottom - top) / 2)
    {}

    Span row(i64 y) const
    {
        Span span;
        if (y < top_ || y >= bottom_)
            return span;
        double dy = (static_cast<double>(y) + 0.5 - cy_) / ry_;
        double q = 1 - dy * dy;
        if (q < 0)
            return span;
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

// A rectangle of cells, right and bottom exclusive.
struct Box {
    int left, top, right, bottom;
    i64 area() const { return i64{right - left} * (bottom - top); }
};

Box hull(const Box& a, const Box& b)
{
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// The cells that the hull of the two covers and neither of them does.
i64 waste(const Box& a, const Box& b)
{
    const i64 across = std::max(0, std::min(a.right, b.right) - std::max(a.left, b.left));
    const i64 down = std::max(0, std::min(a.bottom, b.bottom) - std::max(a.top, b.top));
    return hull(a, b).area() - a.area() - b.area() + across * down;
}

// Each rectangle handed to the window system costs about as much as this many
// cells shown more; and a handful is enough for any frame.
constexpr i64 rectanglecost = 64;
constexpr std::size_t mostrectangles = 8;

// Adds a box to the rectangles, merged with the one it adds least to when that is
// cheap or when there are enough of them already.
void gather(std::vector<Box>& boxes, Box box)
{
    for (;;) {
        std::size_t best = boxes.size();
        i64 least = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i)
            if (const i64 w = waste(boxes[i], box); best == boxes.size() || w < least) {
                best = i;
                least = w;
            }
        if (best == boxes.size() || (least > rectanglecost && boxes.size() < mostrectangles)) {
            boxes.push_back(box);
            return;
        }
        box = hull(boxes[best], box);
        boxes.erase(boxes.begin() + static_cast<std::ptrdiff_t>(best));
    }
}

// The pictures a list of drawing calls or tiles uses, in order, with repeats.
template <typename Drawn>
std::vector<const Image*> picturesof(const std::vector<Drawn>& drawn)
{
    std::vector<const Image*> out;
    out.reserve(drawn.size());
    for (const Drawn& d : drawn)
        out.push_back(d.image);
    return out;
}

}  // namespace

SoftSurface::SoftSurface(PictureSource source)
    : source_(std::move(source)), buffer_(static_cast<std::size_t>(width) * height, 0xFF000000u),
      marks_(static_cast<std::size_t>(cellcolumns) * cellrows, 0), redraw_(marks_.size(), 0), differs_(marks_.size(), 0)
{}

void SoftSurface::fillcells(std::vector<std::uint8_t>& cells, const Area& a, std::uint8_t value)
{
    for (i64 band = a.top / cell; band <= (a.bottom - 1) / cell; ++band) {
        std::uint8_t* row = cells.data() + band * cellcolumns;
        std::fill(row + a.left / cell, row + (a.right - 1) / cell + 1, value);
    }
}

void SoftSurface::mark(const Area& a) const
{
    // Both marks at once: the cell holds the same whatever it held before.
    fillcells(marks_, a, sinceflip | sinceground);
    marked_ = true;
}

SoftSurface::Area SoftSurface::extent(const Call& call)
{
    i64 right = call.right, bottom = call.bottom;
    if (call.kind == Call::Kind::image) {
        right = i64{call.left} + patternwidth(*call.entry, *call.image);
        bottom = i64{call.top} + patternheight(*call.entry, *call.image);
    }
    return {std::max<i64>(call.left, 0), std::max<i64>(call.top, 0), std::min<i64>(right, width),
            std::min<i64>(bottom, height)};
}

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

template <typename Run>
void SoftSurface::runs(const std::vector<std::uint8_t>& cells, std::uint8_t bit, Run run)
{
    for (int band = 0; band < cellrows; ++band) {
        const std::uint8_t* row = cells.data() + static_cast<std::size_t>(band) * cellcolumns;
        for (int c = 0; c < cellcolumns;) {
            if (!(row[c] & bit)) {
                ++c;
                continue;
            }
            const int from = c;
            while (c < cellcolumns && (row[c] & bit))
                ++c;
            run(band, from, c);
        }
    }
}

template <typename Row>
void SoftSurface::rows(int band, int from, int to, Row row)
{
    const int x0 = from * cell, x1 = std::min(to * cell, width);
    for (int y = band * cell; y < std::min(band * cell + cell, height); ++y)
        row(static_cast<std::size_t>(y) * width + x0, static_cast<std::size_t>(x1 - x0));
}

void SoftSurface::clearsurface()
{
    // Whatever was held back would be covered anyway.
    calls_.clear();
    ground_.tiles.clear();
    ground_.pending = true;
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

void SoftSurface::settleheld() const
{
    if (!ground_.pending) {
        // Drawn on a frame already finished: the buffer is no longer just the
        // ground and the calls played on it.
        play(calls_);
        calls_.clear();
        playedvalid_ = false;
        return;
    }
    Ground& g = ground_;
    g.pending = false;
    bool again = false;  // the frame before drawn again where it differs
    // A few tiles are quicker drawn than compared and kept.
    constexpr std::size_t worthkeeping = 64;
    if (g.tiles.size() >= worthkeeping && g.tiles == g.kepttiles && g.keptpictures.same()) {
        again = groundintact_ && playedvalid_ && playedpictures_.same();
        if (again && calls_ == played_) {
            // The same frame as before: the buffer holds it already.
            calls_.clear();
            return;
        }
        if (groundintact_) {
            if (again)
                differing();
            else
                std::fill(redraw_.begin(), redraw_.end(), 1);
            // The ground back where something was drawn on it in the cells drawn
            // again; that is a change too.
            for (std::size_t i = 0; i < marks_.size(); ++i)
                if (redraw_[i] && (marks_[i] & sinceground))
                    redraw_[i] = 2;
            runs(redraw_, 2, [&](int band, int from, int to) {
                rows(band, from, to,
                     [&](std::size_t at, std::size_t n) { std::copy_n(g.kept.data() + at, n, buffer_.data() + at); });
            });
            for (std::size_t i = 0; i < marks_.size(); ++i)
                if (redraw_[i])
                    marks_[i] = marks_[i] ? sinceflip : 0;
            marked_ = true;
        } else {
            std::copy(g.kept.begin(), g.kept.end(), buffer_.begin());
            laidground(true);
        }
    } else {
        std::fill(buffer_.begin(), buffer_.end(), 0xFF000000u);
        for (const Tile& tile : g.tiles)
            opaque(tile);
        const bool keep = g.tiles.size() >= worthkeeping;
        laidground(keep);
        if (keep) {
            g.kept = buffer_;
            g.keptpictures.keep(picturesof(g.tiles), false);
            std::swap(g.kepttiles, g.tiles);
        }
        g.tiles.clear();
    }
    clipping_ = again;
    play(calls_);
    clipping_ = false;
    std::swap(played_, calls_);
    calls_.clear();
    playedvalid_ = groundintact_;
    if (playedvalid_)
        playedpictures_.keep(picturesof(played_), again);
}

void SoftSurface::differing() const
{
    // The calls of the two frames are paired in order where they are the same;
    // a cell under none of the others gets the same calls in the same order, so
    // the same pixels. A call is looked for a few places ahead, so that one shot
    // more or less does not unpair everything after it.
    std::fill(redraw_.begin(), redraw_.end(), 0);
    const auto cover = [&](const Call& call) {
        if (const Area a = extent(call); !a.empty())
            fillcells(redraw_, a, 1);
    };
    constexpr std::size_t lookahead = 8;
    const std::size_t now = calls_.size(), before = played_.size();
    std::size_t i = 0, j = 0;  // in played_, in calls_
    while (i < before && j < now) {
        if (played_[i] == calls_[j]) {
            ++i, ++j;
            continue;
        }
        std::size_t gone = 0, come = 0;  // calls dropped from the frame before, calls new in this one
        for (std::size_t d = 1; d <= lookahead && !gone && !come; ++d) {
            if (i + d < before && played_[i + d] == calls_[j])
                gone = d;
            else if (j + d < now && played_[i] == calls_[j + d])
                come = d;
        }
        if (!gone && !come)
            gone = come = 1;
        for (; gone; --gone)
            cover(played_[i++]);
        for (; come; --come)
            cover(calls_[j++]);
    }
    for (; i < before; ++i)
        cover(played_[i]);
    for (; j < now; ++j)
        cover(calls_[j]);
}

void SoftSurface::laidground(bool kept) const
{
    whole_ = true;
    groundintact_ = kept;
    std::fill(marks_.begin(), marks_.end(), 0);
}

void SoftSurface::play(const std::vector<Call>& calls) const
{
    for (const Call& c : calls) {
        if (c.kind == Call::Kind::ellipse) {
            ellipses_.push_back(
                {c.left, c.top, c.right, c.bottom, c.pen, c.filled ? std::optional(c.fill) : std::nullopt});
            continue;
        }
        if (!ellipses_.empty())
            settleellipses();
        if (c.kind == Call::Kind::image)
            paintimage(c);
        else
            paintstretch(c);
    }
    if (!ellipses_.empty())
        settleellipses();
}

bool SoftSurface::Copies::same() const
{
    return std::all_of(copies_.begin(), copies_.end(), [](const Copy& c) {
        return c.image->width == c.width && c.image->height == c.height && c.image->pixels == c.pixels;
    });
}

void SoftSurface::Copies::keep(const std::vector<const Image*>& pictures, bool current)
{
    std::vector<Copy> kept;
    for (const Image* picture : pictures) {
        const auto of = [&](const Copy& c) { return c.image == picture; };
        if (!picture || std::any_of(kept.begin(), kept.end(), of))
            continue;
        auto old = std::find_if(copies_.begin(), copies_.end(), of);
        if (old != copies_.end() && (current || (old->width == picture->width && old->height == picture->height &&
                                                 old->pixels == picture->pixels)))
            kept.push_back(std::move(*old));
        else
            kept.push_back({picture, picture->width, picture->height, picture->pixels});
    }
    copies_ = std::move(kept);
}

void SoftSurface::drawimage(const PictureEntry& picture, int x, int y)
{
    const Image& image = source_(picture);
    const int pw = patternwidth(picture, image), ph = patternheight(picture, image);
    if (!picture.transparent && ground_.pending && calls_.empty() && pw > 0 && ph > 0) {
        ground_.tiles.push_back({&image, pw, ph, x, y});
        return;
    }
    calls_.push_back({Call::Kind::image, &picture, &image, x, y, 0, 0, 0, 0, false});
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

void SoftSurface::stretchimage(const PictureEntry& picture, int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    const Image& image = source_(picture);
    if (patternwidth(picture, image) <= 0 || patternheight(picture, image) <= 0)
        return;
    calls_.push_back({Call::Kind::stretch, &picture, &image, left, top, right, bottom, 0, 0, false});
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

void SoftSurface::drawellipse(int left, int top, int right, int bottom, std::uint32_t pen,
                              std::optional<std::uint32_t> fill)
{
    i64 l = std::min(left, right), r = std::max(left, right);
    i64 t = std::min(top, bottom), b = std::max(top, bottom);
    if (l == r || t == b)
        return;
    if (std::max<i64>(t, 0) >= std::min<i64>(b, height))
        return;
    calls_.push_back({Call::Kind::ellipse, nullptr, nullptr, static_cast<int>(l), static_cast<int>(t),
                      static_cast<int>(r), static_cast<int>(b), pen, fill.value_or(0), fill.has_value()});
}

void SoftSurface::settleellipses() const
{
    // Each ellipse's rows, worked out only when a row of it is not yet covered.
    struct Rows {
        EllipseRows shape;
        i64 y0, y1;  // the rows on the surface
        std::vector<Span> spans;  // rows y0 - 1 .. y1; `from` = unknown when not yet worked out
        std::uint32_t pen, fill;
        bool filled;
        Span row(i64 y)
        {
            Span& s = spans[static_cast<std::size_t>(y - y0 + 1)];
            if (s.from == unknown)
                s = shape.row(y);
            return s;
        }
    };
    std::vector<Rows> rows;
    rows.reserve(ellipses_.size());
    i64 top = height, bottom = 0;
    for (const Ellipse& e : ellipses_) {
        i64 y0 = std::max<i64>(e.top, 0), y1 = std::min<i64>(e.bottom, height);
        Span fresh;
        fresh.from = unknown;
        rows.push_back({EllipseRows(e.left, e.top, e.right, e.bottom), y0, y1,
                        std::vector<Span>(static_cast<std::size_t>(y1 - y0 + 2), fresh), bufferpixel(e.pen),
                        e.fill ? bufferpixel(*e.fill) : 0u, e.fill.has_value()});
        top = std::min(top, y0);
        bottom = std::max(bottom, y1);
    }
    ellipses_.clear();

    // The columns of the current row already taken by later ellipses: sorted,
    // apart from each other.
    std::vector<Span> covered;
    const auto paint = [&](i64 y, i64 from, i64 to, std::uint32_t colour) {
        from = std::max<i64>(from, 0);
        to = std::min<i64>(to, width - 1);
        if (from > to)
            return;
        i64 at = from;
        std::size_t i = 0;
        while (i < covered.size() && covered[i].to < from)
            ++i;
        std::size_t first = i;
        for (; i < covered.size() && covered[i].from <= to; ++i) {
            if (covered[i].from > at)
                fillrow(y, at, covered[i].from - 1, colour);
            at = std::max(at, covered[i].to + 1);
        }
        if (at <= to)
            fillrow(y, at, to, colour);
        // Merge [from, to] with the runs it touches.
        std::size_t last = i;
        Span merged{from, to};
        if (first > 0 && covered[first - 1].to + 1 == from)
            --first;
        if (last < covered.size() && covered[last].from == to + 1)
            ++last;
        if (first < last) {
            merged.from = std::min(merged.from, covered[first].from);
            merged.to = std::max(merged.to, covered[last - 1].to);
        }
        covered.erase(covered.begin() + static_cast<std::ptrdiff_t>(first),
                      covered.begin() + static_cast<std::ptrdiff_t>(last));
        covered.insert(covered.begin() + static_cast<std::ptrdiff_t>(first), merged);
    };
    for (i64 y = top; y < bottom; ++y) {
        covered.clear();
        for (auto e = rows.rbegin(); e != rows.rend(); ++e) {
            if (y < e->y0 || y >= e->y1)
                continue;
            Span here = e->row(y);
            if (here.empty())
                continue;
            Span above = e->row(y - 1), below = e->row(y + 1);
            // The outline is every pixel of the ellipse with a neighbour outside it;
            // the rest of the row is inside. Rows are solid, so both are runs.
            i64 in0 = std::max({here.from + 1, above.from, below.from});
            i64 in1 = std::min({here.to - 1, above.to, below.to});
            if (above.empty() || below.empty() || in0 > in1) {
                paint(y, here.from, here.to, e->pen);
            } else if (e->filled && e->fill == e->pen) {
                paint(y, here.from, here.to, e->pen);
            } else {
                paint(y, here.from, in0 - 1, e->pen);
                paint(y, in1 + 1, here.to, e->pen);
                if (e->filled)
                    paint(y, in0, in1, e->fill);
            }
            if (covered.size() == 1 && covered[0].from == 0 && covered[0].to == width - 1)
                break;
        }
    }
}

void SoftSurface::findchanges()
{
    // Cells written since the last flip are compared with the frame shown, a run
    // of them at a time and cell by cell only where the run differs, which is
    // then copied to the frame shown.
    if (!marked_)
        return;
    std::fill(differs_.begin(), differs_.end(), 0);
    const std::uint32_t* now = buffer_.data();
    std::uint32_t* shown = shown_.data();
    const auto same = [&](std::size_t at, std::size_t n) { return std::memcmp(now + at, shown + at, n * 4) == 0; };
    runs(marks_, sinceflip, [&](int band, int from, int to) {
        bool alike = true;
        rows(band, from, to, [&](std::size_t at, std::size_t n) { alike = alike && same(at, n); });
        if (alike)
            return;
        std::uint8_t* differs = differs_.data() + static_cast<std::size_t>(band) * cellcolumns;
        rows(band, from, to, [&](std::size_t at, std::size_t n) {
            for (int c = from; c < to; ++c) {
                const auto x = static_cast<std::size_t>(c - from) * cell;
                // A whole cell's row is compared inline; only the last column is narrower.
                if (!differs[c] &&
                    (x + cell <= n ? std::memcmp(now + at + x, shown + at + x, cell * 4) != 0 : !same(at + x, n - x)))
                    differs[c] = 1;
            }
            std::memcpy(shown + at, now + at, n * 4);
        });
    });

    // Runs of the same columns in consecutive bands make one box; then the boxes
    // are gathered into a few rectangles.
    std::vector<Box> pieces, boxes;
    runs(differs_, 1, [&](int band, int from, int to) {
        for (Box& p : pieces)
            if (p.bottom == band && p.left == from && p.right == to) {
                p.bottom = band + 1;
                return;
            }
        pieces.push_back({from, band, to, band + 1});
    });
    for (const Box& p : pieces)
        gather(boxes, p);
    for (const Box& b : boxes)
        changed_.push_back(
            {b.left * cell, b.top * cell, std::min(b.right * cell, width), std::min(b.bottom * cell, height)});
}

void SoftSurface::flipsurface()
{
    settle();
    ++frames_;
    changed_.clear();
    if (presenter_) {
        if (whole_ || !presented_) {
            shown_ = buffer_;
            changed_.push_back({0, 0, width, height});
        } else {
            findchanges();
        }
    }
    presented_ = presenter_ != nullptr;
    whole_ = false;
    if (marked_)
        for (std::uint8_t& m : marks_)
            m &= static_cast<std::uint8_t>(~sinceflip);
    marked_ = false;
    if (presenter_)
        presenter_({buffer_.data(), width, height, changed_});
}

}  // namespace hexbrawl

// SPDX-License-Identifier: MIT
#include "present/softsurface.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace hexbrawl {
namespace {

using i64 = long long;

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

}  // namespace

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

}  // namespace hexbrawl

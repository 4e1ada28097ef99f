// SPDX-License-Identifier: MIT
#include "present/rectangles.h"

#include <algorithm>

namespace hexbrawl {
namespace {

using i64 = long long;

CellBox hull(const CellBox& a, const CellBox& b)
{
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// The cells that the hull of the two covers and neither of them does.
i64 waste(const CellBox& a, const CellBox& b)
{
    const i64 across = std::max(0, std::min(a.right, b.right) - std::max(a.left, b.left));
    const i64 down = std::max(0, std::min(a.bottom, b.bottom) - std::max(a.top, b.top));
    return hull(a, b).area() - a.area() - b.area() + across * down;
}

// Each rectangle handed to the window system costs about as much as this many
// cells shown more; and a handful is enough for any frame.
constexpr i64 rectanglecost = 64;
constexpr std::size_t mostrectangles = 8;

}  // namespace

void gather(std::vector<CellBox>& boxes, CellBox box)
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

}  // namespace hexbrawl

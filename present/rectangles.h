// SPDX-License-Identifier: MIT
// The parts of a frame that changed, gathered into the few rectangles handed to the
// window system.
#pragma once

#include <vector>

namespace hexbrawl {

// A rectangle of cells, right and bottom exclusive.
struct CellBox {
    int left, top, right, bottom;
    long long area() const { return static_cast<long long>(right - left) * (bottom - top); }
};

// Adds a box to the rectangles, merged with the one it adds least to when that is
// cheap or when there are enough of them already.
void gather(std::vector<CellBox>& boxes, CellBox box);

}  // namespace hexbrawl

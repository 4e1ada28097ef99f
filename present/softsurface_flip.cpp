// SPDX-License-Identifier: MIT
#include "present/softsurface.h"

#include <algorithm>
#include <cstring>

#include "present/rectangles.h"

namespace hexbrawl {
namespace {

using i64 = long long;

}  // namespace

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

void SoftSurface::copyback(const std::vector<std::uint32_t>& from, std::uint8_t bit) const
{
    runs(redraw_, bit, [&](int band, int first, int last) {
        rows(band, first, last,
             [&](std::size_t at, std::size_t n) { std::copy_n(from.data() + at, n, buffer_.data() + at); });
    });
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
    std::vector<CellBox> pieces, boxes;
    runs(differs_, 1, [&](int band, int from, int to) {
        for (CellBox& p : pieces)
            if (p.bottom == band && p.left == from && p.right == to) {
                p.bottom = band + 1;
                return;
            }
        pieces.push_back({from, band, to, band + 1});
    });
    for (const CellBox& p : pieces)
        gather(boxes, p);
    for (const CellBox& b : boxes)
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

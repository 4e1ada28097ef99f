// SPDX-License-Identifier: MIT
// A drawing surface for tests: it draws nothing and writes every call down.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "present/ports.h"

namespace hexbrawl {

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

// SPDX-License-Identifier: MIT
#include "present/softsurface.h"

#include <algorithm>

namespace hexbrawl {
namespace {

using i64 = long long;

}  // namespace

SoftSurface::SoftSurface(PictureSource source)
    : source_(std::move(source)), buffer_(static_cast<std::size_t>(width) * height, 0xFF000000u),
      marks_(static_cast<std::size_t>(cellcolumns) * cellrows, 0), redraw_(marks_.size(), 0), differs_(marks_.size(), 0)
{}

int SoftSurface::patternwidth(const PictureEntry& entry, const Image& image)
{
    return std::min(entry.patternw(), image.width);
}

int SoftSurface::patternheight(const PictureEntry& entry, const Image& image)
{
    return std::min(entry.patternh(), image.height);
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

void SoftSurface::clearsurface()
{
    // Whatever was held back would be covered anyway.
    calls_.clear();
    ground_.tiles.clear();
    ground_.pending = true;
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

void SoftSurface::stretchimage(const PictureEntry& picture, int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    const Image& image = source_(picture);
    if (patternwidth(picture, image) <= 0 || patternheight(picture, image) <= 0)
        return;
    calls_.push_back({Call::Kind::stretch, &picture, &image, left, top, right, bottom, 0, 0, false});
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
    if (g.tiles.size() >= worthkeeping && g.tiles == g.kepttiles) {
        again = groundintact_ && playedvalid_;
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
            copyback(g.kept, 2);
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

}  // namespace hexbrawl

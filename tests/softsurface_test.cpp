// SPDX-License-Identifier: MIT
// The software surface on real pixels, with made-up pictures of the catalogue's sizes.
#include "present/softsurface.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>

namespace hexbrawl {
namespace {

constexpr std::uint32_t black = 0xFF000000u;
constexpr std::uint32_t grass = 0xFF208020u;
constexpr std::uint32_t bark = 0xFF806040u;
constexpr std::uint32_t edge = 0xFFFF00FFu;

Image solid(int w, int h, std::uint32_t colour)
{
    return Image{w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w) * h, colour)};
}

// Each pixel tells where it came from; never black, so never keyed.
Image coordinates(int w, int h)
{
    Image image = solid(w, h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.pixels[static_cast<std::size_t>(y) * w + x] = 0xFF800000u | x << 8 | y;
    return image;
}
std::uint32_t from(int x, int y) { return 0xFF800000u | static_cast<std::uint32_t>(x) << 8 | y; }

struct Pictures {
    std::map<int, Image> images;
    void set(std::string_view name, Image image) { images[findimage(name).index] = std::move(image); }
    PictureSource source()
    {
        return [this](const PictureEntry& entry) -> const Image& { return images.at(entry.index); };
    }
};

int count(const SoftSurface& surface, std::uint32_t colour)
{
    int n = 0;
    for (int i = 0; i < SoftSurface::width * SoftSurface::height; ++i)
        n += surface.pixels()[i] == colour;
    return n;
}

TEST(SoftSurface, ColourKeyLeavesTheGroundVisible)
{
    Pictures pictures;
    pictures.set("grass1", solid(20, 20, black));  // not transparent: its black is drawn
    Image tree = solid(135, 146, black);
    for (int y = 40; y < 60; ++y)
        for (int x = 50; x < 70; ++x)
            tree.pixels[static_cast<std::size_t>(y) * 135 + x] = bark;
    pictures.set("tree1", tree);
    // wizard2 is keyed on (2, 202, 16), not black.
    Image wizard = solid(20, 20, 0xFF02CA10u);
    wizard.pixels[0] = black;
    pictures.set("wizard2", wizard);

    pictures.set("grass2", solid(20, 20, grass));
    SoftSurface surface(pictures.source());
    surface.stretchimage(findimage("grass2"), 0, 0, 750, 750);
    ASSERT_EQ(count(surface, grass), 750 * 750);

    surface.drawimage(findimage("tree1"), 100, 100);
    EXPECT_EQ(surface.pixel(100, 100), grass);
    EXPECT_EQ(surface.pixel(149, 139), grass);
    EXPECT_EQ(surface.pixel(150, 140), bark);
    EXPECT_EQ(surface.pixel(169, 159), bark);
    EXPECT_EQ(count(surface, bark), 400);

    surface.drawimage(findimage("wizard2"), 300, 300);
    EXPECT_EQ(surface.pixel(300, 300), black);
    EXPECT_EQ(surface.pixel(301, 300), grass);
    EXPECT_EQ(surface.pixel(319, 319), grass);

    surface.drawimage(findimage("grass1"), 400, 400);
    EXPECT_EQ(surface.pixel(400, 400), black);
    EXPECT_EQ(surface.pixel(419, 419), black);

    surface.clearsurface();
    EXPECT_EQ(count(surface, black), 750 * 750);
}

TEST(SoftSurface, DrawsOnlyPatternZero)
{
    Pictures pictures;
    // windcurse is 21 x 21 with 20 x 20 patterns; its last row and column belong to no pattern.
    Image curse = solid(21, 21, edge);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            curse.pixels[static_cast<std::size_t>(y) * 21 + x] = bark;
    pictures.set("windcurse", curse);
    SoftSurface surface(pictures.source());

    surface.drawimage(findimage("windcurse"), 10, 30);
    EXPECT_EQ(count(surface, bark), 400);
    EXPECT_EQ(count(surface, edge), 0);
    EXPECT_EQ(surface.pixel(10, 30), bark);
    EXPECT_EQ(surface.pixel(29, 49), bark);

    surface.stretchimage(findimage("windcurse"), 100, 100, 160, 160);
    EXPECT_EQ(count(surface, edge), 0);
    EXPECT_EQ(count(surface, bark), 400 + 3600);
}

TEST(SoftSurface, StretchScalesTheWholePictureIntoTheRectangle)
{
    Pictures pictures;
    pictures.set("tree1", coordinates(135, 146));
    SoftSurface surface(pictures.source());

    surface.stretchimage(findimage("tree1"), 10, 20, 55, 72);
    EXPECT_EQ(count(surface, black), 750 * 750 - 45 * 52);
    EXPECT_EQ(surface.pixel(10, 20), from(0, 0));
    EXPECT_EQ(surface.pixel(54, 71), from(132, 143));
    EXPECT_EQ(surface.pixel(54, 20), from(132, 0));
    EXPECT_EQ(surface.pixel(32, 46), from(66, 73));
    EXPECT_EQ(surface.pixel(55, 20), black);
    EXPECT_EQ(surface.pixel(10, 72), black);

    // Empty and inverted rectangles draw nothing.
    surface.clearsurface();
    surface.stretchimage(findimage("tree1"), 10, 20, 10, 72);
    surface.stretchimage(findimage("tree1"), 55, 20, 10, 72);
    surface.stretchimage(findimage("tree1"), 10, 72, 55, 20);
    EXPECT_EQ(count(surface, black), 750 * 750);
}

TEST(SoftSurface, ClipsAtEveryEdgeWithoutWrapping)
{
    Pictures pictures;
    pictures.set("tree1", coordinates(135, 146));
    SoftSurface surface(pictures.source());
    const PictureEntry& tree = findimage("tree1");

    surface.drawimage(tree, -5, -7);
    EXPECT_EQ(surface.pixel(0, 0), from(5, 7));
    EXPECT_EQ(surface.pixel(129, 138), from(134, 145));
    EXPECT_EQ(surface.pixel(130, 0), black);
    EXPECT_EQ(surface.pixel(0, 139), black);

    // Right and bottom edges: a row that wrapped would show at the left of the next row.
    surface.clearsurface();
    surface.drawimage(tree, 700, 650);
    EXPECT_EQ(surface.pixel(749, 749), from(49, 99));
    EXPECT_EQ(surface.pixel(0, 651), black);
    EXPECT_EQ(count(surface, black), 750 * 750 - 50 * 100);

    surface.clearsurface();
    surface.drawimage(tree, 740, -140);
    surface.drawimage(tree, -130, 745);
    EXPECT_EQ(surface.pixel(740, 0), from(0, 140));
    EXPECT_EQ(surface.pixel(0, 745), from(130, 0));
    EXPECT_EQ(count(surface, black), 750 * 750 - 10 * 6 - 5 * 5);

    // Far off, at the limits of int: nothing drawn, nothing broken.
    surface.clearsurface();
    for (int x : {INT_MIN, -135, 750, INT_MAX})
        for (int y : {INT_MIN, -146, 750, INT_MAX}) {
            surface.drawimage(tree, x, y);
            surface.stretchimage(tree, x, y, x / 2 + 1, y / 2 + 1);
        }
    EXPECT_EQ(count(surface, black), 750 * 750);

    // A huge stretch covers the surface with the part of the picture that falls on it.
    surface.stretchimage(tree, INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_EQ(count(surface, black), 0);
    EXPECT_EQ(surface.pixel(0, 0), surface.pixel(749, 749));
    surface.stretchimage(tree, -100, -100, 850, 850);
    EXPECT_EQ(surface.pixel(0, 0), from(100 * 135 / 950, 100 * 146 / 950));
    EXPECT_EQ(surface.pixel(749, 749), from(849 * 135 / 950, 849 * 146 / 950));
}

TEST(SoftSurface, EllipseOutlineAndFill)
{
    SoftSurface surface([](const PictureEntry&) -> const Image& { throw std::logic_error("no pictures"); });
    // 0x00BBGGRR in, 0xFFRRGGBB out.
    constexpr std::uint32_t red = 0x000000FFu, blue = 0x00FF0000u;
    EXPECT_EQ(bufferpixel(red), 0xFFFF0000u);
    EXPECT_EQ(bufferpixel(0x00123456u), 0xFF563412u);

    surface.drawellipse(100, 100, 141, 121, red, blue);
    const std::uint32_t pen = 0xFFFF0000u, inside = 0xFF0000FFu;
    EXPECT_EQ(surface.pixel(120, 110), inside);
    EXPECT_EQ(surface.pixel(100, 110), pen);
    EXPECT_EQ(surface.pixel(101, 110), inside);
    EXPECT_EQ(surface.pixel(140, 110), pen);
    EXPECT_EQ(surface.pixel(139, 110), inside);
    EXPECT_EQ(surface.pixel(120, 100), pen);
    EXPECT_EQ(surface.pixel(120, 120), pen);
    // Inscribed: the corners of the rectangle and everything outside it stay clear.
    EXPECT_EQ(surface.pixel(100, 100), black);
    EXPECT_EQ(surface.pixel(140, 120), black);
    EXPECT_EQ(surface.pixel(99, 110), black);
    EXPECT_EQ(surface.pixel(141, 110), black);
    EXPECT_EQ(surface.pixel(120, 121), black);
    // A closed outline: every row and every column of the rectangle has pen on both sides.
    for (int y = 100; y < 121; ++y) {
        int x = 100;
        while (surface.pixel(x, y) != pen)
            ++x;
        EXPECT_LE(x, 120);
        EXPECT_EQ(surface.pixel(240 - x, y), pen) << "row " << y << " is symmetric";
    }
    int drawn = 750 * 750 - count(surface, black);

    // The same ellipse with its corners given the other way round, and without fill.
    SoftSurface other([](const PictureEntry&) -> const Image& { throw std::logic_error("no pictures"); });
    other.drawellipse(141, 121, 100, 100, red, std::nullopt);
    EXPECT_EQ(other.pixel(120, 110), black);
    EXPECT_EQ(other.pixel(100, 110), pen);
    EXPECT_EQ(750 * 750 - count(other, black), count(surface, pen));
    EXPECT_EQ(count(other, pen) + count(surface, inside), drawn);

    // Degenerate rectangles draw at most a point.
    other.clearsurface();
    other.drawellipse(300, 300, 300, 340, red, blue);
    other.drawellipse(300, 300, 340, 300, red, blue);
    EXPECT_EQ(count(other, black), 750 * 750);
    other.drawellipse(300, 300, 301, 301, red, blue);
    EXPECT_EQ(count(other, black), 750 * 750 - 1);
    EXPECT_EQ(other.pixel(300, 300), pen);
}

TEST(SoftSurface, LargeAndFarEllipsesAreClipped)
{
    SoftSurface surface([](const PictureEntry&) -> const Image& { throw std::logic_error("no pictures"); });
    const std::uint32_t pen = 0xFFFF0000u, inside = 0xFF00FF00u;
    // An explosion of radius 500 in the middle of the arena covers it all but the corners.
    surface.drawellipse(-125, -125, 875, 875, 0x0000FF, 0x00FF00);
    EXPECT_EQ(surface.pixel(375, 375), inside);
    EXPECT_EQ(surface.pixel(0, 375), inside);
    EXPECT_EQ(surface.pixel(0, 0), black);
    EXPECT_EQ(surface.pixel(375, 0), inside);
    // Its outline lies off the surface at the middle row and column and crosses it near
    // the corners, where it comes before the inside.
    int onaxes = 0;
    for (int i = 0; i < 750; ++i)
        onaxes += (surface.pixel(i, 375) == pen) + (surface.pixel(375, i) == pen);
    EXPECT_EQ(onaxes, 0);
    int x = 0;
    while (surface.pixel(x, 20) == black)
        ++x;
    EXPECT_GT(x, 0);
    EXPECT_EQ(surface.pixel(x, 20), pen);
    EXPECT_EQ(surface.pixel(749 - x, 20), pen);

    surface.clearsurface();
    for (int v : {INT_MIN, -1000, 1000, INT_MAX - 10}) {
        surface.drawellipse(v, v, v / 2, v / 2 + 3, 0x0000FF, 0x00FF00);
        surface.drawellipse(INT_MIN, v, INT_MAX, v + 10, 0x0000FF, 0x00FF00);
    }
    surface.drawellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0x0000FF, 0x00FF00);
    EXPECT_EQ(surface.pixel(0, 0), inside);
    EXPECT_EQ(surface.pixel(749, 749), inside);
}

TEST(SoftSurface, FlipHandsTheFrameAndWhatChangedToThePresenter)
{
    Pictures pictures;
    pictures.set("wizard1", solid(20, 20, bark));
    SoftSurface surface(pictures.source());
    surface.flipsurface();  // no presenter yet: just counted
    const std::uint32_t* shown = nullptr;
    int w = 0, h = 0;
    std::vector<SurfaceRect> changed;
    const auto presenter = [&](const SoftSurface::Flip& flip) {
        shown = flip.pixels;
        w = flip.width;
        h = flip.height;
        changed.assign(flip.changed.begin(), flip.changed.end());
    };
    surface.setpresenter(presenter);
    surface.flipsurface();
    EXPECT_EQ(surface.frames(), 2);
    EXPECT_EQ(shown, surface.pixels());
    EXPECT_EQ(w, 750);
    EXPECT_EQ(h, 750);
    const std::vector<SurfaceRect> whole{{0, 0, 750, 750}};
    EXPECT_EQ(changed, whole) << "all of it, the first time";

    // Drawn over with the same pixels: nothing changed.
    surface.drawellipse(0, 0, 750, 750, 0, 0);
    surface.flipsurface();
    EXPECT_TRUE(changed.empty());

    // A picture partly off the surface: its visible part, in cells of 8.
    surface.drawimage(findimage("wizard1"), 741, 5);
    surface.flipsurface();
    EXPECT_EQ(changed, (std::vector<SurfaceRect>{{736, 0, 750, 32}}));

    // A presenter of its own sees the whole frame first.
    surface.setpresenter(presenter);
    surface.flipsurface();
    EXPECT_EQ(changed, whole);
}

}  // namespace
}  // namespace hexbrawl

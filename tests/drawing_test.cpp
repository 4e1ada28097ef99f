// SPDX-License-Identifier: MIT
// The fast drawing against the plain one: whole frames of busy matches drawn on the
// software surface must equal, pixel for pixel, the same calls drawn one at a time
// and tile by tile; what a flip says changed must hold every pixel that did; and
// the ground's name look-ups still fail where they did.
#include <cmath>
#include <cstdio>

#include "present/imagebank.h"
#include "present/softsurface.h"
#include "tests/doubles/recordingsurface.h"
#include "tests/testing.h"

namespace hexbrawl {
namespace {

// Every call drawn at once, pixel by pixel, with nothing held back or kept.
class PlainSurface final : public Surface {
public:
    explicit PlainSurface(PictureSource source) : source_(std::move(source)), pixels_(750 * 750, 0xFF000000u) {}

    void clearsurface() override { std::fill(pixels_.begin(), pixels_.end(), 0xFF000000u); }

    void drawimage(const PictureEntry& e, int x, int y) override
    {
        const Image& image = source_(e);
        const int w = std::min(e.patternw(), image.width), h = std::min(e.patternh(), image.height);
        for (int sy = 0; sy < h; ++sy)
            for (int sx = 0; sx < w; ++sx)
                put(static_cast<long long>(x) + sx, static_cast<long long>(y) + sy, e, image.at(sx, sy));
    }

    void stretchimage(const PictureEntry& e, int left, int top, int right, int bottom) override
    {
        if (right <= left || bottom <= top)
            return;
        const Image& image = source_(e);
        const long long pw = std::min(e.patternw(), image.width), ph = std::min(e.patternh(), image.height);
        const long long w = static_cast<long long>(right) - left, h = static_cast<long long>(bottom) - top;
        for (long long y = std::max(top, 0); y < std::min(bottom, 750); ++y)
            for (long long x = std::max(left, 0); x < std::min(right, 750); ++x)
                put(x, y, e, image.at(static_cast<int>((x - left) * pw / w), static_cast<int>((y - top) * ph / h)));
    }

    // A pixel is inside when its centre is inside the ellipse through the rectangle's
    // edges; the outline is every inside pixel with a neighbour (of four) outside.
    void drawellipse(int left, int top, int right, int bottom, std::uint32_t pen,
                     std::optional<std::uint32_t> fill) override
    {
        const long long l = std::min(left, right), r = std::max(left, right);
        const long long t = std::min(top, bottom), b = std::max(top, bottom);
        if (l == r || t == b)
            return;
        const double cx = (static_cast<double>(l) + static_cast<double>(r)) / 2;
        const double cy = (static_cast<double>(t) + static_cast<double>(b)) / 2;
        const double rx = static_cast<double>(r - l) / 2, ry = static_cast<double>(b - t) / 2;
        // The columns of row y inside the ellipse, as doubles so that nothing overflows.
        const auto row = [&](long long y) -> std::pair<double, double> {
            const double dy = (static_cast<double>(y) + 0.5 - cy) / ry;
            const double q = 1 - dy * dy;
            if (y < t || y >= b || q < 0)
                return {1, 0};
            const double half = rx * std::sqrt(q);
            return {std::max(static_cast<double>(l), std::ceil(cx - half - 0.5)),
                    std::min(static_cast<double>(r - 1), std::floor(cx + half - 0.5))};
        };
        const auto in = [](std::pair<double, double> span, long long x) {
            return static_cast<double>(x) >= span.first && static_cast<double>(x) <= span.second;
        };
        for (long long y = std::max<long long>(t, 0); y < std::min<long long>(b, 750); ++y) {
            const auto above = row(y - 1), here = row(y), below = row(y + 1);
            for (long long x = 0; x < 750; ++x) {
                if (!in(here, x))
                    continue;
                if (!in(here, x - 1) || !in(here, x + 1) || !in(above, x) || !in(below, x))
                    pixels_[static_cast<std::size_t>(y * 750 + x)] = bufferpixel(pen);
                else if (fill)
                    pixels_[static_cast<std::size_t>(y * 750 + x)] = bufferpixel(*fill);
            }
        }
    }

    void flipsurface() override {}

    const std::vector<std::uint32_t>& pixels() const { return pixels_; }

private:
    void put(long long x, long long y, const PictureEntry& e, std::uint32_t p)
    {
        if (x < 0 || y < 0 || x >= 750 || y >= 750 || (e.transparent && (p & 0xFFFFFFu) == e.key))
            return;
        pixels_[static_cast<std::size_t>(y * 750 + x)] = p | 0xFF000000u;
    }

    PictureSource source_;
    std::vector<std::uint32_t> pixels_;
};

// Gives every call to both.
class BothSurfaces final : public Surface {
public:
    BothSurfaces(Surface& a, Surface& b) : a_(a), b_(b) {}
    void clearsurface() override { a_.clearsurface(), b_.clearsurface(); }
    void drawimage(const PictureEntry& e, int x, int y) override { a_.drawimage(e, x, y), b_.drawimage(e, x, y); }
    void stretchimage(const PictureEntry& e, int l, int t, int r, int b) override
    {
        a_.stretchimage(e, l, t, r, b), b_.stretchimage(e, l, t, r, b);
    }
    void drawellipse(int l, int t, int r, int b, std::uint32_t pen, std::optional<std::uint32_t> fill) override
    {
        a_.drawellipse(l, t, r, b, pen, fill), b_.drawellipse(l, t, r, b, pen, fill);
    }
    void flipsurface() override { a_.flipsurface(), b_.flipsurface(); }

private:
    Surface& a_;
    Surface& b_;
};

// Where the two frames first differ, or "" when they are the same.
std::string difference(const SoftSurface& fast, const PlainSurface& plain)
{
    const std::uint32_t* a = fast.pixels();
    const std::vector<std::uint32_t>& b = plain.pixels();
    for (std::size_t i = 0; i < b.size(); ++i)
        if (a[i] != b[i]) {
            char text[96];
            std::snprintf(text, sizeof text, "pixel (%zu, %zu): %08x drawn fast, %08x plain", i % 750, i / 750, a[i],
                          b[i]);
            return text;
        }
    return "";
}

// Where a frame differs from the one before outside what its flip said changed, or
// "" when every changed pixel is inside.
std::string unreported(const SoftSurface::Flip& flip, const std::vector<std::uint32_t>& before)
{
    for (std::size_t i = 0; i < before.size(); ++i) {
        const int x = static_cast<int>(i % 750), y = static_cast<int>(i / 750);
        if (flip.pixels[i] == before[i] || std::any_of(flip.changed.begin(), flip.changed.end(), [&](const auto& r) {
                return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
            }))
            continue;
        return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") changed unreported";
    }
    return "";
}

struct Drawing : ::testing::Test {
    ImageBank bank;
    PictureSource source = [this](const PictureEntry& e) -> const Image& { return bank.picture(e); };
    SoftSurface fast{source};
    PlainSurface plain{source};
    BothSurfaces both{fast, plain};
    Session s{&both};
    TForm1& f = s.form();
    std::vector<std::uint32_t> shown;  // the frame flipped last
    std::string missed;  // the first pixel a flip left out of its changes
    long changedpixels = 0;  // in the rectangles of the last flip

    Drawing()
    {
        fast.setpresenter([this](const SoftSurface::Flip& flip) {
            if (!shown.empty() && missed.empty())
                missed = unreported(flip, shown);
            shown.assign(flip.pixels, flip.pixels + 750 * 750);
            changedpixels = 0;
            for (const SurfaceRect& r : flip.changed)
                changedpixels += static_cast<long>(r.right - r.left) * (r.bottom - r.top);
        });
    }

    // Twelve wizards in a match, with every kind of thing the arena can show.
    void crowd(std::uint32_t seed)
    {
        testing::startmatch(s, seed, 12);
        f.firstturn = false;
        const char* bodies[] = {"wizard1", "wizard2", "wizard3", "wizard4", "wizard5", "wizard6",
                                "wizard7", "wizard8", "wizard9", "wizard2", "wizard5", "wizard6"};
        // Some half off the arena at every edge and corner, some dead.
        const double spots[][2] = {{-7, -7},   {740, -3},  {-12, 741}, {739.5, 739.5}, {365, -15}, {-5, 365},
                                   {745, 200}, {300, 748}, {100, 100}, {120, 110},     {600, 600}, {400, 300}};
        for (int p = 1; p <= 12; ++p) {
            Tplayer& w = f.players[p];
            w.portrait = bodies[p - 1];
            w.x = spots[p - 1][0];
            w.y = spots[p - 1][1];
            w.hp = w.maxhp = p % 5 == 0 ? 0 : 50;
            w.walk = w.maxwalk = 30;
        }
        f.deadcount = 0;
        // Trees of all three pictures, stretched and squashed, some across the edges.
        const double trees[][4] = {{-30, 5.5, 60, 70},    {700, 12.5, 90, 40}, {300.9, 301.2, 50.5, 55.7},
                                   {10, 695, 45, 80},     {720, 720, 60, 60},  {200, 35, 5, 10},
                                   {150, 150, 130, 140},  {400, 401, 99, 119}, {610, 255.5, 48, 52},
                                   {-80, 500.25, 100, 30}};
        f.treecount = 0;
        for (Tobstacle& t : f.obstacles)
            t = Tobstacle{};
        for (const auto& t : trees) {
            ++f.treecount;
            f.obstacles[f.treecount] = {t[0], t[1], t[2], t[3], 5, "tree" + std::to_string(f.treecount % 3 + 1)};
        }
        // Abilities of every sprite, a few over the edges.
        int n = 0;
        for (const PictureEntry& e : pictures()) {
            const std::string name(e.name);
            if (!(name.ends_with("ball") || name.ends_with("block") || name.ends_with("curse") ||
                  name.ends_with("ring") || name == "teleport") ||
                n == Inplay::size)
                continue;
            ++n;
            Tability& a = f.inplay[n];
            a = Tability{};
            a.name = "thing " + std::to_string(n);
            a.sprite = name;
            a.kind = Block;
            a.range = a.maxrange = 1;
            a.element = "fire";
            a.x = n % 7 == 0 ? -9.5 : n % 7 == 1 ? 742.0 : 23.0 * n;
            a.y = n % 5 == 0 ? 745.0 : n % 5 == 1 ? -3.0 : 700.0 - 19.0 * n;
            a.spritewidth = a.spriteheight = 1;  // hits nothing
            a.owner = 0;
        }
        f.inplaycount = n;
        s.clearrecords();
    }

    void explode(double x, double y, const char* element, double radius)
    {
        ++f.explosioncount;
        f.explosions[f.explosioncount] = {x, y, element, radius};
    }

    // Ticks, checking every frame.
    void frames(int count)
    {
        for (int i = 0; i < count; ++i) {
            const std::uint64_t before = f.frames;
            s.tick(1);
            ASSERT_EQ(f.frames, before + 1) << "no frame drawn";
            ASSERT_EQ(difference(fast, plain), "") << "frame " << f.frames;
            ASSERT_EQ(missed, "") << "frame " << f.frames;
        }
    }
};

TEST_F(Drawing, BusyFramesMatchThePlainDrawing)
{
    crowd(4242);
    // Every colour of disc, some below 0 (death), small and huge, across the edges.
    explode(375, 375, "fire", 30);
    explode(0, 0, "death", 60);
    explode(749, 10, "water", 12);
    explode(200, 760, "wind", 40);
    explode(500, 500, "cosmo", 3);
    explode(-20, 300, "earth", 45);
    explode(640, 360, "life", 25);
    explode(100, 650, "death", 20);
    frames(6);
    EXPECT_EQ(s.messages().size(), 0u);

    // The aim circle instead of the walk circle.
    s.select(Control::SpellPicker, 0);
    s.click(Control::AbilityBtn);
    ASSERT_EQ(f.mode, Mode::aiming);
    frames(2);
}

TEST_F(Drawing, HugeExplosionsOverlappingEachOtherMatch)
{
    crowd(777);
    // Level-100 explosions: discs far wider than the arena, one over the other, and
    // rings left uncovered between them.
    const char* elements[] = {"fire", "water", "death", "wind", "life", "cosmo", "earth"};
    for (int e = 0; e < 25; ++e)
        explode(375 + 40.0 * (e % 5 - 2) + 0.5 * e, 375 - 37.0 * (e / 5 - 2), elements[e % 7], 500 - 17.0 * e);
    frames(3);
    // And discs whose edges lie on the surface: every outline row against the inside.
    f.explosioncount = 0;
    for (int e = 0; e < 25; ++e)
        explode(30.0 * e, 749 - 29.0 * e, elements[e % 7], 60 + 13.0 * e);
    frames(3);
}

TEST_F(Drawing, AQuietFrameChangesNothingAndAShotLittle)
{
    crowd(5150);
    f.currentplayer = 11;  // its walk circle, far from the first wizard
    frames(2);  // the abilities off the arena go
    frames(1);
    EXPECT_EQ(changedpixels, 0) << "nothing moved";

    // A tree shrinks, another is felled, wizards step aside: the ground shows again
    // where they were.
    f.obstacles[7].width -= 60;
    f.obstacles[8].height -= 50;
    f.obstacles[2].image.clear();
    f.players[12].x += 9;
    frames(2);
    f.players[1].y += 9;  // the first thing drawn on the ground
    frames(1);

    // A shot through open ground, gone after 14 ticks.
    Tability& shot = f.inplay[++f.inplaycount];
    shot = f.players[1].spellbook[0];
    ASSERT_EQ(shot.kind, Ranged);
    shot.owner = 0;
    shot.x = 40;
    shot.y = 420;
    shot.dx = 8;
    shot.dy = 0.5;
    shot.range = shot.maxrange = 14;
    for (int i = 0; i < 12; ++i) {
        frames(1);
        EXPECT_LE(changedpixels, 2 * 40 * 40) << "its old and new places, frame " << f.frames;
    }
    // Explosions fade with flickering colours, then the frame is quiet again.
    explode(375, 375, "fire", 6);
    explode(700, 20, "water", 3);
    frames(8);
    EXPECT_EQ(changedpixels, 0);
}

TEST_F(Drawing, ANewGroundIsDrawnNotTheOneKept)
{
    crowd(99);
    frames(3);
    // The next match lays a new ground; here a changed tile and a changed case.
    f.terrain[1][1] = f.terrain[1][1] == "grass1" ? "grass2" : "grass1";
    f.terrain[38][38] = "grass3";
    f.terrain[20][20] = "GRASS3";
    frames(2);
    for (int a = 1; a <= 38; ++a)
        for (int b = 1; b <= 38; ++b)
            f.terrain[a][b] = (a + b) % 3 == 0 ? "grass1" : "Grass2";
    frames(2);
}

TEST(DrawingSurface, AnotherPictureIsNotTakenFromTheFrameKept)
{
    Image tile{20, 20, std::vector<std::uint32_t>(400, 0xFF112233u)};
    Image othertile = tile;
    othertile.pixels[399] = 0xFF445566u;
    Image sprite{20, 20, std::vector<std::uint32_t>(400, 0xFF000000u)};  // keyed: black
    Image othersprite = sprite;
    othersprite.pixels[5 * 20 + 5] = 0xFF778899u;
    const Image* ground = &tile;
    const Image* wizardpicture = &sprite;
    const PictureEntry& grass = findimage("grass1");
    const PictureEntry& wizard = findimage("wizard1");
    SoftSurface surface(
        [&](const PictureEntry& e) -> const Image& { return &e == &wizard ? *wizardpicture : *ground; });
    const auto frame = [&] {
        surface.clearsurface();
        for (int x = 0; x < 750; x += 20)
            for (int y = 0; y < 750; y += 20)
                surface.drawimage(grass, x, y);
        surface.drawimage(wizard, 100, 100);
        surface.flipsurface();
    };
    frame();
    frame();
    EXPECT_EQ(surface.pixel(749, 749), 0xFF112233u);
    EXPECT_EQ(surface.pixel(105, 105), 0xFF112233u);
    ground = &othertile;
    frame();
    EXPECT_EQ(surface.pixel(19, 19), 0xFF445566u);
    EXPECT_EQ(surface.pixel(739, 739), 0xFF445566u);
    // The same calls again, with another picture drawn on the ground.
    frame();
    wizardpicture = &othersprite;
    frame();
    EXPECT_EQ(surface.pixel(105, 105), 0xFF778899u);
    // A clear with nothing after it is black, whatever was kept.
    surface.clearsurface();
    EXPECT_EQ(surface.pixel(19, 19), 0xFF000000u);
}

TEST(DrawingLookups, TheGroundFailsAtTheSameTileAndNamesKeepTheirCase)
{
    RecordingSurface recording;
    Session s(&recording);
    testing::startmatch(s, 31, 2);
    TForm1& f = s.form();
    f.firstturn = false;
    f.terrain[3][1] = "Grass2";
    f.terrain[3][2] = "grass2";
    f.terrain[5][7] = "grass9";  // after names seen before
    s.clearrecords();
    recording.clear();
    s.tick(1);
    ASSERT_EQ(testing::texts(s.messages()), std::vector<std::string>{"Image 'grass9' not found"});
    const std::vector<std::string>& lines = recording.lines();
    ASSERT_EQ(lines.size(), 1u + 4 * 38 + 6);  // the clear and the tiles before it
    EXPECT_EQ(lines[1 + 2 * 38], "drawimage grass2 40 0");
    EXPECT_EQ(lines[2 + 2 * 38], "drawimage grass2 40 20");

    // The look-up itself: any case, the exact length, nothing else.
    EXPECT_EQ(findimage("WIZARD9").name, "wizard9");
    EXPECT_EQ(findimage("tReE3").index, 2);
    for (const char* bad : {"grass", "grass11", "grass1 ", " grass1", "", "wizard10", "teleports"})
        EXPECT_EQ(tryfindimage(bad), nullptr) << bad;
    EXPECT_THROW(findimage(std::string(300, 'a')), LookupError);
    EXPECT_EQ(findwave("death1").name, "Death1");
    EXPECT_EQ(tryfindwave("Death2"), nullptr);
    for (const PictureEntry& e : pictures())
        EXPECT_EQ(&findimage(e.name), &e);
}

}  // namespace
}  // namespace hexbrawl

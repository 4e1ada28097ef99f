// SPDX-License-Identifier: MIT
// One frame of the arena: ground, wizards, trees by depth, abilities, the walk or
// aim circle, and the flickering explosion discs.
#include <array>
#include <string>

#include "game/tform1.h"

namespace hexbrawl {

namespace {

struct ExplosionColor {
    std::string_view element;
    std::int32_t base;
    // Shown when the flicker takes the packed value below 0, which is no colour:
    // a deep red ember for fire, a near-black violet for death.
    std::uint32_t below;
};

constexpr ExplosionColor explosioncolors[] = {
    {"fire", 0x0000FF, 0x000090},  {"water", 0xFF0000, 0xFF0000}, {"death", 0, 0x300018},
    {"wind", 0x808080, 0x808080},  {"life", 0x00FFFF, 0x00FFFF},  {"cosmo", 0x800080, 0x800080},
    {"earth", 0x008000, 0x008000},
};

}  // namespace

void TForm1::DrawScreen()
{
    Surface& surface = ports_.surface;
    locationreadout();
    surface.clearsurface();

    // The ground holds a few names over and over: the last ones found are kept for
    // this frame, and a name not seen yet is looked up (and may fail) at its tile.
    struct Found {
        std::string_view name;
        const PictureEntry* entry = nullptr;
    };
    std::array<Found, 4> found{};
    std::size_t oldest = 0;
    const auto tile = [&](const std::string& name) -> const PictureEntry& {
        for (const Found& f : found)
            if (f.entry && f.name == name)
                return *f.entry;
        const PictureEntry& entry = findimage(name);
        found[oldest] = {name, &entry};
        oldest = (oldest + 1) % found.size();
        return entry;
    };
    for (int a = 1; a <= 38; ++a)
        for (int b = 1; b <= 38; ++b)
            surface.drawimage(tile(terrain[a][b]), (a - 1) * 20, (b - 1) * 20);

    for (int p = 1; p <= playercount; ++p) {
        const Tplayer& w = players[p];
        surface.drawimage(findimage(w.hp > 0 ? std::string_view(w.portrait) : "blood"), truncate(w.x), truncate(w.y));
    }

    // Trees in bands of 10 pixels by their top edge, so lower trees cover higher
    // ones; a tree whose top is on a band's edge or off the arena is not drawn.
    for (int r = 1; r <= 75; ++r)
        for (const Tobstacle& t : obstacles)
            if (!t.image.empty() && (r - 1) * 10 < t.y && t.y < r * 10)
                surface.stretchimage(findimage(t.image), truncate(t.x), truncate(t.y), truncate(t.x + t.width),
                                     truncate(t.y + t.height));

    for (const Tability& a : inplay)
        if (!a.name.empty())
            surface.drawimage(findimage(a.sprite), truncate(a.x), truncate(a.y));

    const Tplayer& w = current();
    const double cx = w.x + 10;
    const double cy = w.y + 10;
    double radius = 0;
    std::uint32_t pen = 0;
    bool circle = false;
    if (mode == Mode::aiming) {
        if (const Tability* a = selectedability()) {
            radius = a->aim;
            pen = 0x0000FF;
            circle = true;
        }
    } else if (mode == Mode::walking) {
        radius = w.walk * 10.0;
        pen = 0xFF0000;
        circle = true;
    }
    if (circle)
        surface.drawellipse(truncate(cx - radius), truncate(cy - radius), truncate(cx + radius), truncate(cy + radius),
                            pen, std::nullopt);

    std::uint32_t color = 0;
    for (int e = 1; e <= explosioncount; ++e) {
        const Texplosion& x = explosions[e];
        for (const ExplosionColor& c : explosioncolors) {
            if (x.element != c.element)
                continue;
            const std::int32_t r1 = random.randomint(1000);
            const std::int32_t r2 = random.randomint(1000);
            const std::int32_t packed = c.base + r1 - r2;
            color = packed < 0 ? c.below : static_cast<std::uint32_t>(packed);
            break;
        }
        surface.drawellipse(truncate(x.x - x.radius), truncate(x.y - x.radius), truncate(x.x + x.radius),
                            truncate(x.y + x.radius), color, color);
    }

    surface.flipsurface();
    ++frames;
}

}  // namespace hexbrawl

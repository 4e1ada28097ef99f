// SPDX-License-Identifier: MIT
// Positions for the benchmarks, reached by playing: wizards made in the Stats
// Editor, rounds fought to earn the points for strong spells, and a last match set
// up move by move through the same handlers a player uses.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "game/tform1.h"
#include "present/ports.h"
#include "tools/script/scenario.h"

namespace hexbrawl::bench {

// Passes the drawing on to a real surface only while switched on, so that the
// rounds played to reach a position cost no pixels.
class SwitchSurface final : public Surface {
public:
    explicit SwitchSurface(Surface& target) : target_(target) {}
    void on(bool drawing) { on_ = drawing; }

    void clearsurface() override
    {
        if (on_)
            target_.clearsurface();
    }
    void drawimage(const PictureEntry& p, int x, int y) override
    {
        if (on_)
            target_.drawimage(p, x, y);
    }
    void stretchimage(const PictureEntry& p, int l, int t, int r, int b) override
    {
        if (on_)
            target_.stretchimage(p, l, t, r, b);
    }
    void drawellipse(int l, int t, int r, int b, std::uint32_t pen, std::optional<std::uint32_t> fill) override
    {
        if (on_)
            target_.drawellipse(l, t, r, b, pen, fill);
    }
    void flipsurface() override
    {
        if (on_)
            target_.flipsurface();
    }

private:
    Surface& target_;
    bool on_ = false;
};

// Everything one tick may change, so that a position can be put back before each
// measured tick. Spellbooks, the catalogue and the ground stay as they are.
class Snapshot {
public:
    explicit Snapshot(const TForm1& form);
    void restore(TForm1& form) const;

private:
    struct Wizard {
        double x, y;
        std::int32_t hp, maxhp, walk, maxwalk, kills;
    };
    std::array<Wizard, Players::size> wizards_;
    Inplay inplay_;
    Obstacles obstacles_;
    Explosions explosions_;
    std::int32_t currentplayer_, playercount_;
    Mode mode_;
    std::int32_t inplaycount_, treecount_, gamelevel_, deadcount_, explosioncount_;
    bool matchrunning_, firstturn_, timer_;
    Random random_;
    std::uint64_t frames_;
};

// What a position holds, for the report and for the checks that it is the one meant.
struct Census {
    int wizards = 0, alive = 0, trees = 0, abilities = 0, projectiles = 0, explosions = 0;
    double smallest = 0, largest = 0;  // explosion radii
    int gamelevel = 0;
    std::string text() const;
};
Census census(const TForm1& form);

// A game played up to a position, drawing on `surface` once `draw(true)`.
class Game {
public:
    explicit Game(Surface& surface);
    Session& session() { return session_; }
    TForm1& form() { return session_.form(); }
    void draw(bool on) { switch_.on(on); }

private:
    SwitchSurface switch_;
    Session session_;
};

// Takes the shots in flight out of play, as if they had landed.
void grounded(TForm1& form);

// FrameTypical: 4 wizards, 4 projectiles in flight, 2 explosions of radius up to 50.
std::unique_ptr<Game> typical(Surface& surface);
// FrameQuiet: the typical match at rest, with nothing in flight and no explosion.
std::unique_ptr<Game> quiet(Surface& surface);
// FrameBusy: 12 wizards, 30 trees, 50 abilities in play, 25 explosions of radius 50.
std::unique_ptr<Game> busy(Surface& surface);
// FrameWorst: as busy, with the explosions of level-100 spells, radius 500.
std::unique_ptr<Game> worst(Surface& surface);

}  // namespace hexbrawl::bench

// SPDX-License-Identifier: MIT
// The match: flight, clashes, trees, wizards, explosions, the round end, and the
// presses that walk and cast.
#include <cmath>
#include <functional>

#include "tests/doubles/recordingsurface.h"
#include "tests/testing.h"

namespace hexbrawl {
namespace {

using testing::texts;

struct Match : ::testing::Test {
    RecordingSurface recording;
    Session s{&recording};
    TForm1& f = s.form();

    void start(int count)
    {
        testing::startmatch(s, 555, count);
        // An empty arena: no trees, every wizard far apart with walk to spare.
        for (Tobstacle& t : f.obstacles)
            t = Tobstacle{};
        f.treecount = 0;
        for (int p = 1; p <= count; ++p) {
            f.players[p].x = 50.0 + 150 * (p - 1);
            f.players[p].y = 600;
            f.players[p].hp = f.players[p].maxhp = 10;
            f.players[p].walk = f.players[p].maxwalk = 10;
        }
        f.currentplayer = 1;
        s.clearrecords();
    }

    // A projectile with fixed rolls when max = min + 1.
    Tability& bolt(double x, double y, const char* element, int min, int max, double dx = 0, double dy = 0,
                   double range = 80, double maxrange = 80, int owner = 1)
    {
        Tability a = f.catalog[0];
        a.name = std::string(element) + " bolt " + std::to_string(f.inplaycount + 1);
        a.element = element;
        a.sprite = a.element + "ball";
        a.kind = Ranged;
        a.x = x;
        a.y = y;
        a.dx = dx;
        a.dy = dy;
        a.range = range;
        a.maxrange = maxrange;
        a.mineffect = min;
        a.maxeffect = max;
        a.owner = owner;
        a.spritewidth = a.spriteheight = 7;
        a.level = 2;
        return put(a);
    }
    Tability& wall(double x, double y, const char* element, AbilityKind kind, int min, int max, int owner = 2)
    {
        Tability a = f.catalog[100 * (kind - 1)];
        a.name = std::string(element) + " wall " + std::to_string(f.inplaycount + 1);
        a.element = element;
        a.kind = kind;
        a.sprite = a.element + (kind == Block ? "block" : "curse");
        a.x = x;
        a.y = y;
        a.dx = a.dy = 0;
        a.range = a.maxrange = 1;
        a.mineffect = min;
        a.maxeffect = max;
        a.owner = owner;
        a.spritewidth = a.spriteheight = 20;
        return put(a);
    }
    Tability& put(const Tability& a)
    {
        ++f.inplaycount;
        f.inplay[f.inplaycount] = a;
        return f.inplay[f.inplaycount];
    }
    // Sets the seed so that the next two rolls (of a, then of b) satisfy `want`.
    void pinrolls(const Tability& a, const Tability& b, const std::function<bool(int, int)>& want)
    {
        for (std::uint32_t seed = 1; seed < 100000; ++seed) {
            Random r{seed};
            const int ra = r.randomint(a.maxeffect - a.mineffect) + a.mineffect;
            const int rb = r.randomint(b.maxeffect - b.mineffect) + b.mineffect;
            if (want(ra, rb)) {
                f.random.seed = seed;
                return;
            }
        }
        FAIL() << "no seed gives those rolls";
    }
    void tick(int n = 1) { s.tick(n); }
};

TEST_F(Match, ProjectilesFlyAndLeaveAtTheEdgeOrWhenSpent)
{
    start(2);
    bolt(742, 100, "fire", 1, 2, 8, 0);  // reaches 750: still inside
    bolt(100, 742, "fire", 1, 2, 0, 8.5);  // reaches 750.5: out in the same tick
    bolt(300, 300, "water", 1, 2, 0, 0, 3, 3);
    tick();
    ASSERT_EQ(f.inplaycount, 2);
    EXPECT_EQ(f.inplay[1].x, 750);
    EXPECT_EQ(f.inplay[1].range, 79);
    // The third moved down into the second's place after the scan had passed it.
    EXPECT_EQ(f.inplay[2].range, 3);
    tick();
    ASSERT_EQ(f.inplaycount, 1);  // the first is out at 758, and the third moves down again
    EXPECT_EQ(f.inplay[1].range, 3);
    tick(2);
    EXPECT_EQ(f.inplay[1].range, 1);
    tick();
    EXPECT_EQ(f.inplaycount, 0);  // spent
}

TEST_F(Match, ClashesWaitTwentyTicksOfFlight)
{
    start(2);
    Tability& b = wall(295, 295, "water", Block, 1, 2);
    bolt(300, 300, "fire", 5, 6, 0, 0, 31, 50);  // its centre is inside the block
    (void)b;
    tick();  // range 30: 30 + 20 is not below 50
    EXPECT_EQ(f.inplaycount, 2);
    s.clearrecords();
    tick();  // range 29: the clash
    EXPECT_EQ(f.inplaycount, 1);
    EXPECT_TRUE(testing::played(s, "wall"));
    EXPECT_EQ(f.inplay[1].kind, Ranged);
    EXPECT_EQ(f.inplay[1].mineffect, 4);  // lowered by the block's roll of 1
    EXPECT_EQ(f.inplay[1].maxeffect, 5);
}

TEST_F(Match, SameElementsPassThroughEachOther)
{
    start(2);
    wall(295, 295, "fire", Block, 1, 2);
    bolt(300, 300, "fire", 5, 6, 0, 0, 10, 80);
    tick(3);
    EXPECT_EQ(f.inplaycount, 2);
}

TEST_F(Match, BlockRows)
{
    start(2);
    {
        // The projectile wins: the block goes, the projectile's damage drops but
        // stays at least 0..1.
        Tability& b = wall(295, 295, "water", Block, 3, 10);
        Tability& a = bolt(300, 300, "fire", 2, 9, 0, 0, 10, 80);
        pinrolls(a, b, [&](int ra, int rb) { return ra > rb && rb > 2 + 0 && rb >= 3; });
        const Random pinned = f.random;
        Random r = pinned;
        r.randomint(7);
        const int rb = r.randomint(7) + 3;
        tick();
        ASSERT_EQ(f.inplaycount, 1);
        EXPECT_EQ(f.inplay[1].element, "fire");
        EXPECT_EQ(f.inplay[1].mineffect, 0);  // 2 - rb raised to 0
        EXPECT_EQ(f.inplay[1].maxeffect, std::max(1, 9 - rb));
    }
    {
        f.inplay[1] = Tability{};
        f.inplaycount = 0;
        // The block wins: the projectile goes, the block is weakened but kept.
        Tability& b = wall(295, 295, "water", Block, 4, 5);
        bolt(300, 300, "fire", 3, 4, 0, 0, 10, 80);
        s.clearrecords();
        tick();
        ASSERT_EQ(f.inplaycount, 1);
        EXPECT_EQ(b.kind, Block);
        EXPECT_EQ(b.mineffect, 1);
        EXPECT_EQ(b.maxeffect, 2);
        EXPECT_EQ(s.sounds(), std::vector<std::string>{"wall"});
    }
}

TEST_F(Match, EqualRollsCancelBothWhicheverPlaceComesFirst)
{
    start(2);
    wall(295, 295, "water", Block, 4, 5);
    bolt(300, 300, "fire", 4, 5, 0, 0, 10, 80);
    s.clearrecords();
    tick();
    EXPECT_EQ(f.inplaycount, 0);
    EXPECT_EQ(s.sounds(), std::vector<std::string>{"cancelation"});

    bolt(300, 300, "fire", 4, 5, 0, 0, 10, 80);
    wall(295, 295, "water", Reflect, 4, 5);
    bolt(600, 600, "life", 1, 2, 0, 0, 50, 80);  // a bystander after both
    tick();
    ASSERT_EQ(f.inplaycount, 1);
    EXPECT_EQ(f.inplay[1].element, "life");
}

TEST_F(Match, ReflectRows)
{
    start(3);
    {
        // The reflect wins: the projectile turns back and belongs to the reflector.
        Tability& r = wall(295, 295, "water", Reflect, 6, 7, 3);
        Tability& a = bolt(300, 300, "fire", 2, 3, 1.5, -2, 10, 80, 1);
        tick();
        ASSERT_EQ(f.inplaycount, 2);
        EXPECT_EQ(r.kind, Reflect);
        EXPECT_EQ(a.dx, -1.5);
        EXPECT_EQ(a.dy, 2);
        EXPECT_EQ(a.owner, 3);
    }
    {
        for (Tability& a : f.inplay)
            a = Tability{};
        f.inplaycount = 0;
        // The projectile wins: the reflect goes and the damage may drop below zero.
        wall(295, 295, "water", Reflect, 5, 6);
        bolt(300, 300, "fire", 2, 9, 0, 0, 10, 80);
        pinrolls(f.inplay[2], f.inplay[1], [](int ra, int rb) { return ra > rb; });
        tick();
        ASSERT_EQ(f.inplaycount, 1);
        EXPECT_EQ(f.inplay[1].mineffect, -3);
        EXPECT_EQ(f.inplay[1].maxeffect, 4);
    }
}

TEST_F(Match, AWinnerRemovedBeforeItMovesItDown)
{
    start(2);
    // The block sits before the projectile; when the projectile wins it moves down
    // into the block's place and goes on from there (here: to a tree).
    wall(295, 295, "water", Block, 1, 2);
    bolt(300, 300, "fire", 5, 6, 0, 0, 10, 80);
    f.obstacles[1] = {280, 280, 50, 50, 3, "tree1"};
    f.treecount = 1;
    tick();
    EXPECT_EQ(f.inplaycount, 0);
    EXPECT_EQ(f.treecount, 0);  // 3 hits less 4 felled it
    ASSERT_EQ(f.explosioncount, 1);
}

TEST_F(Match, TreesStopProjectilesAfterTenTicks)
{
    start(2);
    f.obstacles[1] = {200, 200, 50, 60, 9, "tree2"};
    f.treecount = 1;
    // The tree counts from x 210 to 240 only.
    bolt(204, 220, "earth", 3, 4, 0, 0, 80, 80);  // box 204..211: touches 210
    bolt(241, 220, "earth", 3, 4, 0, 0, 80, 80);  // right of the middle: never hits
    tick(10);
    EXPECT_EQ(f.inplaycount, 2);  // still within the grace
    s.clearrecords();
    tick();
    EXPECT_EQ(f.inplaycount, 1);
    EXPECT_EQ(f.obstacles[1].hits, 6);
    EXPECT_EQ(s.sounds(), std::vector<std::string>{"obstacle"});
    ASSERT_EQ(f.explosioncount, 1);
    EXPECT_EQ(f.explosions[1].x, 204);
    EXPECT_EQ(f.explosions[1].radius, 9);  // 2 x 5, already decayed once
    // Blocks never hit trees.
    wall(210, 210, "life", Block, 1, 2);
    tick(5);
    EXPECT_EQ(f.inplaycount, 2);
}

TEST_F(Match, WizardHitsHurtHealAndKill)
{
    start(3);
    Tplayer& two = f.players[2];  // at (200, 600)
    bolt(205, 605, "fire", 0, 1, 0, 0, 80, 80, 1);  // a roll of 0
    tick();
    EXPECT_EQ(two.hp, 10);
    EXPECT_FALSE(testing::played(s, "hurt"));
    EXPECT_TRUE(testing::played(s, "obstacle"));
    EXPECT_EQ(f.inplaycount, 0);

    bolt(205, 605, "fire", -7, -6, 0, 0, 80, 80, 1);  // a negative roll heals past the maximum
    tick();
    EXPECT_EQ(two.hp, 17);

    bolt(205, 605, "fire", 3, 4, 0, 0, 80, 80, 2);  // its own bolt passes the owner
    tick();
    EXPECT_EQ(two.hp, 17);
    EXPECT_EQ(f.inplaycount, 1);
    f.inplay[1] = Tability{};
    f.inplaycount = 0;

    s.clearrecords();
    f.currentplayer = 3;  // the kill goes to the wizard in turn, whoever cast
    f.players[3].walk = 10;
    bolt(205, 605, "fire", 20, 21, 0, 0, 80, 80, 1);
    tick();
    EXPECT_EQ(two.hp, -3);
    EXPECT_EQ(s.sounds(), (std::vector<std::string>{"obstacle", "hurt", "Death1"}));
    EXPECT_EQ(f.players[3].kills, 1);
    EXPECT_EQ(f.players[1].kills, 0);
    EXPECT_EQ(f.deadcount, 1);
    EXPECT_TRUE(f.matchrunning);  // three wizards: one death is not the end

    bolt(205, 605, "fire", 20, 21, 0, 0, 80, 80, 1);  // flies on over the dead
    tick();
    EXPECT_EQ(f.inplaycount, 1);
    EXPECT_EQ(f.deadcount, 1);
}

TEST_F(Match, TheRoundEndsWhenOneIsLeftAndReopensTheEditor)
{
    start(3);
    f.players[2].hp = 0;
    f.deadcount = 1;
    f.players[3].deathcry = "death";
    f.currentplayer = 3;
    // Wizard 3's own bolt, reflected back by wizard 1's reflect, kills wizard 3.
    bolt(355, 605, "fire", 50, 51, 0, 0, 80, 80, 1);
    s.clearrecords();
    tick();
    EXPECT_EQ(f.gamelevel, 2);
    EXPECT_FALSE(f.matchrunning);
    EXPECT_FALSE(f.controls.GameTimer.enabled);
    EXPECT_EQ(texts(s.messages()), std::vector<std::string>{"Player :A won this round!"});
    EXPECT_TRUE(testing::played(s, "death"));
    const Controls& c = f.controls;
    EXPECT_EQ(c.lvllbl.caption, "Level: 2");
    EXPECT_TRUE(c.PurchaseWindow.visible);
    EXPECT_EQ(f.currentplayer, 1);
    EXPECT_EQ(f.deadcount, 0);
    EXPECT_EQ(c.PlayerNameEd.text, "A");
    EXPECT_EQ(c.PointGauge.value, 8);
    EXPECT_EQ(c.PointGauge.max, 8);
    EXPECT_EQ(c.glLabel2.caption, "Pick Your Traits Wizard:(8)");
    EXPECT_EQ(c.HealthPicker.text, "10");  // wizard 1's own values, not the last wizard's
    EXPECT_EQ(c.WizardPortrait.picture, f.players[1].portrait);
    EXPECT_EQ(f.players[3].kills, 1);
    // The arena stays drawn behind the editor; nothing ticks any more.
    const auto frames = f.frames;
    tick(5);
    EXPECT_EQ(f.frames, frames);
    // Presses outside a match do nothing.
    s.press(60, 610);
    EXPECT_EQ(f.players[1].x, 50);
}

TEST_F(Match, TwoWizardsEndInTheSameTickAsTheDeath)
{
    start(2);
    bolt(205, 605, "fire", 50, 51, 0, 0, 80, 80, 1);
    tick();
    EXPECT_EQ(f.gamelevel, 2);
    EXPECT_EQ(texts(s.messages()), std::vector<std::string>{"Player :A won this round!"});
    // The next "Next Player" on the last wizard starts a fresh match at full health.
    s.click(Control::NextPlayerBtn);
    s.click(Control::NextPlayerBtn);
    EXPECT_TRUE(f.matchrunning);
    EXPECT_EQ(f.players[2].hp, f.players[2].maxhp);
}

TEST_F(Match, ExplosionsShrinkAndTheLastPlaceIsOverwritten)
{
    start(2);
    for (int e = 1; e <= 25; ++e)
        f.explosions[e] = {1.0 * e, 0, "earth", 30};
    f.explosioncount = 25;
    f.explosions[3].radius = 1;  // goes this tick; the one moving into place 3 is still decayed
    tick();
    ASSERT_EQ(f.explosioncount, 24);
    EXPECT_EQ(f.explosions[3].x, 4);
    for (int e = 1; e <= 24; ++e)
        EXPECT_EQ(f.explosions[e].radius, 29);
    f.explosioncount = 25;
    f.explosions[25] = {0, 0, "earth", 29};
    bolt(205, 605, "cosmo", 1, 2, 0, 0, 80, 80, 1);
    tick();
    EXPECT_EQ(f.explosioncount, 25);
    EXPECT_EQ(f.explosions[25].element, "cosmo");
    EXPECT_EQ(f.explosions[25].radius, 9);

    // A level-2 explosion is drawn at radii 9 down to 1, then gone.
    for (int e = 1; e <= 25; ++e)
        f.explosions[e].radius = 0;
    tick();
    ASSERT_EQ(f.explosioncount, 0);
    bolt(205, 605, "cosmo", 1, 2, 0, 0, 80, 80, 1);
    int drawn = 0;
    for (int t = 0; t < 12; ++t) {
        tick();
        drawn += f.explosioncount;
    }
    EXPECT_EQ(drawn, 9);
}

TEST_F(Match, WalkingCostsAPointPerStartedTenPixels)
{
    start(2);
    Tplayer& w = f.players[1];
    auto stepfrom = [&](double x, int walk) {
        w.x = x;
        w.y = 100;
        w.walk = walk;
        f.currentplayer = 1;
        s.press(160, 110);
    };
    stepfrom(100.1, 5);  // 49.9 pixels: 5 points, and the turn passes
    EXPECT_EQ(f.players[1].walk, 0);
    EXPECT_EQ(f.currentplayer, 2);
    EXPECT_FALSE(f.firstturn);
    EXPECT_EQ(w.x, 150);
    stepfrom(100, 5);  // exactly 50: 6 points, and the turn passes at the next tick
    EXPECT_EQ(w.walk, -1);
    EXPECT_EQ(f.controls.WalkLbl.caption, "Walk: -1 / 10");
    EXPECT_EQ(f.currentplayer, 1);
    tick();
    EXPECT_EQ(f.currentplayer, 2);
    stepfrom(99.9, 5);  // 50.1: out of reach
    EXPECT_EQ(w.walk, 5);
    EXPECT_EQ(w.x, 99.9);
    // A press on the centre itself costs one point and moves nothing.
    w.x = 100;
    w.y = 100;
    s.clearrecords();
    s.press(110, 110);
    EXPECT_EQ(w.walk, 4);
    EXPECT_EQ(s.sounds(), std::vector<std::string>{"step"});
    EXPECT_EQ(f.controls.LocationLbl.caption, "(100,100)");
    // Nothing clamps a step: the top-left pixel puts the box partly off the arena.
    w.walk = 20;
    s.press(0, 0);
    EXPECT_EQ(w.x, -10);
    EXPECT_EQ(w.y, -10);
}

TEST_F(Match, CastingEachKind)
{
    start(2);
    f.firstturn = false;
    Tplayer& w = f.players[1];
    w.x = 300;
    w.y = 300;
    w.walk = 50;
    Spellbook& book = w.spellbook;
    book[1] = f.catalog[100];  // Block
    book[2] = f.catalog[300];  // Teleport
    book[1].aim = book[2].aim = book[0].aim = 200;
    book[0].walkcost = 1;
    auto arm = [&](int row) {
        if (f.mode == Mode::aiming)
            s.click(Control::AbilityBtn);
        f.controls.SpellPicker.items = {book[0].name, book[1].name, book[2].name};
        s.select(Control::SpellPicker, row);
        s.click(Control::AbilityBtn);
        ASSERT_EQ(f.mode, Mode::aiming);
    };

    arm(0);
    s.clearrecords();
    s.press(310, 250);  // straight above the centre
    ASSERT_EQ(f.inplaycount, 1);
    const Tability& bolt = f.inplay[1];
    EXPECT_EQ(bolt.owner, 1);
    EXPECT_EQ(bolt.x, 310.0001);  // nudged off the vertical after the direction was taken
    EXPECT_EQ(bolt.y, 310);
    EXPECT_NEAR(bolt.dx, 0, 1e-12);
    EXPECT_EQ(bolt.dy, -8);
    EXPECT_EQ(bolt.range, bolt.maxrange);
    EXPECT_EQ(s.sounds(), std::vector<std::string>{bolt.element});
    EXPECT_EQ(w.walk, 49);
    s.press(311, 250);  // aiming stays on: a second cast charges again
    EXPECT_EQ(f.inplaycount, 2);
    EXPECT_EQ(w.walk, 48);
    s.press(749, 749);  // outside the aim circle: nothing
    EXPECT_EQ(f.inplaycount, 2);
    EXPECT_EQ(f.mode, Mode::aiming);

    arm(1);
    s.press(300, 200);
    ASSERT_EQ(f.inplaycount, 3);
    EXPECT_EQ(f.inplay[3].x, 290);
    EXPECT_EQ(f.inplay[3].y, 190);
    EXPECT_EQ(f.inplay[3].dx, 0);

    arm(2);
    s.clearrecords();
    const std::string location = f.controls.LocationLbl.caption;
    s.press(400, 420);
    EXPECT_EQ(w.x, 390);
    EXPECT_EQ(w.y, 410);
    EXPECT_EQ(f.inplaycount, 4);
    EXPECT_EQ(s.sounds(), std::vector<std::string>{"teleport"});
    EXPECT_EQ(f.controls.LocationLbl.caption, location);  // the next frame shows the new place

    // A full arena refuses casts.
    while (f.inplaycount < 50)
        put(f.catalog[100]);
    const int walk = w.walk;
    s.press(400, 420);
    EXPECT_EQ(f.inplaycount, 50);
    EXPECT_EQ(w.walk, walk);
}

TEST_F(Match, AFrameIsDrawnInLayers)
{
    start(2);
    f.players[2].hp = 0;
    f.obstacles[1] = {100.9, 120.0, 50.5, 40, 5, "tree1"};  // top on a band edge: not drawn
    f.obstacles[2] = {100.9, 125.5, 50.5, 40, 5, "tree2"};
    f.obstacles[3] = {100, -5, 40, 40, 5, "tree3"};  // above the arena: not drawn
    f.obstacles[4] = {10, 15, 40, 40, 5, "tree1"};  // a higher band: drawn first
    f.treecount = 4;
    f.deadcount = 0;
    wall(400, 400, "water", Block, 1, 2);
    f.explosions[1] = {50, 60, "fire", 11};
    f.explosioncount = 1;
    recording.clear();
    tick();
    const std::vector<std::string>& lines = recording.lines();
    ASSERT_EQ(lines.size(), 1u + 1444 + 2 + 2 + 1 + 1 + 1 + 1);
    EXPECT_EQ(lines[0], "clearsurface");
    EXPECT_EQ(lines[1].rfind("drawimage grass", 0), 0u);
    EXPECT_EQ(lines[1 + 38].substr(lines[1 + 38].size() - 4), "20 0");  // column by column
    std::size_t at = 1445;
    EXPECT_EQ(lines[at++], "drawimage " + f.players[1].portrait + " 50 600");
    EXPECT_EQ(lines[at++], "drawimage blood 200 600");
    EXPECT_EQ(lines[at++], "stretchimage tree1 10 15 50 55");
    EXPECT_EQ(lines[at++], "stretchimage tree2 100 125 151 165");
    EXPECT_EQ(lines[at++], "drawimage waterblock 400 400");
    EXPECT_EQ(lines[at++], "drawellipse -40 510 160 710 pen ff0000 fill none");  // walk 10: radius 100
    EXPECT_EQ(lines[at].rfind("drawellipse 40 50 60 70 pen ", 0), 0u);  // radius 10 after the decay
    ++at;
    EXPECT_EQ(lines[at], "flipsurface");
    EXPECT_EQ(f.frames, 1u);

    // Aiming draws the red circle of the chosen ability's aim.
    f.players[1].spellbook[0].aim = 30.7;
    s.select(Control::SpellPicker, 0);
    f.firstturn = false;
    s.click(Control::AbilityBtn);
    recording.clear();
    tick();
    EXPECT_NE(
        std::find(recording.lines().begin(), recording.lines().end(), "drawellipse 29 579 90 640 pen 0000ff fill none"),
        recording.lines().end());
}

TEST_F(Match, ExplosionColoursFlickerFromTheOneRandomSource)
{
    start(2);
    f.explosions[1] = {100, 100, "water", 50};
    f.explosions[2] = {100, 100, "unknown", 50};  // matches no colour: no draws
    f.explosioncount = 2;
    Random expected = f.random;
    const std::uint32_t r1 = static_cast<std::uint32_t>(expected.randomint(1000));
    const std::uint32_t r2 = static_cast<std::uint32_t>(expected.randomint(1000));
    recording.clear();
    tick();
    EXPECT_EQ(f.random.seed, expected.seed);
    char pen[64];
    std::snprintf(pen, sizeof pen, "pen %06x fill %06x", 0xFF0000u + r1 - r2, 0xFF0000u + r1 - r2);
    const std::string disc = recording.lines()[recording.lines().size() - 3];
    EXPECT_NE(disc.find(pen), std::string::npos) << disc;
}

}  // namespace
}  // namespace hexbrawl

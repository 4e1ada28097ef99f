// SPDX-License-Identifier: MIT
// Random play, checked after every action: thousands of seeded scripts of sensible
// moves mixed with junk, and a long session of a thousand rounds.
//
// Sizes: HEXBRAWL_MONKEY_LONG=1 selects the CI run (500 scripts of 2,000 commands,
// 1,000 rounds); HEXBRAWL_MONKEY_SCRIPTS, _COMMANDS, _FIRST and _ROUNDS set them one
// by one; HEXBRAWL_MONKEY_VERBOSE=1 prints the figures of every script. Replays:
// HEXBRAWL_MONKEY_SEED=N plays script N alone, and HEXBRAWL_MONKEY_SCRIPT=FILE plays
// a saved script with every rule checked.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>
#include <unistd.h>

#include "present/imagebank.h"
#include "present/softsurface.h"
#include "tests/monkey/monkey.h"

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
#define HEXBRAWL_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
#define HEXBRAWL_SANITIZED 1
#endif
#endif
#ifdef HEXBRAWL_SANITIZED
#include <sanitizer/common_interface_defs.h>
#endif

namespace hexbrawl {
namespace {

using namespace monkey;

long envnumber(const char* name, long fallback)
{
    const char* v = std::getenv(name);
    return v && *v ? std::strtol(v, nullptr, 10) : fallback;
}

bool longrun() { return envnumber("HEXBRAWL_MONKEY_LONG", 0) != 0; }

std::string savepath(const std::string& what) { return ::testing::TempDir() + "hexbrawl-monkey-" + what + ".txt"; }

// Prints a line of figures, and adds it to HEXBRAWL_MONKEY_FIGURES if set (the
// sanitizer run sums them up at its end).
void report(const std::string& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    if (const char* path = std::getenv("HEXBRAWL_MONKEY_FIGURES"))
        std::ofstream(path, std::ios::app) << line << '\n';
}

std::string n(std::uint64_t v) { return std::to_string(v); }

void save(const std::string& path, const Script& script)
{
    std::ofstream(path, std::ios::binary) << scripttext(script);
}

// What to say, and what to save, if the process dies or hangs in the middle of a
// script: the seed and the commands so far. Set before each script; read only by
// the handlers below.
struct Watch {
    std::atomic<std::uint64_t> progress{0};
    char banner[512] = {};
    char path[512] = {};
    const Script* script = nullptr;
};
Watch watch;

void writeall(int fd, const char* text, std::size_t length)
{
    while (length > 0) {
        const ssize_t n = ::write(fd, text, length);
        if (n <= 0)
            return;
        text += n;
        length -= static_cast<std::size_t>(n);
    }
}

// Not async-signal-safe in every step, but the process is going down anyway.
void lastwords()
{
    writeall(2, watch.banner, std::strlen(watch.banner));
    if (!watch.script || !watch.path[0])
        return;
    const int fd = ::open(watch.path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return;
    for (const Command& c : *watch.script) {
        const std::string line = scriptline(c) + "\n";
        writeall(fd, line.data(), line.size());
    }
    ::close(fd);
}

extern "C" void ondeath() { lastwords(); }

extern "C" void onsignal(int sig)
{
    lastwords();
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

// Installs the handlers and a watchdog that ends a hung run with the seed named.
class Guard {
public:
    Guard()
    {
#ifdef HEXBRAWL_SANITIZED
        __sanitizer_set_death_callback(ondeath);
        std::signal(SIGABRT, onsignal);  // failed assertions
#else
        for (int sig : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL})
            std::signal(sig, onsignal);
#endif
        const long stall = envnumber("HEXBRAWL_MONKEY_STALL", 300);
        dog_ = std::thread([this, stall] {
            std::uint64_t seen = watch.progress.load();
            auto since = std::chrono::steady_clock::now();
            while (!done_.load()) {
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
                const std::uint64_t now = watch.progress.load();
                if (now != seen) {
                    seen = now;
                    since = std::chrono::steady_clock::now();
                } else if (std::chrono::steady_clock::now() - since > std::chrono::seconds(stall)) {
                    const char hung[] = "monkey: no progress for HEXBRAWL_MONKEY_STALL seconds: a hang\n";
                    writeall(2, hung, sizeof hung - 1);
                    std::abort();
                }
            }
        });
    }
    ~Guard()
    {
        done_ = true;
        dog_.join();
        watch.script = nullptr;
    }

    void follow(const std::string& banner, const std::string& path, const Script* script)
    {
        std::snprintf(watch.banner, sizeof watch.banner, "%s", banner.c_str());
        std::snprintf(watch.path, sizeof watch.path, "%s", path.c_str());
        watch.script = script;
        ++watch.progress;
    }

private:
    std::atomic<bool> done_{false};
    std::thread dog_;
};

// One script in 25 draws its frames for real, so the drawing code runs under the
// sanitizers too; the others skip the pixels, which cost most of a sanitized run.
struct Surfaces {
    ImageBank bank;
    SoftSurface soft{[this](const PictureEntry& p) -> const Image& { return bank.picture(p); }};
    Surface* forseed(std::uint64_t seed) { return seed % 25 == 5 ? &soft : nullptr; }
};

// This test program, wherever ctest started it from.
std::string self()
{
    char path[4096];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    return n > 0 ? std::string(path, static_cast<std::size_t>(n)) : std::string("hexbrawl_tests");
}

std::string replaycommand(std::uint64_t seed)
{
    return "HEXBRAWL_MONKEY_SEED=" + std::to_string(seed) + " " + self() +
           " --gtest_filter=Monkey.RandomScriptsKeepEveryRule";
}

void add(Figures& total, const Figures& f)
{
    total.scripts += f.scripts;
    total.commands += f.commands;
    total.ticks += f.ticks;
    total.rounds += f.rounds;
    total.states += f.states;
    total.matches += f.matches;
    total.computer += f.computer;
}

TEST(Monkey, RandomScriptsKeepEveryRule)
{
    const bool one = std::getenv("HEXBRAWL_MONKEY_SEED") != nullptr;
    const long first = one ? envnumber("HEXBRAWL_MONKEY_SEED", 1) : envnumber("HEXBRAWL_MONKEY_FIRST", 1);
    const long scripts = one ? 1 : envnumber("HEXBRAWL_MONKEY_SCRIPTS", longrun() ? 500 : 50);
    const int commands = static_cast<int>(envnumber("HEXBRAWL_MONKEY_COMMANDS", 2000));
    Surfaces surfaces;
    Guard guard;
    Figures total;
    Outcome out;
    int failures = 0;
    for (long i = 0; i < scripts; ++i) {
        const auto seed = static_cast<std::uint64_t>(first + i);
        const std::string path = savepath(std::to_string(seed));
        guard.follow("monkey: script " + std::to_string(seed) + " died; its commands so far are in " + path +
                         "\nreplay: " + replaycommand(seed) + "\n",
                     path, &out.script);
        play(out, seed, commands, {}, surfaces.forseed(seed));
        add(total, out.figures);
        if (envnumber("HEXBRAWL_MONKEY_VERBOSE", 0))
            std::printf("script %s: %s ticks, %s matches, %s rounds\n", n(seed).c_str(), n(out.figures.ticks).c_str(),
                        n(out.figures.matches).c_str(), n(out.figures.rounds).c_str());
        if (out.failure) {
            // A fault that breaks many scripts is shrunk from its first few only.
            const bool shrinking = ++failures <= 3;
            const Script small =
                shrinking
                    ? shrink(out.script, out.failure->rule, surfaces.forseed(seed), 1'000'000, [] { ++watch.progress; })
                    : Script(out.script.begin(), out.script.begin() + static_cast<std::ptrdiff_t>(out.at) + 1);
            save(path, small);
            ADD_FAILURE() << "script " << seed << " broke '" << out.failure->rule << "' at command " << out.at + 1
                          << " ('" << scriptline(out.script[out.at]).substr(0, 80) << "'): " << out.failure->detail
                          << (shrinking ? "\nshrunk" : "\nnot shrunk") << " from " << out.at + 1 << " to "
                          << small.size() << " commands, saved in " << path << "\nreplay: " << replaycommand(seed)
                          << "\n    or: HEXBRAWL_MONKEY_SCRIPT=" << path << " " << self()
                          << " --gtest_filter=Monkey.ASavedScriptReplays\n    or: " << HEXBRAWL_SCRIPT << " " << path
                          << "\n--- script ---\n"
                          << scripttext(small).substr(0, 4000);
        }
    }
    report("monkey figures: " + n(total.scripts) + " scripts, " + n(total.commands) + " commands, " + n(total.ticks) +
           " ticks, " + n(total.matches) + " matches, " + n(total.rounds) + " rounds, " + n(total.states) +
           " states, " + n(total.computer) +
           " computer periods, failures: " + (::testing::Test::HasFailure() ? "yes" : "none"));
    EXPECT_EQ(total.commands, static_cast<std::uint64_t>(scripts * commands));
    // The well-formed part of the play must actually play: matches start and rounds end.
    if (!one && scripts >= 20) {
        EXPECT_GT(total.matches, static_cast<std::uint64_t>(scripts / 2));
        EXPECT_GT(total.rounds, static_cast<std::uint64_t>(scripts));
        // Some wizards are played by the computer, with the people's junk all around.
        EXPECT_GT(total.computer, static_cast<std::uint64_t>(scripts));
    }
}

TEST(Monkey, ASavedScriptReplays)
{
    const char* path = std::getenv("HEXBRAWL_MONKEY_SCRIPT");
    if (!path)
        GTEST_SKIP() << "set HEXBRAWL_MONKEY_SCRIPT=FILE to replay a saved script";
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << path;
    std::stringstream text;
    text << in.rdbuf();
    const Script script = parsescript(text.str());
    const Replay r = replay(script);
    EXPECT_FALSE(r.failure) << "command " << r.at + 1 << " ('" << scriptline(script[r.at]) << "') broke '"
                            << r.failure->rule << "': " << r.failure->detail;
}

// A thousand rounds of four wizards: the level climbs to 1,001, the budget with it,
// and every round ends.
TEST(Monkey, LongSessionOfFourWizards)
{
    const long rounds = envnumber("HEXBRAWL_MONKEY_ROUNDS", longrun() ? 1000 : 40);
    const std::uint64_t seed = 4;
    Guard guard;
    Outcome out;  // only the script so far, for the guard
    guard.follow("monkey: the long session died\n", savepath("long"), &out.script);
    Player player;
    Generator generator(seed, {.noise = 30, .players = 4, .purposeful = true});
    out.script.push_back(generator.first());
    ASSERT_FALSE(player.step(out.script.back()));
    const TForm1& f = player.form();
    int lastbudget = 0;
    std::uint64_t commandsinround = 0;
    std::uint64_t longest = 0;
    while (f.gamelevel <= rounds) {
        const int level = f.gamelevel;
        const Command c = generator.next(f);
        // The script of the round in progress is enough to see what went wrong.
        if (out.script.size() > 20000)
            out.script.erase(out.script.begin() + 1, out.script.begin() + 10001);
        out.script.push_back(c);
        ++watch.progress;
        const auto bad = player.step(c);
        ASSERT_FALSE(bad) << "round " << level << ": '" << scriptline(c).substr(0, 80) << "' broke '" << bad->rule
                          << "': " << bad->detail;
        ++commandsinround;
        if (f.gamelevel != level) {
            ASSERT_EQ(f.gamelevel, level + 1) << "two rounds ended in one command";
            // The editor reopens on wizard 1 with 4 points a level, more every round.
            ASSERT_FALSE(f.matchrunning);
            ASSERT_EQ(f.currentplayer, 1);
            ASSERT_EQ(f.controls.PointGauge.max, 4 * f.gamelevel);
            ASSERT_GT(f.controls.PointGauge.max, lastbudget);
            ASSERT_EQ(f.controls.lvllbl.caption, "Level: " + std::to_string(f.gamelevel));
            lastbudget = f.controls.PointGauge.max;
            longest = std::max(longest, commandsinround);
            commandsinround = 0;
        }
        ASSERT_LT(commandsinround, 20000u) << "round " << level << " does not end";
    }
    int kills = 0;
    for (int p = 1; p <= 4; ++p) {
        kills += f.players[p].kills;
        EXPECT_GE(f.players[p].kills, 0);
        EXPECT_GE(f.players[p].maxhp, 1);
        EXPECT_LE(f.players[p].maxhp, 100);
    }
    // Three of four fall every round, each kill credited to someone.
    EXPECT_GE(kills, 3 * rounds);
    EXPECT_EQ(f.gamelevel, rounds + 1);
    report("long session figures: 4 wizards, " + n(static_cast<std::uint64_t>(rounds)) + " rounds, level " +
           std::to_string(f.gamelevel) + ", budget " + std::to_string(f.controls.PointGauge.max) + ", " +
           n(player.figures.commands) + " commands, " + n(player.figures.ticks) + " ticks, longest round " +
           n(longest) + " commands, " + std::to_string(kills) + " kills");
}

// The figures above only count if a saved script replays the same way outside the
// test, through the runner's own parser and program.
TEST(Monkey, ScriptsAreReproducibleAndReplayThroughTheRunner)
{
    for (std::uint64_t seed : {3u, 11u, 20u}) {
        Outcome a;
        Outcome b;
        play(a, seed, 600);
        play(b, seed, 600);
        ASSERT_FALSE(a.failure) << a.failure->detail;
        ASSERT_EQ(scripttext(a.script), scripttext(b.script)) << "seed " << seed;

        // A state before the end (nothing may follow `close`).
        Script script = a.script;
        const bool closed = actionof(script.back()) && actionof(script.back())->verb == input::Action::Verb::close;
        script.emplace(closed ? script.end() - 1 : script.end(), Output::state);
        ASSERT_EQ(scripttext(parsescript(scripttext(script))), scripttext(script));

        Player player;
        std::string expected;
        for (const Command& c : script) {
            if (!actionof(c)) {
                expected = player.session().state();
                continue;
            }
            ASSERT_FALSE(player.step(c));
        }
        const std::string path = savepath("replay-" + std::to_string(seed));
        save(path, script);
        FILE* pipe = popen((std::string(HEXBRAWL_SCRIPT) + " " + path).c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string printed;
        char buffer[65536];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            printed.append(buffer, n);
        ASSERT_EQ(pclose(pipe), 0) << path;
        // The last line is the state at the end; junk may have asked for others before.
        ASSERT_FALSE(printed.empty());
        printed.pop_back();
        printed.erase(0, printed.rfind('\n') + 1);
        // The state documents differ only in the records, which the test's player
        // clears after every command.
        nlohmann::json want = nlohmann::json::parse(expected);
        nlohmann::json got = nlohmann::json::parse(printed);
        for (nlohmann::json* j : {&want, &got}) {
            j->erase("messages");
            j->erase("sounds");
        }
        EXPECT_EQ(want, got) << "seed " << seed;
    }
}

// The checker is only worth its figures if it notices a broken table.
// Three wizards, three ticks into their match.
void threewizards(Session& s)
{
    s.start(77);
    s.click(Control::TitleImage);
    s.set(Control::PlayerCountSpinner, "3");
    for (const char* name : {"A", "B", "C"}) {
        s.set(Control::PlayerNameEd, name);
        s.set(Control::PictureBox, "wizard1");
        s.set(Control::SndBox, "Death1");
        s.set(Control::ManaPicker, "5");
        s.click(Control::NextPlayerBtn);
    }
    s.tick(3);
}

TEST(Monkey, TheCheckerNoticesEveryBrokenRule)
{
    {
        Session s;
        threewizards(s);
        ASSERT_TRUE(s.form().matchrunning);
        ASSERT_FALSE(checkinvariants(s.form()));
    }

    const double nan = std::nan("");
    const struct {
        const char* rule;
        std::function<void(TForm1&)> breakit;
    } cases[] = {
        {"currentplayer", [](TForm1& f) { f.currentplayer = 0; }},
        {"currentplayer", [](TForm1& f) { f.currentplayer = 13; }},
        {"playercount", [](TForm1& f) { f.playercount = 13; }},
        {"inplay-packed", [](TForm1& f) { f.inplaycount = 51; }},
        {"inplay-packed", [](TForm1& f) { f.inplaycount = 1; }},  // place 1 is empty
        {"inplay-packed",
         [](TForm1& f) {
             f.inplay[2] = f.catalog[0];
             f.inplaycount = 1;
             f.inplay[1] = f.catalog[1];
             f.inplay[1].name.clear();
         }},
        {"obstacles-packed", [](TForm1& f) { f.obstacles[1].image.clear(); }},
        {"obstacles-packed", [](TForm1& f) { --f.treecount; }},
        {"explosions-count", [](TForm1& f) { f.explosioncount = 26; }},
        {"spellbook-packed", [](TForm1& f) { f.players[7].spellbook[5] = f.catalog[3]; }},
        {"points", [](TForm1& f) { f.controls.PointGauge.value = f.controls.PointGauge.max + 1; }},
        {"points", [](TForm1& f) { f.controls.PointGauge.value = -1; }},
        {"deadcount", [](TForm1& f) { f.players[2].hp = 0; }},
        {"deadcount", [](TForm1& f) { f.deadcount = 1; }},
        {"nan", [nan](TForm1& f) { f.players[12].y = nan; }},
        {"nan", [nan](TForm1& f) { f.obstacles[1].width = nan; }},
        {"nan",
         [nan](TForm1& f) {
             f.inplay[1] = f.catalog[0];
             f.inplay[1].dx = nan;
             f.inplaycount = 1;
         }},
        {"nan",
         [nan](TForm1& f) {
             f.explosioncount = 1;
             f.explosions[1] = {nan, 1, "fire", 5};
         }},
        {"turn-spells", [](TForm1& f) { f.controls.SpellPicker.items.push_back("x"); }},
        {"editor-name",
         [](TForm1& f) {
             f.matchrunning = false;
             f.controls.PurchaseWindow.visible = true;
             f.controls.PlayerNameEd.text = "someone else";
             f.controls.Yourlist.items = {f.players[f.currentplayer].spellbook[0].name};
         }},
        {"editor-spells",
         [](TForm1& f) {
             f.matchrunning = false;
             f.controls.PurchaseWindow.visible = true;
             f.controls.PlayerNameEd.text = f.players[f.currentplayer].name;
             f.controls.Yourlist.items.clear();
         }},
    };
    for (const auto& c : cases) {
        Session s;
        threewizards(s);
        TForm1& f = s.form();
        c.breakit(f);
        const std::optional<Failure> bad = checkinvariants(f);
        ASSERT_TRUE(bad) << c.rule;
        EXPECT_EQ(bad->rule, c.rule) << bad->detail;
    }

    // A look-up error is fine where the player typed the name, and a fault elsewhere.
    Player player;
    using input::Action;
    EXPECT_FALSE(player.step(Action::start(1)));
    EXPECT_FALSE(player.step(Action::click(Control::TitleImage)));
    EXPECT_FALSE(player.step(Action::set(Control::PictureBox, "nobody")));
    EXPECT_FALSE(player.step(Action::click(Control::PlaysndBtn)));
    player.session().form().players[1].deathcry = "nothing";  // slipped past the editor's check
    player.session().form().players[1].name = player.session().form().controls.PlayerNameEd.text = "Al";
    player.session().form().players[1].portrait = "wizard2";
    EXPECT_FALSE(player.step(Action::click(Control::NextPlayerBtn)));  // refused, a warning
    player.session().form().players[1].deathcry = "Death1";
    EXPECT_FALSE(player.step(Action::click(Control::NextPlayerBtn)));
    player.session().form().players[1].portrait = "nobody";
    const auto bad = player.step(Action::tick(1));
    ASSERT_TRUE(bad);
    EXPECT_EQ(bad->rule, "lookup-error");
}

// A surface that fails at the first frame: a fault that needs a match to show.
struct FailingSurface final : Surface {
    void clearsurface() override { throw std::runtime_error("the surface is gone"); }
    void drawimage(const PictureEntry&, int, int) override {}
    void stretchimage(const PictureEntry&, int, int, int, int) override {}
    void drawellipse(int, int, int, int, std::uint32_t, std::optional<std::uint32_t>) override {}
    void flipsurface() override {}
};

TEST(Monkey, TheShrinkerKeepsOnlyWhatTheFaultNeeds)
{
    FailingSurface failing;
    Outcome out;
    std::uint64_t seed = 1;
    for (; seed < 40; ++seed) {
        play(out, seed, 2000, {}, &failing);
        if (out.failure && out.at > 30)
            break;
    }
    ASSERT_TRUE(out.failure);
    ASSERT_EQ(out.failure->rule, "exception");
    const Script small = shrink(out.script, "exception", &failing);
    // start, the title, a name, a body, a death cry, Next Player, one tick.
    EXPECT_LE(small.size(), 7u) << scripttext(small);
    const Replay r = replay(small, &failing);
    ASSERT_TRUE(r.failure);
    EXPECT_EQ(r.at, small.size() - 1);
    ASSERT_TRUE(actionof(small.back()));
    EXPECT_EQ(*actionof(small.back()), input::Action::tick(1));
    // Every command left is needed.
    for (std::size_t i = 1; i < small.size(); ++i) {
        Script less = small;
        less.erase(less.begin() + static_cast<std::ptrdiff_t>(i));
        EXPECT_FALSE(replay(less, &failing).failure) << "command " << i << " is not needed:\n" << scripttext(small);
    }
}

}  // namespace
}  // namespace hexbrawl

// SPDX-License-Identifier: MIT
// hexbrawl-bench: the speed of a frame, of finding what a quiet frame changed, of
// the catalogue and of start-up, each measured against SurfaceCopy, a plain copy of
// one frame's pixels in the same run.
// It ends with one line per case, "ratio NAME X.XX": the case's median time as a
// multiple of SurfaceCopy's median.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bench/positions.h"
#include "game/catalog.h"
#include "game/computer/tactics.h"
#include "present/imagebank.h"
#include "present/softsurface.h"

namespace {

using namespace hexbrawl;

constexpr std::size_t framepixels = static_cast<std::size_t>(SoftSurface::width) * SoftSurface::height;

void SurfaceCopy(benchmark::State& state)
{
    std::vector<std::uint32_t> from(framepixels, 0xFF208020u), to(framepixels);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), framepixels * sizeof(std::uint32_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * framepixels * sizeof(std::uint32_t)));
}

// The position put back and drawn as it stands, outside the timing: the frame
// shown before the measured tick, which moves what flies and draws the next.
void before(benchmark::State& state, bench::Game& game, const bench::Snapshot& position)
{
    state.PauseTiming();
    position.restore(game.form());
    game.form().DrawScreen();
    state.ResumeTiming();
}

// One tick of the game, which ends with DrawScreen on the real surface.
void Frame(benchmark::State& state, bench::Game& game, const bench::Snapshot& position)
{
    game.draw(true);
    for (auto _ : state) {
        before(state, game, position);
        game.session().tick(1);
    }
    position.restore(game.form());
    if (!game.session().messages().empty())
        state.SkipWithError(("the tick showed: " + game.session().messages().front().text).c_str());
}

// Passes the drawing on; while armed, the benchmark's clock runs only during the
// flip (which finishes what the surface held back, if anything, then finds what
// changed).
class FlipClock final : public Surface {
public:
    explicit FlipClock(SoftSurface& target) : target_(target) {}
    void arm(benchmark::State* state) { state_ = state; }

    void clearsurface() override { target_.clearsurface(); }
    void drawimage(const PictureEntry& p, int x, int y) override { target_.drawimage(p, x, y); }
    void stretchimage(const PictureEntry& p, int l, int t, int r, int b) override
    {
        target_.stretchimage(p, l, t, r, b);
    }
    void drawellipse(int l, int t, int r, int b, std::uint32_t pen, std::optional<std::uint32_t> fill) override
    {
        target_.drawellipse(l, t, r, b, pen, fill);
    }
    void flipsurface() override
    {
        if (!state_) {
            target_.flipsurface();
            return;
        }
        state_->ResumeTiming();
        target_.flipsurface();
        state_->PauseTiming();
    }

private:
    SoftSurface& target_;
    benchmark::State* state_ = nullptr;
};

// The flip of a tick in which nothing moves: the game draws the frame as always,
// and finding that no pixel of it changed is what is measured.
void FlipQuiet(benchmark::State& state, bench::Game& game, const bench::Snapshot& position, FlipClock& clock)
{
    game.draw(true);
    for (auto _ : state) {
        before(state, game, position);
        state.PauseTiming();
        clock.arm(&state);
        game.session().tick(1);
        clock.arm(nullptr);
        state.ResumeTiming();
    }
    position.restore(game.form());
}

// The computer's decision in a turn of the busy position, once the shots in flight
// have landed (nothing is decided while they fly): 12 wizards, 30 trees and the 25
// blocks and reflects standing. Every living wizard takes the turn in its own copy of
// the game, one after another, at the strength given; a decision is the look at the
// game (its view) and the plan; the slowest is kept beside the median.
void ComputerMove(benchmark::State& state, const TForm1& position, ComputerSkill skill)
{
    std::vector<std::unique_ptr<TForm1>> seats;
    for (int p = 1; p <= position.playercount; ++p) {
        if (position.players[p].hp <= 0)
            continue;
        auto f = std::make_unique<TForm1>(position);
        bench::grounded(*f);
        f->currentplayer = p;
        f->computer[p] = true;
        f->computerskill[p] = skill;
        f->mode = Mode::walking;
        f->firstturn = false;
        Tplayer& w = f->players[p];
        w.walk = w.maxwalk;
        f->controls.SpellPicker.clear();
        for (const Tability& a : w.spellbook)
            if (!a.name.empty())
                f->controls.SpellPicker.items.push_back(a.name);
        seats.push_back(std::move(f));
    }
    double slowest = 0;
    std::size_t turn = 0;
    Random dice;
    for (auto _ : state) {
        const auto began = std::chrono::steady_clock::now();
        const computer::View view = computer::View::of(*seats[turn++ % seats.size()]);
        std::vector<input::Action> plan = computer::planturn(view, {}, dice);
        benchmark::DoNotOptimize(plan.data());
        slowest = std::max(slowest,
                           std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - began).count());
    }
    state.counters["slowest_us"] = slowest;
}

void Catalogue(benchmark::State& state)
{
    auto catalog = std::make_unique<Catalog>();
    Random random;
    for (auto _ : state) {
        random.seed = 12345;
        generatecatalog(*catalog, random);
        benchmark::DoNotOptimize(catalog.get());
        benchmark::ClobberMemory();
    }
}

// Window creation without a window: the game's FormCreate, every built-in picture
// decoded and the title picture decoded.
void StartUp(benchmark::State& state)
{
    for (auto _ : state) {
        Session session;
        session.start(12345);
        ImageBank bank;
        Image title = decodetitle();
        benchmark::DoNotOptimize(bank.picture(0).pixels.data());
        benchmark::DoNotOptimize(title.pixels.data());
    }
}

// Prints as usual, without colours so that the closing lines are plain text, and
// keeps the median of every case.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    MedianReporter() : ConsoleReporter(OO_Tabular) {}

    std::map<std::string, double> medians;  // seconds
    std::vector<std::string> order;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median")
                continue;
            const std::string& name = run.run_name.function_name;
            if (!medians.contains(name))
                order.push_back(name);
            medians[name] = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
    }
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    ImageBank bank;
    SoftSurface surface([&bank](const PictureEntry& entry) -> const Image& { return bank.picture(entry); });
    // In the window every flip goes to the arena, which makes the surface find what
    // changed; here it goes nowhere, but the changes are found all the same.
    surface.setpresenter([](const SoftSurface::Flip& flip) { benchmark::DoNotOptimize(flip.changed.data()); });
    FlipClock flipclock(surface);

    struct Case {
        const char* name;
        std::unique_ptr<bench::Game> (*build)(Surface&);
        std::unique_ptr<bench::Game> game;
        std::unique_ptr<bench::Snapshot> position;
    };
    std::vector<Case> frames;
    frames.push_back({"FrameQuiet", bench::quiet, nullptr, nullptr});
    frames.push_back({"FrameTypical", bench::typical, nullptr, nullptr});
    frames.push_back({"FrameBusy", bench::busy, nullptr, nullptr});
    frames.push_back({"FrameWorst", bench::worst, nullptr, nullptr});
    for (Case& c : frames) {
        try {
            c.game = c.build(flipclock);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s: %s\n", c.name, e.what());
            return 1;
        }
        c.position = std::make_unique<bench::Snapshot>(c.game->form());
        std::printf("position %s: %s\n", c.name, bench::census(c.game->form()).text().c_str());
    }
    std::fflush(stdout);

    const auto setup = [](benchmark::internal::Benchmark* b) {
        b->Repetitions(7)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
    };
    setup(benchmark::RegisterBenchmark("SurfaceCopy", SurfaceCopy));
    for (Case& c : frames)
        setup(benchmark::RegisterBenchmark(c.name,
                                           [&c](benchmark::State& state) { Frame(state, *c.game, *c.position); }));
    Case& quiet = frames[0];
    setup(benchmark::RegisterBenchmark("FlipQuiet", [&quiet, &flipclock](benchmark::State& state) {
        FlipQuiet(state, *quiet.game, *quiet.position, flipclock);
    }));
    const TForm1& busy = frames[2].game->form();
    for (ComputerSkill skill : {ComputerSkill::Easy, ComputerSkill::Normal, ComputerSkill::Hard})
        setup(benchmark::RegisterBenchmark(
            (std::string("ComputerMove/") + computerskillnames[static_cast<std::size_t>(skill)]).c_str(),
            [&busy, skill](benchmark::State& state) { ComputerMove(state, busy, skill); }));
    setup(benchmark::RegisterBenchmark("Catalogue", Catalogue));
    setup(benchmark::RegisterBenchmark("StartUp", StartUp));

    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto copy = reporter.medians.find("SurfaceCopy");
    if (copy == reporter.medians.end() || copy->second <= 0)
        return 0;
    for (const std::string& name : reporter.order)
        if (name != "SurfaceCopy")
            std::printf("ratio %s %.2f\n", name.c_str(), reporter.medians[name] / copy->second);
    return 0;
}

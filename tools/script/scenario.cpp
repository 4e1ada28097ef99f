// SPDX-License-Identifier: MIT
#include "tools/script/scenario.h"

#include <charconv>
#include <istream>
#include <ostream>
#include <stdexcept>

#include "game/input.h"
#include "tools/script/json.h"

namespace hexbrawl {

struct Session::Recorders final : Sound, Dialogs, Clock, TableHost {
    std::vector<RecordedMessage> messages;
    std::vector<std::string> sounds;
    std::uint32_t seed = 0;
    NullSurface nullsurface;
    NullTimer timer;

    void playwave(std::string_view asnamed, const WaveEntry&) override { sounds.emplace_back(asnamed); }
    void showmessage(MessageKind kind, const std::string& text) override { messages.push_back({kind, text}); }
    std::uint32_t seedvalue() override { return seed; }
    // A failed look-up is recorded as the error box the window shows.
    void failed(const LookupError& e) override { messages.push_back({MessageKind::error, e.what()}); }
};

Session::Session(Surface* surface) : recorders_(std::make_unique<Recorders>())
{
    Recorders& r = *recorders_;
    table_ = std::make_unique<GameTable>(Ports{surface ? *surface : r.nullsurface, r, r, r.timer, r}, r);
    form_ = &table_->form();
}

Session::~Session() = default;

const std::vector<RecordedMessage>& Session::messages() const { return recorders_->messages; }
const std::vector<std::string>& Session::sounds() const { return recorders_->sounds; }

void Session::clearrecords()
{
    recorders_->messages.clear();
    recorders_->sounds.clear();
}

void Session::start(std::uint32_t seed) { apply(input::Action::start(seed)); }
void Session::click(Control control) { apply(input::Action::click(control)); }
void Session::set(Control control, const std::string& text) { apply(input::Action::set(control, text)); }
void Session::select(Control control, int row) { apply(input::Action::select(control, row)); }
void Session::press(int x, int y) { apply(input::Action::press(x, y)); }
void Session::tick(int periods) { apply(input::Action::tick(periods)); }
void Session::close() { apply(input::Action::close()); }

bool Session::waiting() const { return table_->waiting(); }

void Session::apply(const input::Action& action)
{
    if (action.verb == input::Action::Verb::start)
        recorders_->seed = action.seed;
    if (action.verb != input::Action::Verb::tick) {
        table_->apply(action);
        return;
    }
    for (int i = 0; i < action.periods && !waiting(); ++i)
        table_->period();
}

namespace {

void writeability(JsonWriter& j, const Tability& a, int slot)
{
    j.beginobject();
    j.key("level").value(a.level);
    j.key("name").value(a.name);
    j.key("walkcost").value(a.walkcost);
    j.key("range").value(a.range);
    j.key("maxrange").value(a.maxrange);
    j.key("aim").value(a.aim);
    j.key("owner").value(a.owner);
    j.key("angle").value(a.angle);
    j.key("x").value(a.x);
    j.key("y").value(a.y);
    j.key("dx").value(a.dx);
    j.key("dy").value(a.dy);
    j.key("spritewidth").value(a.spritewidth);
    j.key("spriteheight").value(a.spriteheight);
    j.key("mineffect").value(a.mineffect);
    j.key("maxeffect").value(a.maxeffect);
    j.key("sprite").value(a.sprite);
    j.key("element").value(a.element);
    j.key("kind").value(static_cast<std::int32_t>(a.kind));
    if (slot >= 0)
        j.key("slot").value(static_cast<std::int64_t>(slot));
    j.endobject();
}

void writelist(JsonWriter& j, const std::vector<std::string>& lines)
{
    j.beginarray();
    for (const std::string& s : lines)
        j.value(s);
    j.endarray();
}

void writelistbox(JsonWriter& j, const ListBox& list)
{
    j.key("items");
    writelist(j, list.items);
    j.key("selected").value(static_cast<std::int64_t>(list.selected));
}

void writeedit(JsonWriter& j, std::string_view name, const EditBox& box)
{
    j.key(name).beginobject();
    j.key("text").value(box.text);
    j.key("enabled").value(box.enabled);
    j.endobject();
}

void writeflag(JsonWriter& j, std::string_view name, std::string_view flag, bool value)
{
    j.key(name).beginobject().key(flag).value(value).endobject();
}

void writecontrols(JsonWriter& j, const Controls& c)
{
    j.beginobject();
    j.key("Caption").value(c.Caption);
    writeflag(j, "TitleImage", "visible", c.TitleImage.visible);
    writeflag(j, "Draw", "visible", c.Draw.visible);
    writeflag(j, "PurchaseWindow", "visible", c.PurchaseWindow.visible);
    writeflag(j, "GameTimer", "enabled", c.GameTimer.enabled);
    j.key("lvllbl").value(c.lvllbl.caption);
    j.key("namelbl").value(c.namelbl.caption);
    j.key("LocationLbl").value(c.LocationLbl.caption);
    j.key("WalkLbl").value(c.WalkLbl.caption);
    j.key("HPlbl").value(c.HPlbl.caption);
    j.key("costlbl").value(c.costlbl.caption);
    j.key("glLabel2").value(c.glLabel2.caption);
    j.key("Walkpie").value(static_cast<std::int64_t>(c.Walkpie.progress));
    j.key("HealthPie").value(static_cast<std::int64_t>(c.HealthPie.progress));
    j.key("Portrait").value(c.Portrait.picture);
    j.key("WizardPortrait").value(c.WizardPortrait.picture);
    j.key("AbilityBtn").value(c.AbilityBtn.caption);
    j.key("AbilityInfo");
    writelist(j, c.AbilityInfo.lines);
    j.key("SpellInfo");
    writelist(j, c.SpellInfo.lines);
    j.key("SpellPicker").beginobject();
    writelistbox(j, c.SpellPicker);
    j.key("enabled").value(c.SpellPicker.enabled);
    j.key("color").value(c.SpellPicker.color == FontColor::red ? "red" : "yellow");
    j.endobject();
    j.key("PurchaseList").beginobject();
    writelistbox(j, c.PurchaseList);
    j.endobject();
    j.key("Yourlist").beginobject();
    writelistbox(j, c.Yourlist);
    j.endobject();
    j.key("MagicType").value(static_cast<std::int64_t>(c.MagicType.page));
    writeflag(j, "SellBtn", "enabled", c.SellBtn.enabled);
    writeedit(j, "PlayerCountSpinner", c.PlayerCountSpinner);
    writeedit(j, "PlayerNameEd", c.PlayerNameEd);
    writeedit(j, "PictureBox", c.PictureBox);
    writeedit(j, "SndBox", c.SndBox);
    writeedit(j, "HealthPicker", c.HealthPicker);
    writeedit(j, "ManaPicker", c.ManaPicker);
    j.key("PointGauge").beginobject();
    j.key("value").value(static_cast<std::int64_t>(c.PointGauge.value));
    j.key("max").value(static_cast<std::int64_t>(c.PointGauge.max));
    j.endobject();
    writeflag(j, "ComputerBox", "checked", c.ComputerBox.checked);
    writeedit(j, "ComputerSkillBox", c.ComputerSkillBox);
    j.endobject();
}

const char* kindname(MessageKind kind)
{
    switch (kind) {
    case MessageKind::info: return "info";
    case MessageKind::warning: return "warning";
    case MessageKind::error: return "error";
    }
    return "";
}

}  // namespace

std::string Session::state()
{
    const TForm1& f = *form_;
    JsonWriter j;
    j.beginobject();
    j.key("seed").value(f.random.seed);
    j.key("currentplayer").value(f.currentplayer);
    j.key("playercount").value(f.playercount);
    j.key("sellindex").value(f.sellindex);
    j.key("matchrunning").value(f.matchrunning);
    j.key("mode").value(static_cast<std::int32_t>(f.mode));
    j.key("inplaycount").value(f.inplaycount);
    j.key("treecount").value(f.treecount);
    j.key("gamelevel").value(f.gamelevel);
    j.key("deadcount").value(f.deadcount);
    j.key("explosioncount").value(f.explosioncount);
    j.key("firstturn").value(f.firstturn);

    j.key("players").beginarray();
    for (const Tplayer& p : f.players) {
        j.beginobject();
        j.key("name").value(p.name);
        j.key("kills").value(p.kills);
        j.key("x").value(p.x);
        j.key("y").value(p.y);
        j.key("hp").value(p.hp);
        j.key("maxhp").value(p.maxhp);
        j.key("walk").value(p.walk);
        j.key("maxwalk").value(p.maxwalk);
        j.key("deathcry").value(p.deathcry);
        j.key("portrait").value(p.portrait);
        j.key("spellbook").beginarray();
        for (int s = Spellbook::first; s <= Spellbook::last; ++s)
            if (!p.spellbook[s].name.empty())
                writeability(j, p.spellbook[s], s);
        j.endarray();
        j.endobject();
    }
    j.endarray();
    j.key("computer").beginarray();
    for (const bool seat : f.computer)
        j.value(seat);
    j.endarray();
    j.key("computerskill").beginarray();
    for (const ComputerSkill skill : f.computerskill)
        j.value(computerskillnames[static_cast<std::size_t>(skill)]);
    j.endarray();

    j.key("inplay").beginarray();
    for (int i = Inplay::first; i <= Inplay::last; ++i)
        if (!f.inplay[i].name.empty())
            writeability(j, f.inplay[i], i);
    j.endarray();

    j.key("obstacles").beginarray();
    for (int i = Obstacles::first; i <= Obstacles::last; ++i) {
        const Tobstacle& t = f.obstacles[i];
        if (t.image.empty())
            continue;
        j.beginobject();
        j.key("slot").value(static_cast<std::int64_t>(i));
        j.key("x").value(t.x);
        j.key("y").value(t.y);
        j.key("width").value(t.width);
        j.key("height").value(t.height);
        j.key("hits").value(t.hits);
        j.key("image").value(t.image);
        j.endobject();
    }
    j.endarray();

    j.key("explosions").beginarray();
    for (int e = 1; e <= f.explosioncount && Explosions::contains(e); ++e) {
        const Texplosion& x = f.explosions[e];
        j.beginobject();
        j.key("x").value(x.x);
        j.key("y").value(x.y);
        j.key("element").value(x.element);
        j.key("radius").value(x.radius);
        j.endobject();
    }
    j.endarray();

    j.key("terrain").beginarray();
    for (int c = 1; c <= 38; ++c) {
        std::string column;
        for (int r = 1; r <= 38; ++r) {
            const std::string& tile = f.terrain[c][r];
            column += tile == "grass1" ? '1' : tile == "grass2" ? '2' : tile == "grass3" ? '3' : '.';
        }
        j.value(column);
    }
    j.endarray();

    j.key("frames").value(static_cast<std::uint64_t>(f.frames));

    j.key("messages").beginarray();
    for (const RecordedMessage& m : recorders_->messages) {
        j.beginobject();
        j.key("kind").value(kindname(m.kind));
        j.key("text").value(m.text);
        j.endobject();
    }
    j.endarray();
    j.key("sounds");
    writelist(j, recorders_->sounds);

    j.key("controls");
    writecontrols(j, f.controls);
    j.endobject();

    clearrecords();
    return j.text();
}

std::string Session::catalogjson() const
{
    JsonWriter j;
    j.beginarray();
    for (const Tability& a : form_->catalog)
        writeability(j, a, -1);
    j.endarray();
    return j.text();
}

namespace {

std::int64_t number(std::string_view word, std::int64_t lo, std::int64_t hi, const char* what)
{
    std::int64_t v = 0;
    const char* first = word.data();
    const char* last = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(first, last, v);
    if (word.empty() || ec != std::errc() || ptr != last || word.front() == '+')
        throw std::invalid_argument(std::string(what) + " is not a decimal integer: '" + std::string(word) + "'");
    if (v < lo || v > hi)
        throw std::invalid_argument(std::string(what) + " " + std::string(word) + " is out of range " +
                                    std::to_string(lo) + ".." + std::to_string(hi));
    return v;
}

std::vector<std::string_view> splitwords(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t start = 0;
    for (;;) {
        const std::size_t blank = line.find(' ', start);
        words.push_back(line.substr(start, blank == std::string_view::npos ? std::string_view::npos : blank - start));
        if (blank == std::string_view::npos)
            break;
        start = blank + 1;
    }
    return words;
}

Control controlfor(std::string_view name, input::Action::Verb takes, const char* verb)
{
    const std::optional<Control> c = controlbyname(name);
    if (!c || input::verbof(*c) != takes)
        throw std::invalid_argument("'" + std::string(verb) + "' knows no control '" + std::string(name) + "'");
    return *c;
}

void wordcount(const std::vector<std::string_view>& words, std::size_t n, const char* usage)
{
    if (words.size() != n)
        throw std::invalid_argument(std::string("expected '") + usage + "'");
    for (std::string_view w : words)
        if (w.empty())
            throw std::invalid_argument(std::string("words are separated by single blanks: '") + usage + "'");
}

}  // namespace

std::optional<Command> parseline(std::string_view line)
{
    using input::Action;
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#')
        return std::nullopt;

    const std::size_t blank = line.find(' ');
    const std::string_view verb = line.substr(0, blank);
    if (verb == "set") {
        // TEXT is the rest of the line after the blank that follows NAME, as it stands.
        if (blank == std::string_view::npos)
            throw std::invalid_argument("expected 'set NAME TEXT'");
        const std::string_view rest = line.substr(blank + 1);
        const std::size_t split = rest.find(' ');
        const std::string_view name = rest.substr(0, split);
        if (name.empty())
            throw std::invalid_argument("expected 'set NAME TEXT'");
        return Action::set(controlfor(name, Action::Verb::set, "set"),
                           split == std::string_view::npos ? std::string() : std::string(rest.substr(split + 1)));
    }

    const std::vector<std::string_view> words = splitwords(line);
    auto integer = [](std::string_view word, std::int64_t lo, std::int64_t hi, const char* what) {
        return static_cast<int>(number(word, lo, hi, what));
    };
    if (verb == "start") {
        wordcount(words, 2, "start SEED");
        return Action::start(static_cast<std::uint32_t>(number(words[1], 0, 4294967295LL, "SEED")));
    }
    if (verb == "click") {
        wordcount(words, 2, "click NAME");
        return Action::click(controlfor(words[1], Action::Verb::click, "click"));
    }
    if (verb == "select") {
        wordcount(words, 3, "select NAME ROW");
        const Control c = controlfor(words[1], Action::Verb::select, "select");
        return Action::select(c, c == Control::MagicType ? integer(words[2], 0, 3, "tab")
                                                         : integer(words[2], INT32_MIN, INT32_MAX, "ROW"));
    }
    if (verb == "press") {
        wordcount(words, 3, "press X Y");
        return Action::press(integer(words[1], 0, 749, "X"), integer(words[2], 0, 749, "Y"));
    }
    if (verb == "tick") {
        wordcount(words, 2, "tick N");
        return Action::tick(integer(words[1], 1, INT32_MAX, "N"));
    }
    if (verb == "close" || verb == "state" || verb == "catalog") {
        wordcount(words, 1, std::string(verb).c_str());
        if (verb == "close")
            return Action::close();
        return verb == "state" ? Output::state : Output::catalog;
    }
    throw std::invalid_argument("unknown command '" + std::string(verb) + "'");
}

int runscript(std::istream& in, std::ostream& out, std::ostream& err)
{
    Session session;
    std::string line;
    int number = 0;
    bool started = false;
    bool closed = false;
    try {
        while (std::getline(in, line)) {
            ++number;
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            std::optional<Command> command;
            try {
                command = parseline(line);
                if (!command)
                    continue;
                const auto* action = std::get_if<input::Action>(&*command);
                const bool start = action && action->verb == input::Action::Verb::start;
                if (closed)
                    throw std::invalid_argument("nothing may follow 'close'");
                if (start && started)
                    throw std::invalid_argument("'start' may come only once");
                if (!start && !started)
                    throw std::invalid_argument("the script must begin with 'start SEED'");
            } catch (const std::invalid_argument& e) {
                out.flush();
                err << "line " << number << ": " << e.what() << '\n';
                return 2;
            }
            if (const auto* action = std::get_if<input::Action>(&*command)) {
                started = true;
                closed = action->verb == input::Action::Verb::close;
                session.apply(*action);
            } else if (std::get<Output>(*command) == Output::state) {
                out << session.state() << '\n';
            } else {
                out << session.catalogjson() << '\n';
            }
        }
        if (!started) {
            err << "line 1: the script holds no command\n";
            return 2;
        }
    } catch (const std::exception& e) {
        out.flush();
        err << "hexbrawl-script: " << e.what() << '\n';
        return 1;
    }
    out.flush();
    return out ? 0 : 1;
}

}  // namespace hexbrawl

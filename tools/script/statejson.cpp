// SPDX-License-Identifier: MIT
#include "tools/script/statejson.h"

#include "tools/script/json.h"

namespace hexbrawl {

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

// Each control as the runner prints it, by what the game holds of it.
void put(JsonWriter& j, std::string_view name, const std::string& text) { j.key(name).value(text); }
void put(JsonWriter& j, std::string_view name, const Shown& s)
{
    j.key(name).beginobject().key("visible").value(s.visible).endobject();
}
void put(JsonWriter& j, std::string_view name, const Timer& t)
{
    j.key(name).beginobject().key("enabled").value(t.enabled).endobject();
}
void put(JsonWriter& j, std::string_view name, const FlagButton& b)
{
    j.key(name).beginobject().key("enabled").value(b.enabled).endobject();
}
void put(JsonWriter& j, std::string_view name, const CheckBox& b)
{
    j.key(name).beginobject().key("checked").value(b.checked).endobject();
}
void put(JsonWriter& j, std::string_view name, const Label& l) { j.key(name).value(l.caption); }
void put(JsonWriter& j, std::string_view name, const Button& b) { j.key(name).value(b.caption); }
void put(JsonWriter& j, std::string_view name, const Pie& p)
{
    j.key(name).value(static_cast<std::int64_t>(p.progress));
}
void put(JsonWriter& j, std::string_view name, const Pages& p) { j.key(name).value(static_cast<std::int64_t>(p.page)); }
void put(JsonWriter& j, std::string_view name, const Picture& p) { j.key(name).value(p.picture); }
void put(JsonWriter& j, std::string_view name, const Memo& m)
{
    j.key(name);
    writelist(j, m.lines);
}
void putrows(JsonWriter& j, const ListBox& list)
{
    j.key("items");
    writelist(j, list.items);
    j.key("selected").value(static_cast<std::int64_t>(list.selected));
}
void put(JsonWriter& j, std::string_view name, const ListBox& list)
{
    j.key(name).beginobject();
    putrows(j, list);
    j.endobject();
}
void put(JsonWriter& j, std::string_view name, const SpellList& list)
{
    j.key(name).beginobject();
    putrows(j, list);
    j.key("enabled").value(list.enabled);
    j.key("color").value(list.color == FontColor::red ? "red" : "yellow");
    j.endobject();
}
void put(JsonWriter& j, std::string_view name, const EditBox& box)
{
    j.key(name).beginobject();
    j.key("text").value(box.text);
    j.key("enabled").value(box.enabled);
    j.endobject();
}
void put(JsonWriter& j, std::string_view name, const Gauge& g)
{
    j.key(name).beginobject();
    j.key("value").value(static_cast<std::int64_t>(g.value));
    j.key("max").value(static_cast<std::int64_t>(g.max));
    j.endobject();
}
void put(JsonWriter&, std::string_view, const Nothing&) {}

void writecontrols(JsonWriter& j, const Controls& c)
{
    j.beginobject();
#define HEXBRAWL_PUT_CONTROL(name, Type, verb, place, handler, ...) put(j, #name, c.name);
    HEXBRAWL_CONTROLS(HEXBRAWL_PUT_CONTROL)
#undef HEXBRAWL_PUT_CONTROL
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

std::string statejson(const TForm1& f, const std::vector<RecordedMessage>& messages,
                      const std::vector<std::string>& sounds)
{
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
    for (const RecordedMessage& m : messages) {
        j.beginobject();
        j.key("kind").value(kindname(m.kind));
        j.key("text").value(m.text);
        j.endobject();
    }
    j.endarray();
    j.key("sounds");
    writelist(j, sounds);

    j.key("controls");
    writecontrols(j, f.controls);
    j.endobject();

    return j.text();
}

std::string catalogjson(const Catalog& catalog)
{
    JsonWriter j;
    j.beginarray();
    for (const Tability& a : catalog)
        writeability(j, a, -1);
    j.endarray();
    return j.text();
}

}  // namespace hexbrawl

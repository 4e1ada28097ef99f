// SPDX-License-Identifier: MIT
// The spell shop: the catalogue pages, the spellbook, buying and selling.
#include <string>

#include "game/kinds.h"
#include "game/tform1.h"

namespace hexbrawl {

void TForm1::abilityinfo(std::vector<std::string>& lines, const Tability& a) const
{
    lines.clear();
    lines.push_back("Name: " + a.name);
    if (const KindFacts* k = factsof(a.kind))
        lines.emplace_back(k->shopline);
    lines.push_back("Level: " + std::to_string(a.level));
    lines.push_back("Min: " + std::to_string(a.mineffect));
    lines.push_back("Max: " + std::to_string(a.maxeffect));
    lines.push_back("Walk Cost: " + std::to_string(a.walkcost));
    lines.push_back("Range: " + std::to_string(truncate(a.range)));
    lines.push_back("Aim: " + std::to_string(truncate(a.aim)));
}

void TForm1::refreshyourlist()
{
    controls.Yourlist.clear();
    for (const Tability& slot : current().spellbook)
        if (!slot.name.empty())
            controls.Yourlist.items.push_back(slot.name);

    const int page = controls.MagicType.page;
    controls.PurchaseList.clear();
    for (int i = 1; i <= pagesize; ++i)
        controls.PurchaseList.items.push_back(catalog[page * pagesize + i - 1].name + "(" + std::to_string(3 * i) +
                                              ")");
}

void TForm1::MagicTypeChange() { refreshyourlist(); }

void TForm1::PurchaseListClick()
{
    const int r = controls.PurchaseList.selected;
    if (r < 0)
        return;
    controls.costlbl.caption = "Cost: " + std::to_string(3 * (r + 1));
    abilityinfo(controls.SpellInfo.lines, catalog[catalogindex(controls.MagicType.page, r)]);
}

void TForm1::PurchaseBtnClick()
{
    // No row chosen, or no free slot: there is nothing to buy.
    const int r = controls.PurchaseList.selected;
    const int n = static_cast<int>(controls.Yourlist.items.size());
    if (r < 0 || n >= Spellbook::size)
        return;
    const Tability& a = catalog[catalogindex(controls.MagicType.page, r)];
    const std::int32_t price = 3 * a.level;
    if (price > controls.PointGauge.value)
        return;
    playwave("button");
    setpoints(controls.PointGauge.value - price);
    pointscaption();
    current().spellbook[n] = a;
    refreshyourlist();
}

void TForm1::YourlistClick()
{
    if (controls.Yourlist.selected < 0)
        return;
    controls.SellBtn.enabled = true;
    sellindex = controls.Yourlist.selected;
    playwave("click");
    abilityinfo(controls.SpellInfo.lines, current().spellbook[sellindex]);
}

void TForm1::SellBtnClick()
{
    // A stale row (the editor reopened with "<----" still enabled) sells nothing.
    if (!controls.Yourlist.hasrow(sellindex)) {
        controls.SellBtn.enabled = false;
        playwave("click");
        return;
    }
    const std::string s = controls.Yourlist.items[static_cast<std::size_t>(sellindex)];
    controls.SellBtn.enabled = false;
    playwave("click");

    // The refund is the price of the first entry of the shown page with that name.
    const int page = controls.MagicType.page;
    const Tability* entry = nullptr;
    for (int i = 0; i < pagesize && !entry; ++i)
        if (catalog[catalogindex(page, i)].name == s)
            entry = &catalog[catalogindex(page, i)];
    if (!entry)
        return;
    setpoints(controls.PointGauge.value + 3 * entry->level);
    pointscaption();

    current().spellbook.remove(sellindex, Spellbook::last, [](Tability& last) {
        last.name.clear();
        last.sprite.clear();
        last.element.clear();
        last.walkcost = 0;
        last.range = last.maxrange = last.aim = last.angle = last.x = last.y = 0;
        last.mineffect = last.maxeffect = 0;
        last.kind = AbilityKind{};
    });
    refreshyourlist();
}

}  // namespace hexbrawl

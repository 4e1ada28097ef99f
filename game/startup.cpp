// SPDX-License-Identifier: MIT
// Start-up, the title screen and the score report.
#include <string>

#include "game/catalog.h"
#include "game/tform1.h"

namespace hexbrawl {

TForm1::TForm1(const Ports& ports) : ports_(ports) {}

void TForm1::FormCreate()
{
    controls.Draw.visible = false;
    controls.TitleImage.visible = true;
    controls.PurchaseWindow.visible = false;

    random.seed = ports_.clock.seedvalue();

    // Trees may stand partly or wholly off the arena: nothing clamps them.
    treecount = random.randomint(20) + 10;
    for (int i = 1; i <= treecount; ++i)
        planttree(obstacles[i]);

    generatecatalog(catalog, random);

    for (Tplayer& p : players) {
        p.maxhp = 1;
        p.hp = 1;
        p.maxwalk = 1;
        p.walk = 1;
        p.spellbook[0] = makestartingability(random);
    }

    currentplayer = 1;
    playercount = 1;
    matchrunning = false;
    firstturn = true;

    showpicture(controls.WizardPortrait.picture, "forget");
    controls.Yourlist.clear();
    gamelevel = 1;
    controls.lvllbl.caption = "Level: " + std::to_string(gamelevel);
    controls.Yourlist.items.push_back(players[1].spellbook[0].name);

    // The first listing has a blank before the price; every later refresh has none.
    controls.PurchaseList.clear();
    for (int L = 1; L <= pagesize; ++L)
        controls.PurchaseList.items.push_back(catalog[catalogindex(0, L - 1)].name + " (" + std::to_string(3 * L) +
                                              ")");

    controls.PictureBox.text.clear();
    controls.PictureBox.items.clear();
    for (const PictureEntry& e : pictures())
        if (e.name.starts_with("wizard"))
            controls.PictureBox.items.emplace_back(e.name);

    controls.SndBox.text.clear();
    controls.SndBox.items.clear();
    for (const WaveEntry& e : waves())
        if (e.name.starts_with("Death"))
            controls.SndBox.items.emplace_back(e.name);
}

void TForm1::TitleImageClick()
{
    controls.TitleImage.visible = false;
    controls.PurchaseWindow.visible = true;
    controls.Draw.visible = true;
}

void TForm1::FormClose()
{
    std::string scores;
    for (int i = 1; i <= playercount; ++i)
        scores += players[i].name + " with " + std::to_string(players[i].kills) + " kills.";
    if (!players[1].name.empty())
        message(MessageKind::info, "And the scores are: " + scores);
}

}  // namespace hexbrawl

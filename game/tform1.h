// SPDX-License-Identifier: MIT
// The game: every table and window field, and every handler and plain operation
// that acts on them. The window and the scenario runner drive the same handlers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "game/controls.h"
#include "game/events.h"
#include "game/kinds.h"
#include "game/random.h"
#include "game/state.h"
#include "present/ports.h"

namespace hexbrawl {

class TForm1 {
public:
    explicit TForm1(const Ports& ports);

    // Tables
    Players players;
    Catalog catalog;
    Inplay inplay;
    Obstacles obstacles;
    Terrain terrain;
    Explosions explosions;

    // Window fields
    std::int32_t currentplayer = 0;
    std::int32_t playercount = 0;
    std::int32_t sellindex = 0;
    bool matchrunning = false;
    Mode mode = Mode::walking;
    std::int32_t inplaycount = 0;
    std::int32_t treecount = 0;
    std::int32_t gamelevel = 0;
    std::int32_t deadcount = 0;
    std::int32_t explosioncount = 0;
    bool firstturn = false;
    // The seats: which wizards the computer plays. Beside the rules, never read by them.
    Table<bool, 1, 12> computer{};
    // How strongly the computer plays each wizard, kept while the seat changes hands.
    Table<ComputerSkill, 1, 12> computerskill = allnormal();

    Random random;
    Controls controls;
    std::uint64_t frames = 0;  // frames DrawScreen has drawn
    EventLog events;  // what happened, for the window to show; never read by the rules

    // Start-up and shutdown
    void FormCreate();
    void TitleImageClick();
    void FormClose();

    // Trait editor
    void PlayerCountSpinnerChange();
    void PlayerNameEdChange();
    void PictureBoxChange();
    void SndBoxChange();
    void PlaysndBtnClick();
    void HealthPickerChange();
    void ManaPickerChange();
    void ComputerBoxClick();
    void ComputerSkillBoxChange();

    // Spell shop
    void refreshyourlist();
    void MagicTypeChange();
    void PurchaseListClick();
    void PurchaseBtnClick();
    void YourlistClick();
    void SellBtnClick();

    // Roster
    void NextPlayerBtnClick();

    // Turns and the turn display
    void startgame();
    void EndTurnBtnClick();
    void SpellPickerClick();
    void AbilityBtnClick();

    // The arena
    void DrawMouseDown(int X, int Y);
    void GameTimerTimer();
    void DrawScreen();

    // The Stats Editor's point budget for this visit
    std::int32_t budget() const;

private:
    static Table<ComputerSkill, 1, 12> allnormal()
    {
        Table<ComputerSkill, 1, 12> t;
        t.items.fill(ComputerSkill::Normal);
        return t;
    }

    Ports ports_;

    Tplayer& current() { return players[currentplayer]; }

    // Presentation helpers: each looks the name up first, so an unknown name
    // throws before anything is drawn, played or shown.
    void playwave(std::string_view name);
    void showpicture(std::string& picturebox, const std::string& name);
    void message(MessageKind kind, const std::string& text);
    void setgametimer(bool enabled);
    // How strong and how big a new tree grows: hits randomint(hitspread) + hitbase,
    // width and height drawn about their means.
    struct TreeGrowth {
        std::int32_t hitspread, hitbase;
        double width, widthsd, height, heightsd;
    };
    static constexpr TreeGrowth fullgrown{5, 5, 50, 5, 50, 6};
    static constexpr TreeGrowth sapling{3, 2, 5, 1, 10, 3};
    // A tree somewhere about the arena's middle, its values drawn in a fixed order.
    void planttree(Tobstacle& tree, const TreeGrowth& growth = fullgrown);

    // Editor helpers
    void setpoints(std::int32_t points);
    void pointscaption();
    void settext(EditBox& box, const std::string& text, void (TForm1::*change)());
    void traitchange(EditBox& picker, std::int32_t Tplayer::*max, std::int32_t Tplayer::*now, std::int32_t price);
    void abilityinfo(std::vector<std::string>& lines, const Tability& a) const;
    void loadeditor(bool nextplayer);
    void startmatch();

    // Turn display helpers
    void walkreadout();
    void locationreadout();
    const Tability* selectedability();

    // Tick helpers
    void removeability(int place);
    void removetree(int place);
    void makeexplosion(const Tability& a);
    std::int32_t roll(const Tability& a);
    bool clashes(int& a);
    bool treehits(int a);
    bool wizardhits(int a);
    void roundend();
    void decayexplosions();
};

// The value of a spin edit's text: trimmed of spaces, a decimal integer with an
// optional sign, clamped into lo..hi; any other text reads as 1.
std::int32_t spinvalue(std::string_view text, std::int32_t lo, std::int32_t hi);

}  // namespace hexbrawl

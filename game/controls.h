// SPDX-License-Identifier: MIT
// The window's controls as plain data. The game writes and reads only these; the
// window copies them to its widgets after each event, and the runner prints them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hexbrawl {

struct ListBox {
    std::vector<std::string> items;
    int selected = -1;          // -1: no row selected

    void clear()
    {
        items.clear();
        selected = -1;
    }
    bool hasrow(int row) const { return row >= 0 && row < static_cast<int>(items.size()); }
};

// A single-line edit, an editable drop-down box or a spin edit: the text is the state.
struct EditBox {
    std::string text;
    bool enabled = true;
    std::vector<std::string> items;  // the drop-down choices, for the boxes that have them
};

struct Gauge {
    int value = 0;
    int max = 0;
};

enum class FontColor { yellow, red };

struct CheckBox {
    bool checked = false;
};

struct Controls {
    // Main window
    std::string Caption = "Hexbrawl V1.2 by Quennick";
    bool TitleImage = true;     // visible
    bool Draw = true;           // visible
    bool PurchaseWindow = true; // visible
    bool GameTimer = false;     // enabled

    // Turn display (left column)
    std::string lvllbl = "Level";
    std::string namelbl = "Name";
    std::string LocationLbl = "Name";
    std::string WalkLbl = "Walk Left";
    std::string HPlbl = "HP";
    int Walkpie = 100;          // progress as last set, not clamped
    int HealthPie = 100;
    std::string Portrait;       // the picture name as passed to showpicture
    ListBox SpellPicker;
    bool SpellPickerEnabled = true;
    FontColor SpellPickerColor = FontColor::yellow;
    std::string AbilityBtn = "Use Ability";
    std::vector<std::string> AbilityInfo{"AbilityInfo"};

    // Stats Editor
    EditBox PlayerCountSpinner{"1", true, {}};
    EditBox PlayerNameEd{"", true, {}};
    EditBox PictureBox{"", true, {}};
    EditBox SndBox{"", true, {}};
    EditBox HealthPicker{"1", true, {}};
    EditBox ManaPicker{"1", true, {}};
    std::string WizardPortrait;
    std::string glLabel2 = "Pick Your Traits Wizard:";
    Gauge PointGauge{25, 25};
    int MagicType = 0;          // the active page
    ListBox PurchaseList;
    ListBox Yourlist;
    std::string costlbl = "Cost:";
    std::vector<std::string> SpellInfo{"< Spell stats displayed here >"};
    bool SellBtnEnabled = false;  // the button's own flag
    CheckBox ComputerBox;         // whether the computer plays the wizard being edited
};

// Every control a player can act on, by its name in the window.
enum class Control {
    TitleImage,
    PlaysndBtn,
    PurchaseBtn,
    SellBtn,
    NextPlayerBtn,
    EndTurnBtn,
    AbilityBtn,
    PlayerCountSpinner,
    PlayerNameEd,
    PictureBox,
    SndBox,
    HealthPicker,
    ManaPicker,
    PurchaseList,
    Yourlist,
    SpellPicker,
    MagicType,
    ComputerBox,
};

std::optional<Control> controlbyname(std::string_view name);
std::string_view controlname(Control control);

}  // namespace hexbrawl

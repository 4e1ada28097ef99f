// SPDX-License-Identifier: MIT
// The window's controls as plain data. The game writes and reads only these; the
// window copies them to its widgets after each event, and the runner prints them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hexbrawl {

enum class FontColor { yellow, red };

struct ListBox {
    std::vector<std::string> items;
    int selected = -1;  // -1: no row selected
    bool enabled = true;
    FontColor color = FontColor::yellow;

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

// A bar gauge: the value and the maximum it is drawn against.
struct Gauge {
    int value = 0;
    int max = 0;
};

// A pie gauge: the progress last set, as set (not clamped).
struct Pie {
    int progress = 100;
};

struct Label {
    std::string caption;
};

// A picture box: the name of the picture shown, as it was passed to showpicture.
struct Picture {
    std::string picture;
};

// A multi-line text box.
struct Memo {
    std::vector<std::string> lines;
};

// One of the styled push buttons: its caption and its own Enabled flag.
struct Button {
    std::string caption;
    bool enabled = true;
};

struct Shown {
    bool visible = true;
};

struct Timer {
    bool enabled = false;
};

// The page control of the shop: the page showing.
struct Pages {
    int page = 0;
};

struct CheckBox {
    bool checked = false;
};

struct Controls {
    // Main window
    std::string Caption = "Hexbrawl V1.2 by Quennick";
    Shown TitleImage;
    Shown Draw;
    Shown PurchaseWindow;
    Timer GameTimer;

    // Turn display (left column)
    Label lvllbl{"Level"};
    Label namelbl{"Name"};
    Label LocationLbl{"Name"};
    Label WalkLbl{"Walk Left"};
    Label HPlbl{"HP"};
    Pie Walkpie;
    Pie HealthPie;
    Picture Portrait;
    ListBox SpellPicker;
    Button AbilityBtn{"Use Ability"};
    Memo AbilityInfo{{"AbilityInfo"}};

    // Stats Editor
    EditBox PlayerCountSpinner{"1", true, {}};
    EditBox PlayerNameEd{"", true, {}};
    EditBox PictureBox{"", true, {}};
    EditBox SndBox{"", true, {}};
    EditBox HealthPicker{"1", true, {}};
    EditBox ManaPicker{"1", true, {}};
    Picture WizardPortrait;
    Label glLabel2{"Pick Your Traits Wizard:"};
    Gauge PointGauge{25, 25};
    Pages MagicType;
    ListBox PurchaseList;
    ListBox Yourlist;
    Label costlbl{"Cost:"};
    Memo SpellInfo{{"< Spell stats displayed here >"}};
    Button PurchaseBtn{"---->"};
    Button SellBtn{"<----", false};  // its own flag: it looks the same either way
    CheckBox ComputerBox;  // whether the computer plays the wizard being edited
    EditBox ComputerSkillBox{"Normal", false, {"Easy", "Normal", "Hard"}};  // how strongly, while ticked
};

// Every control a player can act on, described once: its name (the window's object
// name and the runner's), the verb that acts on it, where it sits (the title, the
// match's turn display, the Stats Editor) and its handler in TForm1. The Control
// enum, the names, the verbs, what input::apply accepts and the handler it runs are
// derived from this list; a new control is its line here, its handler and its widget.
#define HEXBRAWL_CONTROLS(X)                                                                                           \
    X(TitleImage, click, title, TitleImageClick)                                                                       \
    X(PlaysndBtn, click, editor, PlaysndBtnClick)                                                                      \
    X(PurchaseBtn, click, editor, PurchaseBtnClick)                                                                    \
    X(SellBtn, click, editor, SellBtnClick)                                                                            \
    X(NextPlayerBtn, click, editor, NextPlayerBtnClick)                                                                \
    X(EndTurnBtn, click, match, EndTurnBtnClick)                                                                       \
    X(AbilityBtn, click, match, AbilityBtnClick)                                                                       \
    X(PlayerCountSpinner, set, editor, PlayerCountSpinnerChange)                                                       \
    X(PlayerNameEd, set, editor, PlayerNameEdChange)                                                                   \
    X(PictureBox, set, editor, PictureBoxChange)                                                                       \
    X(SndBox, set, editor, SndBoxChange)                                                                               \
    X(HealthPicker, set, editor, HealthPickerChange)                                                                   \
    X(ManaPicker, set, editor, ManaPickerChange)                                                                       \
    X(PurchaseList, select, editor, PurchaseListClick)                                                                 \
    X(Yourlist, select, editor, YourlistClick)                                                                         \
    X(SpellPicker, select, match, SpellPickerClick)                                                                    \
    X(MagicType, select, editor, MagicTypeChange)                                                                      \
    X(ComputerBox, click, editor, ComputerBoxClick)                                                                    \
    X(ComputerSkillBox, set, editor, ComputerSkillBoxChange)

#define HEXBRAWL_CONTROL_ENUM(name, verb, place, handler) name,
enum class Control { HEXBRAWL_CONTROLS(HEXBRAWL_CONTROL_ENUM) };
#undef HEXBRAWL_CONTROL_ENUM
#define HEXBRAWL_CONTROL_ONE(name, verb, place, handler) 1,
inline constexpr int controlcount = static_cast<int>(std::array{HEXBRAWL_CONTROLS(HEXBRAWL_CONTROL_ONE)}.size());
#undef HEXBRAWL_CONTROL_ONE

std::optional<Control> controlbyname(std::string_view name);
std::string_view controlname(Control control);

}  // namespace hexbrawl

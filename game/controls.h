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

// A push button whose caption the game changes.
struct Button {
    std::string caption;
};

// A push button with an Enabled flag of its own: it looks the same either way.
struct FlagButton {
    bool enabled = true;
};

// A list whose rows can be turned off and coloured as a whole.
struct SpellList : ListBox {
    bool enabled = true;
    FontColor color = FontColor::yellow;
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

// A button the game holds nothing of: its caption and its look are the window's.
struct Nothing {};

// Every control of the window, described once, in the order the runner prints them:
//   name      the window's object name and the runner's;
//   Type      what the game holds of it (Nothing: only its clicks matter);
//   verb      how a player acts on it (click, set, select), or none for what is only shown;
//   place     where it sits: the window's frame, the title, the match's turn display,
//             the Stats Editor; a control takes input only while its place is shown;
//   handler   what it runs in TForm1 when acted on;
//   ...       the state it starts in.
// The Controls model, the Control enum, the names, the verbs, what input::apply accepts
// and the handler it runs, the window's binding and sync, and the runner's JSON are all
// derived from this list: a new control is its line here, its handler and its widget.
#define HEXBRAWL_CONTROLS(X)                                                                                           \
    X(Caption, std::string, none, frame, none, "Hexbrawl V1.2 by Quennick")                                            \
    X(TitleImage, Shown, click, title, TitleImageClick)                                                                \
    X(Draw, Shown, none, frame, none)                                                                                  \
    X(PurchaseWindow, Shown, none, frame, none)                                                                        \
    X(GameTimer, Timer, none, frame, none)                                                                             \
    X(lvllbl, Label, none, match, none, "Level")                                                                       \
    X(namelbl, Label, none, match, none, "Name")                                                                       \
    X(LocationLbl, Label, none, match, none, "Name")                                                                   \
    X(WalkLbl, Label, none, match, none, "Walk Left")                                                                  \
    X(HPlbl, Label, none, match, none, "HP")                                                                           \
    X(costlbl, Label, none, editor, none, "Cost:")                                                                     \
    X(glLabel2, Label, none, editor, none, "Pick Your Traits Wizard:")                                                 \
    X(Walkpie, Pie, none, match, none)                                                                                 \
    X(HealthPie, Pie, none, match, none)                                                                               \
    X(Portrait, Picture, none, match, none)                                                                            \
    X(WizardPortrait, Picture, none, editor, none)                                                                     \
    X(AbilityBtn, Button, click, match, AbilityBtnClick, "Use Ability")                                                \
    X(AbilityInfo, Memo, none, match, none, {"AbilityInfo"})                                                           \
    X(SpellInfo, Memo, none, editor, none, {"< Spell stats displayed here >"})                                         \
    X(SpellPicker, SpellList, select, match, SpellPickerClick)                                                         \
    X(PurchaseList, ListBox, select, editor, PurchaseListClick)                                                        \
    X(Yourlist, ListBox, select, editor, YourlistClick)                                                                \
    X(MagicType, Pages, select, editor, MagicTypeChange)                                                               \
    X(SellBtn, FlagButton, click, editor, SellBtnClick, false)                                                         \
    X(PlayerCountSpinner, EditBox, set, editor, PlayerCountSpinnerChange, "1", true, {})                               \
    X(PlayerNameEd, EditBox, set, editor, PlayerNameEdChange)                                                          \
    X(PictureBox, EditBox, set, editor, PictureBoxChange)                                                              \
    X(SndBox, EditBox, set, editor, SndBoxChange)                                                                      \
    X(HealthPicker, EditBox, set, editor, HealthPickerChange, "1", true, {})                                           \
    X(ManaPicker, EditBox, set, editor, ManaPickerChange, "1", true, {})                                               \
    X(PointGauge, Gauge, none, editor, none, 25, 25)                                                                   \
    X(ComputerBox, CheckBox, click, editor, ComputerBoxClick)                                                          \
    X(ComputerSkillBox, EditBox, set, editor, ComputerSkillBoxChange, "Normal", false, {"Easy", "Normal", "Hard"})     \
    X(PlaysndBtn, Nothing, click, editor, PlaysndBtnClick)                                                             \
    X(PurchaseBtn, Nothing, click, editor, PurchaseBtnClick)                                                           \
    X(NextPlayerBtn, Nothing, click, editor, NextPlayerBtnClick)                                                       \
    X(EndTurnBtn, Nothing, click, match, EndTurnBtnClick)

// `HEXBRAWL_ACTS_##verb(...)` keeps its arguments only for the controls a player acts on.
#define HEXBRAWL_ACTS_click(...) __VA_ARGS__
#define HEXBRAWL_ACTS_set(...) __VA_ARGS__
#define HEXBRAWL_ACTS_select(...) __VA_ARGS__
#define HEXBRAWL_ACTS_none(...)

// The state of every control, as the game sets it and the window shows it.
struct Controls {
#define HEXBRAWL_CONTROL_FIELD(name, Type, verb, place, handler, ...) Type name{__VA_ARGS__};
    HEXBRAWL_CONTROLS(HEXBRAWL_CONTROL_FIELD)
#undef HEXBRAWL_CONTROL_FIELD
};

// The controls a player acts on.
#define HEXBRAWL_CONTROL_ENUM(name, Type, verb, place, handler, ...) HEXBRAWL_ACTS_##verb(name, )
enum class Control { HEXBRAWL_CONTROLS(HEXBRAWL_CONTROL_ENUM) };
#undef HEXBRAWL_CONTROL_ENUM
#define HEXBRAWL_CONTROL_ONE(name, Type, verb, place, handler, ...) HEXBRAWL_ACTS_##verb(1, )
inline constexpr int controlcount = static_cast<int>(std::array{HEXBRAWL_CONTROLS(HEXBRAWL_CONTROL_ONE)}.size());
#undef HEXBRAWL_CONTROL_ONE

std::optional<Control> controlbyname(std::string_view name);
std::string_view controlname(Control control);

}  // namespace hexbrawl

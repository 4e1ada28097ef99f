// SPDX-License-Identifier: MIT
// A player's actions, delivered to the game the same way by the window and by the
// scenario runner: a control that is hidden or disabled takes no input.
#pragma once

#include <string>

#include "game/controls.h"
#include "game/tform1.h"

namespace hexbrawl::input {

enum class Action { click, settext, select };

// Whether the control is shown (with the window holding it) and enabled.
bool accepts(const TForm1& form, Control control);
// Which action the control takes.
Action actionof(Control control);

// A click on a button or the title picture. Look-up errors propagate.
void click(TForm1& form, Control control);
// The control's text becomes `text`; its change handler runs when the text changed.
void settext(TForm1& form, Control control, const std::string& text);
// A click on a row of a list (or a tab of the page control); rows it does not have
// are the empty part of the list and do nothing.
void select(TForm1& form, Control control, int row);
// A mouse press on the arena.
void press(TForm1& form, int x, int y);
// One period of the game timer: a tick when the timer is enabled.
void tick(TForm1& form);

}  // namespace hexbrawl::input

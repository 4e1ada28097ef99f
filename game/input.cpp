// SPDX-License-Identifier: MIT
#include "game/input.h"

#include <array>
#include <type_traits>

namespace hexbrawl::input {

namespace {

// Where a control sits: what must be shown for it to take input.
enum class Place { title, match, editor };

struct Descriptor {
    Action::Verb verb;
    Place place;
    void (TForm1::*handler)();
};

#define HEXBRAWL_DESCRIBE(name, Type, verb, place, handler, ...)                                                       \
    HEXBRAWL_ACTS_##verb(Descriptor{Action::Verb::verb, Place::place, &TForm1::handler}, )
constexpr std::array<Descriptor, controlcount> descriptors{{HEXBRAWL_CONTROLS(HEXBRAWL_DESCRIBE)}};
#undef HEXBRAWL_DESCRIBE

const Descriptor& describe(Control control) { return descriptors[static_cast<std::size_t>(control)]; }

// Calls `f` with what the game holds of `control`, const or not as the controls are.
template <typename C, typename F>
decltype(auto) visit(C& c, Control control, F&& f)
{
    switch (control) {
#define HEXBRAWL_VISIT(name, Type, verb, place, handler, ...)                                                          \
    HEXBRAWL_ACTS_##verb(case Control::name : return f(c.name);)
        HEXBRAWL_CONTROLS(HEXBRAWL_VISIT)
#undef HEXBRAWL_VISIT
    }
    Nothing none;  // not a control of the list: never reached
    return f(none);
}

// Whether a control's own flag lets it take input: the few that have one.
bool enabled(const FlagButton& b) { return b.enabled; }
bool enabled(const SpellList& l) { return l.enabled; }
bool enabled(const EditBox& e) { return e.enabled; }
template <typename T>
bool enabled(const T&)
{
    return true;
}

}  // namespace

bool accepts(const TForm1& form, Control control)
{
    const Controls& c = form.controls;
    const Place place = describe(control).place;
    if (place == Place::title)
        return c.TitleImage.visible;
    if (place == Place::editor && !c.PurchaseWindow.visible)
        return false;
    return visit(c, control, [](const auto& model) { return enabled(model); });
}

Action::Verb verbof(Control control) { return describe(control).verb; }

namespace {

void run(TForm1& form, Control control) { (form.*describe(control).handler)(); }

void click(TForm1& form, Control control)
{
    if (verbof(control) == Action::Verb::click && accepts(form, control))
        run(form, control);
}

// The edit box behind a text control, or none.
EditBox* editbox(Controls& c, Control control)
{
    return visit(c, control, []<typename T>(T& model) -> EditBox* {
        if constexpr (std::is_same_v<T, EditBox>)
            return &model;
        else
            return nullptr;
    });
}

void settext(TForm1& form, Control control, const std::string& text)
{
    EditBox* box = editbox(form.controls, control);
    if (!box || !accepts(form, control) || box->text == text)
        return;
    box->text = text;
    run(form, control);
}

void select(TForm1& form, Control control, int row)
{
    if (verbof(control) != Action::Verb::select || !accepts(form, control))
        return;
    // A page of the shop's, or a row of a list's.
    const bool taken = visit(form.controls, control, [row]<typename T>(T& model) {
        if constexpr (std::is_same_v<T, Pages>) {
            if (row < 0 || row >= kindcount || row == model.page)
                return false;
            model.page = row;
            return true;
        } else if constexpr (std::is_base_of_v<ListBox, T>) {
            if (!model.hasrow(row))
                return false;
            model.selected = row;
            return true;
        } else {
            return false;
        }
    });
    if (taken)
        run(form, control);
}

void press(TForm1& form, int x, int y)
{
    if (form.controls.Draw.visible)
        form.DrawMouseDown(x, y);
}

}  // namespace

bool computerseat(const TForm1& form)
{
    const Controls& c = form.controls;
    if (!Players::contains(form.currentplayer) || !form.computer[form.currentplayer] || c.TitleImage.visible)
        return false;
    return c.PurchaseWindow.visible || (form.matchrunning && c.Draw.visible);
}

namespace {

// The one check of whose seat it is. The window's time, its opening and its closing
// belong to nobody; the "Computer" box and its strength stay the person's, so that a
// wizard can be taken back, or made stronger, at any moment of a visit.
bool seatrefuses(const TForm1& form, const Action& action)
{
    using Verb = Action::Verb;
    if (action.verb == Verb::start || action.verb == Verb::tick || action.verb == Verb::close)
        return false;
    const bool computers = computerseat(form);
    if (action.who == Action::Who::computer)
        return !computers;
    if (!computers)
        return false;
    return !(action.verb == Verb::click && action.control == Control::ComputerBox) &&
           !(action.verb == Verb::set && action.control == Control::ComputerSkillBox);
}

}  // namespace

void apply(TForm1& form, const Action& action)
{
    using Verb = Action::Verb;
    if (seatrefuses(form, action))
        return;
    switch (action.verb) {
    case Verb::start: form.FormCreate(); return;
    case Verb::click:
        if (action.control)
            click(form, *action.control);
        return;
    case Verb::set:
        if (action.control)
            settext(form, *action.control, action.text);
        return;
    case Verb::select:
        if (action.control)
            select(form, *action.control, action.row);
        return;
    case Verb::press: press(form, action.x, action.y); return;
    case Verb::tick:
        for (int i = 0; i < action.periods && form.controls.GameTimer.enabled; ++i)
            form.GameTimerTimer();
        return;
    case Verb::close: form.FormClose(); return;
    }
}

}  // namespace hexbrawl::input

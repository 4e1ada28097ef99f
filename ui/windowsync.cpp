// SPDX-License-Identifier: MIT
// Binding and sync: the controls model copied to the widgets after each event.
#include "ui/mainwindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QShortcut>

#include "game/tform1.h"
#include "present/qt/qtgametimer.h"
#include "ui/binding.h"
#include "ui/pictures.h"
#include "ui/widgets/arenaview.h"
#include "ui/widgets/checkbox.h"
#include "ui/widgets/factory.h"
#include "ui/widgets/gauges.h"
#include "ui/widgets/pagetabs.h"
#include "ui/widgets/panels.h"
#include "ui/widgets/picklist.h"
#include "ui/widgets/spellcompare.h"
#include "ui/widgets/spinedit.h"
#include "ui/widgets/styledbuttons.h"
#include "ui/widgets/toolwindow.h"
#include "ui/windowlook.h"

namespace hexbrawl::ui {

using namespace look;

QWidget* MainWindow::control(Control c) const { return widgets_[static_cast<std::size_t>(c)]; }

namespace {

// Each control shown in its widget, by what the game holds of it.
void showcontrol(const PictureSource&, QWidget* window, const std::string& caption, Seen<std::string>&)
{
    window->setWindowTitle(qtext(caption));
}
void showcontrol(const PictureSource&, QWidget* widget, const Shown& shown, Seen<Shown>&)
{
    bindvisible(widget, shown.visible);
}
// The game's timer follows its model through its port, not through the window.
void showcontrol(const PictureSource&, GameTimer*, const Timer&, Seen<Timer>&) {}
void showcontrol(const PictureSource&, QLabel* label, const Label& model, Seen<Label>&)
{
    bindtext(label, model.caption);
}
void showcontrol(const PictureSource&, PieGauge* pie, const Pie& model, Seen<Pie>&) { bindpie(pie, model.progress); }
void showcontrol(const PictureSource& pictures, PictureView* view, const Picture& model, Seen<Picture>& seen)
{
    if (model.picture == seen.picture)
        return;
    seen.picture = model.picture;
    const PictureEntry* entry = tryfindimage(model.picture);
    view->setimage(entry ? toqimage(pictures(*entry), *entry) : QImage());
}
void showcontrol(const PictureSource&, TSelButton* button, const Button& model, Seen<Button>&)
{
    button->setCaption(qtext(model.caption));
}
void showcontrol(const PictureSource&, QPlainTextEdit* memo, const Memo& model, Seen<Memo>& seen)
{
    bindlines(memo, model.lines, seen.lines);
}
void showcontrol(const PictureSource&, PickList* list, const ListBox& model, Seen<ListBox>& seen)
{
    bindlist(list, model, seen.rows);
}
void showcontrol(const PictureSource&, PickList* list, const SpellList& model, Seen<SpellList>& seen)
{
    bindlist(list, model, seen.rows);
    bindenabled(list, model.enabled);
    if (seen.colour == model.color)
        return;
    seen.colour = model.color;
    QPalette palette = list->palette();
    const QColor colour = model.color == FontColor::red ? red : yellow;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Text, colour);
    list->setPalette(palette);
}
void showcontrol(const PictureSource&, PageTabs* tabs, const Pages& model, Seen<Pages>&) { bindpage(tabs, model.page); }
// "<----" keeps its look when the game turns its flag off, and ignores the mouse.
void showcontrol(const PictureSource&, TEncartaButton* button, const FlagButton& model, Seen<FlagButton>&)
{
    button->setEnabledFlag(model.enabled);
}
void showcontrol(const PictureSource&, SpinEdit* spin, const EditBox& model, Seen<EditBox>&) { bindtext(spin, model); }
void showcontrol(const PictureSource&, QLineEdit* edit, const EditBox& model, Seen<EditBox>&) { bindtext(edit, model); }
// A box that takes typing shows the text typed; one that takes none, the row of it.
void showcontrol(const PictureSource&, QComboBox* combo, const EditBox& model, Seen<EditBox>&)
{
    if (combo->isEditable())
        bindbox(combo, model);
    else
        bindchoice(combo, model);
}
void showcontrol(const PictureSource&, BarGauge* bar, const Gauge& model, Seen<Gauge>&) { bindgauge(bar, model); }
void showcontrol(const PictureSource&, CheckBox* box, const hexbrawl::CheckBox& model, Seen<hexbrawl::CheckBox>&)
{
    box->setticked(model.checked);
}
// The buttons the game holds nothing of show only what the window gave them.
template <typename Widget>
void showcontrol(const PictureSource&, Widget*, const Nothing&, Seen<Nothing>&)
{}

}  // namespace

void MainWindow::sync()
{
    const Controls& c = form().controls;
#define HEXBRAWL_SHOW_CONTROL(name, Type, verb, place, handler, ...)                                                   \
    showcontrol(pictures_, name##_, c.name, seen_.name);
    HEXBRAWL_CONTROLS(HEXBRAWL_SHOW_CONTROL)
#undef HEXBRAWL_SHOW_CONTROL
    spellcompare_->follow(form());
    // The match's keys, only while its turn display is what the player has in front.
    const bool inmatch = form().matchrunning && !c.PurchaseWindow.visible;
    for (QShortcut* shortcut : matchkeys_)
        shortcut->setEnabled(inmatch);
    // The computer's own clock runs while it is at the controls and the game timer,
    // which brings its periods otherwise, is off.
    if (computerclock_)
        computerclock_->setenabled(!c.GameTimer.enabled && computer::atcontrols(form()) && !boxopen());
}

}  // namespace hexbrawl::ui

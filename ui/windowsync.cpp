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

void MainWindow::showsprite(PictureView* view, const std::string& name, std::string& shown)
{
    if (name == shown)
        return;
    shown = name;
    const PictureEntry* entry = tryfindimage(name);
    view->setimage(entry ? toqimage(pictures_(*entry), *entry) : QImage());
}

void MainWindow::sync()
{
    const Controls& c = form().controls;

    setWindowTitle(qtext(c.Caption));
    bindvisible(TitleImage_, c.TitleImage.visible);
    bindvisible(arena_, c.Draw.visible);
    bindvisible(editor_, c.PurchaseWindow.visible);

    bindtext(lvllbl_, c.lvllbl.caption);
    bindtext(namelbl_, c.namelbl.caption);
    bindtext(LocationLbl_, c.LocationLbl.caption);
    bindtext(WalkLbl_, c.WalkLbl.caption);
    bindtext(HPlbl_, c.HPlbl.caption);
    bindpie(Walkpie_, c.Walkpie.progress);
    bindpie(HealthPie_, c.HealthPie.progress);
    showsprite(Portrait_, c.Portrait.picture, shownportrait_);
    bindlist(SpellPicker_, c.SpellPicker, shownspells_);
    bindenabled(SpellPicker_, c.SpellPicker.enabled);
    if (shownpickercolour_ != c.SpellPicker.color) {
        shownpickercolour_ = c.SpellPicker.color;
        QPalette palette = SpellPicker_->palette();
        QColor colour = c.SpellPicker.color == FontColor::red ? red : yellow;
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, QPalette::Text, colour);
        SpellPicker_->setPalette(palette);
    }
    AbilityBtn_->setCaption(qtext(c.AbilityBtn.caption));
    bindlines(AbilityInfo_, c.AbilityInfo.lines, shownabilityinfo_);

    bindtext(PlayerCountSpinner_, c.PlayerCountSpinner);
    bindtext(PlayerNameEd_, c.PlayerNameEd);
    bindbox(PictureBox_, c.PictureBox);
    bindbox(SndBox_, c.SndBox);
    showsprite(WizardPortrait_, c.WizardPortrait.picture, shownwizardportrait_);
    bindtext(glLabel2_, c.glLabel2.caption);
    bindgauge(PointGauge_, c.PointGauge);
    bindtext(HealthPicker_, c.HealthPicker);
    bindtext(ManaPicker_, c.ManaPicker);
    bindpage(MagicType_, c.MagicType.page);
    bindlist(PurchaseList_, c.PurchaseList, shownpurchase_);
    bindtext(costlbl_, c.costlbl.caption);
    bindlines(SpellInfo_, c.SpellInfo.lines, shownspellinfo_);
    spellcompare_->follow(form());
    bindlist(Yourlist_, c.Yourlist, shownyourlist_);
    // "<----" keeps its look when the game turns its flag off, and ignores the mouse.
    SellBtn_->setEnabledFlag(c.SellBtn.enabled);
    ComputerBox_->setticked(c.ComputerBox.checked);
    bindchoice(ComputerSkillBox_, c.ComputerSkillBox);
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

// SPDX-License-Identifier: MIT
// The main window's layout: the turn display and the Stats Editor, each control
// built where the game has it.
#include "ui/mainwindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QShortcut>

#include "game/input.h"
#include "game/kinds.h"
#include "game/table.h"
#include "game/tform1.h"
#include "present/imagebank.h"
#include "present/mutesound.h"
#include "present/qt/dayclock.h"
#include "present/qt/qtdialogs.h"
#include "present/qt/qtgametimer.h"
#include "present/qt/qtsound.h"
#include "ui/binding.h"
#include "ui/fonts.h"
#include "ui/howtoplay.h"
#include "ui/pictures.h"
#include "ui/widgets/arenaview.h"
#include "ui/widgets/bevelbuttons.h"
#include "ui/widgets/checkbox.h"
#include "ui/widgets/factory.h"
#include "ui/widgets/gauges.h"
#include "ui/widgets/glowlabel.h"
#include "ui/widgets/mutemark.h"
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

void MainWindow::buildhud()
{
    makebevel(this, {0, 0, 153, 73}, QColor(0x3A, 0x2A, 0x52), Qt::black, Qt::Horizontal);
    makebevel(this, {0, 456, 153, 294}, Qt::black, QColor(0x80, 0x80, 0x80), Qt::Horizontal);
    // The turn display's texts may be as long as a wizard's name: they stop at the
    // arena's edge.
    auto hudlabel = [this](QPoint at, const char* text, QColor colour, int pixels) {
        GlowLabel* label = makelabel(this, at, text, colour, {pixels}, QColor(0x10, 0x10, 0x10));
        label->setMaximumWidth(arenaplace.x() - label->x());
        return label;
    };
    lvllbl_ = hudlabel({8, 0}, "Level", silver, 13);
    namelbl_ = hudlabel({8, 24}, "Name", silver, 16);
    LocationLbl_ = hudlabel({8, 40}, "Name", silver, 16);
    Walkpie_ = makepiegauge(this, {42, 56, 65, 65}, QColor(218, 218, 218));
    Portrait_ = makepicture(this, {120, 56, 20, 20});
    WalkLbl_ = hudlabel({40, 128}, "Walk Left", silver, 16);
    HealthPie_ = makepiegauge(this, {42, 152, 65, 65}, QColor(236, 0, 0));
    auto* hp = hudlabel({64, 224}, "HP", maroon, 16);
    hp->setactivecolour(red);
    HPlbl_ = hp;
    SpellPicker_ = makelist(this, {8, 248, 137, 209}, yellow, {13, false, false, Face::chancery}, 14);
    SpellPicker_->setToolTip(QStringLiteral("Pick a spell: a click, or the keys 1 to 9"));
    // Beside the health, while every sound is off.
    mutemark_ = new MuteMark(this);
    mutemark_->setObjectName("MuteMark");
    mutemark_->setGeometry(120, 160, 20, 20);
    mutemark_->setToolTip(QStringLiteral("Sound off: M turns it on again"));
    mutemark_->hide();

    AbilityBtn_ = makestyled<TSelButton>(this, {}, {8, 464, 137, 20}, "Use Ability", {11}, Qt::black);
    AbilityBtn_->setColor(green);
    AbilityBtn_->setColorBorder(QColor(0, 176, 0));
    AbilityBtn_->setColorOver(QColor(0, 170, 85));
    AbilityBtn_->setColorDown(QColor(0, 206, 0));
    AbilityBtn_->setColorOverCaption(Qt::black);
    AbilityBtn_->setAlignment(Qt::AlignHCenter);
    AbilityBtn_->setBorderWidth(1);
    AbilityBtn_->setCursor(Qt::PointingHandCursor);
    AbilityBtn_->setToolTip(QStringLiteral("Aim the picked spell, or stop aiming (Space)"));

    AbilityInfo_ = makememo(this, {8, 496, 137, 193}, lime, {13, false, false, Face::chancery}, "AbilityInfo");

    EndTurnBtn_ = makestyled<TAOLButton>(this, {}, {16, 704, 121, 33}, "END TURN", {11, true}, Qt::white);
    EndTurnBtn_->setColor(QColor(52, 105, 165));
    EndTurnBtn_->setRaiseColor(QColor(138, 162, 215));
    EndTurnBtn_->setToolTip(QStringLiteral("End your turn (E)"));
    lvllbl_->setToolTip(
        QStringLiteral("F1: how to play. M: every sound off and on. H: names, hits and trails on the arena off and on. "
                       "Tab held: the table of the round"));
}

void MainWindow::buildeditor()
{
    PurchaseWindow_ = new ToolWindow(this, "Stats Editor");
    PurchaseWindow_->setGeometry(editorplace);
    QWidget* w = PurchaseWindow_->client();

    // The two bevels follow the window's size; the controls stay where they are.
    auto* top = makebevel(w, {}, QColor(0x2C, 0x2C, 0x2C), QColor(0x70, 0x70, 0x70), Qt::Horizontal);
    auto* below = makebevel(w, {}, QColor(0xB6, 0xB6, 0xB6), QColor(0x48, 0x48, 0x48), Qt::Vertical);
    top->followparent(0, 105);
    below->followparent(105, 0);
    top->setObjectName("topbevel");
    below->setObjectName("lowerbevel");

    const Font small{11};
    auto label = [w](QPoint at, const char* text, QColor colour, Font font) {
        return makelabel(w, at, text, colour, font, labeloutline);
    };
    label({16, 8}, "Number of players", orange, small)->setObjectName("glLabel9");
    PlayerCountSpinner_ = makespin(w, {112, 8, 65, 22}, 1, 12, "1");
    label({24, 40}, "Name Yourself:", orange, small)->setObjectName("glLabel1");
    PlayerNameEd_ = makeedit(w, {112, 40, 169, 21});
    PlayerNameEd_->setToolTip(QStringLiteral("Your wizard's name; Enter moves on to the body"));
    label({24, 64}, "Your Body:", orange, small)->setObjectName("glLabel10");
    PictureBox_ = makecombo(w, {112, 64, 169, 21});
    WizardPortrait_ = makepicture(w, {296, 64, 20, 20});
    PlaysndBtn_ = makespeakerbutton(w, {344, 64, 23, 22});
    SndBox_ = makecombo(w, {376, 64, 169, 21});
    glLabel2_ = label({24, 104}, "Pick Your Traits Wizard:", red, {13});
    PointGauge_ = makebargauge(w, {16, 128, 257, 25}, blue);
    label({32, 160}, "Health:", orange, small)->setObjectName("glLabel3");
    HealthPicker_ = makespin(w, {72, 160, 65, 22}, 1, 100, "1");
    label({152, 160}, "This is the maximum amount of damage you can absorb before dying. (cost 1pt)", orange, small)
        ->setObjectName("glLabel4");
    label({32, 184}, "Walk", orange, small)->setObjectName("glLabel6");
    ManaPicker_ = makespin(w, {72, 184, 65, 22}, 1, 100, "1");
    label({152, 184}, "This is the maximum amount of movement points you can have. (cost 2pts)", orange, small)
        ->setObjectName("glLabel7");

    QStringList tabs;
    for (const KindFacts& k : kinds)
        tabs.push_back(qtext(std::string(k.tab)));
    MagicType_ = makepagetabs(w, {11, 257, 19, 205}, tabs, 50, 16);
    label({8, 224}, "Available Spells:", orange, {19, false, true})->setObjectName("glLabel5");
    PurchaseList_ = makelist(w, {32, 256, 177, 241}, yellow, small);
    costlbl_ = label({232, 224}, "Cost:", orange, small);
    SpellInfo_ = makememo(w, {216, 256, 185, 161}, blue, small, "< Spell stats displayed here >");
    spellcompare_ = new SpellCompare(w);
    spellcompare_->setObjectName("SpellCompare");
    spellcompare_->setGeometry(218, 366, 181, 50);

    const Font arrows{11, false, true, Face::lucidasans};
    PurchaseBtn_ = makestyled<TEncartaButton>(w, {}, {224, 424, 33, 22}, "---->", arrows, Qt::black);
    SellBtn_ = makestyled<TEncartaButton>(w, {}, {368, 424, 33, 22}, "<----", arrows, Qt::black);
    for (TEncartaButton* arrow : {PurchaseBtn_, SellBtn_}) {
        arrow->setColor(buttonface);
        arrow->setColorBorder(QColor(153, 143, 130));
        arrow->setColorOver(QColor(216, 190, 10));
        arrow->setColorDown(QColor(216, 190, 10));
        arrow->setColorOverCaption(Qt::black);
    }
    SellBtn_->setEnabledFlag(false);

    label({408, 224}, "Your Spellbook:", orange, {19, false, true})->setObjectName("glLabel8");
    Yourlist_ = makelist(w, {408, 256, 177, 241}, yellow, small);

    NextPlayerBtn_ = makestyled<TSquareButton>(w, {}, {232, 472, 161, 33}, "Next Player",
                                               {16, true, false, Face::bookantiqua}, Qt::black);
    NextPlayerBtn_->setColor(green);
    NextPlayerBtn_->setColorBorder(Qt::black);
    NextPlayerBtn_->setColorOverBorder(Qt::black);
    NextPlayerBtn_->setDownBorderColor(Qt::white);
    NextPlayerBtn_->setColorOverCaption(Qt::white);
    NextPlayerBtn_->setAlignment(Qt::AlignLeft);
    NextPlayerBtn_->setBorderWidth(2);

    // Beside the name: whether the computer plays this wizard, and how strongly.
    ComputerBox_ = makecheckbox(w, {296, 42}, "Computer", orange, small);
    ComputerBox_->setToolTip(QStringLiteral("The computer plays this wizard; untick it to take the wizard back"));
    // A pick from three: nothing to type.
    ComputerSkillBox_ = makecombo(w, {ComputerBox_->geometry().right() + 9, 40, 81, 21});
    ComputerSkillBox_->setEditable(false);
    ComputerSkillBox_->setToolTip(QStringLiteral("How strongly the computer plays this wizard:\n"
                                                 "Easy: aims roughly and forgets to defend.\n"
                                                 "Normal: aims well and blocks the shot it sees coming.\n"
                                                 "Hard: looks furthest ahead, aims true, defends."));

    PurchaseWindow_->watchchildren();
    PurchaseWindow_->raise();
}

}  // namespace hexbrawl::ui

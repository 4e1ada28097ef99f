// SPDX-License-Identifier: MIT
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
#include "ui/overlay.h"
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

namespace hexbrawl::ui {

namespace {

// Hands on the seed the game is given and keeps it, for the computer's own dice.
class SeedTap final : public Clock {
public:
    SeedTap(Clock& clock, std::uint32_t& seed) : clock_(clock), seed_(seed) {}
    std::uint32_t seedvalue() override { return seed_ = clock_.seedvalue(); }

private:
    Clock& clock_;
    std::uint32_t& seed_;
};

const QColor silver(0xC0, 0xC0, 0xC0);
const QColor maroon(0x80, 0x00, 0x00);
const QColor orange(0xFF, 0x80, 0x00);
const QColor yellow(0xFF, 0xFF, 0x00);
const QColor red(0xFF, 0x00, 0x00);
const QColor lime(0x00, 0xFF, 0x00);
const QColor green(0x00, 0x80, 0x00);
const QColor blue(0x00, 0x00, 0xFF);

constexpr QPoint arenaplace(152, 0);
constexpr QRect editorplace(192, 136, 593, 537);

}  // namespace

MainWindow::MainWindow() : MainWindow(Setup{}) {}

MainWindow::MainWindow(Setup setup) : QWidget(nullptr)
{
    if (setup.pictures) {
        pictures_ = std::move(setup.pictures);
    } else {
        bank_ = std::make_unique<ImageBank>();
        pictures_ = [bank = bank_.get()](const PictureEntry& entry) -> const Image& { return bank->picture(entry); };
    }
    Image titleimage = setup.title ? std::move(*setup.title) : decodetitle();

    setWindowTitle(qtext(Controls{}.Caption));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(clientwidth, clientheight);
    // The window's own font, for every control that does not name one: the 8-point
    // sans serif of the game's forms.
    setFont(gamefont(Face::arial, 11));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);

    buildhud();
    arena_ = new ArenaView(this, SoftSurface::width, SoftSurface::height);
    arena_->setObjectName("Draw");
    arena_->setGeometry(QRect(arenaplace, QSize(SoftSurface::width, SoftSurface::height)));
    overlay_ = std::make_unique<Overlay>(arena_);
    arena_->setoverlay(overlay_.get());
    title_ = makepicture(this, QRect(arenaplace, QSize(titleimage.width, titleimage.height)));
    title_->setObjectName("TitleImage");
    title_->setimage(toqimage(titleimage));
    buildeditor();

    surface_ = std::make_unique<SoftSurface>(pictures_);
    surface_->setpresenter([this](const SoftSurface::Flip& flip) { arena_->present(flip); });
    if (!setup.sound)
        ownsound_ = std::make_unique<QtSound>();
    mute_ = std::make_unique<MuteSound>(setup.sound ? *setup.sound : *ownsound_);
    if (!setup.dialogs) {
        ownqtdialogs_ = std::make_unique<QtDialogs>(this, [this] { sync(); });
        // The turn message of a computer wizard is the computer's to dismiss.
        ownqtdialogs_->setautoclose([this](MessageKind kind) {
            return kind == MessageKind::info && form_->matchrunning && computer::atcontrols(*form_);
        });
    }
    dialogs_ = setup.dialogs ? setup.dialogs : ownqtdialogs_.get();
    if (!setup.timer) {
        owntimer_ = std::make_unique<QtGameTimer>([this] { tick(); });
        computerclock_ = std::make_unique<QtGameTimer>([this] { computerstep(); });
    }
    if (!setup.clock)
        ownclock_ = std::make_unique<DayClock>();
    std::uint32_t seed = 0;
    seedtap_ = std::make_unique<SeedTap>(setup.clock ? *setup.clock : *ownclock_, seed);
    form_ = std::make_unique<TForm1>(
        Ports{*surface_, *mute_, *dialogs_, setup.timer ? *setup.timer : *owntimer_, *seedtap_});

    // Every widget a player acts on carries its control's name.
    for (int i = 0; i < controlcount; ++i)
        widgets_[static_cast<std::size_t>(i)] =
            findChild<QWidget*>(qtext(std::string(controlname(static_cast<Control>(i)))));
    connectinput();
    connectkeys();
    dispatch([this] { form_->FormCreate(); });
    computer_ = computer::Memory(seed);
}

MainWindow::~MainWindow() = default;

// The one place where an action of the player reaches the game: a failed look-up
// abandons the handler, is shown as an error box, and the game goes on.
template <typename Action>
void MainWindow::dispatch(Action&& action)
{
    try {
        action();
    } catch (const LookupError& error) {
        sync();
        dialogs_->showmessage(MessageKind::error, error.what());
    }
    overlay_->follow(*form_);
    sync();
}

void MainWindow::tick()
{
    if (form_->controls.GameTimer.enabled)
        dispatch([this] { input::apply(*form_, input::Action::tick(1)); });
    computerstep();
}

bool MainWindow::boxopen() const { return ownqtdialogs_ && ownqtdialogs_->showing(); }

void MainWindow::computerstep()
{
    // A computer waits for an open box like a person: nothing reaches the game meanwhile.
    if (boxopen())
        return;
    if (const std::optional<input::Action> step = computer::next(*form_, computer_))
        dispatch([this, &step] { input::apply(*form_, *step); });
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    dispatch([this] { form_->FormClose(); });
    event->accept();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The game's time passes only while its window is on screen.
    for (QtGameTimer* timer : {owntimer_.get(), computerclock_.get()})
        if (timer)
            timer->followwindow(windowHandle());
}

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

    AbilityBtn_ = makestyled<TSelButton>(this, "AbilityBtn", {8, 464, 137, 20}, "Use Ability", {11}, Qt::black);
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

    EndTurnBtn_ = makestyled<TAOLButton>(this, "EndTurnBtn", {16, 704, 121, 33}, "END TURN", {11, true}, Qt::white);
    EndTurnBtn_->setColor(QColor(52, 105, 165));
    EndTurnBtn_->setRaiseColor(QColor(138, 162, 215));
    EndTurnBtn_->setToolTip(QStringLiteral("End your turn (E)"));
    lvllbl_->setToolTip(
        QStringLiteral("F1: how to play. M: every sound off and on. H: names, hits and trails on the arena off and on. "
                       "Tab held: the table of the round"));

    lvllbl_->setObjectName("lvllbl");
    namelbl_->setObjectName("namelbl");
    LocationLbl_->setObjectName("LocationLbl");
    Walkpie_->setObjectName("Walkpie");
    Portrait_->setObjectName("Portrait");
    WalkLbl_->setObjectName("WalkLbl");
    HealthPie_->setObjectName("HealthPie");
    HPlbl_->setObjectName("HPlbl");
    SpellPicker_->setObjectName("SpellPicker");
    AbilityInfo_->setObjectName("AbilityInfo");
}

void MainWindow::buildeditor()
{
    editor_ = new ToolWindow(this, "Stats Editor");
    editor_->setObjectName("PurchaseWindow");
    editor_->setGeometry(editorplace);
    QWidget* w = editor_->client();

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
    PurchaseBtn_ = makestyled<TEncartaButton>(w, "PurchaseBtn", {224, 424, 33, 22}, "---->", arrows, Qt::black);
    SellBtn_ = makestyled<TEncartaButton>(w, "SellBtn", {368, 424, 33, 22}, "<----", arrows, Qt::black);
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

    NextPlayerBtn_ = makestyled<TSquareButton>(w, "NextPlayerBtn", {232, 472, 161, 33}, "Next Player",
                                               {16, true, false, Face::bookantiqua}, Qt::black);
    NextPlayerBtn_->setColor(green);
    NextPlayerBtn_->setColorBorder(Qt::black);
    NextPlayerBtn_->setColorOverBorder(Qt::black);
    NextPlayerBtn_->setDownBorderColor(Qt::white);
    NextPlayerBtn_->setColorOverCaption(Qt::white);
    NextPlayerBtn_->setAlignment(Qt::AlignLeft);
    NextPlayerBtn_->setBorderWidth(2);

    // Beside the name: whether the computer plays this wizard.
    ComputerBox_ = makecheckbox(w, {296, 42}, "Computer", orange, small);
    ComputerBox_->setObjectName("ComputerBox");

    PlayerCountSpinner_->setObjectName("PlayerCountSpinner");
    PlayerNameEd_->setObjectName("PlayerNameEd");
    PictureBox_->setObjectName("PictureBox");
    WizardPortrait_->setObjectName("WizardPortrait");
    PlaysndBtn_->setObjectName("PlaysndBtn");
    SndBox_->setObjectName("SndBox");
    glLabel2_->setObjectName("glLabel2");
    PointGauge_->setObjectName("PointGauge");
    HealthPicker_->setObjectName("HealthPicker");
    ManaPicker_->setObjectName("ManaPicker");
    MagicType_->setObjectName("MagicType");
    PurchaseList_->setObjectName("PurchaseList");
    costlbl_->setObjectName("costlbl");
    SpellInfo_->setObjectName("SpellInfo");
    Yourlist_->setObjectName("Yourlist");

    editor_->watchchildren();
    editor_->raise();
}

void MainWindow::deliver(const input::Action& action)
{
    dispatch([this, &action] { input::apply(*form_, action); });
}

void MainWindow::connectinput()
{
    using input::Action;
    auto deliver = [this](const Action& action) { this->deliver(action); };
    auto click = [deliver](Control c) { return [deliver, c] { deliver(Action::click(c)); }; };
    auto settext = [deliver](Control c) {
        return [deliver, c](const QString& text) { deliver(Action::set(c, text.toStdString())); };
    };
    auto select = [deliver](Control c) { return [deliver, c](int row) { deliver(Action::select(c, row)); }; };

    title_->onclick(click(Control::TitleImage));
    arena_->onpress([deliver](int x, int y) { deliver(Action::press(x, y)); });

    QObject::connect(PlaysndBtn_, &QAbstractButton::clicked, this, click(Control::PlaysndBtn));
    PurchaseBtn_->onclick(click(Control::PurchaseBtn));
    SellBtn_->onclick(click(Control::SellBtn));
    NextPlayerBtn_->onclick(click(Control::NextPlayerBtn));
    EndTurnBtn_->onclick(click(Control::EndTurnBtn));
    AbilityBtn_->onclick(click(Control::AbilityBtn));
    QObject::connect(ComputerBox_, &QAbstractButton::clicked, this, click(Control::ComputerBox));

    PlayerCountSpinner_->onedited(settext(Control::PlayerCountSpinner));
    HealthPicker_->onedited(settext(Control::HealthPicker));
    ManaPicker_->onedited(settext(Control::ManaPicker));
    QObject::connect(PlayerNameEd_, &QLineEdit::textEdited, this, settext(Control::PlayerNameEd));
    for (const auto& pick : {std::pair{PictureBox_, Control::PictureBox}, std::pair{SndBox_, Control::SndBox}}) {
        QComboBox* combo = pick.first;
        const Control c = pick.second;
        // Typing and picking a row both change the text; what the program sets does not.
        QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, this, settext(c));
        QObject::connect(combo, &QComboBox::activated, this,
                         [combo, deliver = settext(c)](int index) { deliver(combo->itemText(index)); });
    }

    PurchaseList_->onpicked(select(Control::PurchaseList));
    Yourlist_->onpicked(select(Control::Yourlist));
    SpellPicker_->onpicked(select(Control::SpellPicker));
    MagicType_->onpicked(select(Control::MagicType));
}

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
    const Controls& c = form_->controls;

    setWindowTitle(qtext(c.Caption));
    bindvisible(title_, c.TitleImage.visible);
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
    spellcompare_->follow(*form_);
    bindlist(Yourlist_, c.Yourlist, shownyourlist_);
    // "<----" keeps its look when the game turns its flag off, and ignores the mouse.
    SellBtn_->setEnabledFlag(c.SellBtn.enabled);
    ComputerBox_->setticked(c.ComputerBox.checked);
    // The match's keys, only while its turn display is what the player has in front.
    const bool inmatch = form_->matchrunning && !c.PurchaseWindow.visible;
    for (QShortcut* shortcut : matchkeys_)
        shortcut->setEnabled(inmatch);
    // The computer's own clock runs while it is at the controls and the game timer,
    // which brings its periods otherwise, is off.
    if (computerclock_)
        computerclock_->setenabled(!c.GameTimer.enabled && computer::atcontrols(*form_) && !boxopen());
}

}  // namespace hexbrawl::ui

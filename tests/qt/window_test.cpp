// SPDX-License-Identifier: MIT
// The main window on the offscreen platform, with the real pictures and the game,
// and message boxes, sound and timer replaced so that nothing blocks or waits.
#include "ui/mainwindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "game/table.h"
#include "game/tform1.h"
#include "tests/doubles/fakeports.h"
#include "tests/qt/screen.h"
#include "ui/display.h"
#include "ui/overlay.h"
#include "ui/widgets/arenaview.h"
#include "ui/widgets/checkbox.h"
#include "ui/widgets/gauges.h"
#include "ui/widgets/glowlabel.h"
#include "ui/widgets/pagetabs.h"
#include "ui/widgets/panels.h"
#include "ui/widgets/spinedit.h"
#include "ui/widgets/styledbuttons.h"
#include "ui/widgets/toolwindow.h"

namespace hexbrawl::ui {
namespace {

class Window : public testing::Test {
protected:
    Window() : window(MainWindow::Setup{{}, {}, &sound, &dialogs, &timer, &clock}) { window.show(); }

    template <typename W>
    W* widget(Control c)
    {
        return dynamic_cast<W*>(window.control(c));
    }
    QLabel* label(const char* name) { return window.findChild<QLabel*>(name); }
    QRgb pixel(QWidget* w, QPoint p) { return w->grab().toImage().pixel(p); }

    void typeinto(Control c, const QString& text)
    {
        QWidget* w = window.control(c);
        if (auto* combo = qobject_cast<QComboBox*>(w))
            w = combo->lineEdit();
        if (auto* spin = dynamic_cast<SpinEdit*>(w))
            w = spin->edit();
        QTest::keyClicks(w, text);
    }
    void pick(Control c, const QString& item)
    {
        auto* combo = widget<QComboBox>(c);
        int index = combo->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void click(Control c) { QTest::mouseClick(window.control(c), Qt::LeftButton); }

    NullSound sound;
    FakeDialogs dialogs;
    FakeTimer timer;
    FixedClock clock;
    MainWindow window;
};

TEST_F(Window, OpensFixedAndBlackWithTheTitleOverTheArena)
{
    // Every control a player acts on is a widget of that name.
    for (int i = 0; i < controlcount; ++i) {
        const auto c = static_cast<Control>(i);
        ASSERT_NE(window.control(c), nullptr) << controlname(c);
        EXPECT_EQ(window.control(c)->objectName().toStdString(), controlname(c));
    }
    EXPECT_EQ(window.size(), QSize(902, 750));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.windowTitle(), "Hexbrawl V1.2 by Quennick");

    QImage shot = window.grab().toImage();
    ASSERT_EQ(shot.size(), QSize(902, 750));
    EXPECT_EQ(shot.pixel(148, 300), qRgb(0, 0, 0)) << "the left column's background";
    // The title picture covers the arena, pixel for pixel.
    EXPECT_TRUE(window.title()->isVisible());
    EXPECT_EQ(window.title()->geometry(), QRect(152, 0, 750, 750));
    const QImage& title = window.title()->image();
    for (QPoint p : {QPoint(0, 0), QPoint(375, 375), QPoint(749, 749)})
        EXPECT_EQ(shot.pixel(p + QPoint(152, 0)), title.pixel(p));
    EXPECT_FALSE(window.arena()->isVisible());
    EXPECT_FALSE(window.editor()->isVisible());

    EXPECT_EQ(label("lvllbl")->text(), "Level: 1");
    EXPECT_EQ(window.findChild<QPlainTextEdit*>("AbilityInfo")->toPlainText(), "AbilityInfo");
    EXPECT_EQ(widget<TAOLButton>(Control::EndTurnBtn)->geometry(), QRect(16, 704, 121, 33));
    EXPECT_EQ(window.findChild<QListWidget*>("SpellPicker")->geometry(), QRect(8, 248, 137, 209));
}

TEST_F(Window, TheTitleClickOpensTheEditorFilledByStartUp)
{
    QTest::mouseClick(window.title(), Qt::LeftButton, {}, QPoint(300, 300));
    EXPECT_FALSE(window.title()->isVisible());
    EXPECT_TRUE(window.arena()->isVisible());
    ToolWindow* editor = window.editor();
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->geometry(), QRect(192, 136, 593, 537));
    EXPECT_EQ(editor->caption(), "Stats Editor");
    // The editor floats over the arena: its caption bar is what a click there hits.
    EXPECT_EQ(window.childAt(200, 145), editor);

    // Controls sit where the editor's layout puts them, inside its client area.
    QWidget* client = editor->client();
    EXPECT_EQ(client->geometry().top(), ToolWindow::border + ToolWindow::captionheight);
    EXPECT_EQ(window.control(Control::PlayerNameEd)->geometry(), QRect(112, 40, 169, 21));
    EXPECT_EQ(window.control(Control::PurchaseList)->geometry(), QRect(32, 256, 177, 241));
    EXPECT_EQ(window.control(Control::NextPlayerBtn)->geometry(), QRect(232, 472, 161, 33));
    EXPECT_EQ(window.control(Control::Yourlist)->parentWidget(), client);
    EXPECT_EQ(window.findChild<GradientPanel*>("topbevel")->geometry(), QRect(0, 0, client->width(), 105));
    EXPECT_EQ(window.findChild<GradientPanel*>("lowerbevel")->geometry(),
              QRect(0, 105, client->width(), client->height() - 105));

    const Controls& c = window.form().controls;
    auto* shop = widget<QListWidget>(Control::PurchaseList);
    ASSERT_EQ(shop->count(), 100);
    EXPECT_EQ(shop->item(99)->text().toStdString(), c.PurchaseList.items[99]);
    EXPECT_EQ(widget<QListWidget>(Control::Yourlist)->count(), 1);
    auto* bodies = widget<QComboBox>(Control::PictureBox);
    EXPECT_EQ(bodies->count(), 9);
    EXPECT_EQ(bodies->currentText(), "");
    auto* cries = widget<QComboBox>(Control::SndBox);
    ASSERT_EQ(cries->count(), 1);
    EXPECT_EQ(cries->itemText(0), "Death1");
    EXPECT_EQ(widget<SpinEdit>(Control::PlayerCountSpinner)->text(), "1");
    EXPECT_EQ(window.findChild<BarGauge*>("PointGauge")->value(), 25);
    EXPECT_FALSE(window.findChild<PictureView*>("WizardPortrait")->image().isNull()) << "the 'forget' sprite";
    EXPECT_EQ(widget<PageTabs>(Control::MagicType)->count(), 4);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Window, TheFiveButtonsAreTheGamesOwnStylesAsItLaysThemOut)
{
    auto* ability = widget<TSelButton>(Control::AbilityBtn);
    ASSERT_NE(ability, nullptr);
    EXPECT_EQ(ability->geometry(), QRect(8, 464, 137, 20));
    EXPECT_EQ(ability->Caption(), "Use Ability");
    EXPECT_EQ(ability->font().pixelSize(), 11);
    EXPECT_EQ(ability->TextColor(), QColor(Qt::black));
    EXPECT_EQ(ability->Color(), QColor(0, 128, 0));
    EXPECT_EQ(ability->ColorBorder(), QColor(0, 176, 0));
    EXPECT_EQ(ability->ColorOver(), QColor(0, 170, 85));
    EXPECT_EQ(ability->ColorDown(), QColor(0, 206, 0));
    EXPECT_EQ(ability->Alignment(), Qt::AlignHCenter);
    EXPECT_EQ(ability->cursor().shape(), Qt::PointingHandCursor);

    auto* endturn = widget<TAOLButton>(Control::EndTurnBtn);
    ASSERT_NE(endturn, nullptr);
    EXPECT_EQ(endturn->Caption(), "END TURN");
    EXPECT_TRUE(endturn->font().bold());
    EXPECT_EQ(endturn->TextColor(), QColor(Qt::white));
    EXPECT_EQ(endturn->Color(), QColor(52, 105, 165));
    EXPECT_EQ(endturn->RaiseColor(), QColor(138, 162, 215));

    auto* buy = widget<TEncartaButton>(Control::PurchaseBtn);
    auto* sell = widget<TEncartaButton>(Control::SellBtn);
    ASSERT_TRUE(buy && sell);
    EXPECT_EQ(buy->geometry(), QRect(224, 424, 33, 22));
    EXPECT_EQ(sell->geometry(), QRect(368, 424, 33, 22));
    EXPECT_EQ(buy->Caption(), "---->");
    EXPECT_EQ(sell->Caption(), "<----");
    for (TEncartaButton* arrow : {buy, sell}) {
        EXPECT_EQ(arrow->font().pixelSize(), 11);
        EXPECT_TRUE(arrow->font().italic());
        EXPECT_EQ(arrow->ColorOver(), QColor(216, 190, 10));
        EXPECT_EQ(arrow->ColorDown(), QColor(216, 190, 10));
        EXPECT_TRUE(arrow->Glyph().isNull());
    }
    EXPECT_TRUE(buy->Enabled());
    EXPECT_FALSE(sell->Enabled()) << "off until a spellbook row is picked";

    auto* next = widget<TSquareButton>(Control::NextPlayerBtn);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->Caption(), "Next Player");
    EXPECT_EQ(next->font().pixelSize(), 16);
    EXPECT_TRUE(next->font().bold());
    EXPECT_EQ(next->Color(), QColor(0, 128, 0));
    EXPECT_EQ(next->ColorOverCaption(), QColor(Qt::white));
    EXPECT_EQ(next->DownBorderColor(), QColor(Qt::white));
    EXPECT_EQ(next->Alignment(), Qt::AlignLeft);
    EXPECT_EQ(next->BorderWidth(), 2);
}

TEST_F(Window, TheEditorsLabelsAreOrangeWithADarkOutlineOnTheGreyBevel)
{
    click(Control::TitleImage);
    const QColor orange(0xFF, 0x80, 0x00);
    for (const char* name : {"glLabel9", "glLabel3", "glLabel4", "glLabel7", "glLabel5"}) {
        auto* l = window.findChild<GlowLabel*>(name);
        ASSERT_NE(l, nullptr) << name;
        EXPECT_EQ(l->colour(), orange) << name;
        EXPECT_TRUE(l->outline().isValid()) << name;
        EXPECT_EQ(l->font().pixelSize(), std::string(name) == "glLabel5" ? 19 : 11) << name;
    }
    // Read back from the screen: the text, its outline, and the bevel behind it.
    QImage shot = window
                      .grab(window.findChild<GlowLabel*>("glLabel3")
                                ->geometry()
                                .translated(window.editor()->client()->mapTo(&window, QPoint())))
                      .toImage();
    bool text = false, outline = false;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            QColor c = shot.pixelColor(x, y);
            text |= c == orange;
            outline |= c.lightness() < 40;
        }
    EXPECT_TRUE(text);
    EXPECT_TRUE(outline);
    auto* points = label("glLabel2");
    EXPECT_EQ(points->font().pixelSize(), 13);
    EXPECT_EQ(dynamic_cast<GlowLabel*>(points)->colour(), QColor(Qt::red));
}

TEST_F(Window, EditsReachTheGameAndItsAnswersComeBack)
{
    click(Control::TitleImage);
    const Controls& c = window.form().controls;
    TForm1& form = window.form();

    // An arrow of the health picker: one point spent, the caption tells the points left.
    auto* health = dynamic_cast<SpinEdit*>(window.control(Control::HealthPicker));
    QTest::mouseClick(health->arrow(1), Qt::LeftButton);
    EXPECT_EQ(form.players[1].maxhp, 2);
    EXPECT_EQ(health->text(), "2");
    EXPECT_EQ(label("glLabel2")->text(), "Pick Your Traits Wizard: (24)");
    EXPECT_EQ(window.findChild<BarGauge*>("PointGauge")->value(), 24);

    // A cleared picker is refused and shows the stored value again.
    health->edit()->selectAll();
    QTest::keyClick(health->edit(), Qt::Key_Backspace);
    EXPECT_EQ(form.players[1].maxhp, 2);
    EXPECT_EQ(health->text(), "2");

    // Typing a body letter by letter: every unknown name is an error box, and the game goes on.
    typeinto(Control::PictureBox, "wi");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].kind, MessageKind::error);
    EXPECT_EQ(dialogs.shown[0].text, "Image 'w' not found");
    EXPECT_EQ(dialogs.shown[1].text, "Image 'wi' not found");
    EXPECT_EQ(widget<QComboBox>(Control::PictureBox)->currentText(), "wi");
    EXPECT_EQ(form.players[1].portrait, "");
    pick(Control::PictureBox, "wizard9");
    EXPECT_EQ(form.players[1].portrait, "wizard9");
    EXPECT_EQ(c.WizardPortrait.picture, "wizard9");

    // The shop: a row clicked shows its price; the tabs turn the page.
    auto* shop = widget<QListWidget>(Control::PurchaseList);
    QTest::mouseClick(shop->viewport(), Qt::LeftButton, {}, shop->visualItemRect(shop->item(2)).center());
    EXPECT_EQ(c.PurchaseList.selected, 2);
    EXPECT_EQ(label("costlbl")->text(), "Cost: 9");
    auto* tabs = widget<PageTabs>(Control::MagicType);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabrect(1).center());
    EXPECT_EQ(c.MagicType.page, 1);
    EXPECT_EQ(shop->item(0)->text().toStdString(), form.catalog[100].name + "(3)");
    EXPECT_EQ(shop->currentRow(), -1) << "a new page has no selection";

    // "<----" is off until a spellbook row is picked; a click on it then does nothing.
    auto* sell = widget<TEncartaButton>(Control::SellBtn);
    EXPECT_FALSE(sell->Enabled());
    click(Control::SellBtn);
    EXPECT_EQ(widget<QListWidget>(Control::Yourlist)->count(), 1);
    EXPECT_TRUE(sell->isEnabled()) << "only its own flag is off; it keeps its look";

    // A spellbook row turns it on; a sale (here a refused one: the starting ability
    // is on no page) turns it off again.
    auto* book = widget<QListWidget>(Control::Yourlist);
    QTest::mouseClick(book->viewport(), Qt::LeftButton, {}, book->visualItemRect(book->item(0)).center());
    EXPECT_TRUE(sell->Enabled());
    click(Control::SellBtn);
    EXPECT_FALSE(sell->Enabled());
    EXPECT_FALSE(c.SellBtn.enabled);
}

TEST_F(Window, AMatchRunsThroughTheWindow)
{
    click(Control::TitleImage);
    typeinto(Control::PlayerNameEd, "<b>x</b>");
    pick(Control::PictureBox, "wizard1");
    pick(Control::SndBox, "Death1");
    EXPECT_EQ(window.form().players[1].name, "<b>x</b>");
    click(Control::NextPlayerBtn);

    // The match has begun: the editor is gone, the arena is drawn, the turn announced.
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.back().text, "Player <b>x</b> its your turn.");
    EXPECT_FALSE(window.editor()->isVisible());
    EXPECT_TRUE(timer.enabled);
    EXPECT_EQ(window.windowTitle(), "<b>x</b> is moving...");
    QLabel* name = label("namelbl");
    EXPECT_EQ(name->text(), "<b>x</b>");
    EXPECT_EQ(name->textFormat(), Qt::PlainText);
    EXPECT_GT(name->width(), name->fontMetrics().horizontalAdvance("x") * 4) << "the tags are shown, not obeyed";
    EXPECT_FALSE(widget<QWidget>(Control::PlayerNameEd)->isEnabled());

    std::uint64_t frames = window.form().frames;
    window.overlay().setshown(false);  // the frame alone, as H shows it
    window.tick();
    EXPECT_EQ(window.form().frames, frames + 1);
    QImage arena = window.arena()->grab().toImage();
    EXPECT_EQ(arena.size(), QSize(750, 750));
    EXPECT_NE(arena.pixel(10, 10), qRgb(0, 0, 0)) << "grass where the frame was drawn";
    EXPECT_EQ(arena, window.arena()->frame().convertToFormat(arena.format()));
    EXPECT_EQ(label("WalkLbl")->text(), "Walk: 1 / 1");
    EXPECT_EQ(label("HPlbl")->text(), "Hp: 1 / 1");

    // A press on the arena goes to the game: a step of the wizard in turn.
    const Tplayer& wizard = window.form().players[window.form().currentplayer];
    QPoint at(static_cast<int>(wizard.x) + 15, static_cast<int>(wizard.y) + 10);
    double before = wizard.x;
    QTest::mouseClick(window.arena(), Qt::LeftButton, {}, at);
    EXPECT_NE(wizard.x, before);
}

// A person alone: one wizard of their own, the second handed to the computer with
// the editor's check box, and a whole round played in the window.
TEST_F(Window, APersonAlonePlaysARoundAgainstTheComputer)
{
    click(Control::TitleImage);
    auto* box = widget<CheckBox>(Control::ComputerBox);
    ASSERT_NE(box, nullptr);
    auto* skill = widget<QComboBox>(Control::ComputerSkillBox);
    ASSERT_NE(skill, nullptr);
    // Both where they overlap no other control of the editor, the strength beside the box.
    for (QWidget* other : window.editor()->client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other != box && other != skill && other->isVisible() && other->objectName() != "topbevel" &&
            other->objectName() != "lowerbevel") {
            EXPECT_FALSE(other->geometry().intersects(box->geometry())) << other->objectName().toStdString();
            EXPECT_FALSE(other->geometry().intersects(skill->geometry())) << other->objectName().toStdString();
        }
    }
    EXPECT_FALSE(skill->geometry().intersects(box->geometry()));
    EXPECT_GT(skill->x(), box->x());
    EXPECT_LT(std::abs(skill->geometry().center().y() - box->geometry().center().y()), 4);
    EXPECT_EQ(box->text(), "Computer");
    EXPECT_FALSE(box->ticked());
    EXPECT_EQ(skill->currentText(), "Normal");
    EXPECT_FALSE(skill->isEnabled());
    for (const char* strength : {"Easy:", "Normal:", "Hard:"})
        EXPECT_TRUE(skill->toolTip().contains(strength)) << strength;

    QTest::keyClick(widget<SpinEdit>(Control::PlayerCountSpinner)->edit(), Qt::Key_Up);
    ASSERT_EQ(window.form().playercount, 2);
    typeinto(Control::PlayerNameEd, "Me");
    pick(Control::PictureBox, "wizard3");
    pick(Control::SndBox, "Death1");
    click(Control::NextPlayerBtn);
    ASSERT_EQ(window.form().currentplayer, 2);
    click(Control::ComputerBox);
    EXPECT_TRUE(box->ticked());
    EXPECT_TRUE(window.form().computer[2]);
    EXPECT_FALSE(window.form().computer[1]);
    ASSERT_TRUE(skill->isEnabled());
    pick(Control::ComputerSkillBox, "Hard");
    EXPECT_EQ(window.form().computerskill[2], ComputerSkill::Hard);
    EXPECT_EQ(skill->currentText(), "Hard");

    // The computer builds its wizard one step at a time, then the match begins.
    int periods = 0;
    for (; periods < 2000 && !window.form().matchrunning; ++periods)
        window.tick();
    ASSERT_TRUE(window.form().matchrunning);
    EXPECT_GT(periods, 5 * computer::fastest) << "its steps are paced";
    EXPECT_FALSE(window.form().players[2].name.empty());

    // The person ends every turn; the computer plays its own until one is left.
    const int level = window.form().gamelevel;
    for (int i = 0; i < 200000 && window.form().gamelevel == level; ++i) {
        if (window.form().matchrunning && window.form().currentplayer == 1 && !window.form().inplaycount)
            click(Control::EndTurnBtn);
        window.tick();
    }
    ASSERT_EQ(window.form().gamelevel, level + 1);
    EXPECT_EQ(dialogs.shown.back().text, "Player :" + window.form().players[2].name + " won this round!");
    EXPECT_TRUE(window.editor()->isVisible());
    // The person's own wizard comes first, with its own strength and no choice of it.
    EXPECT_EQ(skill->currentText(), "Normal");
    EXPECT_FALSE(skill->isEnabled());
}

// Six computer wizards play three whole rounds with nobody at the window: the ticks
// come as the window's timer brings them, and every box that opens closes by itself.
TEST(Unattended, SixComputerWizardsPlayThreeRoundsAndNoBoxWaitsForAPerson)
{
    struct Watching final : Dialogs {
        const MainWindow* window = nullptr;
        std::vector<std::string> waiting;  // boxes that would wait for a person
        int winners = 0;
        std::size_t shown = 0;
        void showmessage(MessageKind kind, const std::string& text) override
        {
            ++shown;
            if (!window->closesbyitself(kind))
                waiting.push_back(text);
            winners += text.ends_with(" won this round!");
        }
    } dialogs;
    NullSound sound;
    FakeTimer timer;
    FixedClock clock;
    MainWindow window(MainWindow::Setup{{}, {}, &sound, &dialogs, &timer, &clock});
    dialogs.window = &window;
    window.show();
    const TForm1& form = window.form();

    // The person's part: the title, six wizards, each handed to the computer.
    QTest::mouseClick(window.control(Control::TitleImage), Qt::LeftButton);
    for (int i = 1; i < 6; ++i)
        QTest::keyClick(dynamic_cast<SpinEdit*>(window.control(Control::PlayerCountSpinner))->edit(), Qt::Key_Up);
    ASSERT_EQ(form.playercount, 6);
    std::vector<long> periods;  // after each box is ticked, and after the last
    for (int wizard = 1; wizard <= 6; ++wizard) {
        ASSERT_EQ(form.currentplayer, wizard);
        QTest::mouseClick(window.control(Control::ComputerBox), Qt::LeftButton);
        long n = 0;
        for (; n < 5000 && form.currentplayer == wizard && !form.matchrunning; ++n)
            window.tick();
        periods.push_back(n);
    }
    ASSERT_TRUE(form.matchrunning);
    EXPECT_TRUE(dialogs.waiting.empty()) << dialogs.waiting.front();

    // Then nothing but time.
    long n = 0;
    for (; n < 400000 && form.gamelevel < 4; ++n)
        window.tick();
    periods.push_back(n);
    EXPECT_EQ(form.gamelevel, 4);
    EXPECT_EQ(dialogs.winners, 3);
    EXPECT_TRUE(dialogs.waiting.empty()) << dialogs.waiting.size()
                                         << " boxes waited, the first: " << dialogs.waiting.front();

    // The window keeps no period of its own: a bare table given the same actions and
    // periods plays the very same game.
    struct Quiet final : TableHost {
        void failed(const LookupError&) override {}
    } host;
    NullSurface nowhere;
    FakeDialogs answered;
    FakeTimer off;
    GameTable table(Ports{nowhere, sound, answered, off, clock}, host);
    using input::Action;
    table.apply(Action::start(0));
    table.apply(Action::click(Control::TitleImage));
    for (int count = 2; count <= 6; ++count)
        table.apply(Action::set(Control::PlayerCountSpinner, std::to_string(count)));
    for (std::size_t phase = 0; phase < periods.size(); ++phase) {
        if (phase < 6)
            table.apply(Action::click(Control::ComputerBox));
        for (long p = 0; p < periods[phase]; ++p)
            table.period();
    }
    const TForm1& same = table.form();
    EXPECT_EQ(same.random.seed, form.random.seed);
    EXPECT_EQ(same.gamelevel, form.gamelevel);
    EXPECT_EQ(same.currentplayer, form.currentplayer);
    for (int p = 1; p <= 6; ++p) {
        EXPECT_EQ(same.players[p].kills, form.players[p].kills) << p;
        EXPECT_EQ(same.players[p].maxhp, form.players[p].maxhp) << p;
        EXPECT_EQ(same.players[p].x, form.players[p].x) << p;
    }
    EXPECT_EQ(answered.shown.size(), dialogs.shown);
}

TEST_F(Window, ClosingShowsTheScoresOnlyWhenTheFirstWizardHasAName)
{
    TForm1& form = window.form();
    form.playercount = 2;
    form.players[2].name = "B";
    form.players[2].kills = 1;
    window.close();
    EXPECT_TRUE(dialogs.shown.empty());

    form.players[1].name = "A";
    window.show();
    window.close();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, MessageKind::info);
    EXPECT_EQ(dialogs.shown[0].text, "And the scores are: A with 0 kills.B with 1 kills.");
}

// Presses sent by hand: the test decides every position, nothing depends on a cursor.
void drag(QWidget* widget, QPoint from, QPoint to)
{
    auto send = [widget](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, widget->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton);
    send(QEvent::MouseMove, to, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::NoButton);
}

TEST_F(Window, TheEditorMovesAndResizesInsideTheWindow)
{
    click(Control::TitleImage);
    ToolWindow* editor = window.editor();

    drag(editor, {100, 10}, {40, -20});
    EXPECT_EQ(editor->geometry(), QRect(132, 106, 593, 537));
    drag(editor, {100, 10}, {-1000, -1000});
    EXPECT_EQ(editor->pos(), QPoint(0, 0)) << "it cannot leave the window";
    drag(editor, {100, 10}, {5000, 5000});
    EXPECT_EQ(editor->geometry(), QRect(902 - 593, 750 - 537, 593, 537));

    // The bottom-left corner zone takes two edges; the client follows the new size.
    QPoint corner(2, 537 - 10);
    drag(editor, corner, corner + QPoint(100, -100));
    EXPECT_EQ(editor->geometry(), QRect(902 - 493, 750 - 537, 493, 437));
    EXPECT_EQ(editor->client()->width(), 493 - 2 * ToolWindow::border);
    EXPECT_EQ(window.findChild<GradientPanel*>("lowerbevel")->size(), editor->client()->size() - QSize(0, 105));
    // The right edge cannot be pulled past the window's edge.
    drag(editor, {492, 200}, {900, 200});
    EXPECT_EQ(editor->geometry().right(), 901);

    // A double click on the caption changes nothing.
    QRect before = editor->geometry();
    QTest::mouseDClick(editor, Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_EQ(editor->geometry(), before);

    // A click on any of its controls brings it back in front of the arena.
    const QPoint middle = editor->geometry().center();
    window.arena()->raise();
    ASSERT_EQ(window.childAt(middle), window.arena());
    QTest::mouseClick(window.control(Control::PlayerNameEd), Qt::LeftButton);
    EXPECT_TRUE(editor->isAncestorOf(window.childAt(middle)) || window.childAt(middle) == editor);
}

// Where two pictures of the arena first differ, or "".
std::string firstdifference(const QImage& shown, const std::uint32_t* frame)
{
    for (int y = 0; y < 750; ++y)
        for (int x = 0; x < 750; ++x)
            if (shown.pixel(x, y) != frame[y * 750 + x])
                return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return "";
}

TEST(ArenaView, ShowsWhatTheFlipSaysChangedAndNothingElse)
{
    ArenaView view(nullptr, 750, 750);
    view.resize(750, 750);
    view.show();
    Screen screen(&view);
    std::vector<std::uint32_t> frame(750 * 750, 0xFF203040u);
    const SurfaceRect whole{0, 0, 750, 750};
    view.present({frame.data(), 750, 750, {&whole, 1}});
    EXPECT_EQ(firstdifference(screen.settle(), frame.data()), "");

    const SurfaceRect around{192, 96, 208, 104};
    frame[100 * 750 + 200] = 0xFFFFFFFFu;
    view.present({frame.data(), 750, 750, {&around, 1}});
    EXPECT_EQ(firstdifference(screen.settle(), frame.data()), "");
    // A change the flip leaves out never reaches the screen: the check above
    // catches a surface that says too little.
    frame[600 * 750 + 10] = 0xFFFFFFFFu;
    view.present({frame.data(), 750, 750, {&around, 1}});
    EXPECT_EQ(firstdifference(screen.settle(), frame.data()), "(10, 600)");
}

TEST_F(Window, TheArenaOnScreenIsTheWholeFrameAfterEveryTick)
{
    window.overlay().setshown(false);  // what is drawn over the frame has tests of its own
    Screen screen(window.arena());
    int ticks = 0;
    const auto tick = [&](int n) {
        for (int i = 0; i < n; ++i) {
            window.tick();
            ++ticks;
            ASSERT_EQ(firstdifference(screen.settle(), window.surface().pixels()), "") << "tick " << ticks;
        }
    };
    const auto press = [&](double x, double y) {
        QTest::mouseClick(window.arena(), Qt::LeftButton, {}, QPoint(static_cast<int>(x), static_cast<int>(y)));
    };

    click(Control::TitleImage);
    QTest::keyClick(widget<SpinEdit>(Control::PlayerCountSpinner)->edit(), Qt::Key_Up);
    for (const char* name : {"Ann", "Bob"}) {
        typeinto(Control::PlayerNameEd, name);
        pick(Control::PictureBox, "wizard2");
        pick(Control::SndBox, "Death1");
        click(Control::NextPlayerBtn);
    }
    TForm1& f = window.form();
    ASSERT_TRUE(f.matchrunning);
    tick(3);

    // The turn passes, the circle with it; no shot is cast in the first turn.
    const auto endturn = [&] {
        const int before = f.currentplayer;
        click(Control::EndTurnBtn);
        ASSERT_NE(f.currentplayer, before);
    };
    endturn();
    tick(2);

    // A walk across the top left corner, where the shot will fly.
    Tplayer& w = f.players[f.currentplayer];
    w.walk = w.maxwalk = 20;
    w.x = 40;
    w.y = 40;
    tick(1);
    press(w.x + 10 + 30, w.y + 10);
    ASSERT_EQ(w.x, 70);
    tick(2);

    // A shot to the right into a block of another element, which it meets when it
    // has flown far enough to clash.
    auto* book = window.findChild<QListWidget*>("SpellPicker");
    QTest::mouseClick(book->viewport(), Qt::LeftButton, {}, book->visualItemRect(book->item(0)).center());
    click(Control::AbilityBtn);
    ASSERT_EQ(f.mode, Mode::aiming);
    press(w.x + 10 + 15, w.y + 10);
    ASSERT_EQ(f.inplaycount, 1);
    Tability& block = f.inplay[++f.inplaycount];
    block = f.inplay[1];
    block.kind = Block;
    block.element = f.inplay[1].element == "fire" ? "water" : "fire";
    block.sprite = block.element + "block";
    block.x = f.inplay[1].x + 8 * 25 - 12;
    block.y = f.inplay[1].y - 12;
    block.dx = block.dy = 0;
    block.spritewidth = block.spriteheight = 24;
    block.range = block.maxrange = 100;
    tick(30);
    EXPECT_LT(f.inplaycount, 2) << "the shot and the block met";

    // Explosions fading with flickering colours, one over the arena's edge.
    f.explosions[++f.explosioncount] = {400, 400, "fire", 30};
    f.explosions[++f.explosioncount] = {745, 200, "death", 12};
    tick(32);
    ASSERT_EQ(f.explosioncount, 0);

    // Once nothing flies the turn passes again.
    tick(60);
    endturn();
    tick(2);

    // The round ends; the next match lays a new ground, and the editor that
    // covered the arena is gone.
    f.players[f.currentplayer == 1 ? 2 : 1].hp = 0;
    f.deadcount = 1;
    window.tick();
    ASSERT_FALSE(f.matchrunning);
    click(Control::NextPlayerBtn);
    click(Control::NextPlayerBtn);
    ASSERT_TRUE(f.matchrunning);
    tick(3);
}

TEST(Display, WithoutADisplayOneClearLine)
{
    auto environment = [](std::map<std::string, std::string> vars) {
        return [vars = std::move(vars)](const char* name) -> const char* {
            auto found = vars.find(name);
            return found == vars.end() ? nullptr : found->second.c_str();
        };
    };
    auto none = missingdisplay(environment({}), "build/hexbrawl");
    ASSERT_TRUE(none);
    EXPECT_NE(none->find("DISPLAY"), std::string::npos);
    EXPECT_NE(none->find("xvfb-run -a build/hexbrawl"), std::string::npos);
    EXPECT_EQ(none->find('\n'), std::string::npos);
    EXPECT_TRUE(missingdisplay(environment({{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ""}}), "hexbrawl"));
    EXPECT_FALSE(missingdisplay(environment({{"DISPLAY", ":99"}}), "hexbrawl"));
    EXPECT_FALSE(missingdisplay(environment({{"WAYLAND_DISPLAY", "wayland-0"}}), "hexbrawl"));
    EXPECT_FALSE(missingdisplay(environment({{"QT_QPA_PLATFORM", "offscreen"}}), "hexbrawl"));
}

TEST(ArenaView, ShowsTheLastFlippedFrameAndReportsPresses)
{
    ArenaView view(nullptr, 750, 750);
    view.resize(750, 750);
    std::vector<std::uint32_t> frame(750 * 750, 0xFF000000u);
    frame[20 * 750 + 10] = 0xFF123456u;
    const SurfaceRect whole{0, 0, 750, 750};
    view.present({frame.data(), 750, 750, {&whole, 1}});
    frame[20 * 750 + 10] = 0xFFFFFFFFu;  // the next frame, not yet flipped
    QImage shown = view.grab().toImage();
    EXPECT_EQ(shown.pixel(10, 20), 0xFF123456u);
    EXPECT_EQ(shown.pixel(11, 20), 0xFF000000u);

    std::vector<QPoint> presses;
    view.onpress([&](int x, int y) { presses.emplace_back(x, y); });
    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(0, 749));
    QTest::mouseClick(&view, Qt::RightButton, {}, QPoint(375, 2));
    EXPECT_EQ(presses, (std::vector<QPoint>{{0, 749}, {375, 2}}));
}

}  // namespace
}  // namespace hexbrawl::ui

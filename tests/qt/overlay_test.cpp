// SPDX-License-Identifier: MIT
// What the window draws on top of the arena's frame: tags over the living, a hit's
// number and its line, a death's cross, a shot's trail, the table while Tab is held,
// and nothing of it once H has hidden it. Regions of the arena on screen are compared
// with the frame the game drew beneath them.
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QPaintEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

#include "game/tform1.h"
#include "tests/doubles/fakeports.h"
#include "tests/qt/screen.h"
#include "ui/mainwindow.h"
#include "ui/overlay.h"
#include "ui/widgets/arenaview.h"
#include "ui/widgets/spellcompare.h"

namespace hexbrawl::ui {
namespace {

class Overlaid : public testing::Test {
protected:
    Overlaid() : window(MainWindow::Setup{{}, {}, &sound, &dialogs, &timer, &clock})
    {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        // Three wizards, so that one may fall and the match go on.
        QTest::mouseClick(window.control(Control::TitleImage), Qt::LeftButton);
        window.sync();
        for (const char* name : {"Ann", "Bob", "Cy"}) {
            input::apply(form(), input::Action::set(Control::PlayerCountSpinner, "3"));
            input::apply(form(), input::Action::set(Control::PlayerNameEd, name));
            input::apply(form(), input::Action::set(Control::PictureBox, "wizard2"));
            input::apply(form(), input::Action::set(Control::SndBox, "Death1"));
            window.sync();
            QTest::mouseClick(window.control(Control::NextPlayerBtn), Qt::LeftButton);
        }
        EXPECT_TRUE(form().matchrunning);
        // Ann to move, past the first turn, where shots are not allowed.
        while (form().firstturn || form().currentplayer != 1) {
            QTest::mouseClick(window.control(Control::EndTurnBtn), Qt::LeftButton);
            window.tick();
        }
        place(1, 100, 300);
        place(2, 260, 300);
        place(3, 500, 600);
        Tability& bolt = form().players[1].spellbook[0];
        bolt.mineffect = bolt.maxeffect = 3;  // a roll of randomint(0) + 3
        bolt.walkcost = 0;
        bolt.aim = 400;
        form().players[1].walk = 20;
        for (int p = 1; p <= 3; ++p)
            form().players[p].hp = form().players[p].maxhp = 10;
        // No tree in the way of the shots.
        for (Tobstacle& tree : form().obstacles)
            tree.image.clear();
        form().treecount = 0;
        window.tick();
    }

    TForm1& form() { return window.form(); }
    void place(int p, double x, double y)
    {
        form().players[p].x = x;
        form().players[p].y = y;
    }
    // The pixels of `box` on screen that are not the game's frame.
    int drawn(QRect box, QRgb* sample = nullptr)
    {
        const QImage shown = window.arena()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage& frame = window.arena()->frame();
        int n = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (shown.pixel(x, y) != frame.pixel(x, y)) {
                    ++n;
                    if (sample && qRed(shown.pixel(x, y)) > 200 && qGreen(shown.pixel(x, y)) < 90)
                        *sample = shown.pixel(x, y);
                }
        return n;
    }
    QRect above(int p)
    {
        const Tplayer& w = form().players[p];
        return QRect(static_cast<int>(w.x) - 30, static_cast<int>(w.y) - 22, 80, 21);
    }
    void shootat(int p)
    {
        auto* book = window.findChild<QListWidget*>("SpellPicker");
        QTest::mouseClick(book->viewport(), Qt::LeftButton, {}, book->visualItemRect(book->item(0)).center());
        if (form().mode != Mode::aiming)
            QTest::mouseClick(window.control(Control::AbilityBtn), Qt::LeftButton);
        const Tplayer& w = form().players[p];
        QTest::mouseClick(window.arena(), Qt::LeftButton, {},
                          QPoint(static_cast<int>(w.x) + 10, static_cast<int>(w.y) + 10));
    }
    QRect corner() { return QRect(0, 650, 400, 100); }

    NullSound sound;
    FakeDialogs dialogs;
    FakeTimer timer;
    FixedClock clock;
    MainWindow window;
};

TEST_F(Overlaid, AShotLeavesATrailItsHitANumberAndALineAndADeathACross)
{
    // Tags over every living wizard; nothing yet in the corner of the lines.
    for (int p = 1; p <= 3; ++p)
        EXPECT_GT(drawn(above(p)), 20) << "tag of " << p;
    EXPECT_EQ(drawn(corner()), 0);

    shootat(2);
    ASSERT_EQ(form().inplaycount, 1);
    for (int i = 0; i < 8; ++i)
        window.tick();
    // The bolt is on its way to the right: behind it (to its left) its trail.
    const Tability& bolt = form().inplay[1];
    ASSERT_FALSE(bolt.name.empty());
    const QPoint behind(static_cast<int>(bolt.x + bolt.spritewidth / 2 - 2.5 * bolt.dx),
                        static_cast<int>(bolt.y + bolt.spriteheight / 2 - 2.5 * bolt.dy));
    EXPECT_GT(drawn(QRect(behind - QPoint(2, 2), QSize(5, 5))), 4);
    const QPoint ahead(static_cast<int>(bolt.x + 3 * bolt.dx), behind.y());
    EXPECT_EQ(drawn(QRect(ahead - QPoint(2, 2), QSize(5, 5))), 0) << "no trail ahead of the shot";

    const std::string spell = bolt.name;
    while (form().inplaycount > 0)
        window.tick();
    ASSERT_EQ(form().players[2].hp, form().players[2].maxhp - 3);
    // The number at Bob, red, and the line in words.
    QRgb red = 0;
    EXPECT_GT(drawn(above(2).adjusted(0, -10, 0, 20), &red), 20);
    EXPECT_NE(red, 0u) << "a red number";
    ASSERT_FALSE(window.overlay().lines().empty());
    EXPECT_EQ(window.overlay().lines().back().toStdString(), "Ann's " + spell + " hit Bob: -3");
    EXPECT_GT(drawn(corner()), 100);
    // It rises and is gone after about a second.
    for (int i = 0; i < Overlay::risingframes; ++i)
        window.tick();
    const int tagonly = drawn(above(2).adjusted(0, -30, 0, 0));

    // Bob falls to the next bolt: a cross over the blood, his name, no tag, the line.
    form().players[2].hp = 2;
    form().players[1].walk = 20;
    shootat(2);
    while (form().inplaycount > 0)
        window.tick();
    ASSERT_LE(form().players[2].hp, 0);
    ASSERT_TRUE(form().matchrunning);
    EXPECT_EQ(window.overlay().lines().back().toStdString(), "Bob fell to Ann");
    const Tplayer& bob = form().players[2];
    const QRect blood(static_cast<int>(bob.x), static_cast<int>(bob.y), 20, 20);
    EXPECT_GT(drawn(blood), 20) << "the cross";
    for (int i = 0; i < Overlay::crossframes; ++i)
        window.tick();
    EXPECT_EQ(drawn(blood), 0) << "the cross has faded";
    EXPECT_EQ(drawn(above(2)), 0) << "no tag over the fallen";
    EXPECT_GT(tagonly, 20);
    EXPECT_GT(drawn(above(3)), 20);
}

TEST_F(Overlaid, WhatIsRepaintedKeepsTheScreenWhatAWholeRepaintShows)
{
    // Nothing the overlay drew stays behind, nothing it draws anew is left out.
    Screen screen(window.arena(), Screen::Start::asshown);
    form().players[2].hp = 4;
    shootat(2);
    for (int i = 0; i < Overlay::crossframes + 10; ++i) {
        if (i == 30) {
            form().players[1].walk = 20;
            shootat(2);  // the second bolt fells Bob
        }
        window.tick();
        ASSERT_EQ(screen.settle(), screen.whole()) << "tick " << i;
    }
    EXPECT_LE(form().players[2].hp, 0);
}

TEST_F(Overlaid, TheTableWhileTabIsHeldAndNothingOnceHidden)
{
    const QRect middle(300, 340, 150, 60);
    EXPECT_EQ(drawn(middle), 0);
    QTest::keyPress(&window, Qt::Key_Tab);
    EXPECT_TRUE(window.overlay().table());
    EXPECT_GT(drawn(middle), 500);
    QTest::keyRelease(&window, Qt::Key_Tab);
    EXPECT_FALSE(window.overlay().table());
    window.tick();
    EXPECT_EQ(drawn(middle), 0);

    // Tags near each other are moved apart rather than drawn over each other.
    place(2, 104, 304);
    window.tick();
    EXPECT_GT(drawn(above(2).translated(0, -20)), 20) << "the second tag above the first";

    // H: nothing of the overlay, whatever happens, until H again.
    QTest::keyClick(&window, Qt::Key_H);
    window.tick();
    shootat(2);
    for (int i = 0; i < 3; ++i)
        window.tick();
    EXPECT_EQ(drawn(QRect(0, 0, 750, 750)), 0);
    QTest::keyPress(&window, Qt::Key_Tab);
    EXPECT_EQ(drawn(middle), 0);
    QTest::keyRelease(&window, Qt::Key_Tab);
    QTest::keyClick(&window, Qt::Key_H);
    window.tick();
    EXPECT_GT(drawn(above(3)), 20);
}

TEST_F(Overlaid, HowToPlayStandsBesideTheArenaAndLeavesItTheKeys)
{
    QTest::keyClick(&window, Qt::Key_F1);
    ASSERT_NE(window.howtoplay(), nullptr);
    EXPECT_TRUE(window.howtoplay()->isVisible());
    const QRect middle(window.arena()->mapToGlobal(QPoint(150, 150)), QSize(450, 450));
    EXPECT_FALSE(window.howtoplay()->frameGeometry().intersects(middle));
    EXPECT_EQ(QApplication::activeWindow(), &window);
    const int before = form().currentplayer;
    QTest::keyClick(&window, Qt::Key_E);
    EXPECT_NE(form().currentplayer, before);
}

TEST(SpellComparison, TheSpellShownAgainstTheBestOfItsKindInFigures)
{
    NullSound sound;
    FakeDialogs dialogs;
    FakeTimer timer;
    FixedClock clock;
    MainWindow window(MainWindow::Setup{{}, {}, &sound, &dialogs, &timer, &clock});
    window.show();
    QTest::mouseClick(window.control(Control::TitleImage), Qt::LeftButton);
    auto* compare = window.findChild<SpellCompare*>("SpellCompare");
    ASSERT_NE(compare, nullptr);
    EXPECT_TRUE(compare->lines().isEmpty());

    // The first ranged spell of the shop against the free bolt.
    auto* shop = window.findChild<QListWidget*>("PurchaseList");
    QTest::mouseClick(shop->viewport(), Qt::LeftButton, {}, shop->visualItemRect(shop->item(0)).center());
    const TForm1& f = window.form();
    const Tability& shown = f.catalog[0];
    const Tability& bolt = f.players[f.currentplayer].spellbook[0];
    ASSERT_EQ(compare->lines().size(), 2);
    EXPECT_EQ(compare->lines()[0].toStdString(), "This one " + spellfigures(shown).toStdString());
    EXPECT_EQ(compare->lines()[1].toStdString(), "Your best " + spellfigures(bolt).toStdString());
    EXPECT_TRUE(spellfigures(bolt).startsWith(QStringLiteral("reaches %1 px, hits ").arg(std::lround(bolt.range * 8))));
    EXPECT_FALSE(compare->grab().toImage().isNull());
    if (qEnvironmentVariableIsSet("SAVEEDITOR"))
        window.grab().save(qEnvironmentVariable("SAVEEDITOR"));

    // Bought, it is still the one shown, though the lists were filled again.
    QTest::mouseClick(window.control(Control::PurchaseBtn), Qt::LeftButton);
    ASSERT_EQ(f.players[f.currentplayer].spellbook[1].name, shown.name);
    ASSERT_EQ(compare->lines().size(), 2);
    EXPECT_EQ(compare->lines()[0].toStdString(), "This one " + spellfigures(shown).toStdString());

    // A roll's bounds are those randomint can give: min up to max - 1.
    Tability a = shown;
    a.mineffect = 0;
    a.maxeffect = 5;
    EXPECT_TRUE(spellfigures(a).contains(QStringLiteral("hits 0-4,")));
    a.maxeffect = 0;
    EXPECT_TRUE(spellfigures(a).contains(QStringLiteral("hits 0,")));
}

}  // namespace
}  // namespace hexbrawl::ui

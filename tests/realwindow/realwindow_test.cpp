// SPDX-License-Identifier: MIT
// The game's window on a real X server under a window manager, with its real game
// timer: minimised or behind another window the match stands still, and the keys
// a player presses (sent by xdotool, as a keyboard sends them) play it.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

#include "game/tform1.h"
#include "tests/doubles/fakeports.h"
#include "ui/mainwindow.h"
#include "ui/overlay.h"

namespace hexbrawl::ui {
namespace {

// Runs xdotool and waits for it; what it sends reaches the window at the next
// turn of the event loop.
void xdotool(const QStringList& arguments)
{
    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), arguments), 0) << arguments.join(' ').toStdString();
}

class RealWindow : public testing::Test {
protected:
    RealWindow() : window(MainWindow::Setup{{}, {}, &sound, &dialogs, nullptr, &clock}) {}

    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), "xcb");
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        activate();
    }
    QString id() const { return QString::number(window.winId()); }
    void activate()
    {
        xdotool({"windowactivate", "--sync", id()});
        QTRY_VERIFY_WITH_TIMEOUT(window.isActiveWindow(), 5000);
    }
    void apply(const input::Action& action)
    {
        input::apply(window.form(), action);
        window.sync();
    }
    // Two wizards with walk enough to cast, and the second one's turn (the first
    // turn of a match allows no shot).
    void startmatch()
    {
        using input::Action;
        apply(Action::click(Control::TitleImage));
        apply(Action::set(Control::PlayerCountSpinner, "2"));
        for (const char* name : {"Ann", "Bob"}) {
            apply(Action::set(Control::PlayerNameEd, name));
            apply(Action::set(Control::PictureBox, "wizard1"));
            apply(Action::set(Control::SndBox, "Death1"));
            apply(Action::set(Control::ManaPicker, "5"));
            apply(Action::click(Control::NextPlayerBtn));
        }
        ASSERT_TRUE(window.form().matchrunning);
        apply(Action::click(Control::EndTurnBtn));
    }
    // The wizard in turn casts its first spell towards the other, which is out of
    // its range: a second and a half of flight.
    void shoot()
    {
        using input::Action;
        const TForm1& f = window.form();
        apply(Action::select(Control::SpellPicker, 0));
        apply(Action::click(Control::AbilityBtn));
        ASSERT_EQ(f.mode, Mode::aiming);
        const Tplayer& me = f.players[f.currentplayer];
        const Tplayer& foe = f.players[f.currentplayer == 1 ? 2 : 1];
        const double dx = foe.x - me.x, dy = foe.y - me.y, d = std::sqrt(dx * dx + dy * dy);
        const double reach = std::min(d, f.players[f.currentplayer].spellbook[0].aim - 2);
        apply(
            Action::press(static_cast<int>(me.x + 10 + dx / d * reach), static_cast<int>(me.y + 10 + dy / d * reach)));
        ASSERT_GE(f.inplaycount, 1);
    }
    auto frames() { return window.form().frames; }

    NullSound sound;
    FakeDialogs dialogs;
    FixedClock clock;
    MainWindow window;
};

TEST_F(RealWindow, MinimisedOrBehindAnotherWindowTheMatchStandsStill)
{
    startmatch();
    shoot();
    QTRY_VERIFY(frames() > 3);
    const Tability& shot = window.form().inplay[1];
    ASSERT_EQ(shot.kind, Ranged) << "in flight";

    // Minimised with the window manager's button, as a person does: not one tick,
    // the shot hangs where it was. (The button sits at the right of the frame's
    // title bar, above the window.)
    const QRect client = window.geometry();
    xdotool({"mousemove", QString::number(client.right() + 1 - 42), QString::number(client.top() - 10), "click", "1"});
    QTRY_VERIFY(window.isMinimized());
    const auto still = frames();
    const double x = shot.x, y = shot.y;
    QTest::qWait(600);
    EXPECT_EQ(frames(), still);
    EXPECT_EQ(shot.x, x);
    EXPECT_EQ(shot.y, y);

    // Back on screen it flies on from there.
    activate();
    QTRY_VERIFY(frames() > still + 3);
    EXPECT_EQ(shot.kind, Ranged);
    EXPECT_NE(shot.y, y);

    // Another program's window in front, with the focus: the same.
    QProcess other;
    other.start(QStringLiteral("xmessage"), {"-name", "hexbrawl-other", "another program"});
    ASSERT_TRUE(other.waitForStarted());
    xdotool({"search", "--sync", "--classname", "hexbrawl-other", "windowactivate", "--sync"});
    QTRY_VERIFY(!window.isActiveWindow());
    QTest::qWait(150);
    const auto behind = frames();
    QTest::qWait(600);
    EXPECT_EQ(frames(), behind);
    other.kill();
    other.waitForFinished();
    activate();
    QTRY_VERIFY(frames() > behind + 3);
}

TEST_F(RealWindow, TheKeysPlayTheMatch)
{
    const TForm1& f = window.form();
    // In the editor Enter in the name box moves on, as Tab does.
    apply(input::Action::click(Control::TitleImage));
    QWidget* name = window.control(Control::PlayerNameEd);
    const QPoint inname = name->mapTo(&window, name->rect().center());
    xdotool({"mousemove", "--window", id(), QString::number(inname.x()), QString::number(inname.y()), "click", "1"});
    QTRY_VERIFY(name->hasFocus());
    xdotool({"type", "--delay", "20", "Eve"});
    xdotool({"key", "Return"});
    QTRY_COMPARE(f.players[1].name, std::string("Eve"));
    QTRY_VERIFY(window.control(Control::PictureBox)->isAncestorOf(QApplication::focusWidget()) ||
                QApplication::focusWidget() == window.control(Control::PictureBox));

    startmatch();
    const int turn = f.currentplayer;
    xdotool({"key", "e"});
    QTRY_VERIFY(f.currentplayer != turn);
    xdotool({"key", "1"});
    QTRY_COMPARE(f.controls.SpellPicker.selected, 0);
    xdotool({"key", "space"});
    QTRY_COMPARE(f.controls.AbilityBtn.caption, std::string("Cancel"));
    xdotool({"key", "space"});
    QTRY_COMPARE(f.controls.AbilityBtn.caption, std::string("Use Ability"));

    xdotool({"key", "m"});
    QTRY_VERIFY(window.muted());
    xdotool({"key", "m"});
    QTRY_VERIFY(!window.muted());

    // F1: the rules in a window of their own; the match goes on behind it.
    xdotool({"key", "F1"});
    QTRY_VERIFY(window.howtoplay() && window.howtoplay()->isVisible());
    const auto seen = f.frames;
    QTRY_VERIFY(f.frames > seen + 3);
    // The keys stay with the match while it is open: M, and Tab held for the table.
    xdotool({"key", "m"});
    QTRY_VERIFY(window.muted());
    xdotool({"keydown", "Tab"});
    QTRY_VERIFY(window.overlay().table());
    xdotool({"keyup", "Tab"});
    QTRY_VERIFY(!window.overlay().table());
}

}  // namespace
}  // namespace hexbrawl::ui

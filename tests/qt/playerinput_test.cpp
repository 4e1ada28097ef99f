// SPDX-License-Identifier: MIT
// The window runs a handler only for what the player does: real message boxes
// that take the focus and give it back, the drop-down boxes' arrow keys, and the
// keys of a match.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "game/tform1.h"
#include "present/qt/qtdialogs.h"
#include "tests/doubles/fakeports.h"
#include "ui/mainwindow.h"
#include "ui/widgets/arenaview.h"
#include "ui/widgets/spinedit.h"

namespace hexbrawl::ui {
namespace {

class HeardSound final : public Sound {
public:
    std::vector<std::string> heard;
    void playwave(std::string_view name, const WaveEntry&) override { heard.emplace_back(name); }
};

// The window with its real message boxes, each answered by a key press once it
// is open, as a player answers it.
class PlayerInput : public testing::Test {
protected:
    PlayerInput() : window(MainWindow::Setup{{}, {}, &sound, nullptr, &timer, &clock})
    {
        window.show();
        QApplication::setActiveWindow(&window);
        answer.setInterval(1);
        QObject::connect(&answer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxes.push_back(box->text().toStdString());
                // The key goes where the box has its focus: Space to its button.
                QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, answerkey);
            } else if (!QApplication::activeWindow()) {
                // As the window system does when the box is gone: the window is
                // active again, and its focus widget has the focus back.
                QApplication::setActiveWindow(&window);
            }
        });
        answer.start();
    }

    QWidget* control(Control c) { return window.control(c); }
    template <typename W>
    W* widget(Control c)
    {
        return dynamic_cast<W*>(control(c));
    }
    void click(Control c) { QTest::mouseClick(control(c), Qt::LeftButton); }
    void clickrow(Control c, int row)
    {
        auto* list = widget<QListWidget>(c);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    void pick(Control c, int index)
    {
        auto* combo = widget<QComboBox>(c);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    // Wizards named by the player, the editor's first body and cry each.
    void startmatch(std::initializer_list<const char*> names)
    {
        click(Control::TitleImage);
        auto* count = widget<SpinEdit>(Control::PlayerCountSpinner);
        for (std::size_t i = 1; i < names.size(); ++i)
            QTest::keyClick(count->edit(), Qt::Key_Up);
        for (const char* name : names) {
            QTest::keyClicks(control(Control::PlayerNameEd), name);
            // Walk enough for a spell or two.
            QLineEdit* walk = widget<SpinEdit>(Control::ManaPicker)->edit();
            walk->selectAll();
            QTest::keyClicks(walk, "5");
            pick(Control::PictureBox, 0);
            pick(Control::SndBox, 0);
            click(Control::NextPlayerBtn);
        }
        ASSERT_TRUE(window.form().matchrunning);
    }

    HeardSound sound;
    FakeTimer timer;
    FixedClock clock;
    MainWindow window;
    QTimer answer;
    Qt::Key answerkey = Qt::Key_Return;
    std::vector<std::string> boxes;
};

// A turn ends while a row of the spell list is picked: the turn message takes the
// focus from the list and gives it back when it closes. Nothing of that is the
// player's doing, so the game hears nothing, and the information box keeps the
// ability the player read until the new wizard picks a row.
TEST_F(PlayerInput, AFocusChangeAtATurnChangeIsNoPickOfTheList)
{
    startmatch({"Ann", "Bob"});
    const TForm1& form = window.form();
    auto* spells = widget<QListWidget>(Control::SpellPicker);
    auto* info = window.findChild<QPlainTextEdit*>("AbilityInfo");
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        answerkey = key;
        QApplication::setActiveWindow(&window);
        spells->setFocus();
        ASSERT_TRUE(spells->hasFocus());
        clickrow(Control::SpellPicker, 0);
        ASSERT_EQ(form.controls.SpellPicker.selected, 0);
        const std::string read = info->toPlainText().toStdString();
        const std::size_t clicks = sound.heard.size();

        const int before = form.currentplayer;
        click(Control::EndTurnBtn);
        ASSERT_NE(form.currentplayer, before) << "the turn has passed";
        QTest::qWait(20);
        EXPECT_EQ(form.controls.SpellPicker.selected, -1);
        EXPECT_EQ(spells->currentRow(), -1);
        EXPECT_TRUE(spells->selectedItems().isEmpty());
        EXPECT_EQ(info->toPlainText().toStdString(), read);
        EXPECT_EQ(std::count(sound.heard.begin() + static_cast<std::ptrdiff_t>(clicks), sound.heard.end(), "click"), 0);
        click(Control::EndTurnBtn);
    }
    EXPECT_GE(boxes.size(), 5u) << "every turn message was shown and answered";

    // The player's own picks still count, by mouse and by keyboard.
    spells->setFocus();
    clickrow(Control::SpellPicker, 0);
    EXPECT_EQ(form.controls.SpellPicker.selected, 0);
}

// The drop-down boxes start their arrow keys from the entry the game shows: the
// second wizard's empty body box goes to the first entry, not to the one after the
// first wizard's pick.
TEST_F(PlayerInput, TheArrowKeysOfTheDropDownsFollowTheShownText)
{
    click(Control::TitleImage);
    QTest::keyClick(widget<SpinEdit>(Control::PlayerCountSpinner)->edit(), Qt::Key_Up);
    QTest::keyClicks(control(Control::PlayerNameEd), "Ann");
    pick(Control::PictureBox, 2);
    pick(Control::SndBox, 0);
    click(Control::NextPlayerBtn);
    ASSERT_EQ(window.form().currentplayer, 2);

    auto* bodies = widget<QComboBox>(Control::PictureBox);
    EXPECT_EQ(bodies->currentText(), "");
    bodies->setFocus();
    QTest::keyClick(bodies, Qt::Key_Down);
    EXPECT_EQ(window.form().players[2].portrait, bodies->itemText(0).toStdString());
    EXPECT_EQ(bodies->currentIndex(), 0);

    // A typed entry is where the arrows go on from, in either box.
    bodies->lineEdit()->selectAll();
    QTest::keyClicks(bodies->lineEdit(), bodies->itemText(4));
    QTest::keyClick(bodies, Qt::Key_Down);
    EXPECT_EQ(window.form().players[2].portrait, bodies->itemText(5).toStdString());
}

// Whether the picture holds a strongly coloured pixel: a colour glyph, where
// the game's own texts are grey, silver, orange or black.
bool colourful(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.hsvSaturation() > 150 && c.value() > 150 && std::abs(c.hsvHue() - 30) > 12)
                return true;
        }
    return false;
}

// A name typed with an emoji shows as typed, in colour, in the edit, the turn
// display and the turn message, not as empty boxes.
TEST_F(PlayerInput, ANameWithAnEmojiShowsAsTyped)
{
    const QString dragon = QString::fromUcs4(U"\U0001F409");
    const QString name = QStringLiteral("Ann ") + dragon;
    click(Control::TitleImage);
    QTest::keyClicks(control(Control::PlayerNameEd), "Ann ");
    // What a keyboard or an input method delivers for a character without a key.
    QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, dragon);
    QApplication::sendEvent(control(Control::PlayerNameEd), &typed);
    EXPECT_EQ(window.form().players[1].name, name.toStdString());
    EXPECT_TRUE(colourful(control(Control::PlayerNameEd)->grab().toImage()));
    pick(Control::PictureBox, 0);
    pick(Control::SndBox, 0);
    click(Control::NextPlayerBtn);
    EXPECT_TRUE(colourful(window.findChild<QLabel*>("namelbl")->grab().toImage()));
    auto box = QtDialogs::makebox(MessageKind::info, boxes.at(0), &window);
    box->show();
    EXPECT_TRUE(colourful(box->findChild<QLabel*>("qt_msgbox_label")->grab().toImage()));
}

// The keys of a match do what their clicks do, through the same path, and
// nothing where the click would do nothing.
TEST_F(PlayerInput, TheKeysOfAMatchAreItsClicks)
{
    click(Control::TitleImage);
    // In the editor the keys are the boxes' own: E is typed, Enter moves on.
    QWidget* name = control(Control::PlayerNameEd);
    name->setFocus();
    QTest::keyClicks(name, "Eve 1");
    EXPECT_EQ(window.form().players[1].name, "Eve 1");
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_FALSE(name->hasFocus());
    EXPECT_TRUE(control(Control::PictureBox)->isAncestorOf(QApplication::focusWidget()) ||
                QApplication::focusWidget() == control(Control::PictureBox));
    EXPECT_FALSE(window.form().matchrunning);

    qobject_cast<QLineEdit*>(name)->clear();
    startmatch({"Ann", "Bob"});
    const TForm1& form = window.form();
    auto press = [this](Qt::Key key) {
        QApplication::setActiveWindow(&window);
        QTest::keyClick(&window, key);
    };
    auto heard = [this](std::size_t from) {
        return std::vector<std::string>(sound.heard.begin() + static_cast<std::ptrdiff_t>(from), sound.heard.end());
    };

    const int first = form.currentplayer;
    std::size_t from = sound.heard.size();
    press(Qt::Key_E);
    EXPECT_NE(form.currentplayer, first);
    EXPECT_EQ(heard(from), std::vector<std::string>{"button"});

    from = sound.heard.size();
    press(Qt::Key_1);
    EXPECT_EQ(form.controls.SpellPicker.selected, 0);
    EXPECT_EQ(widget<QListWidget>(Control::SpellPicker)->currentRow(), 0);
    press(Qt::Key_9);  // no ninth spell: like a click below the rows
    EXPECT_EQ(form.controls.SpellPicker.selected, 0);
    EXPECT_EQ(heard(from), std::vector<std::string>{"click"});

    from = sound.heard.size();
    press(Qt::Key_Space);
    EXPECT_EQ(form.mode, Mode::aiming);
    EXPECT_EQ(form.controls.AbilityBtn.caption, "Cancel");
    press(Qt::Key_1);  // the list takes no click while aiming
    press(Qt::Key_Space);
    EXPECT_EQ(form.mode, Mode::walking);
    EXPECT_EQ(heard(from), (std::vector<std::string>{"cast", "click"}));

    // M: every sound off, a mark in the turn display, and on again.
    auto* mark = window.findChild<QWidget*>("MuteMark");
    ASSERT_NE(mark, nullptr);
    press(Qt::Key_M);
    EXPECT_TRUE(window.muted());
    EXPECT_TRUE(mark->isVisible());
    from = sound.heard.size();
    press(Qt::Key_1);
    EXPECT_EQ(form.controls.SpellPicker.selected, 0);
    EXPECT_TRUE(heard(from).empty());
    press(Qt::Key_M);
    EXPECT_FALSE(window.muted());
    EXPECT_FALSE(mark->isVisible());
    press(Qt::Key_1);
    EXPECT_EQ(heard(from), std::vector<std::string>{"click"});

    // F1: the rules beside the match, which goes on.
    press(Qt::Key_F1);
    ASSERT_NE(window.howtoplay(), nullptr);
    EXPECT_TRUE(window.howtoplay()->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(timer.enabled);
    const auto frames = form.frames;
    window.tick();
    EXPECT_EQ(form.frames, frames + 1);
}

// While the computer plays a wizard, the person's keys, clicks and presses reach
// nothing (no handler, no sound); only the "Computer" box takes the wizard back.
TEST_F(PlayerInput, ThePersonCannotPlayTheComputersVisitOrTurn)
{
    click(Control::TitleImage);
    QTest::keyClick(widget<SpinEdit>(Control::PlayerCountSpinner)->edit(), Qt::Key_Up);
    QTest::keyClicks(control(Control::PlayerNameEd), "Ann");
    pick(Control::PictureBox, 0);
    pick(Control::SndBox, 0);
    click(Control::NextPlayerBtn);
    click(Control::ComputerBox);
    const TForm1& form = window.form();
    ASSERT_TRUE(form.computer[2]);

    // Its visit to the editor: typing and clicks do nothing, and the box shows it.
    std::size_t heard = sound.heard.size();
    QTest::keyClicks(control(Control::PlayerNameEd), "Zed");
    click(Control::NextPlayerBtn);
    EXPECT_EQ(form.players[2].name, "");
    EXPECT_EQ(qobject_cast<QLineEdit*>(control(Control::PlayerNameEd))->text(), "");
    EXPECT_EQ(sound.heard.size(), heard);
    // Unticked, the wizard is the person's at once; ticked again, the computer's.
    click(Control::ComputerBox);
    QTest::keyClicks(control(Control::PlayerNameEd), "Zed");
    EXPECT_EQ(form.players[2].name, "Zed");
    click(Control::ComputerBox);
    for (int i = 0; i < 5000 && !form.matchrunning; ++i)
        window.tick();
    ASSERT_TRUE(form.matchrunning);
    auto press = [this](Qt::Key key) {
        QApplication::setActiveWindow(&window);
        QTest::keyClick(&window, key);
    };
    if (form.currentplayer == 1)
        press(Qt::Key_E);
    ASSERT_EQ(form.currentplayer, 2);

    // Its turn: E, Space, 1 and a press on the arena change nothing.
    const Tplayer& w = form.players[2];
    const double x = w.x, y = w.y;
    const int walk = w.walk;
    heard = sound.heard.size();
    press(Qt::Key_1);
    press(Qt::Key_Space);
    press(Qt::Key_E);
    click(Control::EndTurnBtn);
    QTest::mouseClick(window.arena(), Qt::LeftButton, {}, QPoint(static_cast<int>(x) + 40, static_cast<int>(y) + 10));
    EXPECT_EQ(form.currentplayer, 2);
    EXPECT_EQ(form.mode, Mode::walking);
    EXPECT_EQ(form.controls.SpellPicker.selected, -1);
    EXPECT_EQ(widget<QListWidget>(Control::SpellPicker)->currentRow(), -1);
    EXPECT_EQ(form.controls.AbilityBtn.caption, "Use Ability");
    EXPECT_EQ(w.x, x);
    EXPECT_EQ(w.y, y);
    EXPECT_EQ(w.walk, walk);
    EXPECT_EQ(sound.heard.size(), heard);
    // The computer itself plays on and hands the turn over.
    for (int i = 0; i < 20000 && form.currentplayer == 2; ++i)
        window.tick();
    EXPECT_EQ(form.currentplayer, 1);
}

}  // namespace
}  // namespace hexbrawl::ui

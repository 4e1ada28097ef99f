// SPDX-License-Identifier: MIT
// A session played in the window with real message boxes and recorded, then replayed
// by the runner and by the window, ends in the same whole state; files that cannot
// serve as a record or a replay are refused.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>

#include "game/tform1.h"
#include "tests/doubles/fakeports.h"
#include "tools/script/scenario.h"
#include "tools/script/statejson.h"
#include "ui/mainwindow.h"
#include "ui/recorder.h"
#include "ui/widgets/arenaview.h"
#include "ui/widgets/spinedit.h"

namespace hexbrawl::ui {
namespace {

class HeardSound final : public Sound {
public:
    std::vector<std::string> heard;
    void playwave(std::string_view name, const WaveEntry&) override { heard.emplace_back(name); }
};

// Answers each real box as a person does, once it is open, and notes what it said.
class Answerer {
public:
    explicit Answerer(QWidget* window)
    {
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this, window] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                const MessageKind kind = box->icon() == QMessageBox::Information ? MessageKind::info
                                         : box->icon() == QMessageBox::Warning   ? MessageKind::warning
                                                                                 : MessageKind::error;
                shown.push_back({kind, box->text().toStdString()});
                QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Return);
            } else if (!QApplication::activeWindow()) {
                QApplication::setActiveWindow(window);
            }
        });
        timer_.start();
    }
    std::vector<RecordedMessage> shown;
    void stop() { timer_.stop(); }

private:
    QTimer timer_;
};

std::string readfile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class Record : public testing::Test {
protected:
    Record() : path(dir.filePath("session.txt").toStdString()), recorder(path), window(setup()), answer(&window)
    {
        window.show();
        QApplication::setActiveWindow(&window);
    }
    MainWindow::Setup setup()
    {
        MainWindow::Setup s;
        s.sound = &sound;
        s.timer = &timer;
        s.clock = &clock;
        s.recorder = &recorder;
        return s;
    }

    const TForm1& form() { return window.form(); }
    QWidget* control(Control c) { return window.control(c); }
    void click(Control c) { QTest::mouseClick(control(c), Qt::LeftButton); }
    void key(Qt::Key k)
    {
        QApplication::setActiveWindow(&window);
        QTest::keyClick(&window, k);
    }
    void pick(Control c, int index)
    {
        auto* combo = dynamic_cast<QComboBox*>(control(c));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void press(double x, double y)
    {
        const QPoint at(std::clamp(static_cast<int>(x), 0, 749), std::clamp(static_cast<int>(y), 0, 749));
        QTest::mouseClick(window.arena(), Qt::LeftButton, {}, at);
    }
    // A period, when the window has one: its game timer runs, or its computer's
    // clock does while a computer wizard is at the controls.
    void period()
    {
        if (!waiting(form()))
            window.tick();
    }
    bool myturn()
    {
        return form().matchrunning && form().currentplayer == 1 && !form().controls.PurchaseWindow.visible;
    }
    // The person's turn: the first spell at the computer's wizard, a second and a
    // half for its flight, a step, the end of the turn.
    void playturn()
    {
        key(Qt::Key_1);
        key(Qt::Key_Space);
        if (form().mode == Mode::aiming)
            press(form().players[2].x + 10, form().players[2].y + 10);
        for (int i = 0; i < 60; ++i)
            period();
        if (myturn())
            press(form().players[1].x + 25, form().players[1].y + 10);
        if (myturn())
            key(Qt::Key_E);
    }

    QTemporaryDir dir;
    std::string path;
    HeardSound sound;
    FakeTimer timer;
    FixedClock clock;
    Recorder recorder;
    MainWindow window;
    Answerer answer;
};

TEST_F(Record, ASessionRecordedInTheWindowReplaysToTheSameWholeState)
{
    click(Control::TitleImage);
    QTest::keyClick(dynamic_cast<SpinEdit*>(control(Control::PlayerCountSpinner))->edit(), Qt::Key_Up);
    QTest::keyClicks(control(Control::PlayerNameEd), "Ann Lee");
    QLineEdit* walk = dynamic_cast<SpinEdit*>(control(Control::ManaPicker))->edit();
    walk->selectAll();
    QTest::keyClicks(walk, "5");
    auto* shop = dynamic_cast<QListWidget*>(control(Control::PurchaseList));
    QTest::mouseClick(shop->viewport(), Qt::LeftButton, {}, shop->visualItemRect(shop->item(0)).center());
    click(Control::PurchaseBtn);
    click(Control::NextPlayerBtn);  // refused: no picture yet
    pick(Control::PictureBox, 1);
    pick(Control::SndBox, 0);
    click(Control::NextPlayerBtn);
    click(Control::ComputerBox);  // the second wizard is the computer's

    for (int i = 0; i < 60000 && form().gamelevel < 4; ++i) {
        if (form().controls.PurchaseWindow.visible && form().currentplayer == 1)
            click(Control::NextPlayerBtn);
        else if (myturn())
            playturn();
        else
            period();
    }
    ASSERT_GE(form().gamelevel, 4) << "three rounds were played";
    for (int i = 0; i < 30; ++i)
        period();
    const std::string seen = statejson(form(), answer.shown, sound.heard);
    window.close();

    // What the window had is what the runner prints for the record.
    const std::string script = readfile(path);
    ASSERT_EQ(script.rfind("start 4242\n", 0), 0u);
    ASSERT_TRUE(script.ends_with("\nstate\nclose\n"));
    std::istringstream in(script);
    std::ostringstream out, err;
    ASSERT_EQ(runscript(in, out, err), 0) << err.str();
    const nlohmann::json runner = nlohmann::json::parse(out.str());
    const nlohmann::json windowstate = nlohmann::json::parse(seen);
    EXPECT_TRUE(runner == windowstate) << nlohmann::json::diff(windowstate, runner).dump(1);

    // The window plays the record again to the same state. Without its last line,
    // as a killed game leaves it, it stays open at the end.
    const std::string cut = dir.filePath("cut.txt").toStdString();
    std::ofstream(cut, std::ios::binary) << script.substr(0, script.size() - std::string("close\n").size());
    Replay replay(cut);
    MainWindow::Setup s = replay.setup();
    HeardSound replaysound;
    s.sound = &replaysound;
    MainWindow again(std::move(s));
    answer.stop();
    Answerer boxes(&again);
    replay.attach(again);
    again.show();
    int periods = 0;
    int recorded = 0;
    for (std::size_t at = script.find("\ntick "); at != std::string::npos; at = script.find("\ntick ", at + 1))
        recorded += std::stoi(script.substr(at + 6));
    bool tried = false;
    while (replay.step()) {
        ++periods;
        if (!tried && again.form().matchrunning && !again.form().controls.PurchaseWindow.visible) {
            // The person's clicks and keys reach nothing meanwhile.
            tried = true;
            const std::string before = statejson(again.form(), {}, {});
            QTest::mouseClick(again.control(Control::EndTurnBtn), Qt::LeftButton);
            QApplication::setActiveWindow(&again);
            QTest::keyClick(&again, Qt::Key_E);
            QTest::mouseClick(again.arena(), Qt::LeftButton, {}, QPoint(300, 300));
            EXPECT_EQ(statejson(again.form(), {}, {}), before);
        }
    }
    EXPECT_TRUE(tried);
    const nlohmann::json replayed = nlohmann::json::parse(statejson(again.form(), boxes.shown, replaysound.heard));
    EXPECT_TRUE(replayed == runner) << nlohmann::json::diff(replayed, runner).dump(1);
    EXPECT_EQ(periods, recorded) << "a tick N is N periods";
    // Escape ends it.
    ASSERT_TRUE(again.isVisible());
    QTest::keyClick(&again, Qt::Key_Escape);
    EXPECT_FALSE(again.isVisible());
    EXPECT_FALSE(replay.step());
}

// A record ends at the close; a write that fails (a full disk) is told once in a box
// and on standard error, and the game goes on.
TEST(Records, ThatCannotServeAreRefusedOrTold)
{
    QTemporaryDir dir;
    {
        // The timer ticks on behind the score box of the close; the script ends there.
        const std::string closed = dir.filePath("closed.txt").toStdString();
        Recorder record(closed);
        record.start(9);
        record.period();
        record.act(input::Action::close());
        for (int i = 0; i < 100; ++i)
            record.period();
        record.act(input::Action::click(Control::TitleImage));
        EXPECT_EQ(readfile(closed), "start 9\ntick 1\nstate\nclose\n");
    }

    FakeDialogs boxes;
    FakeTimer timer;
    FixedClock clock;
    NullSound sound;
    Recorder full("/dev/full");
    MainWindow::Setup s;
    s.sound = &sound;
    s.dialogs = &boxes;
    s.timer = &timer;
    s.clock = &clock;
    s.recorder = &full;
    testing::internal::CaptureStderr();
    MainWindow window(std::move(s));
    QTest::mouseClick(window.control(Control::TitleImage), Qt::LeftButton);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("/dev/full stops here: No space left on device"), std::string::npos) << err;
    QTRY_COMPARE(boxes.shown.size(), std::size_t{1});
    EXPECT_NE(boxes.shown[0].text.find("/dev/full stops here"), std::string::npos);
    EXPECT_TRUE(window.form().controls.PurchaseWindow.visible) << "the game goes on";
    QTest::qWait(10);
    EXPECT_EQ(boxes.shown.size(), 1u) << "told once";
}

// The program refuses before any window opens, with the runner's line for a bad
// script and exit status 2.
TEST(Records, TheProgramRefusesBadFilesBeforeItsWindowOpens)
{
    QTemporaryDir dir;
    const QString bad = dir.filePath("bad.txt");
    std::ofstream(bad.toStdString()) << "start 5\n# a comment\nclick Nowhere\n";
    auto run = [](const QStringList& args) {
        QProcess p;
        p.start(HEXBRAWL_PROGRAM, args);
        EXPECT_TRUE(p.waitForFinished(20000));
        return std::pair{p.exitCode(), p.readAllStandardError().toStdString()};
    };
    EXPECT_EQ(run({"--replay", bad}), std::pair(2, std::string("line 3: 'click' knows no control 'Nowhere'\n")));
    const auto [status, err] = run({"--record", dir.filePath("no/such/folder")});
    EXPECT_EQ(status, 2);
    EXPECT_NE(err.find("cannot write the record"), std::string::npos) << err;
}

}  // namespace
}  // namespace hexbrawl::ui

// SPDX-License-Identifier: MIT
// The window where parts of the machine are missing. These tests run in the Qt suite
// as the machine is, and once more (ctest entry qt_missing_parts) with no font at all
// and no sound server: the window must open, draw, play and close all the same.
#include "ui/mainwindow.h"

#include <QAbstractButton>
#include <QAudioDevice>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMediaDevices>
#include <QTest>

#include <gtest/gtest.h>

#include "game/tform1.h"
#include "ui/fonts.h"
#include "ui/widgets/arenaview.h"
#include "ui/widgets/spinedit.h"

namespace hexbrawl::ui {
namespace {

class Boxes final : public Dialogs {
public:
    std::vector<std::pair<MessageKind, std::string>> shown;
    void showmessage(MessageKind kind, const std::string& text) override { shown.emplace_back(kind, text); }
};

class StillTimer final : public GameTimer {
public:
    void setenabled(bool) override {}
};

class SameSeed final : public Clock {
public:
    std::uint32_t seedvalue() override { return 2718; }
};

// The window with the program's own sound port and pictures; only the boxes, the
// timer and the clock are stand-ins, so that nothing blocks or waits.
struct MissingParts : testing::Test {
    Boxes boxes;
    StillTimer timer;
    SameSeed clock;
    MainWindow window{MainWindow::Setup{{}, {}, nullptr, &boxes, &timer, &clock}};
    TForm1& f = window.form();

    MissingParts() { window.show(); }
    void click(Control c) { QTest::mouseClick(window.control(c), Qt::LeftButton); }
    void pick(Control c, const QString& item)
    {
        auto* combo = dynamic_cast<QComboBox*>(window.control(c));
        ASSERT_NE(combo, nullptr);
        const int index = combo->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    bool errors() const
    {
        for (const auto& [kind, text] : boxes.shown)
            if (kind == MessageKind::error)
                return true;
        return false;
    }
};

TEST_F(MissingParts, AMatchPlaysWithTheProgramsOwnSoundPortWhateverTheAudio)
{
    if (QMediaDevices::audioOutputs().isEmpty())
        std::printf("(no audio output here: the game must play silently)\n");
    click(Control::TitleImage);
    QTest::keyClicks(window.control(Control::PlayerNameEd), "Alma");
    pick(Control::PictureBox, "wizard3");
    pick(Control::SndBox, "Death1");
    auto* walk = dynamic_cast<SpinEdit*>(window.control(Control::ManaPicker));
    ASSERT_NE(walk, nullptr);
    QTest::mouseClick(walk->arrow(1), Qt::LeftButton);
    QTest::mouseClick(walk->arrow(1), Qt::LeftButton);
    QTest::mouseClick(window.control(Control::PlaysndBtn), Qt::LeftButton);
    ASSERT_EQ(f.players[1].maxwalk, 3);
    click(Control::NextPlayerBtn);
    ASSERT_TRUE(f.matchrunning);
    click(Control::EndTurnBtn);  // past the first turn, in which nothing may be cast

    // Cast the starting bolt downwards: "cast" and the element's sound, then flight.
    auto* spells = dynamic_cast<QListWidget*>(window.control(Control::SpellPicker));
    ASSERT_NE(spells, nullptr);
    ASSERT_EQ(spells->count(), 1);
    QTest::mouseClick(spells->viewport(), Qt::LeftButton, {}, spells->visualItemRect(spells->item(0)).center());
    click(Control::AbilityBtn);
    ASSERT_EQ(f.mode, Mode::aiming);
    const Tplayer& w = f.players[1];
    QTest::mouseClick(window.arena(), Qt::LeftButton, {},
                      QPoint(static_cast<int>(w.x) + 10, static_cast<int>(w.y) + 20));
    ASSERT_EQ(f.inplaycount, 1);
    for (int i = 0; i < 40; ++i)
        window.tick();
    EXPECT_EQ(f.frames, 40u);
    EXPECT_FALSE(errors());
    window.close();
    EXPECT_EQ(boxes.shown.back().second, "And the scores are: Alma with 0 kills.");
}

TEST_F(MissingParts, WithoutTheGamesFacesTheWindowStillDrawsEveryPart)
{
    // Run by ctest with an empty font configuration, none of the faces may be found,
    // or that run would prove nothing.
    bool found = false;
    for (Face face : {Face::arial, Face::bookantiqua, Face::lucidasans, Face::chancery}) {
        const QFont font = gamefont(face, 13);
        EXPECT_EQ(font.pixelSize(), 13);
        found |= !firstinstalled(candidates(face)).isEmpty();
    }
    if (qEnvironmentVariableIsSet("HEXBRAWL_EXPECT_NO_FONTS")) {
        EXPECT_FALSE(found) << "the fonts are still there";
    }
    if (!found)
        std::printf("(none of the game's faces is installed here)\n");

    // Title, editor and a match, each grabbed whole: every label, list and button paints.
    QImage shot = window.grab().toImage();
    EXPECT_EQ(shot.size(), QSize(MainWindow::clientwidth, MainWindow::clientheight));
    click(Control::TitleImage);
    QTest::keyClicks(window.control(Control::PlayerNameEd), "Bela <i>x</i>");
    pick(Control::PictureBox, "wizard1");
    pick(Control::SndBox, "Death1");
    window.grab();
    click(Control::NextPlayerBtn);
    ASSERT_TRUE(f.matchrunning);
    window.tick();
    shot = window.grab().toImage();
    EXPECT_NE(shot.pixel(152 + 10, 10), qRgb(0, 0, 0)) << "the arena is drawn";
    EXPECT_FALSE(errors());
}

}  // namespace
}  // namespace hexbrawl::ui

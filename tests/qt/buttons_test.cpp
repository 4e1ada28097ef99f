// SPDX-License-Identifier: MIT
// The four styled push buttons, configured as the game's five, on the offscreen
// platform: the look of every state read back from real screenshots, the order of
// their events, and the own Enabled flag of the shop's "<----".
#include "ui/widgets/styledbuttons.h"

#include <QCursor>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/widgets/factory.h"

namespace hexbrawl::ui {
namespace {

const QColor backdrop(255, 0, 255);  // what a button leaves unpainted shows through

// A shown window, so that the pointer really enters and leaves the buttons on it.
class Stage : public testing::Test {
protected:
    Stage()
    {
        QPalette palette = host.palette();
        palette.setColor(QPalette::Window, backdrop);
        host.setPalette(palette);
        host.setAutoFillBackground(true);
        host.resize(400, 120);
    }
    void show()
    {
        // Shown under the pointer, a button would be entered before the test begins.
        pointaway();
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    }
    // The pointer onto a point of a widget, or off to the stage's far corner, the
    // way QTest::mouseMove moves it when no button is down: through the window
    // system, which sends the enter and leave events. (QTest::mouseMove itself
    // would send a bare move instead after a test that left a button down.)
    void pointat(QWidget* w, QPoint p)
    {
        QCursor::setPos(w->mapToGlobal(p));
        QCoreApplication::processEvents();
    }
    void pointaway() { pointat(&host, QPoint(395, 115)); }

    QWidget host;
};

QImage shot(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }
QColor colourat(QWidget* w, int x, int y) { return shot(w).pixelColor(x, y); }

bool differs(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) > 48 || std::abs(a.green() - b.green()) > 48 ||
           std::abs(a.blue() - b.blue()) > 48;
}

// The smallest rectangle in `area` holding every pixel that is not `face`.
QRect inkbox(const QImage& image, QRect area, QColor face)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (differs(image.pixelColor(x, y), face))
                box |= QRect(x, y, 1, 1);
    return box;
}

// Where the caption's text cell starts in the button: the place of its ink less
// the place of the ink of the same text drawn with its cell at (0, 0).
QPoint captionat(StyledButton* button, QRect area, QColor face, QColor ink)
{
    QRect got = inkbox(shot(button), area, face);
    QFontMetrics metrics(button->font());
    QImage reference(metrics.horizontalAdvance(button->Caption()) + 20, metrics.height() + 20, QImage::Format_RGB32);
    reference.fill(face);
    QPainter painter(&reference);
    painter.setFont(button->font());
    painter.setPen(ink);
    painter.drawText(10, 10 + metrics.ascent(), button->Caption());
    painter.end();
    QRect want = inkbox(reference, reference.rect(), face);
    if (got.isNull() || want.isNull())
        return {-1000, -1000};
    return got.topLeft() - want.topLeft() + QPoint(10, 10);
}

// Whether the colour appears exactly somewhere in the area: a caption's strokes
// are fully covered at least in places.
bool shows(QWidget* w, QRect area, QColor colour)
{
    QImage image = shot(w);
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

// The game's buttons, as its two windows lay them out.
TSelButton* abilitybutton(QWidget* parent)
{
    auto* b = makestyled<TSelButton>(parent, "AbilityBtn", {8, 8, 137, 20}, "Use Ability", {11}, Qt::black);
    b->setColor(QColor(0, 128, 0));
    b->setColorBorder(QColor(0, 176, 0));
    b->setColorOver(QColor(0, 170, 85));
    b->setColorDown(QColor(0, 206, 0));
    b->setColorOverCaption(Qt::black);
    b->setAlignment(Qt::AlignHCenter);
    return b;
}

TSquareButton* nextplayerbutton(QWidget* parent)
{
    auto* b = makestyled<TSquareButton>(parent, "NextPlayerBtn", {8, 40, 161, 33}, "Next Player",
                                        {16, true, false, Face::bookantiqua}, Qt::black);
    b->setColor(QColor(0, 128, 0));
    return b;
}

TEncartaButton* arrowbutton(QWidget* parent, const char* name, const char* caption, int x)
{
    auto* b = makestyled<TEncartaButton>(parent, name, {x, 80, 33, 22}, caption, {11, false, true, Face::lucidasans},
                                         Qt::black);
    b->setColor(buttonface);
    return b;
}

TAOLButton* endturnbutton(QWidget* parent)
{
    return makestyled<TAOLButton>(parent, "EndTurnBtn", {200, 8, 121, 33}, "END TURN", {11, true}, Qt::white);
}

using Look = StyledButton::Look;

TEST_F(Stage, EveryStyleStartsWithItsOwnSizeColoursAndNameAsCaption)
{
    TSelButton sel(&host, "SelButton1");
    EXPECT_EQ(sel.size(), QSize(105, 20));
    EXPECT_EQ(sel.Caption(), "SelButton1");
    EXPECT_EQ(sel.TextColor(), QColor(128, 128, 128));
    EXPECT_EQ(sel.ColorBorder(), QColor(128, 128, 128));
    EXPECT_EQ(sel.ColorOver(), QColor(132, 185, 164));
    EXPECT_EQ(sel.ColorDown(), QColor(132, 185, 164));
    EXPECT_EQ(sel.Alignment(), Qt::AlignLeft);
    EXPECT_EQ(sel.BorderWidth(), 1);

    TAOLButton aol(&host, "AOLButton1");
    EXPECT_EQ(aol.size(), QSize(89, 23));
    EXPECT_EQ(aol.Color(), QColor(52, 105, 165));
    EXPECT_EQ(aol.RaiseColor(), QColor(138, 162, 215));
    EXPECT_EQ(aol.TextColor(), QColor(Qt::white));
    EXPECT_TRUE(aol.font().bold());

    TEncartaButton encarta(&host, "EncartaButton1");
    EXPECT_EQ(encarta.size(), QSize(86, 22));
    EXPECT_EQ(encarta.ColorBorder(), QColor(153, 143, 130));
    EXPECT_EQ(encarta.ColorOver(), QColor(216, 190, 10));
    EXPECT_TRUE(encarta.ShowCaption());
    EXPECT_TRUE(encarta.Glyph().isNull());

    TSquareButton square(&host, "SquareButton1");
    EXPECT_EQ(square.size(), QSize(113, 17));
    EXPECT_EQ(square.ColorBorder(), QColor(Qt::black));
    EXPECT_EQ(square.DownBorderColor(), QColor(Qt::white));
    EXPECT_EQ(square.ColorOverCaption(), QColor(Qt::white));
    EXPECT_EQ(square.BorderWidth(), 2);

    for (StyledButton* b : std::vector<StyledButton*>{&sel, &aol, &encarta, &square}) {
        EXPECT_TRUE(b->Enabled()) << b->Caption().toStdString();
        EXPECT_EQ(b->Color(), b == &aol ? QColor(52, 105, 165) : buttonface);
        EXPECT_EQ(b->font().pixelSize(), 11);
    }
}

TEST_F(Stage, UseAbilityLightsSinksAndSpringsBackInItsGreens)
{
    TSelButton* b = abilitybutton(&host);
    int clicks = 0;
    b->onclick([&] { ++clicks; });
    show();
    const QColor green(0, 128, 0), border(0, 176, 0), over(0, 170, 85), down(0, 206, 0);
    // Away from the caption: a point of the fill, and the one-pixel border.
    auto fillof = [&] { return colourat(b, 4, 10); };
    auto ring = [&] {
        return std::vector<QColor>{colourat(b, 0, 0), colourat(b, 136, 19), colourat(b, 0, 10), colourat(b, 70, 0)};
    };
    const std::vector<QColor> bordered(4, border);

    EXPECT_EQ(fillof(), green);
    EXPECT_EQ(ring(), bordered);
    EXPECT_EQ(colourat(b, 1, 1), green) << "the fill reaches the border, and only one pixel of border";

    pointat(b, {60, 10});
    EXPECT_EQ(b->look(), Look::hover);
    EXPECT_EQ(fillof(), over);
    EXPECT_EQ(ring(), bordered);

    QTest::mousePress(b, Qt::LeftButton, {}, {60, 10});
    EXPECT_EQ(fillof(), down);
    EXPECT_EQ(ring(), bordered);
    EXPECT_EQ(clicks, 0);

    QTest::mouseRelease(b, Qt::LeftButton, {}, {60, 10});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(b->look(), Look::released);
    EXPECT_EQ(fillof(), over) << "released over the button it is lit again";

    pointaway();
    EXPECT_EQ(fillof(), green);

    // A new caption is drawn at once, in the normal look.
    pointat(b, {60, 10});
    b->setCaption("Cancel");
    EXPECT_EQ(fillof(), green);
}

TEST_F(Stage, PressingUseAbilityAndLettingGoElsewhereStaysPressedAndDoesNotClick)
{
    TSelButton* b = abilitybutton(&host);
    std::vector<std::string> events;
    b->onclick([&] { events.push_back("click"); });
    b->onmouseup([&](Qt::MouseButton, QPoint) { events.push_back("up"); });
    show();
    const QColor down(0, 206, 0);

    pointat(b, {60, 10});
    QTest::mousePress(b, Qt::LeftButton, {}, {60, 10});
    QTest::mouseMove(b, {60, 60});  // dragged off with the button held
    QTest::mouseRelease(b, Qt::LeftButton, {}, {60, 60});
    EXPECT_EQ(events, std::vector<std::string>{"up"});
    EXPECT_EQ(b->look(), Look::pressed);
    EXPECT_EQ(colourat(b, 4, 10), down);

    // Only leaving ends it.
    pointaway();
    EXPECT_EQ(b->look(), Look::normal);
    EXPECT_EQ(colourat(b, 4, 10), QColor(0, 128, 0));
}

TEST_F(Stage, AClickRunsItsEventsInTheWindowSystemsOrder)
{
    TSelButton* b = abilitybutton(&host);
    std::vector<std::string> events;
    auto lookname = [b] {
        switch (b->look()) {
        case Look::normal: return "normal";
        case Look::hover: return "hover";
        case Look::pressed: return "pressed";
        case Look::released: return "released";
        }
        return "";
    };
    b->onmousedown([&](Qt::MouseButton, QPoint) { events.push_back(std::string("down in ") + lookname()); });
    b->onclick([&] { events.push_back(std::string("click in ") + lookname()); });
    b->onmouseup([&](Qt::MouseButton, QPoint) { events.push_back(std::string("up in ") + lookname()); });
    show();

    pointat(b, {60, 10});
    QTest::mouseClick(b, Qt::LeftButton, {}, {60, 10});
    EXPECT_EQ(events, (std::vector<std::string>{"down in hover", "click in normal", "up in normal"}));
    EXPECT_EQ(b->look(), Look::released);

    // Other buttons raise their mouse events and nothing else.
    events.clear();
    QTest::mouseClick(b, Qt::RightButton, {}, {60, 10});
    EXPECT_EQ(events, (std::vector<std::string>{"down in released", "up in released"}));
}

TEST_F(Stage, SelButtonCaptionsSitWhereTheirAlignmentPutsThemAndMoveWhenPressed)
{
    auto* b = new TSelButton(&host, "Wand");
    b->setGeometry(8, 8, 105, 20);
    b->setTextColor(Qt::black);
    show();
    const QRect inside(1, 1, 103, 18);
    const int th = b->fontMetrics().height(), tw = b->fontMetrics().horizontalAdvance("Wand");
    const int y = 20 / 2 - th / 2;
    const QColor face = buttonface, down = b->ColorDown();

    EXPECT_EQ(captionat(b, inside, face, Qt::black), QPoint(5, y)) << "left-aligned";
    QTest::mousePress(b, Qt::LeftButton, {}, {50, 10});
    EXPECT_EQ(captionat(b, inside, down, Qt::black), QPoint(6, y + 1)) << "left-aligned, pressed";
    QTest::mouseRelease(b, Qt::LeftButton, {}, {50, 10});

    b->setAlignment(Qt::AlignRight);
    EXPECT_EQ(captionat(b, inside, face, Qt::black), QPoint(105 - tw - 6, y));
    QTest::mousePress(b, Qt::LeftButton, {}, {50, 10});
    EXPECT_EQ(captionat(b, inside, down, Qt::black), QPoint(105 - tw - 7, y + 1));
    QTest::mouseRelease(b, Qt::LeftButton, {}, {50, 10});

    b->setAlignment(Qt::AlignHCenter);
    EXPECT_EQ(captionat(b, inside, face, Qt::black), QPoint(105 / 2 - tw / 2, y));
    QTest::mousePress(b, Qt::LeftButton, {}, {50, 10});
    EXPECT_EQ(captionat(b, inside, down, Qt::black), QPoint(105 / 2 - tw / 2 + 1, y + 1));
    QTest::mouseRelease(b, Qt::LeftButton, {}, {50, 10});

    // Nested frames, one per pixel of border width.
    b->setBorderWidth(3);
    for (int i : {0, 1, 2})
        EXPECT_EQ(colourat(b, i, 10), b->ColorBorder()) << i;
    EXPECT_EQ(colourat(b, 3, 10), face);
}

TEST_F(Stage, NextPlayerHasItsEdgeOnlyAtTheLeftAndBottom)
{
    TSquareButton* b = nextplayerbutton(&host);
    show();
    const QColor green(0, 128, 0);
    const QRect text(2, 0, 159, 31);

    // Normal: a 2-pixel black strip on the left and along the bottom, none above or right.
    for (int x : {0, 1})
        EXPECT_EQ(colourat(b, x, 16), QColor(Qt::black)) << x;
    EXPECT_EQ(colourat(b, 2, 16), green);
    for (int y : {31, 32})
        EXPECT_EQ(colourat(b, 150, y), QColor(Qt::black)) << y;
    EXPECT_EQ(colourat(b, 150, 30), green);
    EXPECT_EQ(colourat(b, 150, 0), green) << "no strip at the top";
    EXPECT_EQ(colourat(b, 160, 16), green) << "no strip at the right";
    EXPECT_EQ(colourat(b, 0, 0), QColor(Qt::black)) << "the left strip runs the full height";
    const int th = b->fontMetrics().height();
    const QPoint place = captionat(b, text, green, Qt::black);
    EXPECT_EQ(place, QPoint(6, 33 / 2 - th / 2 - 1));
    EXPECT_TRUE(shows(b, text, Qt::black));

    // Under the mouse the caption turns white; the strips keep their black.
    pointat(b, {80, 16});
    EXPECT_TRUE(shows(b, text, Qt::white));
    EXPECT_FALSE(shows(b, text, Qt::black));
    EXPECT_EQ(colourat(b, 0, 16), QColor(Qt::black));

    // Pressed: white strips, the caption stays white and stays put.
    QTest::mousePress(b, Qt::LeftButton, {}, {80, 16});
    for (int x : {0, 1})
        EXPECT_EQ(colourat(b, x, 16), QColor(Qt::white));
    EXPECT_EQ(colourat(b, 150, 32), QColor(Qt::white));
    EXPECT_EQ(colourat(b, 150, 0), green);
    EXPECT_TRUE(shows(b, text, Qt::white));
    EXPECT_EQ(captionat(b, text, green, Qt::white), place);
    QTest::mouseRelease(b, Qt::LeftButton, {}, {80, 16});

    // Pressed without being lit first (the pointer never entered): the caption
    // keeps the colour it was last drawn in, black.
    pointaway();
    QTest::mousePress(b, Qt::LeftButton, {}, {80, 16});
    EXPECT_TRUE(shows(b, text, Qt::black));
    EXPECT_EQ(colourat(b, 0, 16), QColor(Qt::white));
    QTest::mouseRelease(b, Qt::LeftButton, {}, {80, 16});
}

TEST_F(Stage, EndTurnIsRaisedAndSinksWhenPressed)
{
    TAOLButton* b = endturnbutton(&host);
    int clicks = 0;
    b->onclick([&] { ++clicks; });
    show();
    const QColor blue(52, 105, 165), raise(138, 162, 215), black(Qt::black);

    auto column = [&](int x, int y) { return colourat(b, x, y); };
    EXPECT_EQ(column(0, 16), black) << "frame";
    EXPECT_EQ(column(1, 16), raise);
    EXPECT_EQ(column(2, 16), raise);
    EXPECT_EQ(column(60, 1), raise);
    EXPECT_EQ(column(60, 2), raise);
    EXPECT_EQ(column(3, 16), blue);
    EXPECT_EQ(column(118, 16), black) << "the dark edge on the right";
    EXPECT_EQ(column(60, 31), black) << "and along the bottom";
    EXPECT_EQ(column(117, 16), blue);
    const QRect inside(3, 3, 115, 27);
    const QPoint up = captionat(b, inside, blue, Qt::white);
    EXPECT_EQ(up.x(), 121 / 2 - b->fontMetrics().horizontalAdvance("END TURN") / 2);

    pointat(b, {60, 16});
    EXPECT_EQ(column(3, 16), blue) << "no hover look";
    EXPECT_EQ(column(1, 16), raise);

    QTest::mousePress(b, Qt::LeftButton, {}, {60, 16});
    EXPECT_EQ(column(60, 1), black) << "one dark line along the top";
    EXPECT_EQ(column(60, 2), blue);
    EXPECT_EQ(column(1, 16), blue) << "no light edge";
    EXPECT_EQ(column(118, 16), blue) << "no dark edge";
    EXPECT_EQ(captionat(b, QRect(1, 2, 119, 30), blue, Qt::white), up + QPoint(2, 2));

    // Let go one pixel past the right edge: no click, yet it counts as over the
    // button for its look, which springs back up.
    QTest::mouseRelease(b, Qt::LeftButton, {}, {121, 16});
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(column(1, 16), raise);
    // Two pixels past, it stays down.
    QTest::mousePress(b, Qt::LeftButton, {}, {60, 16});
    QTest::mouseRelease(b, Qt::LeftButton, {}, {122, 16});
    EXPECT_EQ(column(60, 1), black);
    pointaway();
    EXPECT_EQ(column(1, 16), raise);

    QTest::mouseClick(b, Qt::LeftButton, {}, {60, 16});
    EXPECT_EQ(clicks, 1);
}

TEST_F(Stage, TheShopArrowsLightWithARaisedEdgeAndSinkWithASunkenOne)
{
    TEncartaButton* b = arrowbutton(&host, "PurchaseBtn", "---->", 8);
    show();
    const QColor gold(216, 190, 10), border(153, 143, 130);
    const QColor light = TEncartaButton::lightedge, dark = TEncartaButton::darkedge;
    const int w = 33, h = 22;

    EXPECT_EQ(colourat(b, 0, 0), border);
    EXPECT_EQ(colourat(b, w - 1, h - 1), border);
    EXPECT_EQ(colourat(b, 2, 2), buttonface);
    const QPoint normal = captionat(b, QRect(1, 1, w - 2, h - 2), buttonface, Qt::black);
    EXPECT_EQ(normal.x(), w / 2 - b->fontMetrics().horizontalAdvance("---->") / 2);

    pointat(b, {16, 11});
    EXPECT_EQ(colourat(b, 2, 2), gold);
    // Raised: light down the left and along the top, dark at the right and bottom,
    // the dark lines owning the far corners.
    EXPECT_EQ(colourat(b, 0, 0), light);
    EXPECT_EQ(colourat(b, 0, h - 2), light);
    EXPECT_EQ(colourat(b, w - 2, 0), light);
    EXPECT_EQ(colourat(b, w - 1, 0), dark);
    EXPECT_EQ(colourat(b, w - 1, h - 1), dark);
    EXPECT_EQ(colourat(b, 0, h - 1), dark);
    EXPECT_EQ(captionat(b, QRect(1, 1, w - 2, h - 2), gold, Qt::black), normal);

    QTest::mousePress(b, Qt::LeftButton, {}, {16, 11});
    EXPECT_EQ(colourat(b, 2, 2), gold);
    EXPECT_EQ(colourat(b, 0, 0), dark);
    EXPECT_EQ(colourat(b, w - 2, 0), dark);
    EXPECT_EQ(colourat(b, w - 1, 0), light);
    EXPECT_EQ(colourat(b, 0, h - 1), light);
    EXPECT_EQ(captionat(b, QRect(1, 1, w - 2, h - 2), gold, Qt::black), normal + QPoint(1, 1));

    QTest::mouseRelease(b, Qt::LeftButton, {}, {16, 11});
    EXPECT_EQ(colourat(b, 0, 0), light);
    pointaway();
    EXPECT_EQ(colourat(b, 0, 0), border);
    EXPECT_EQ(colourat(b, 2, 2), buttonface);
}

TEST_F(Stage, ADisabledSellButtonLooksEnabledAndIgnoresTheMouse)
{
    TEncartaButton* sell = arrowbutton(&host, "SellBtn", "<----", 100);
    TEncartaButton* twin = arrowbutton(&host, "twin", "<----", 200);
    int sold = 0;
    sell->onclick([&] { ++sold; });
    sell->setEnabledFlag(false);
    show();
    const QImage enabledlook = shot(twin);
    EXPECT_EQ(shot(sell), enabledlook);

    pointat(sell, {16, 11});
    EXPECT_EQ(shot(sell), enabledlook) << "no hover look";
    QTest::mousePress(sell, Qt::LeftButton, {}, {16, 11});
    EXPECT_EQ(shot(sell), enabledlook) << "no pressed look";
    QTest::mouseRelease(sell, Qt::LeftButton, {}, {16, 11});
    EXPECT_EQ(shot(sell), enabledlook);
    EXPECT_EQ(sold, 0);
    EXPECT_TRUE(sell->isEnabled()) << "the window system's flag is left alone";

    // Turned off while lit, it stays lit, through leaving too; turned on, it
    // answers the mouse again.
    sell->setEnabledFlag(true);
    pointaway();
    pointat(sell, {16, 11});
    const QImage lit = shot(sell);
    ASSERT_NE(lit, enabledlook);
    sell->setEnabledFlag(false);
    EXPECT_EQ(shot(sell), lit);
    pointaway();
    EXPECT_EQ(shot(sell), lit);
    sell->setEnabledFlag(true);
    pointat(sell, {16, 11});
    QTest::mouseClick(sell, Qt::LeftButton, {}, {16, 11});
    EXPECT_EQ(sold, 1);

    // A click that turns the flag off leaves the normal look, not the lit one.
    sell->onclick([&] { sell->setEnabledFlag(false); });
    sell->setEnabledFlag(true);
    QTest::mouseClick(sell, Qt::LeftButton, {}, {16, 11});
    EXPECT_EQ(shot(sell), enabledlook);
}

TEST_F(Stage, PropertiesRepaintInTheNormalLookAndGlyphsShowBesideTheCaption)
{
    TSelButton* b = abilitybutton(&host);
    auto* plain = arrowbutton(&host, "plain", "go", 100);
    show();
    pointat(b, {60, 10});
    ASSERT_EQ(b->look(), Look::hover);
    b->setColorOver(Qt::red);  // a colour of another look: nothing to redraw
    EXPECT_EQ(b->look(), Look::hover);
    b->setColor(Qt::blue);
    EXPECT_EQ(b->look(), Look::normal);
    EXPECT_EQ(colourat(b, 4, 10), QColor(Qt::blue));
    b->setColor(Qt::blue);  // unchanged: no repaint either way
    EXPECT_EQ(b->look(), Look::normal);

    // A glyph whose top-left colour is see-through, beside the caption; alone and
    // centred without it.
    QImage glyph(6, 6, QImage::Format_RGB32);
    glyph.fill(Qt::white);
    glyph.setPixelColor(3, 3, Qt::red);
    plain->setGlyph(glyph);
    QRect red = inkbox(shot(plain), QRect(1, 1, 31, 20), buttonface);
    EXPECT_FALSE(shows(plain, QRect(1, 1, 31, 20), Qt::white)) << "the key colour";
    EXPECT_TRUE(shows(plain, QRect(1, 1, 31, 20), Qt::red));
    plain->setShowCaption(false);
    EXPECT_EQ(inkbox(shot(plain), QRect(1, 1, 31, 20), buttonface), QRect(33 / 2 - 3 + 3, 22 / 2 - 3 + 3, 1, 1));
    EXPECT_GT(red.width(), 1) << "with the caption beside it";
}

}  // namespace
}  // namespace hexbrawl::ui

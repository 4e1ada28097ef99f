// SPDX-License-Identifier: MIT
// The window's other self-drawn widgets on the offscreen platform: the pie and bar
// gauges, the side tabs, the outlined labels, the floating window's caption, and
// the choice of fonts.
#include <QCursor>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "ui/fonts.h"
#include "ui/widgets/gauges.h"
#include "ui/widgets/glowlabel.h"
#include "ui/widgets/pagetabs.h"
#include "ui/widgets/toolwindow.h"

namespace hexbrawl::ui {
namespace {

QImage shot(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }

bool shows(const QImage& image, QRect area, QColor colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

// Whether some pixel of the area is yellowish: rotated captions are smoothed all over.
bool showsyellow(const QImage& image, QRect area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            QColor c = image.pixelColor(x, y);
            if (c.red() > 160 && c.green() > 160 && c.blue() < 60)
                return true;
        }
    return false;
}

// The smallest rectangle holding every pixel that is not `background`.
QRect inkbox(const QImage& image, QRect area, QColor background)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

TEST(PieGauge, FillsClockwiseFromTwelveAndShowsProgressClampedIntoZeroToHundred)
{
    const QColor grey(218, 218, 218), black(Qt::black);
    PieGauge pie(nullptr, grey);
    pie.resize(65, 65);
    // Points well inside the disc, one in each quarter, and left and right of the middle.
    const QPoint topright(44, 18), bottomright(44, 46), bottomleft(20, 46), topleft(20, 18), right(50, 33),
        left(14, 33);
    auto at = [&](int progress, QPoint p) {
        pie.setprogress(progress);
        return shot(&pie).pixelColor(p);
    };

    for (QPoint p : {topright, bottomright, bottomleft, topleft})
        EXPECT_EQ(at(0, p), black);
    EXPECT_EQ(at(25, topright), grey);
    EXPECT_EQ(at(25, bottomright), black);
    EXPECT_EQ(at(50, right), grey);
    EXPECT_EQ(at(50, bottomright), grey);
    EXPECT_EQ(at(50, left), black);
    EXPECT_EQ(at(50, topleft), black);
    EXPECT_EQ(at(75, bottomleft), grey);
    EXPECT_EQ(at(75, topleft), black);
    for (QPoint p : {topright, bottomright, bottomleft, topleft})
        EXPECT_EQ(at(100, p), grey);

    // Beyond the range the gauge keeps what it was given and draws the nearest end.
    pie.setprogress(100);
    const QImage full = shot(&pie);
    pie.setprogress(0);
    const QImage empty = shot(&pie);
    pie.setprogress(150);
    EXPECT_EQ(pie.progress(), 150);
    EXPECT_EQ(shot(&pie), full);
    pie.setprogress(-20);
    EXPECT_EQ(pie.progress(), -20);
    EXPECT_EQ(shot(&pie), empty);
}

TEST(BarGauge, WritesTheWholePercentageAcrossABarOfTheSameShare)
{
    const QColor blue(0, 0, 255), white(Qt::white);
    BarGauge bar(nullptr, blue);
    bar.resize(257, 25);
    bar.setmaximum(25);
    bar.setvalue(25);
    EXPECT_EQ(bar.text(), "100%");
    QImage image = shot(&bar);
    EXPECT_EQ(image.pixelColor(3, 3), blue);
    EXPECT_EQ(image.pixelColor(253, 21), blue);
    EXPECT_TRUE(shows(image, QRect(100, 4, 57, 17), white)) << "the text, light on the bar";

    bar.setvalue(7);
    EXPECT_EQ(bar.text(), "28%");
    image = shot(&bar);
    const int filled = 255 * 7 / 25;
    EXPECT_EQ(image.pixelColor(filled - 1, 3), blue);
    EXPECT_EQ(image.pixelColor(filled + 2, 3), white);
    EXPECT_TRUE(shows(image, QRect(100, 4, 57, 17), blue)) << "the text, in the bar's colour beside it";

    bar.setmaximum(8);
    EXPECT_EQ(bar.text(), "87%") << "7 of 8 is cut, not rounded";

    // The value stays within 0..maximum, and a gauge without points is empty.
    bar.setvalue(40);
    EXPECT_EQ(bar.value(), 8);
    bar.setvalue(-3);
    EXPECT_EQ(bar.value(), 0);
    EXPECT_EQ(bar.text(), "0%");
    bar.setmaximum(0);
    EXPECT_EQ(bar.text(), "0%");
    EXPECT_EQ(shot(&bar).pixelColor(3, 3), white);
}

TEST(PageTabs, TabsStandOnTheLeftWithBottomUpCaptionsAndReportPresses)
{
    PageTabs tabs(nullptr, {"Ranged", "Block", "Reflect", "Teleport"}, 50, 16);
    tabs.resize(tabs.sizeHint());
    EXPECT_EQ(tabs.size(), QSize(19, 205));
    std::vector<int> picked;
    tabs.onpicked([&](int page) { picked.push_back(page); });

    // One under the other, each as long as the strip says, all inside it.
    for (int page = 0; page < 4; ++page) {
        EXPECT_TRUE(tabs.rect().contains(tabs.tabrect(page))) << page;
        EXPECT_GE(tabs.tabrect(page).height(), 50);
        if (page > 0) {
            EXPECT_EQ(tabs.tabrect(page).top(), tabs.tabrect(page - 1).top() + 50 + (page == 1 ? 2 : 0));
        }
    }

    // Captions written bottom-up: their ink runs down the tab, as long as the word.
    const QImage image = shot(&tabs);
    for (int page = 1; page < 4; ++page) {
        QRect tab = tabs.tabrect(page).adjusted(2, 2, -2, -2);
        QRect ink = inkbox(image, tab, image.pixelColor(tab.center().x(), tab.top() + 1));
        QFontMetrics metrics(tabs.font());
        EXPECT_GT(ink.height(), ink.width()) << page;
        EXPECT_NEAR(ink.height(), metrics.horizontalAdvance(tabs.caption(page)), 3) << page;
    }
    // The current tab stands out in black with yellow writing.
    EXPECT_TRUE(showsyellow(image, tabs.tabrect(0)));
    EXPECT_FALSE(showsyellow(image, tabs.tabrect(2)));

    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabrect(2).center());
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabrect(0).center());
    QTest::mouseClick(&tabs, Qt::RightButton, {}, tabs.tabrect(3).center());
    EXPECT_EQ(picked, (std::vector<int>{2, 0}));
    EXPECT_EQ(tabs.current(), 0) << "the owner turns the page";
    tabs.setcurrent(3);
    EXPECT_EQ(picked.size(), 2u) << "a page set by the program is not a press";
    EXPECT_TRUE(showsyellow(shot(&tabs), tabs.tabrect(3)));
}

TEST(GlowLabel, PlainTextWithADarkOutlineThatStopsWithAnEllipsis)
{
    const QColor orange(0xFF, 0x80, 0x00), outline(0x1C, 0x10, 0x04), grey(0xB6, 0xB6, 0xB6);
    QWidget host;
    QPalette palette = host.palette();
    palette.setColor(QPalette::Window, grey);
    host.setPalette(palette);
    host.setAutoFillBackground(true);
    host.resize(300, 60);
    auto* label = new GlowLabel(&host, orange);
    label->setFont(gamefont(Face::arial, 11));
    label->setoutline(outline);
    label->setText("Health:");
    label->adjustSize();
    auto* plain = new GlowLabel(&host, orange);
    plain->setFont(gamefont(Face::arial, 11));
    plain->setText("Health:");
    plain->adjustSize();
    plain->move(0, 30);

    QImage image = shot(label);
    EXPECT_TRUE(shows(image, image.rect(), orange));
    EXPECT_TRUE(shows(image, image.rect(), outline));
    EXPECT_EQ(label->size(), plain->size() + QSize(2, 2)) << "room for the outline all round";
    image = shot(plain);
    EXPECT_FALSE(shows(image, image.rect(), outline));

    // Markup is shown as typed.
    label->setText("<b>x</b>");
    label->adjustSize();
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_GT(label->width(), label->fontMetrics().horizontalAdvance("x") * 4);

    // Held to a width, a long text keeps all its letters but shows an ellipsis.
    label->setMaximumWidth(60);
    label->setText("Morgana the Unconquerable of the Western Marches");
    label->adjustSize();
    EXPECT_EQ(label->width(), 60);
    EXPECT_EQ(label->text(), "Morgana the Unconquerable of the Western Marches");
    image = shot(label);
    EXPECT_LE(inkbox(image, image.rect(), grey).right(), 59);

    // An active colour while the pointer is over it.
    QCursor::setPos(host.mapToGlobal(QPoint(295, 55)));
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    plain->setactivecolour(Qt::red);
    EXPECT_FALSE(shows(shot(plain), plain->rect(), Qt::red));
    QCursor::setPos(plain->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::processEvents();
    EXPECT_TRUE(shows(shot(plain), plain->rect(), Qt::red));
    QCursor::setPos(host.mapToGlobal(QPoint(295, 55)));
    QCoreApplication::processEvents();
    EXPECT_FALSE(shows(shot(plain), plain->rect(), Qt::red));
}

TEST(ToolWindow, TheCaptionIsCutWithAnEllipsisWhenItDoesNotFit)
{
    ToolWindow window(nullptr, "Stats Editor");
    window.resize(593, 537);
    EXPECT_EQ(window.showncaption(), "Stats Editor");
    window.resize(50, 100);
    QString shown = window.showncaption();
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_LT(shown.size(), 12);
}

TEST(Fonts, EachFaceFindsItsSubstituteAndFallsBackWithoutOne)
{
    // Where the set-up script has run, every face is met by its chosen substitute.
    const std::pair<Face, const char*> chosen[] = {{Face::arial, "Liberation Sans"},
                                                   {Face::bookantiqua, "P052"},
                                                   {Face::lucidasans, "DejaVu Sans"},
                                                   {Face::chancery, "Z003"}};
    for (auto [face, family] : chosen) {
        QFont font = gamefont(face, 16, true);
        EXPECT_EQ(font.pixelSize(), 16);
        EXPECT_TRUE(font.bold());
        // A family with faces from two foundries is reported with the foundry: "P052 [urw]".
        if (QFontDatabase::hasFamily(family))
            EXPECT_TRUE(QFontInfo(font).family().startsWith(family)) << family;
        else
            std::printf("(%s is not installed here)\n", family);
    }

    // None of the families installed: a font of the same kind all the same, that draws.
    EXPECT_EQ(firstinstalled({"No Such Face 1", "No Such Face 2"}), "");
    for (Face face : {Face::arial, Face::chancery}) {
        QFont font = gamefont(face, {"No Such Face 1"}, 13);
        EXPECT_EQ(font.pixelSize(), 13);
        EXPECT_EQ(font.italic(), face == Face::chancery) << "a chancery falls back to an italic serif";
        QImage image(80, 20, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(2, 15, "AbilityInfo");
        painter.end();
        EXPECT_FALSE(inkbox(image, image.rect(), Qt::black).isNull());
    }
}

}  // namespace
}  // namespace hexbrawl::ui

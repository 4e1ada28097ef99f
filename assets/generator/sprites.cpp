// SPDX-License-Identifier: MIT
// The small pictures: orbs, blocks, reflect sigils, rings, the teleport
// swirl, the blood splat, the placeholder portrait and the status icons.
#include <QPainter>
#include <cmath>
#include <map>
#include <numbers>
#include <stdexcept>

#include "generator.h"
#include "pixelart.h"

namespace assetgen {
namespace {

constexpr double pi = std::numbers::pi;

struct Element {
    std::string_view name;
    QColor dark, body, bright, core;
};

const Element elements[] = {
    {"fire", QColor(150, 25, 0), QColor(230, 80, 10), QColor(255, 165, 30), QColor(255, 240, 170)},
    {"water", QColor(10, 40, 140), QColor(30, 100, 220), QColor(100, 180, 255), QColor(225, 245, 255)},
    {"wind", QColor(110, 120, 135), QColor(175, 185, 195), QColor(220, 228, 235), QColor(255, 255, 255)},
    {"earth", QColor(70, 45, 20), QColor(125, 85, 40), QColor(120, 160, 50), QColor(215, 205, 130)},
    {"life", QColor(50, 130, 20), QColor(120, 205, 40), QColor(200, 245, 80), QColor(255, 255, 200)},
    {"death", QColor(35, 5, 45), QColor(85, 25, 115), QColor(145, 70, 175), QColor(215, 180, 235)},
    {"cosmo", QColor(100, 0, 125), QColor(190, 40, 205), QColor(255, 120, 255), QColor(255, 230, 255)},
};

const Element& elementof(std::string_view name)
{
    for (const Element& e : elements)
        if (name.starts_with(e.name))
            return e;
    throw std::runtime_error("no element in " + std::string(name));
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor(static_cast<int>(std::lround(a.red() + (b.red() - a.red()) * t)),
                  static_cast<int>(std::lround(a.green() + (b.green() - a.green()) * t)),
                  static_cast<int>(std::lround(a.blue() + (b.blue() - a.blue()) * t)));
}

QImage blank(const hexbrawl::PictureEntry& entry)
{
    QImage image(entry.width, entry.height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// A glowing orb with a white-hot centre.
QImage ball(const hexbrawl::PictureEntry& entry, const Element& e)
{
    return pixelart(entry.width, entry.height,
                    {
                        "..ddd..",
                        ".dbbbd.",
                        "dbBBBbd",
                        "dbBCBbd",
                        "dbBBBbd",
                        ".dbbbd.",
                        "..ddd..",
                    },
                    {{'d', e.dark}, {'b', e.body}, {'B', e.bright}, {'C', e.core}});
}

// A bevelled block of three courses of bricks in the element's colours.
QImage block(const hexbrawl::PictureEntry& entry, const Element& e)
{
    QImage image = blank(entry);
    Random random(seedfor(std::string(entry.name)));
    double shade[3][4];
    for (auto& row : shade)
        for (double& s : row)
            s = random.range(-0.12, 0.12);
    const QColor outline = mix(e.dark, QColor(0, 0, 0), 0.4);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            if (x == 0 || y == 0 || x == 19 || y == 19) {
                const bool corner = (x == 0 || x == 19) && (y == 0 || y == 19);
                if (!corner)
                    image.setPixelColor(x, y, outline);
                continue;
            }
            const int course = std::min((y - 1) / 6, 2);
            const int top = 1 + course * 6;
            const int offset = course % 2 ? 4 : 0;
            const int brickx = (x - 1 + offset) % 9;
            const int brick = (x - 1 + offset) / 9;
            const int localy = y - top;
            QColor c;
            if (localy == 5 && course < 2)
                c = e.dark;  // mortar between courses
            else if (brickx == 8)
                c = e.dark;  // joint between bricks
            else {
                const double base = 0.45 + shade[course][brick];
                double t = base;
                if (localy == 0 || brickx == 0)
                    t = base + 0.45;  // lit edge
                else if (localy == 4 || brickx == 7)
                    t = base - 0.3;  // shaded edge
                c = t > 0.5 ? mix(e.body, e.bright, (t - 0.5) * 2) : mix(e.dark, e.body, t * 2);
            }
            image.setPixelColor(x, y, c);
        }
    // the element's gleam in the middle of the wall
    image.setPixelColor(9, 9, e.core);
    image.setPixelColor(10, 10, e.bright);
    image.setPixelColor(10, 9, e.bright);
    image.setPixelColor(9, 10, e.bright);
    return image;
}

// A reflecting sigil: a ring around a six-pointed star, kept inside the
// top-left 20 x 20 because only that pattern is ever drawn. Classified pixel
// by pixel rather than antialiased, so that the star stays crisp in the
// 256-colour table.
QImage curse(const hexbrawl::PictureEntry& entry, const Element& e)
{
    QImage image = blank(entry);
    const double c = 10;
    QPointF corners[6];
    for (int k = 0; k < 6; ++k) {
        const double a = -pi / 2 + k * pi / 3;
        corners[k] = QPointF(c + 7.3 * std::cos(a), c + 7.3 * std::sin(a));
    }
    auto nearline = [](QPointF p, QPointF a, QPointF b) {
        const QPointF ab = b - a, ap = p - a;
        const double t = std::clamp(QPointF::dotProduct(ap, ab) / QPointF::dotProduct(ab, ab), 0.0, 1.0);
        const QPointF d = ap - ab * t;
        return std::hypot(d.x(), d.y());
    };
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const QPointF p(x + 0.5, y + 0.5);
            const double r = std::hypot(p.x() - c, p.y() - c);
            double star = 99;
            for (int k = 0; k < 6; ++k)  // the two triangles: corners 0-2-4 and 1-3-5
                star = std::min(star, nearline(p, corners[k], corners[(k + 2) % 6]));
            if (r > 9.6)
                continue;
            if (r > 8.1)
                image.setPixelColor(x, y, e.body);
            else if (r < 1.6)
                image.setPixelColor(x, y, e.core);
            else if (star < 0.55)
                image.setPixelColor(x, y, e.bright);
            else
                image.setPixelColor(x, y, r < 4.0 ? e.body : e.dark);
        }
    return image;
}

// A glowing band with runic flickers along it.
QImage ring(const hexbrawl::PictureEntry& entry, const Element& e)
{
    QImage image = blank(entry);
    Random random(seedfor(std::string(entry.name)));
    const double c = entry.width / 2.0;
    const double radius = 13.5, half = 3.0;
    double phase = random.range(0, 2 * pi);
    for (int y = 0; y < entry.height; ++y)
        for (int x = 0; x < entry.width; ++x) {
            const double dx = x + 0.5 - c, dy = y + 0.5 - c;
            const double d = std::hypot(dx, dy);
            const double band = 1.0 - std::abs(d - radius) / half;
            if (band <= 0)
                continue;
            const double angle = std::atan2(dy, dx);
            const double runes = 0.5 + 0.5 * std::sin(angle * 12 + phase);
            double t = band * (0.75 + 0.25 * runes);
            QColor colour = t < 0.5 ? mix(e.dark, e.body, t * 2) : mix(e.body, e.bright, (t - 0.5) * 2);
            if (band > 0.8 && runes > 0.85)
                colour = e.core;
            image.setPixelColor(x, y, colour);
        }
    for (int k = 0; k < 6; ++k) {  // sparks
        const double a = random.range(0, 2 * pi);
        const int x = static_cast<int>(c + (radius + 0.5) * std::cos(a));
        const int y = static_cast<int>(c + (radius + 0.5) * std::sin(a));
        image.setPixelColor(x, y, e.core);
    }
    return image;
}

// Three arms of a swirl that brighten to a white eye.
QImage teleport(const hexbrawl::PictureEntry& entry)
{
    QImage image = blank(entry);
    const QColor rim(90, 30, 170), mid(40, 170, 255), eye(235, 250, 255);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const double dx = x + 0.5 - 10, dy = y + 0.5 - 10;
            const double r = std::hypot(dx, dy);
            if (r > 9.6)
                continue;
            const double arm = std::sin(3 * std::atan2(dy, dx) + r * 0.75);
            if (r < 2.2)
                image.setPixelColor(x, y, eye);
            else if (arm > -0.1) {
                const double t = r / 9.6;
                const QColor c = t < 0.5 ? mix(eye, mid, t * 2) : mix(mid, rim, (t - 0.5) * 2);
                image.setPixelColor(x, y, arm > 0.6 ? c.lighter(125) : c);
            }
        }
    return image;
}

QImage blood(const hexbrawl::PictureEntry& entry)
{
    QImage image = blank(entry);
    Random random(seedfor("blood"));
    double lobes[7];
    for (double& l : lobes)
        l = random.range(-1.0, 1.4);
    const QColor dark(110, 0, 0), body(175, 10, 10), shine(230, 60, 50);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const double dx = x + 0.5 - 10, dy = (y + 0.5 - 10.5) * 1.15;
            const double a = std::atan2(dy, dx);
            double edge = 5.2;
            for (int k = 0; k < 7; ++k)
                edge += 0.55 * lobes[k] * std::cos((k + 2) * a + k);
            const double r = std::hypot(dx, dy);
            if (r < edge)
                image.setPixelColor(x, y, r > edge - 1.2 ? dark : body);
        }
    for (int k = 0; k < 7; ++k) {  // droplets thrown clear of the pool
        const double a = random.range(0, 2 * pi), r = random.range(7.0, 9.0);
        const int x = std::clamp(static_cast<int>(10 + r * std::cos(a)), 0, 19);
        const int y = std::clamp(static_cast<int>(10 + r * std::sin(a)), 0, 19);
        image.setPixelColor(x, y, k % 2 ? dark : body);
    }
    image.setPixelColor(8, 8, shine);
    image.setPixelColor(9, 8, shine);
    image.setPixelColor(8, 9, shine);
    return image;
}

QImage aimer(const hexbrawl::PictureEntry& entry)
{
    QImage image = blank(entry);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(24.5, 24.5);
    p.setPen(QPen(QColor(200, 20, 20), 2.2));
    p.drawEllipse(c, 19.0, 19.0);
    p.setPen(QPen(QColor(255, 90, 60), 1.3));
    p.drawEllipse(c, 11.0, 11.0);
    p.setPen(QPen(QColor(255, 220, 200), 1.8));
    for (int k = 0; k < 4; ++k) {
        const double a = k * pi / 2;
        const QPointF dir(std::cos(a), std::sin(a));
        p.drawLine(c + dir * 14.0, c + dir * 23.5);
        p.drawLine(c + dir * 3.0, c + dir * 7.0);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 220));
    p.drawEllipse(c, 1.4, 1.4);
    p.end();
    return image;
}

// Golden runes on a dark violet seal.
QImage runes(const hexbrawl::PictureEntry& entry)
{
    QImage image = blank(entry);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(200, 160, 255), 1.3));
    p.setBrush(QColor(60, 20, 80));
    p.drawEllipse(QPointF(10, 10), 8.7, 8.7);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(255, 205, 60), 1));
    // three carved marks: an arrow-stave, a fork and a hooked stave
    p.drawLine(5, 6, 5, 14);
    p.drawLine(5, 6, 7, 8);
    p.drawLine(5, 9, 7, 11);
    p.drawLine(10, 5, 10, 15);
    p.drawLine(8, 7, 10, 9);
    p.drawLine(12, 7, 10, 9);
    p.drawLine(14, 6, 14, 14);
    p.drawLine(14, 6, 16, 8);
    p.drawLine(16, 8, 14, 10);
    p.drawLine(14, 10, 16, 14);
    p.end();
    return image;
}

QImage icon(const hexbrawl::PictureEntry& entry, const std::vector<std::string>& rows, const Palette& colours)
{
    return pixelart(entry.width, entry.height, rows, colours);
}

const Palette iconcolours{
    {'o', QColor(24, 24, 24)},  // outline: the nearest grey, never the key
    {'w', QColor(240, 240, 250)}, {'g', QColor(170, 175, 190)}, {'G', QColor(110, 115, 130)},
    {'y', QColor(255, 230, 80)},  {'Y', QColor(255, 170, 30)},  {'l', QColor(255, 255, 200)},
    {'b', QColor(60, 120, 220)},  {'B', QColor(30, 60, 160)},   {'c', QColor(150, 200, 255)},
    {'r', QColor(200, 40, 30)},   {'R', QColor(255, 120, 40)},  {'s', QColor(200, 150, 90)},
    {'S', QColor(140, 95, 50)},   {'k', QColor(230, 190, 150)}, {'v', QColor(140, 80, 200)},
    {'V', QColor(90, 40, 130)},
};

}  // namespace

QImage drawpicture(const hexbrawl::PictureEntry& entry)
{
    const std::string_view name = entry.name;
    if (name.starts_with("tree"))
        return drawtree(entry);
    if (name.starts_with("grass"))
        return drawgrass(entry);
    if (name.starts_with("wizard"))
        return drawwizard(entry);
    if (name.ends_with("ball"))
        return ball(entry, elementof(name));
    if (name.ends_with("block"))
        return block(entry, elementof(name));
    if (name.ends_with("curse"))
        return curse(entry, elementof(name));
    if (name.ends_with("ring"))
        return ring(entry, elementof(name));
    if (name == "teleport")
        return teleport(entry);
    if (name == "blood")
        return blood(entry);
    if (name == "aimer")
        return aimer(entry);
    if (name == "runes")
        return runes(entry);
    if (name == "forget")  // a question mark where a portrait will be
        return icon(entry,
                    {
                        "....................", "......oooooooo......", ".....owwwwwwwwo.....", "....owwgggggwwwo....",
                        "....owwoooooowwgo...", "....oggo....owwgo...", ".....oo.....owwgo...", "...........owwwgo...",
                        "..........owwwgo....", ".........owwwgo.....", "........owwwgo......", "........owwgo.......",
                        "........owwgo.......", "........oGGGo.......", ".........ooo........", "........ooooo.......",
                        "........owwgo.......", "........owwgo.......", "........oGGGo.......", ".........ooo........",
                    },
                    iconcolours);
    if (name == "quicken")  // a lightning bolt
        return icon(entry,
                    {
                        "...........ooooo....", "..........oyyyyo....", ".........oyyyyo.....", "........oylyyo......",
                        ".......oylyyo.......", "......oylyyo........", ".....oylyyooooo.....", "....oylyyyyyyyo.....",
                        "....ooooolyyyo......", "........oyyyo.......", ".......oyyYo........", "......oyyYo.........",
                        ".....oyyYo..........", "....oyYYo...........", "...oyYYo............", "...oYYo.............",
                        "..oYYo..............", "..oYo...............", "..oo................", "....................",
                    },
                    iconcolours);
    if (name == "slow")  // a snail
        return icon(entry,
                    {
                        "....................", "....................", "....................", "......ooooo.........",
                        ".....ovvvvvo........", "....ovVVVVvvo.......", "...ovVvvvvVvvo......", "...ovVvVVvVvvo......",
                        "...ovVvVvvVvvo......", "...ovVvVVVvvvo......", "...ovvVvvvvvVo..o.o.", "....ovvVVVVVo...okok",
                        "....oovvvvvoo...oko.", "...oksoooooookkkkko.", "..okkkkkkkkkkkkksso.", "..osssssssssssssso..",
                        "...ooooooooooooooo..", "....................", "....................", "....................",
                    },
                    iconcolours);
    if (name == "stasis")  // an hourglass of ice
        return icon(entry,
                    {
                        "..oooooooooooooooo..", "..oSSSSSSSSSSSSSSo..", "..oooooooooooooooo..", "...ocwwwwwwwwwwco...",
                        "...ocwyyyyyyyywco...", "....ocwyyyyyywco....", ".....ocwyyyywco.....", "......ocwyywco......",
                        ".......ocwwco.......", "........ocyo........", "........ocyo........", ".......ocwywco......",
                        "......ocwwywwco.....", ".....ocwwwywwwco....", "....ocwwwyyywwwco...", "...ocwwyyyyyyywwco..",
                        "...ocyyyyyyyyyyyco..", "..oooooooooooooooo..", "..oSSSSSSSSSSSSSSo..", "..oooooooooooooooo..",
                    },
                    iconcolours);
    if (name == "manaburn")  // mana catching fire
        return icon(entry,
                    {
                        ".........o..........", "........obo.........", "........obo.....o...", ".......obbo....obo..",
                        "...o...obcbo...obo..", "..obo.obccbo..obbo..", "..obbo.bccbbo.obbo..", "..obbbobcwcbbobcbo..",
                        "..obcbbbcwwcbbbcbo..", "...obcbbcwwcbbcbo...", "...obcRRcwwcRRcbo...", "...obcRyRwwRyRcbo...",
                        "...obcRylyylyRcbo...", "...obrRyllllyRrbo...", "....obrRyllyRrbo....", "....obrRRyyRRrbo....",
                        ".....oBrrRRrrBo.....", "......oBBBBBBo......", ".......oooooo.......", "....................",
                    },
                    iconcolours);
    throw std::runtime_error("no drawing for picture " + std::string(name));
}

}  // namespace assetgen

// SPDX-License-Identifier: MIT
// The 750 x 750 title picture: a moonlit arena of glowing hexagons where two
// wizards cross spells, the game's name above and an invitation below.
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>
#include <numbers>

#include "generator.h"

namespace assetgen {
namespace {

constexpr double pi = std::numbers::pi;
constexpr int side = 750;

void sky(QPainter& p, Random& random)
{
    QLinearGradient g(0, 0, 0, side);
    g.setColorAt(0.0, QColor(8, 10, 34));
    g.setColorAt(0.45, QColor(38, 22, 72));
    g.setColorAt(0.62, QColor(70, 34, 84));
    g.setColorAt(1.0, QColor(12, 8, 20));
    p.fillRect(0, 0, side, side, g);
    // brush strokes of cloud and haze
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 900; ++i) {
        const double y = std::pow(random.real(), 1.3) * 470;
        const double x = random.range(-40, side + 40);
        const double hue = random.range(230, 290);
        QColor c = QColor::fromHsvF(static_cast<float>(hue / 360), 0.45f, static_cast<float>(random.range(0.18, 0.42)));
        c.setAlpha(static_cast<int>(random.range(10, 34)));
        p.save();
        p.translate(x, y);
        p.rotate(random.range(-12, 12));
        p.setBrush(c);
        p.drawEllipse(QPointF(0, 0), random.range(20, 70), random.range(3, 9));
        p.restore();
    }
    for (int i = 0; i < 260; ++i) {
        const double x = random.real() * side, y = std::pow(random.real(), 1.6) * 420;
        const double r = random.range(0.4, 1.5);
        QColor c(255, 250, 235, static_cast<int>(random.range(90, 255)));
        p.setBrush(c);
        p.drawEllipse(QPointF(x, y), r, r);
    }
    // the moon
    QRadialGradient halo(QPointF(600, 130), 150);
    halo.setColorAt(0.0, QColor(255, 245, 210, 120));
    halo.setColorAt(0.35, QColor(200, 180, 255, 40));
    halo.setColorAt(1.0, QColor(120, 90, 200, 0));
    p.setBrush(halo);
    p.drawEllipse(QPointF(600, 130), 150, 150);
    QRadialGradient moon(QPointF(585, 115), 60);
    moon.setColorAt(0.0, QColor(255, 252, 235));
    moon.setColorAt(1.0, QColor(225, 215, 190));
    p.setBrush(moon);
    p.drawEllipse(QPointF(600, 130), 52, 52);
    p.setBrush(QColor(200, 190, 170, 90));
    p.drawEllipse(QPointF(585, 140), 11, 9);
    p.drawEllipse(QPointF(618, 112), 7, 6);
    p.drawEllipse(QPointF(612, 152), 5, 5);
}

void hills(QPainter& p)
{
    QPainterPath far;
    far.moveTo(0, 470);
    for (int x = 0; x <= side; x += 25)
        far.lineTo(x, 440 - 30 * std::sin(x * 0.011) - 14 * std::sin(x * 0.037 + 1));
    far.lineTo(side, 520);
    far.lineTo(0, 520);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 22, 52));
    p.drawPath(far);
}

// The arena floor: a grid of hexagons laid out flat and tipped back in
// perspective, brightest where the spells meet.
void floor(QPainter& p)
{
    const QPolygonF flat({QPointF(0, 0), QPointF(1000, 0), QPointF(1000, 700), QPointF(0, 700)});
    const QPolygonF seen({QPointF(170, 470), QPointF(580, 470), QPointF(1130, side + 40), QPointF(-380, side + 40)});
    QTransform tilt;
    QTransform::quadToQuad(flat, seen, tilt);

    QLinearGradient ground(0, 470, 0, side);
    ground.setColorAt(0.0, QColor(24, 30, 44));
    ground.setColorAt(1.0, QColor(10, 24, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(ground);
    p.drawPolygon(seen);

    const double r = 46;
    const double w = std::sqrt(3.0) * r;
    for (int row = -1; row < 12; ++row)
        for (int col = -1; col < 14; ++col) {
            const QPointF centre(col * w + (row % 2 ? w / 2 : 0), row * r * 1.5);
            QPolygonF hex;
            for (int k = 0; k < 6; ++k) {
                const double a = pi / 6 + k * pi / 3;
                hex << centre + QPointF(r * 0.94 * std::cos(a), r * 0.94 * std::sin(a));
            }
            const QPolygonF shown = tilt.map(hex);
            const QPointF mid = tilt.map(centre);
            const double glow = std::exp(-std::hypot(mid.x() - 375, (mid.y() - 560) * 1.8) / 210);
            QColor edge =
                QColor::fromRgbF(0.25f + 0.55f * static_cast<float>(glow), 0.55f + 0.35f * static_cast<float>(glow),
                                 0.75f, 0.35f + 0.5f * static_cast<float>(glow));
            QColor fill(40, 90, 110, static_cast<int>(20 + 60 * glow));
            p.setPen(QPen(edge, 1.6));
            p.setBrush(fill);
            p.drawPolygon(shown);
        }
    // fog where the floor meets the hills
    QLinearGradient fog(0, 440, 0, 540);
    fog.setColorAt(0.0, QColor(70, 40, 90, 0));
    fog.setColorAt(0.5, QColor(70, 40, 90, 150));
    fog.setColorAt(1.0, QColor(70, 40, 90, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(fog);
    p.drawRect(0, 440, side, 100);
}

// A wizard seen from the side, facing right (or mirrored), staff raised.
void wizard(QPainter& p, QPointF feet, bool facingright, const QColor& robe, const QColor& glow)
{
    p.save();
    p.translate(feet);
    if (!facingright)
        p.scale(-1, 1);
    // shadow on the floor
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawEllipse(QPointF(0, 0), 62, 12);

    QPainterPath body;  // robe from hem to shoulders
    body.moveTo(-52, 0);
    body.cubicTo(-40, -60, -34, -120, -22, -170);
    body.lineTo(20, -170);
    body.cubicTo(30, -120, 40, -60, 50, 0);
    body.closeSubpath();
    QLinearGradient cloth(-50, 0, 50, -170);
    cloth.setColorAt(0.0, robe.darker(260));
    cloth.setColorAt(0.6, robe);
    cloth.setColorAt(1.0, robe.lighter(130));
    p.setPen(QPen(QColor(10, 8, 16), 3));
    p.setBrush(cloth);
    p.drawPath(body);

    // the arm reaching out to the staff
    QPainterPath arm;
    arm.moveTo(5, -160);
    arm.cubicTo(40, -150, 62, -140, 80, -150);
    arm.lineTo(82, -132);
    arm.cubicTo(60, -122, 35, -126, 8, -130);
    arm.closeSubpath();
    p.setBrush(robe.darker(120));
    p.drawPath(arm);
    p.setBrush(QColor(225, 185, 150));
    p.drawEllipse(QPointF(87, -142), 9, 9);

    // head, beard and hat
    p.setBrush(QColor(225, 185, 150));
    p.drawEllipse(QPointF(2, -185), 18, 20);
    QPainterPath beard;
    beard.moveTo(-8, -182);
    beard.cubicTo(0, -150, 15, -120, 22, -112);
    beard.cubicTo(22, -140, 24, -165, 20, -182);
    beard.closeSubpath();
    p.setBrush(QColor(230, 230, 235));
    p.drawPath(beard);
    QPainterPath hat;
    hat.moveTo(-42, -196);
    hat.cubicTo(-10, -210, 25, -208, 46, -194);
    hat.lineTo(22, -204);
    hat.cubicTo(10, -250, -20, -285, -55, -300);
    hat.cubicTo(-30, -270, -20, -240, -20, -205);
    hat.closeSubpath();
    p.setBrush(robe.darker(140));
    p.drawPath(hat);
    p.setPen(Qt::NoPen);
    p.setBrush(glow.lighter(150));
    p.drawEllipse(QPointF(-8, -228), 4, 4);

    // staff with its burning tip
    p.setPen(QPen(QColor(95, 62, 34), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(78, 0), QPointF(98, -250));
    QRadialGradient light(QPointF(99, -258), 60);
    light.setColorAt(0.0, QColor(255, 255, 255, 255));
    light.setColorAt(0.15, glow);
    light.setColorAt(1.0, QColor(glow.red(), glow.green(), glow.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawEllipse(QPointF(99, -258), 60, 60);
    p.restore();
}

// Two streams of magic that meet and burst in the middle.
void spells(QPainter& p, Random& random)
{
    const QPointF left(269, 342), right(481, 342), meet(375, 348);
    const QColor fire(255, 140, 30), frost(110, 190, 255);
    for (int side2 = 0; side2 < 2; ++side2) {
        const QPointF from = side2 == 0 ? left : right;
        const QColor c = side2 == 0 ? fire : frost;
        for (int strand = 0; strand < 7; ++strand) {
            QPainterPath path;
            path.moveTo(from);
            const QPointF bend = (from + meet) / 2 + QPointF(random.range(-10, 10), random.range(-36, 36));
            path.quadTo(bend, meet);
            QColor strandcolour = c.lighter(100 + 12 * strand);
            strandcolour.setAlpha(60 + 20 * strand % 140);
            p.setPen(QPen(strandcolour, 9.0 - strand, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(path);
        }
    }
    QRadialGradient burst(meet, 120);
    burst.setColorAt(0.0, QColor(255, 255, 255, 255));
    burst.setColorAt(0.12, QColor(255, 230, 255, 230));
    burst.setColorAt(0.4, QColor(210, 120, 255, 90));
    burst.setColorAt(1.0, QColor(120, 60, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(burst);
    p.drawEllipse(meet, 120, 120);
    for (int k = 0; k < 22; ++k) {  // flying sparks
        const double a = random.range(0, 2 * pi), r1 = random.range(18, 30), r2 = r1 + random.range(15, 50);
        QColor spark = k % 2 ? fire.lighter(130) : frost.lighter(130);
        p.setPen(QPen(spark, random.range(1.0, 2.5), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(meet + QPointF(r1 * std::cos(a), r1 * std::sin(a)),
                   meet + QPointF(r2 * std::cos(a), r2 * std::sin(a)));
    }
}

void words(QPainter& p)
{
    QFont font("P052");
    font.setPixelSize(128);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    QPainterPath name;
    name.addText(0, 0, font, "Hexbrawl");
    const QRectF box = name.boundingRect();
    name.translate(side / 2.0 - box.center().x(), 170 - box.center().y());

    for (int k = 8; k >= 1; --k) {  // a soft glow behind the letters
        p.setPen(QPen(QColor(255, 170, 60, 14), k * 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(name);
    }
    QLinearGradient gold(0, name.boundingRect().top(), 0, name.boundingRect().bottom());
    gold.setColorAt(0.0, QColor(255, 246, 190));
    gold.setColorAt(0.5, QColor(250, 196, 70));
    gold.setColorAt(0.52, QColor(214, 140, 30));
    gold.setColorAt(1.0, QColor(255, 210, 110));
    p.setPen(QPen(QColor(60, 25, 5), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gold);
    p.drawPath(name);

    QFont small("P052");
    small.setPixelSize(22);
    small.setItalic(true);
    QPainterPath subtitle;
    subtitle.addText(0, 0, small, "a duel of wizards");
    const QRectF sb = subtitle.boundingRect();
    subtitle.translate(side / 2.0 - sb.center().x(), 240 - sb.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 210, 255, 220));
    p.drawPath(subtitle);

    QFont prompt("P052");
    prompt.setPixelSize(34);
    prompt.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    QPainterPath begin;
    begin.addText(0, 0, prompt, "click to begin");
    const QRectF bb = begin.boundingRect();
    begin.translate(side / 2.0 - bb.center().x(), 700 - bb.center().y());
    p.setPen(QPen(QColor(20, 10, 40, 200), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(begin);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 235, 255));
    p.drawPath(begin);
}

}  // namespace

QImage drawtitle()
{
    QImage image(side, side, QImage::Format_RGB32);
    Random random(seedfor("title"));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, random);
    hills(p);
    floor(p);
    wizard(p, QPointF(170, 600), true, QColor(160, 40, 40), QColor(255, 140, 30));
    wizard(p, QPointF(580, 600), false, QColor(40, 70, 170), QColor(110, 190, 255));
    spells(p, random);
    words(p);
    p.end();
    return image;
}

}  // namespace assetgen

// SPDX-License-Identifier: MIT
// The three trees: a round oak, a tiered pine and a bushy birch. They are
// drawn large with the trunk at the bottom centre and shown shrunk to about
// 50 x 50 on the arena, so they rely on bold masses of light and shade.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "generator.h"

namespace assetgen {
namespace {

constexpr double pi = std::numbers::pi;

// A clump of leaves lit from the upper left.
void clump(QPainter& p, QPointF centre, double radius, const QColor& light, const QColor& dark)
{
    QRadialGradient g(centre + QPointF(-radius * 0.35, -radius * 0.4), radius * 1.25);
    g.setColorAt(0.0, light);
    g.setColorAt(0.55, light.darker(125));
    g.setColorAt(1.0, dark);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

// Leafy speckle over the lit parts of a canopy.
void speckle(QPainter& p, Random& random, QPointF centre, double rx, double ry, int count, const QColor& light,
             const QColor& dark)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double a = random.range(0, 2 * pi), r = std::sqrt(random.real()) * 0.92;
        const QPointF at = centre + QPointF(rx * r * std::cos(a), ry * r * std::sin(a));
        const bool lit = std::sin(a) < 0.2 && std::cos(a) < 0.5;
        QColor c = lit ? light : dark;
        c.setAlpha(150);
        p.setBrush(c);
        p.drawEllipse(at, random.range(1.5, 3.5), random.range(1.5, 3.0));
    }
}

void trunk(QPainter& p, double cx, double top, double bottom, double halfwidth, const QColor& light, const QColor& dark)
{
    QPainterPath path;
    path.moveTo(cx - halfwidth * 0.6, top);
    path.cubicTo(cx - halfwidth * 0.7, bottom - 18, cx - halfwidth * 0.9, bottom - 6, cx - halfwidth * 1.8, bottom);
    path.lineTo(cx + halfwidth * 1.8, bottom);
    path.cubicTo(cx + halfwidth * 0.9, bottom - 6, cx + halfwidth * 0.7, bottom - 18, cx + halfwidth * 0.6, top);
    path.closeSubpath();
    QLinearGradient g(cx - halfwidth, 0, cx + halfwidth, 0);
    g.setColorAt(0.0, light);
    g.setColorAt(0.35, light.darker(110));
    g.setColorAt(1.0, dark);
    p.setPen(QPen(dark.darker(160), 1.5));
    p.setBrush(g);
    p.drawPath(path);
}

// Darkens the rim of the drawn shape so it keeps its outline when shrunk.
void rim(QImage& image)
{
    const QImage source = image.copy();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(source.pixel(x, y)) < 128)
                continue;
            bool edge = false;
            for (int dy = -2; dy <= 2 && !edge; ++dy)
                for (int dx = -2; dx <= 2 && !edge; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    edge = nx < 0 || ny < 0 || nx >= image.width() || ny >= image.height() ||
                           qAlpha(source.pixel(nx, ny)) < 128;
                }
            if (edge) {
                const QColor c = QColor::fromRgba(source.pixel(x, y));
                image.setPixelColor(x, y, c.darker(150));
            }
        }
}

QImage oak(int w, int h, Random& random)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double cx = w / 2.0;
    trunk(p, cx, 70, h - 1, 9, QColor(125, 88, 52), QColor(62, 40, 22));
    // branches into the crown
    p.setPen(QPen(QColor(80, 55, 30), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx, 100), QPointF(cx - 26, 70));
    p.drawLine(QPointF(cx, 96), QPointF(cx + 28, 68));
    const QPointF crown(cx, 60);
    const double rx = 52, ry = 48;
    clump(p, crown, 50, QColor(60, 120, 40), QColor(18, 55, 14));
    for (int i = 0; i < 34; ++i) {
        const double a = random.range(0, 2 * pi), r = std::sqrt(random.real());
        const QPointF at = crown + QPointF(rx * 0.78 * r * std::cos(a), ry * 0.78 * r * std::sin(a));
        const double size = random.range(13, 20);
        const double lift = (crown.y() + ry - at.y()) / (2 * ry);  // higher clumps catch more light
        clump(p, at, size, QColor(70, 135, 45).lighter(static_cast<int>(100 + 35 * lift)), QColor(22, 62, 18));
    }
    speckle(p, random, crown, rx, ry, 260, QColor(150, 200, 80), QColor(20, 60, 20));
    p.end();
    rim(image);
    return image;
}

QImage pine(int w, int h, Random& random)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double cx = w / 2.0;
    trunk(p, cx, 110, h - 1, 7, QColor(120, 78, 45), QColor(55, 35, 20));
    const int tiers = 5;
    for (int t = 0; t < tiers; ++t) {
        const double top = 2 + t * 22.0;
        const double bottom = top + 42 + t * 4;
        const double half = 18 + t * 11.0;
        QPainterPath tier;
        tier.moveTo(cx, top);
        // a ragged lower edge of drooping boughs
        const int teeth = 6 + t;
        tier.lineTo(cx + half, bottom - 4);
        for (int k = teeth; k >= 0; --k) {
            const double x = cx - half + 2 * half * k / teeth;
            const double droop = (k % 2 ? 0 : 6) + random.range(-1.5, 1.5);
            tier.lineTo(x, bottom - 4 + droop - 4 * std::abs(x - cx) / half);
        }
        tier.closeSubpath();
        QLinearGradient g(cx - half, top, cx + half, bottom);
        g.setColorAt(0.0, QColor(60, 130, 80));
        g.setColorAt(0.45, QColor(30, 95, 55));
        g.setColorAt(1.0, QColor(10, 45, 30));
        p.setPen(QPen(QColor(8, 35, 22), 1.5));
        p.setBrush(g);
        p.drawPath(tier);
        // needles catching light on the left of each tier
        p.setPen(QPen(QColor(110, 170, 100, 170), 1.2));
        for (int k = 0; k < 10 + t * 3; ++k) {
            const double y = random.range(top + 12, bottom - 6);
            const double spread = half * (y - top) / (bottom - top);
            const double x = cx - random.range(0.2, 0.95) * spread;
            p.drawLine(QPointF(x, y), QPointF(x - 4, y + 3));
        }
    }
    p.end();
    rim(image);
    return image;
}

QImage birch(int w, int h, Random& random)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double cx = w / 2.0;
    // a pale forked trunk with dark marks
    p.setPen(QPen(QColor(200, 200, 190), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - 14, 68), QPointF(cx - 3, 112));
    p.drawLine(QPointF(cx + 16, 62), QPointF(cx + 3, 112));
    trunk(p, cx, 105, h - 1, 8, QColor(238, 236, 226), QColor(150, 148, 140));
    p.setPen(QPen(QColor(45, 40, 40), 2.2, Qt::SolidLine, Qt::FlatCap));
    for (int k = 0; k < 9; ++k) {
        const double y = random.range(112, h - 10);
        const double x = cx + random.range(-6, 3);
        p.drawLine(QPointF(x, y), QPointF(x + random.range(2, 5), y + random.range(-0.5, 0.5)));
    }
    // airy crown of separate clumps
    const QPointF clumps[] = {{cx - 40, 62}, {cx + 42, 58}, {cx, 34},      {cx - 24, 28},
                              {cx + 26, 26}, {cx - 50, 88}, {cx + 50, 84}, {cx, 64}};
    const double sizes[] = {28, 28, 30, 22, 22, 20, 20, 26};
    for (int i = 0; i < 8; ++i) {
        const QPointF at = clumps[i];
        clump(p, at, sizes[i], QColor(140, 185, 60), QColor(50, 95, 25));
        for (int k = 0; k < 5; ++k) {
            const double a = random.range(0, 2 * pi), r = random.range(0.2, 0.6) * sizes[i];
            clump(p, at + QPointF(r * std::cos(a), r * std::sin(a)), sizes[i] * random.range(0.35, 0.55),
                  QColor(175, 210, 85), QColor(70, 120, 35));
        }
        speckle(p, random, at, sizes[i], sizes[i], 45, QColor(215, 235, 130), QColor(45, 90, 25));
    }
    p.end();
    rim(image);
    return image;
}

}  // namespace

QImage drawtree(const hexbrawl::PictureEntry& entry)
{
    Random random(seedfor(std::string(entry.name)));
    if (entry.name == "tree1")
        return oak(entry.width, entry.height, random);
    if (entry.name == "tree2")
        return pine(entry.width, entry.height, random);
    if (entry.name == "tree3")
        return birch(entry.width, entry.height, random);
    throw std::runtime_error("no drawing for " + std::string(entry.name));
}

}  // namespace assetgen

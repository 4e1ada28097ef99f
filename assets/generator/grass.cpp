// SPDX-License-Identifier: MIT
// Ground tiles: 20 x 20 grass that repeats without seams. Every feature is
// placed on a torus, so the left edge continues the right and the top the
// bottom. The three tiles share one mean colour so the arena does not show
// a checkerboard; the second has a few tiny flowers, the third clover.
#include <cmath>
#include <stdexcept>

#include "generator.h"

namespace assetgen {
namespace {

constexpr int side = 20;

// Value noise on a lattice of `cells` x `cells` that wraps at the tile edge.
class TileNoise {
public:
    TileNoise(Random& random, int cells) : cells_(cells), values_(static_cast<std::size_t>(cells * cells))
    {
        for (double& v : values_)
            v = random.real();
    }
    double at(double x, double y) const
    {
        const double fx = x * cells_ / side, fy = y * cells_ / side;
        const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
        const double tx = smooth(fx - x0), ty = smooth(fy - y0);
        const double a = value(x0, y0), b = value(x0 + 1, y0), c = value(x0, y0 + 1), d = value(x0 + 1, y0 + 1);
        return (a * (1 - tx) + b * tx) * (1 - ty) + (c * (1 - tx) + d * tx) * ty;
    }

private:
    static double smooth(double t) { return t * t * (3 - 2 * t); }
    double value(int x, int y) const
    {
        x = ((x % cells_) + cells_) % cells_;
        y = ((y % cells_) + cells_) % cells_;
        return values_[static_cast<std::size_t>(y * cells_ + x)];
    }
    int cells_;
    std::vector<double> values_;
};

void put(QImage& image, int x, int y, const QColor& c)
{
    image.setPixelColor(((x % side) + side) % side, ((y % side) + side) % side, c);
}

QColor green(double t)
{
    // dark to light along the ground's own greens
    t = std::clamp(t, 0.0, 1.0);
    return QColor(static_cast<int>(38 + 60 * t), static_cast<int>(92 + 66 * t), static_cast<int>(22 + 30 * t));
}

}  // namespace

QImage drawgrass(const hexbrawl::PictureEntry& entry)
{
    const int variant = entry.name.back() - '0';
    if (entry.width != side || entry.height != side || variant < 1 || variant > 3)
        throw std::runtime_error("unexpected grass tile " + std::string(entry.name));
    // The broad light and shade is shared by all three tiles so that any two
    // of them meet without a visible edge; only the fine detail differs.
    Random shared(seedfor("grass"));
    const TileNoise broad(shared, 4);
    Random random(seedfor(std::string(entry.name)));
    const TileNoise fine(random, 10);

    QImage image(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const double t = 0.2 + 0.3 * broad.at(x, y) + 0.3 * fine.at(x, y);
            image.setPixelColor(x, y, green(t));
        }
    // blades: a lit tip above a shaded root
    for (int k = 0; k < 12; ++k) {
        const int x = random.below(side), y = random.below(side);
        const int lean = random.below(3) - 1;
        put(image, x, y + 1, green(0.05));
        put(image, x, y, green(0.75));
        put(image, x + lean, y - 1, green(0.95));
    }
    if (variant == 2)
        for (int k = 0; k < 3; ++k) {
            const int x = random.below(side), y = random.below(side);
            put(image, x, y, k == 1 ? QColor(255, 230, 80) : QColor(240, 240, 240));
            put(image, x, y + 1, green(0.1));
        }
    if (variant == 3) {
        const int x = random.below(side), y = random.below(side);
        const QColor clover(70, 135, 40);
        put(image, x, y, clover);
        put(image, x + 1, y, clover);
        put(image, x, y + 1, clover);
        put(image, x + 1, y + 1, green(0.05));
        put(image, x - 1, y, clover.lighter(120));
    }
    return image;
}

}  // namespace assetgen

// SPDX-License-Identifier: MIT
#include "ui/pictures.h"

namespace hexbrawl::ui {

QImage toqimage(const Image& image)
{
    QImage q(image.width, image.height, QImage::Format_RGB32);
    for (int y = 0; y < image.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(q.scanLine(y));
        for (int x = 0; x < image.width; ++x)
            row[x] = image.at(x, y) | 0xFF000000u;
    }
    return q;
}

QImage toqimage(const Image& image, const PictureEntry& entry)
{
    if (!entry.transparent)
        return toqimage(image);
    QImage q(image.width, image.height, QImage::Format_ARGB32);
    for (int y = 0; y < image.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(q.scanLine(y));
        for (int x = 0; x < image.width; ++x) {
            std::uint32_t p = image.at(x, y) & 0xFFFFFFu;
            row[x] = p == entry.key ? 0u : p | 0xFF000000u;
        }
    }
    return q;
}

}  // namespace hexbrawl::ui

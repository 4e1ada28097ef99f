// SPDX-License-Identifier: MIT
// Pictures spelt out as rows of characters, one character per pixel.
#pragma once

#include <QColor>
#include <QImage>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace assetgen {

using Palette = std::map<char, QColor>;

// '.' is transparent; every other character must be in `colours`. The rows
// are laid from the top-left corner and may be smaller than the picture.
inline QImage pixelart(int width, int height, const std::vector<std::string>& rows, const Palette& colours)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    if (static_cast<int>(rows.size()) > height)
        throw std::runtime_error("pixel art taller than its picture");
    for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
        const std::string& row = rows[static_cast<std::size_t>(y)];
        if (static_cast<int>(row.size()) > width)
            throw std::runtime_error("pixel art wider than its picture: " + row);
        for (int x = 0; x < static_cast<int>(row.size()); ++x) {
            const char c = row[static_cast<std::size_t>(x)];
            if (c == '.')
                continue;
            const auto it = colours.find(c);
            if (it == colours.end())
                throw std::runtime_error(std::string("pixel art colour not given: ") + c);
            image.setPixelColor(x, y, it->second);
        }
    }
    return image;
}

}  // namespace assetgen

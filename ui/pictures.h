// SPDX-License-Identifier: MIT
// The game's decoded pictures as Qt images.
#pragma once

#include <QImage>

#include "present/catalogues.h"
#include "present/image.h"

namespace hexbrawl::ui {

// An opaque copy of the picture.
QImage toqimage(const Image& image);
// The whole picture with the entry's key colour see-through when it is transparent,
// as a picture box shows a sprite.
QImage toqimage(const Image& image, const PictureEntry& entry);

}  // namespace hexbrawl::ui

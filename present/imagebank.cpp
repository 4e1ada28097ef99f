// SPDX-License-Identifier: MIT
#include "present/imagebank.h"

#include <string>

#include "assets/embedded.h"
#include "present/bitmap.h"
#include "present/jpeg.h"

namespace hexbrawl {
namespace {

std::span<const unsigned char> blob(const std::string& path)
{
    const auto found = assets::find(path);
    if (!found)
        throw DecodeError("built-in file " + path + " is missing");
    return {found->data, found->size};
}

}  // namespace

ImageBank::ImageBank()
{
    images_.reserve(picturecount);
    for (const PictureEntry& entry : pictures()) {
        const std::string path = "pictures/" + std::string(entry.name) + ".bmp";
        Bitmap bitmap = decodebitmap(blob(path));
        if (bitmap.image.width != entry.width || bitmap.image.height != entry.height)
            throw DecodeError(path + " does not have the catalogue's size");
        images_.push_back(std::move(bitmap.image));
    }
}

Image decodetitle() { return decodejpeg(blob("title.jpg")); }

}  // namespace hexbrawl

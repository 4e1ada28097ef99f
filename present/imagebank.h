// SPDX-License-Identifier: MIT
// Every catalogue picture decoded once from the built-in bitmaps.
#pragma once

#include <vector>

#include "present/catalogues.h"
#include "present/image.h"

namespace hexbrawl {

class ImageBank {
public:
    // Decodes all catalogue pictures; throws DecodeError if one is missing
    // or does not match its catalogue entry in size.
    ImageBank();

    const Image& picture(const PictureEntry& entry) const { return images_[static_cast<std::size_t>(entry.index)]; }
    const Image& picture(int index) const { return images_.at(static_cast<std::size_t>(index)); }

private:
    std::vector<Image> images_;
};

// The 750 x 750 title picture.
Image decodetitle();

}  // namespace hexbrawl

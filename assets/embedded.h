// SPDX-License-Identifier: MIT
// The game's pictures, sounds and title picture, compiled into the program.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace hexbrawl::assets {

struct Blob {
    const unsigned char* data;
    std::size_t size;
};

// By path below assets/, e.g. "pictures/tree1.bmp", "sounds/click.wav",
// "title.jpg". Exact, case-sensitive match.
std::optional<Blob> find(std::string_view path);

namespace embedded {

struct Entry {
    std::string_view path;
    Blob blob;
};

// Every embedded file, sorted by path; made by the build.
std::span<const Entry> entries();

}  // namespace embedded
}  // namespace hexbrawl::assets

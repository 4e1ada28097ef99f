// SPDX-License-Identifier: MIT
// Reader of the uncompressed PCM wave files the sounds are stored as.
#pragma once

#include <cstddef>
#include <span>

#include "present/catalogues.h"
#include "present/decodeerror.h"

namespace hexbrawl {

struct Wave {
    int channels = 0;
    int bits = 0;  // per sample: 8 (unsigned) or 16 (signed little-endian)
    int rate = 0;  // frames per second
    std::size_t frames = 0;
    const unsigned char* data = nullptr;  // the samples, inside the parsed file
    std::size_t size = 0;  // frames x channels x bits / 8

    double seconds() const { return rate ? static_cast<double>(frames) / rate : 0.0; }
};

// Finds the format and data chunks of a RIFF WAVE file. Throws DecodeError
// for anything but 8- or 16-bit PCM with one or two channels, or for chunks
// that run past the end of the file. The result points into `file`.
Wave parsewave(std::span<const unsigned char> file);

// The samples built into the program for the catalogue's sound (they live as long
// as the program); an empty wave if there are none.
Wave builtinwave(const WaveEntry& entry);

}  // namespace hexbrawl

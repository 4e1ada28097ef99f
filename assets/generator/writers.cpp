// SPDX-License-Identifier: MIT
// BMP and WAV writers. The bitmaps are the plain kind the game's decoder
// reads: 40-byte info header, no compression, bottom-up rows padded to four
// bytes, and for 8 bits the shared colour table.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "generator.h"
#include "present/palette.h"

namespace assetgen {
namespace {

using Bytes = std::vector<unsigned char>;

void put16(Bytes& out, std::uint32_t v)
{
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}

void put32(Bytes& out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void puttag(Bytes& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

void save(const std::string& path, const Bytes& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        throw std::runtime_error("cannot open " + path);
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !ok)
        throw std::runtime_error("cannot write " + path);
}

int red(std::uint32_t c) { return static_cast<int>((c >> 16) & 0xFF); }
int green(std::uint32_t c) { return static_cast<int>((c >> 8) & 0xFF); }
int blue(std::uint32_t c) { return static_cast<int>(c & 0xFF); }

// Nearest colour-table entry by a weighted distance, never entry 0: black is
// kept for the colour key, so a dark drawing colour lands on a dark grey.
unsigned char nearestentry(std::uint32_t rgb)
{
    static const auto table = hexbrawl::palette();
    long best = -1;
    unsigned char bestindex = 1;
    for (int i = 1; i < 256; ++i) {
        const std::uint32_t p = table[static_cast<std::size_t>(i)];
        const long dr = red(rgb) - red(p), dg = green(rgb) - green(p), db = blue(rgb) - blue(p);
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (best < 0 || d < best) {
            best = d;
            bestindex = static_cast<unsigned char>(i);
        }
    }
    return bestindex;
}

// The pixel as it is stored: the key where the drawing is transparent, and
// never the key where it is not.
std::uint32_t storedcolour(QRgb pixel, const hexbrawl::PictureEntry& entry)
{
    const std::uint32_t rgb = pixel & 0xFFFFFF;
    if (!entry.transparent)
        return rgb;
    if (qAlpha(pixel) < 128)
        return entry.key;
    if (rgb == entry.key)
        return green(rgb) < 255 ? rgb + 0x000100 : rgb - 0x000100;
    return rgb;
}

}  // namespace

void writebitmap(const std::string& path, const QImage& picture, const hexbrawl::PictureEntry& entry)
{
    if (picture.width() != entry.width || picture.height() != entry.height)
        throw std::runtime_error(path + ": drawn at the wrong size");
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const bool eightbit = entry.depth == 8;
    const std::uint32_t stride = (static_cast<std::uint32_t>(entry.width) * (eightbit ? 1u : 3u) + 3u) & ~3u;
    const std::uint32_t tablesize = eightbit ? 256 * 4 : 0;
    const std::uint32_t offset = 14 + 40 + tablesize;
    const std::uint32_t datasize = stride * static_cast<std::uint32_t>(entry.height);

    Bytes out;
    out.reserve(offset + datasize);
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + datasize);
    put32(out, 0);
    put32(out, offset);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(entry.width));
    put32(out, static_cast<std::uint32_t>(entry.height));  // positive: bottom-up
    put16(out, 1);
    put16(out, static_cast<std::uint32_t>(entry.depth));
    put32(out, 0);  // BI_RGB
    put32(out, datasize);
    put32(out, 2835);  // 72 dpi
    put32(out, 2835);
    put32(out, eightbit ? 256 : 0);
    put32(out, 0);
    if (eightbit)
        for (std::uint32_t c : hexbrawl::palette()) {
            out.push_back(static_cast<unsigned char>(blue(c)));
            out.push_back(static_cast<unsigned char>(green(c)));
            out.push_back(static_cast<unsigned char>(red(c)));
            out.push_back(0);
        }
    for (int y = entry.height - 1; y >= 0; --y) {
        const std::size_t rowstart = out.size();
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < entry.width; ++x) {
            const std::uint32_t rgb = storedcolour(line[x], entry);
            if (eightbit) {
                out.push_back(entry.transparent && rgb == entry.key ? 0 : nearestentry(rgb));
            } else {
                out.push_back(static_cast<unsigned char>(blue(rgb)));
                out.push_back(static_cast<unsigned char>(green(rgb)));
                out.push_back(static_cast<unsigned char>(red(rgb)));
            }
        }
        out.resize(rowstart + stride, 0);
    }
    save(path, out);
}

void writewave(const std::string& path, const std::vector<float>& samples, const hexbrawl::WaveEntry& entry)
{
    const auto bytespersample = static_cast<std::uint32_t>(entry.bits / 8);
    const auto channels = static_cast<std::uint32_t>(entry.channels);
    const auto datasize = static_cast<std::uint32_t>(samples.size()) * bytespersample;
    Bytes out;
    out.reserve(44 + datasize);
    puttag(out, "RIFF");
    put32(out, 36 + datasize + (datasize & 1));
    puttag(out, "WAVE");
    puttag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, channels);
    put32(out, hexbrawl::WaveEntry::rate);
    put32(out, hexbrawl::WaveEntry::rate * channels * bytespersample);
    put16(out, channels * bytespersample);
    put16(out, static_cast<std::uint32_t>(entry.bits));
    puttag(out, "data");
    put32(out, datasize);
    for (float s : samples) {
        const double v = std::clamp(static_cast<double>(s), -1.0, 1.0);
        if (entry.bits == 8) {
            out.push_back(static_cast<unsigned char>(std::lround(v * 127.0) + 128));
        } else {
            const auto q = static_cast<std::int16_t>(std::lround(v * 32767.0));
            put16(out, static_cast<std::uint16_t>(q));
        }
    }
    if (datasize & 1)
        out.push_back(0);
    save(path, out);
}

}  // namespace assetgen

// SPDX-License-Identifier: MIT
// The built-in pictures, clips and title against the catalogues, and the
// decoders against input that is broken in the ways files get broken.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "assets/embedded.h"
#include "present/bitmap.h"
#include "present/catalogues.h"
#include "present/imagebank.h"
#include "present/jpeg.h"
#include "present/palette.h"
#include "present/wave.h"

namespace hexbrawl {
namespace {

using Bytes = std::vector<unsigned char>;

Bytes embedded(const std::string& path)
{
    const auto blob = assets::find(path);
    if (!blob)
        return {};
    return Bytes(blob->data, blob->data + blob->size);
}

void put16(Bytes& b, std::size_t at, std::uint32_t v)
{
    b[at] = static_cast<unsigned char>(v & 0xFF);
    b[at + 1] = static_cast<unsigned char>(v >> 8);
}

void put32(Bytes& b, std::size_t at, std::uint32_t v)
{
    put16(b, at, v & 0xFFFF);
    put16(b, at + 2, v >> 16);
}

// A 24-bit bitmap of 3 x 2 (rows padded from 9 to 12 bytes) whose pixels
// are red, green, blue on the top row and white, grey, yellow below.
Bytes tinybitmap(bool topdown)
{
    const unsigned char top[] = {0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0};
    const unsigned char bottom[] = {255, 255, 255, 128, 128, 128, 0, 255, 255, 0, 0, 0};
    Bytes b(54);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, 54 + 24);
    put32(b, 10, 54);
    put32(b, 14, 40);
    put32(b, 18, 3);
    put32(b, 22, topdown ? static_cast<std::uint32_t>(-2) : 2u);
    put16(b, 26, 1);
    put16(b, 28, 24);
    const auto* first = topdown ? top : bottom;
    const auto* second = topdown ? bottom : top;
    b.insert(b.end(), first, first + 12);
    b.insert(b.end(), second, second + 12);
    return b;
}

// A mono 8-bit wave of `frames` frames, with a chunk the reader must skip.
Bytes tinywave(std::uint32_t frames)
{
    Bytes b(12 + 8 + 4 + 8 + 16 + 8);
    std::copy_n("RIFF", 4, b.begin());
    std::copy_n("WAVE", 4, b.begin() + 8);
    std::copy_n("LIST", 4, b.begin() + 12);
    put32(b, 16, 3);  // odd size: one pad byte follows
    std::copy_n("fmt ", 4, b.begin() + 24);
    put32(b, 28, 16);
    put16(b, 32, 1);
    put16(b, 34, 1);
    put32(b, 36, 22050);
    put32(b, 40, 22050);
    put16(b, 44, 1);
    put16(b, 46, 8);
    std::copy_n("data", 4, b.begin() + 48);
    put32(b, 52, frames);
    b.resize(b.size() + frames, 128);
    put32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
    return b;
}

TEST(Assets, EveryPictureIsBuiltInAndMatchesItsCatalogueEntry)
{
    const auto colours = palette();
    for (const PictureEntry& entry : pictures()) {
        SCOPED_TRACE(std::string(entry.name));
        const Bytes file = embedded("pictures/" + std::string(entry.name) + ".bmp");
        ASSERT_FALSE(file.empty());
        const Bitmap bitmap = decodebitmap(file);
        EXPECT_EQ(bitmap.image.width, entry.width);
        EXPECT_EQ(bitmap.image.height, entry.height);
        EXPECT_EQ(bitmap.depth, entry.depth);
        if (entry.depth == 8) {
            EXPECT_TRUE(std::equal(bitmap.colours.begin(), bitmap.colours.end(), colours.begin(), colours.end()));
        }
        ASSERT_LE(entry.patternw(), entry.width);
        ASSERT_LE(entry.patternh(), entry.height);
        if (!entry.transparent)
            continue;

        // The game draws only pattern 0, keyed: it must hold the whole
        // drawing on a background of the key, and nothing may lie outside it.
        const std::uint32_t key = 0xFF000000u | entry.key;
        int keyed = 0, drawn = 0, outside = 0;
        for (int y = 0; y < entry.height; ++y)
            for (int x = 0; x < entry.width; ++x) {
                const bool inpattern = x < entry.patternw() && y < entry.patternh();
                const bool iskey = bitmap.image.at(x, y) == key;
                keyed += inpattern && iskey;
                drawn += inpattern && !iskey;
                outside += !inpattern && !iskey;
            }
        EXPECT_GT(keyed, 0);
        EXPECT_GT(drawn, entry.patternw() * entry.patternh() / 8);
        EXPECT_EQ(outside, 0);
    }
}

TEST(Assets, ImageBankHoldsEveryPictureByEntryAndIndex)
{
    const ImageBank bank;
    for (const PictureEntry& entry : pictures()) {
        const Image& image = bank.picture(entry);
        EXPECT_EQ(&image, &bank.picture(entry.index));
        EXPECT_EQ(image.width, entry.width) << entry.name;
        EXPECT_EQ(image.height, entry.height) << entry.name;
        ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(entry.width * entry.height));
    }
    // the wizard whose key is not black keeps its own green in the background
    EXPECT_EQ(bank.picture(findimage("wizard2")).at(0, 0), 0xFF02CA10u);
    EXPECT_THROW(bank.picture(picturecount), std::out_of_range);
}

TEST(Assets, PaletteKeepsBlackForTheKeyAlone)
{
    const auto colours = palette();
    ASSERT_EQ(colours.size(), 256u);
    EXPECT_EQ(colours[0], 0u);
    EXPECT_EQ(std::count(colours.begin(), colours.end(), 0u), 1);
    for (std::uint32_t c : colours)
        EXPECT_EQ(c >> 24, 0u);
}

TEST(Assets, EveryClipIsBuiltInAndMatchesItsCatalogueEntry)
{
    for (const WaveEntry& entry : waves()) {
        SCOPED_TRACE(std::string(entry.name));
        const Bytes file = embedded("sounds/" + std::string(entry.name) + ".wav");
        ASSERT_FALSE(file.empty());
        const Wave wave = parsewave(file);
        EXPECT_EQ(wave.rate, 22050);
        EXPECT_EQ(wave.channels, entry.channels);
        EXPECT_EQ(wave.bits, entry.bits);
        EXPECT_NEAR(wave.seconds(), entry.seconds, 0.005);
        EXPECT_EQ(wave.frames, static_cast<std::size_t>(std::lround(entry.seconds * 22050)));

        // Silent at both ends, so that starting and stopping does not click,
        // and never driven to full scale.
        auto sample = [&](std::size_t i) {
            return wave.bits == 8 ? (wave.data[i] - 128) / 128.0
                                  : static_cast<std::int16_t>(wave.data[2 * i] | wave.data[2 * i + 1] << 8) / 32768.0;
        };
        const std::size_t samples = wave.frames * static_cast<std::size_t>(wave.channels);
        EXPECT_LT(std::abs(sample(0)), 0.02);
        EXPECT_LT(std::abs(sample(samples - 1)), 0.02);
        double peak = 0;
        for (std::size_t i = 0; i < samples; ++i)
            peak = std::max(peak, std::abs(sample(i)));
        EXPECT_GT(peak, 0.3);
        EXPECT_LT(peak, 0.99);
    }
}

TEST(Assets, TitleDecodesToTheArenaSize)
{
    const Image title = decodetitle();
    EXPECT_EQ(title.width, 750);
    EXPECT_EQ(title.height, 750);
    EXPECT_EQ(title.pixels.size(), 750u * 750u);
    EXPECT_FALSE(assets::find("title.JPG"));
    EXPECT_FALSE(assets::find("pictures/nothing.bmp"));
}

TEST(BitmapDecoder, ReadsRowsInEitherOrderAndSkipsRowPadding)
{
    for (bool topdown : {false, true}) {
        const Bitmap bitmap = decodebitmap(tinybitmap(topdown));
        ASSERT_EQ(bitmap.image.width, 3);
        ASSERT_EQ(bitmap.image.height, 2);
        EXPECT_EQ(bitmap.image.pixels, (std::vector<std::uint32_t>{0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFFFFu,
                                                                   0xFF808080u, 0xFFFFFF00u}));
        EXPECT_EQ(bitmap.depth, 24);
        EXPECT_TRUE(bitmap.colours.empty());
    }
}

TEST(BitmapDecoder, RejectsBrokenFiles)
{
    const Bytes good = embedded("pictures/fireball.bmp");
    ASSERT_NO_THROW(decodebitmap(good));
    for (std::size_t length : {std::size_t{0}, std::size_t{13}, std::size_t{60}, good.size() - 1})
        EXPECT_THROW(decodebitmap(std::span(good.data(), length)), DecodeError) << length;

    auto broken = [&](std::size_t at, std::uint32_t value, int width) {
        Bytes b = good;
        if (width == 16)
            put16(b, at, value);
        else
            put32(b, at, value);
        return b;
    };
    EXPECT_THROW(decodebitmap(broken(0, 'X', 16)), DecodeError);  // signature
    EXPECT_THROW(decodebitmap(broken(28, 4, 16)), DecodeError);  // 4 bits per pixel
    EXPECT_THROW(decodebitmap(broken(30, 1, 32)), DecodeError);  // run-length encoded
    EXPECT_THROW(decodebitmap(broken(18, 0, 32)), DecodeError);  // no width
    EXPECT_THROW(decodebitmap(broken(22, 0x7FFFFFFF, 32)), DecodeError);  // height past the data
    EXPECT_THROW(decodebitmap(broken(10, 0xFFFFFFF0u, 32)), DecodeError);  // pixels past the end
    EXPECT_THROW(decodebitmap(broken(46, 300, 32)), DecodeError);  // colour table too long
    EXPECT_THROW(decodebitmap(broken(14, 0xFFFFFFFFu, 32)), DecodeError);  // header past the end
    // a short colour table that the pixels index beyond
    EXPECT_THROW(decodebitmap(broken(46, 1, 32)), DecodeError);
}

TEST(WaveReader, FindsTheChunksPastOthers)
{
    const Bytes file = tinywave(5);
    const Wave wave = parsewave(file);
    EXPECT_EQ(wave.channels, 1);
    EXPECT_EQ(wave.bits, 8);
    EXPECT_EQ(wave.rate, 22050);
    EXPECT_EQ(wave.frames, 5u);
    EXPECT_EQ(wave.data, file.data() + 56);
    EXPECT_EQ(wave.size, 5u);
}

TEST(WaveReader, RejectsBrokenFiles)
{
    const Bytes good = embedded("sounds/boop.wav");
    ASSERT_NO_THROW(parsewave(good));
    for (std::size_t length : {std::size_t{0}, std::size_t{11}, std::size_t{30}, good.size() - 1})
        EXPECT_THROW(parsewave(std::span(good.data(), length)), DecodeError) << length;

    auto broken = [&](std::size_t at, std::uint32_t value) {
        Bytes b = good;
        put16(b, at, value);
        return b;
    };
    EXPECT_THROW(parsewave(broken(0, 'X')), DecodeError);  // not RIFF
    EXPECT_THROW(parsewave(broken(20, 3)), DecodeError);  // floating point, not PCM
    EXPECT_THROW(parsewave(broken(22, 0)), DecodeError);  // no channels
    EXPECT_THROW(parsewave(broken(34, 12)), DecodeError);  // 12-bit samples
    EXPECT_THROW(parsewave(broken(32, 4)), DecodeError);  // frame size disagrees
    Bytes nodata = good;
    std::copy_n("junk", 4, nodata.begin() + 36);
    EXPECT_THROW(parsewave(nodata), DecodeError);
    Bytes halfframe = good;
    put32(halfframe, 40, 3);  // 1.5 frames of 16 bits
    EXPECT_THROW(parsewave(halfframe), DecodeError);
}

TEST(JpegDecoder, RejectsBrokenFiles)
{
    const Bytes good = embedded("title.jpg");
    ASSERT_GT(good.size(), 1000u);
    EXPECT_THROW(decodejpeg({}), DecodeError);
    EXPECT_THROW(decodejpeg(std::span(good.data(), 100)), DecodeError);
    EXPECT_THROW(decodejpeg(std::span(good.data(), good.size() / 2)), DecodeError);
    Bytes garbage(4000);
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<unsigned char>(i * 7919 % 251);
    EXPECT_THROW(decodejpeg(garbage), DecodeError);
    // a picture still decodes after the failures above
    EXPECT_EQ(decodejpeg(good).width, 750);
}

}  // namespace
}  // namespace hexbrawl

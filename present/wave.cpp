// SPDX-License-Identifier: MIT
#include "present/wave.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "assets/embedded.h"

namespace hexbrawl {
namespace {

constexpr std::uint32_t pcm = 1;

std::uint32_t u16(std::span<const unsigned char> b, std::size_t at)
{
    return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}

std::uint32_t u32(std::span<const unsigned char> b, std::size_t at) { return u16(b, at) | (u16(b, at + 2) << 16); }

bool tag(std::span<const unsigned char> b, std::size_t at, const char* name)
{
    return std::memcmp(b.data() + at, name, 4) == 0;
}

[[noreturn]] void fail(const std::string& why) { throw DecodeError("wave: " + why); }

}  // namespace

Wave parsewave(std::span<const unsigned char> file)
{
    if (file.size() < 12 || !tag(file, 0, "RIFF") || !tag(file, 8, "WAVE"))
        fail("not a RIFF WAVE file");

    // Chunks may lie in either order and others may come between; a RIFF
    // size that overstates the file is tolerated, a chunk that does is not.
    Wave wave;
    bool haveformat = false, havedata = false;
    std::size_t at = 12;
    while (file.size() - at >= 8 && !(haveformat && havedata)) {
        const std::uint32_t chunksize = u32(file, at + 4);
        const std::size_t body = at + 8;
        if (chunksize > file.size() - body)
            fail("chunk runs past the end of the file");
        if (tag(file, at, "fmt ")) {
            if (chunksize < 16)
                fail("format chunk too short");
            if (u16(file, body) != pcm)
                fail("not PCM");
            wave.channels = static_cast<int>(u16(file, body + 2));
            wave.rate = static_cast<int>(u32(file, body + 4) & 0x7FFFFFFF);
            const std::uint32_t blockalign = u16(file, body + 12);
            wave.bits = static_cast<int>(u16(file, body + 14));
            if (wave.channels < 1 || wave.channels > 2)
                fail("only one or two channels are read");
            if (wave.bits != 8 && wave.bits != 16)
                fail("only 8- and 16-bit samples are read");
            if (wave.rate <= 0)
                fail("bad sample rate");
            if (blockalign != static_cast<std::uint32_t>(wave.channels * wave.bits / 8))
                fail("block alignment does not match the format");
            haveformat = true;
        } else if (tag(file, at, "data")) {
            wave.data = file.data() + body;
            wave.size = chunksize;
            havedata = true;
        }
        at = body + chunksize + (chunksize & 1);
        if (at > file.size())
            at = file.size();
    }
    if (!haveformat)
        fail("no format chunk");
    if (!havedata)
        fail("no data chunk");
    const std::size_t framesize = static_cast<std::size_t>(wave.channels * wave.bits / 8);
    if (wave.size % framesize != 0)
        fail("data is not a whole number of frames");
    wave.frames = wave.size / framesize;
    return wave;
}

Wave builtinwave(const WaveEntry& entry)
{
    const auto file = assets::find("sounds/" + std::string(entry.name) + ".wav");
    return file ? parsewave({file->data, file->size}) : Wave{};
}

}  // namespace hexbrawl

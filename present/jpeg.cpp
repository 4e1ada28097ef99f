// SPDX-License-Identifier: MIT
#include "present/jpeg.h"

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <new>
#include <string>

#include <jpeglib.h>

namespace hexbrawl {
namespace {

constexpr std::uint64_t maxpixels = std::uint64_t{1} << 26;

// libjpeg reports errors by calling error_exit, which must not return. We
// jump back to decodeinto() with longjmp; that function owns no C++ objects
// with destructors, and only libjpeg's C frames lie between it and the
// jump, so nothing is skipped that needs unwinding.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void errorexit(j_common_ptr cinfo)
{
    auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, manager->message);
    std::longjmp(manager->escape, 1);
}

// Warnings (corrupt or missing data) count as errors: a picture with a
// patched-up grey half is not the title we built in.
extern "C" void emitmessage(j_common_ptr cinfo, int level)
{
    if (level < 0)
        errorexit(cinfo);
}

// Returns false with `errors.message` set when libjpeg gave up.
bool decodeinto(jpeg_decompress_struct& cinfo, ErrorManager& errors, const unsigned char* data, unsigned long size,
                Image& image)
{
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = errorexit;
    errors.base.emit_message = emitmessage;
    errors.message[0] = '\0';
    if (setjmp(errors.escape)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != 3 || std::uint64_t{cinfo.output_width} * cinfo.output_height > maxpixels) {
        std::snprintf(errors.message, sizeof errors.message, "unsupported picture layout");
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    try {
        image.pixels.resize(std::size_t{cinfo.output_width} * cinfo.output_height);
    } catch (const std::bad_alloc&) {
        std::snprintf(errors.message, sizeof errors.message, "out of memory");
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    image.width = static_cast<int>(cinfo.output_width);
    image.height = static_cast<int>(cinfo.output_height);
    JSAMPARRAY row =
        (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE, cinfo.output_width * 3, 1);
    while (cinfo.output_scanline < cinfo.output_height) {
        const std::size_t y = cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, row, 1);
        std::uint32_t* out = &image.pixels[y * cinfo.output_width];
        const JSAMPLE* in = row[0];
        for (JDIMENSION x = 0; x < cinfo.output_width; ++x, in += 3)
            out[x] = 0xFF000000u | (std::uint32_t{in[0]} << 16) | (std::uint32_t{in[1]} << 8) | in[2];
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

}  // namespace

Image decodejpeg(std::span<const unsigned char> file)
{
    if (file.empty())
        throw DecodeError("jpeg: empty input");
    jpeg_decompress_struct cinfo{};
    ErrorManager errors{};
    Image image;
    if (!decodeinto(cinfo, errors, file.data(), static_cast<unsigned long>(file.size()), image))
        throw DecodeError(std::string("jpeg: ") + errors.message);
    return image;
}

}  // namespace hexbrawl

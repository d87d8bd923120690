// SPDX-License-Identifier: GPL-3.0-or-later
#include "JpegDecoder.h"

#include <QIODevice>

#include <array>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <memory>

namespace JpegDecoder {

namespace {

struct Error {
    jpeg_error_mgr base;
    std::jmp_buf back;
};

[[noreturn]] void giveUp(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<Error*>(cinfo->err)->back, 1);
}

// Warnings (a damaged stretch the decoder steps over) are not failures, as
// with Qt's reader; they are not printed either.
void quiet(j_common_ptr, int) {}

// libjpeg reads through this from the device, a block at a time.
struct Source {
    jpeg_source_mgr base;
    QIODevice* device;
    std::array<JOCTET, 4096> buffer;
};

void start(j_decompress_ptr) {}

boolean fill(j_decompress_ptr cinfo) {
    auto* src = reinterpret_cast<Source*>(cinfo->src);
    qint64 n =
        src->device->read(reinterpret_cast<char*>(src->buffer.data()), qint64(src->buffer.size()));
    if (n <= 0) {
        // The end came early: an end marker lets the decoder finish what it has.
        src->buffer[0] = JOCTET(0xFF);
        src->buffer[1] = JOCTET(JPEG_EOI);
        n = 2;
    }
    src->base.next_input_byte = src->buffer.data();
    src->base.bytes_in_buffer = std::size_t(n);
    return TRUE;
}

void skip(j_decompress_ptr cinfo, long count) {
    auto* src = reinterpret_cast<Source*>(cinfo->src);
    while (count > long(src->base.bytes_in_buffer)) {
        count -= long(src->base.bytes_in_buffer);
        fill(cinfo);
    }
    if (count > 0) {
        src->base.next_input_byte += count;
        src->base.bytes_in_buffer -= std::size_t(count);
    }
}

void finish(j_decompress_ptr) {}

// Everything the decoder may jump out of: nothing here needs destroying.
bool decodeInto(jpeg_decompress_struct& cinfo, QImage& image) {
    jpeg_read_header(&cinfo, TRUE);
    if (cinfo.num_components != 3 || cinfo.jpeg_color_space != JCS_YCbCr)
        return false;
    // Qt's 32-bit format is 0xffRRGGBB in a native word: B, G, R, A in memory
    // on a little-endian machine, A, R, G, B on a big-endian one.
    cinfo.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    jpeg_start_decompress(&cinfo);
    image = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
    if (image.isNull())
        giveUp(reinterpret_cast<j_common_ptr>(&cinfo));
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image.scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

} // namespace

std::optional<QImage> decode(QIODevice& device) {
    jpeg_decompress_struct cinfo{};
    Error error{};
    cinfo.err = jpeg_std_error(&error.base);
    error.base.error_exit = giveUp;
    error.base.emit_message = quiet;
    Source source{};
    source.device = &device;
    source.base.init_source = start;
    source.base.fill_input_buffer = fill;
    source.base.skip_input_data = skip;
    source.base.resync_to_restart = jpeg_resync_to_restart;
    source.base.term_source = finish;
    // On the heap: what a jump leaves in a local of this function is not defined.
    const auto image = std::make_unique<QImage>();
    if (setjmp(error.back)) {
        jpeg_destroy_decompress(&cinfo);
        return QImage();
    }
    jpeg_create_decompress(&cinfo);
    cinfo.src = &source.base;
    const bool colour = decodeInto(cinfo, *image);
    jpeg_destroy_decompress(&cinfo);
    if (!colour)
        return std::nullopt;
    return std::move(*image);
}

} // namespace JpegDecoder

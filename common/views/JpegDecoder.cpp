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

// A decompressor reading from a device, its errors jumping back to `back`.
struct Reading {
    jpeg_decompress_struct cinfo{};
    Error error{};
    Source source{};

    explicit Reading(QIODevice& device) {
        cinfo.err = jpeg_std_error(&error.base);
        error.base.error_exit = giveUp;
        error.base.emit_message = quiet;
        source.device = &device;
        source.base.init_source = start;
        source.base.fill_input_buffer = fill;
        source.base.skip_input_data = skip;
        source.base.resync_to_restart = jpeg_resync_to_restart;
        source.base.term_source = finish;
    }
    // After setjmp, which must be called in the function that jumps back.
    void create() {
        jpeg_create_decompress(&cinfo);
        cinfo.src = &source.base;
    }
    ~Reading() { jpeg_destroy_decompress(&cinfo); }
};

} // namespace

std::optional<QImage> decode(QIODevice& device) {
    // On the heap: what a jump leaves in a local of this function is not defined.
    const auto reading = std::make_unique<Reading>(device);
    const auto image = std::make_unique<QImage>();
    if (setjmp(reading->error.back))
        return QImage();
    reading->create();
    if (!decodeInto(reading->cinfo, *image))
        return std::nullopt;
    return std::move(*image);
}

std::optional<QSize> size(QIODevice& device) {
    // What marks a JPEG, as Qt's reader tells one.
    if (!device.peek(2).startsWith("\xFF\xD8"))
        return std::nullopt;
    const auto reading = std::make_unique<Reading>(device);
    if (setjmp(reading->error.back))
        return QSize();
    reading->create();
    jpeg_read_header(&reading->cinfo, TRUE);
    return QSize(int(reading->cinfo.image_width), int(reading->cinfo.image_height));
}

} // namespace JpegDecoder

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <optional>

class QIODevice;

// Decodes a whole colour JPEG straight into the 32-bit format boxes paint,
// pixel for pixel what Qt's reader gives, without Qt's intermediate
// 24-bit copy and its conversion: most of the time a figure view costs is
// spent there.
namespace JpegDecoder {

// From the device's present position to its end. No value when the file
// is not a three-component colour JPEG (greyscale, CMYK, another format):
// Qt's reader decodes those. A null image when the decoder gives up on it.
// A file that ends too early is decoded as far as it goes, as Qt does; the
// caller tells a cut file by what the device saw.
std::optional<QImage> decode(QIODevice& device);

// The size a JPEG's header gives, read from the device's present position,
// as Qt's reader gives it: invalid when the header cannot be read. No value
// when the device does not hold a JPEG: Qt's reader is asked.
std::optional<QSize> size(QIODevice& device);

} // namespace JpegDecoder

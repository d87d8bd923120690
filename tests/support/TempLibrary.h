// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A copy of the real picture library in a temporary folder whose name has a
// blank and an accented letter, for a test to damage as it chooses.
class TempLibrary {
public:
    // With `copy` false the jpg folder starts empty.
    explicit TempLibrary(bool copy = true);

    QString folder() const { return dir_.path(); }
    QString jpg() const { return dir_.path() + "/jpg"; }
    QString file(const QString& name) const { return jpg() + '/' + name; }
    // The real library's picture of that name ("a1.jpg", or "120/a1.jpg" for a copy).
    static QString original(const QString& name);
    // The smaller copies of every view too, as the real library has them.
    bool copySmallerCopies() const;

    bool write(const QString& name, const QByteArray& bytes) const;
    bool remove(const QString& name) const;
    // The first `bytes` bytes of the file, or its first half.
    bool truncate(const QString& name, qint64 bytes = -1) const;
    // A FIFO in place of the file: opening it for reading waits for a writer.
    bool makeFifo(const QString& name) const;

    // The whole jpg folder goes away (a stick pulled out) and comes back.
    bool takeAway() const;
    bool bringBack() const;
    bool present() const;

    // A grey baseline JPEG of any size in a few hundred kilobytes: every 8x8
    // block is the same, so each costs two bits.
    static QByteArray uniformJpeg(int width, int height);
    // The picture saved as a JPEG (or in `format`).
    static QByteArray encoded(const QImage& image, const char* format = "JPG",
                              bool progressive = false);

private:
    QTemporaryDir dir_;
};

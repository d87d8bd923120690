// SPDX-License-Identifier: GPL-3.0-or-later
#include "TempLibrary.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

TempLibrary::TempLibrary(bool copy) : dir_(QDir::tempPath() + "/Esercizi più belli XXXXXX") {
    QDir().mkpath(jpg());
    QDir().mkpath(folder() + "/suoni");
    if (!copy)
        return;
    const QDir source(QStringLiteral(VORTELIA_JPG_DIR));
    for (const QString& name : source.entryList({"*.jpg"})) {
        QFile from(source.filePath(name));
        if (from.open(QIODevice::ReadOnly))
            write(name, from.readAll());
    }
}

QString TempLibrary::original(const QString& name) {
    return QStringLiteral(VORTELIA_JPG_DIR "/") + name;
}

bool TempLibrary::copySmallerCopies() const {
    const QDir source(QStringLiteral(VORTELIA_JPG_DIR));
    const QStringList sides = source.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& side : sides) {
        if (!QDir().mkpath(jpg() + '/' + side))
            return false;
        for (const QString& name : QDir(source.filePath(side)).entryList({"*.jpg"}))
            if (!QFile::copy(source.filePath(side + '/' + name), file(side + '/' + name)))
                return false;
    }
    return !sides.isEmpty();
}

bool TempLibrary::write(const QString& name, const QByteArray& bytes) const {
    QFile::remove(file(name));
    QFile f(file(name));
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

bool TempLibrary::remove(const QString& name) const {
    return QFile::remove(file(name));
}

bool TempLibrary::truncate(const QString& name, qint64 bytes) const {
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray all = f.readAll();
    f.close();
    return write(name, all.left(bytes < 0 ? all.size() / 2 : bytes));
}

bool TempLibrary::makeFifo(const QString& name) const {
    QFile::remove(file(name));
#ifdef Q_OS_UNIX
    return ::mkfifo(QFile::encodeName(file(name)).constData(), 0644) == 0;
#else
    return false; // Windows has no named pipes among files
#endif
}

bool TempLibrary::takeAway() const {
    return QDir().rename(jpg(), folder() + "/away");
}

bool TempLibrary::bringBack() const {
    return QDir().rename(folder() + "/away", jpg());
}

bool TempLibrary::present() const {
    return QFileInfo(jpg()).isDir();
}

QByteArray TempLibrary::uniformJpeg(int width, int height) {
    QByteArray jpeg;
    const auto word = [&jpeg](int v) { jpeg.append(char(v >> 8)).append(char(v & 0xff)); };
    jpeg.append("\xff\xd8", 2); // start of image
    // Quantisation table 0: all ones.
    jpeg.append("\xff\xdb", 2);
    word(67);
    jpeg.append('\0').append(QByteArray(64, '\1'));
    // Baseline frame, one grey component.
    jpeg.append("\xff\xc0", 2);
    word(11);
    jpeg.append(char(8));
    word(height);
    word(width);
    jpeg.append(char(1)).append(char(1)).append(char(0x11)).append('\0');
    // DC table 0 and AC table 0, each a single one-bit code: "difference 0"
    // and "end of block".
    for (char table : {char(0x00), char(0x10)}) {
        jpeg.append("\xff\xc4", 2);
        word(20);
        jpeg.append(table).append(char(1)).append(QByteArray(15, '\0')).append('\0');
    }
    jpeg.append("\xff\xda", 2); // start of scan
    word(8);
    jpeg.append(char(1)).append(char(1)).append('\0').append('\0').append(char(63)).append('\0');
    const qint64 blocks = qint64((width + 7) / 8) * ((height + 7) / 8);
    const qint64 bits = 2 * blocks; // both codes are a single 0 bit
    jpeg.append(QByteArray(bits / 8, '\0'));
    if (bits % 8)
        jpeg.append(char(0xff >> (bits % 8))); // padded with ones
    jpeg.append("\xff\xd9", 2);                // end of image
    return jpeg;
}

QByteArray TempLibrary::encoded(const QImage& image, const char* format, bool progressive) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

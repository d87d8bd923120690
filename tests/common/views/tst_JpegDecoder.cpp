// SPDX-License-Identifier: GPL-3.0-or-later
// The straight JPEG decoder: the same pixels as Qt's reader, the JPEGs it
// leaves to Qt's reader, and damaged files.

#include "support/TempLibrary.h"

#include "common/library/VistaFigura.h"
#include "common/views/JpegDecoder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLoggingCategory>
#include <QtTest>

namespace {

std::optional<QImage> decodeBytes(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return JpegDecoder::decode(buffer);
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A colourful picture, so that every channel and the chroma matter.
QImage colourful(int side) {
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y, qRgb(x * 255 / side, y * 255 / side, (x ^ y) & 0xff));
    return image;
}

} // namespace

class tst_JpegDecoder : public QObject {
    Q_OBJECT

private slots:
    // Every shipped view and every smaller copy: pixel for pixel and in the
    // same format as Qt's reader gives them.
    void samePixelsAsQtsReader() {
        const QDir folder(QStringLiteral(VORTELIA_JPG_DIR));
        QStringList files = folder.entryList({QStringLiteral("*.jpg")}, QDir::Files);
        for (int side : {120, 240, 300})
            for (const QString& name : QDir(folder.filePath(QString::number(side)))
                                           .entryList({QStringLiteral("*.jpg")}, QDir::Files))
                files << QString::number(side) + QLatin1Char('/') + name;
        QCOMPARE(files.size(), 26 * 8 * 4);
        for (const QString& name : std::as_const(files)) {
            const QString path = folder.filePath(name);
            const std::optional<QImage> ours = decodeBytes(bytesOf(path));
            QVERIFY2(ours && !ours->isNull(), qPrintable(name));
            QVERIFY2(*ours == QImageReader(path).read(), qPrintable(name));
        }
        // Subsampled colour, as cameras and other programs write it.
        const QByteArray photo = TempLibrary::encoded(colourful(75), "JPG");
        const std::optional<QImage> ours = decodeBytes(photo);
        QVERIFY(ours);
        QBuffer buffer;
        buffer.setData(photo);
        QCOMPARE(*ours, QImageReader(&buffer).read());
    }

    // A header gives the size Qt's reader gives: whole, cut anywhere before
    // the pictures' data, or damaged; anything but a JPEG is left to Qt.
    void headersAsQtsReader() {
        QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.jpeg=false"));
        const auto both = [](const QByteArray& bytes) {
            QBuffer ours, qts;
            ours.setData(bytes);
            qts.setData(bytes);
            ours.open(QIODevice::ReadOnly);
            qts.open(QIODevice::ReadOnly);
            QImageReader reader(&qts);
            reader.setDecideFormatFromContent(true);
            return std::pair{JpegDecoder::size(ours), reader.size()};
        };
        const QImage grey = colourful(40).convertToFormat(QImage::Format_Grayscale8);
        QByteArray damaged = bytesOf(TempLibrary::original("k6.jpg"));
        QVERIFY(damaged.size() > 400);
        for (qsizetype i = 2; i < 400; i += 7)
            damaged[i] = char(0x5a);
        for (const QByteArray& jpeg :
             {bytesOf(TempLibrary::original("k6.jpg")), TempLibrary::encoded(colourful(75), "JPG"),
              TempLibrary::encoded(grey, "JPG"), damaged, QByteArray("\xff\xd8 and nothing")}) {
            for (qsizetype n = 0; n <= std::min<qsizetype>(jpeg.size(), 1000); ++n) {
                const QByteArray cut = jpeg.left(n);
                const auto [ours, qts] = both(cut);
                QVERIFY2(ours.has_value() == cut.startsWith("\xff\xd8"),
                         qPrintable(QString::number(n)));
                if (ours)
                    QCOMPARE(*ours, qts);
            }
        }
        QCOMPARE(both(bytesOf(TempLibrary::original("k6.jpg"))).first, QSize(480, 480));
        const auto [png, qts] = both(TempLibrary::encoded(grey, "PNG"));
        QVERIFY(!png);
        QCOMPARE(qts, QSize(40, 40));
    }

    // Grey and four-colour pictures are Qt's reader's: it knows their formats.
    void leavesOtherJpegsToQt() {
        const QImage grey = colourful(40).convertToFormat(QImage::Format_Grayscale8);
        QVERIFY(!decodeBytes(TempLibrary::encoded(grey, "JPG")));
        QCOMPARE(decodeBytes(QByteArray("not a picture at all")), std::optional<QImage>(QImage()));
        // The view is still decoded, by Qt's reader, in its own format.
        TempLibrary library(false);
        QVERIFY(library.write("grey.jpg", TempLibrary::encoded(grey, "JPG")));
        auto file = SafeFile::openRegular(library.file("grey.jpg"));
        QVERIFY(file);
        const PicturePtr picture =
            VistaFigura::decodifica(*file, QSize(40, 40), std::nullopt, 40, QStringLiteral("grey"));
        QVERIFY(picture);
        QCOMPARE(picture->image(), QImage(library.file("grey.jpg")));
    }

    // A view cut short is refused whole, as with Qt's reader, and a damaged
    // one ends in no picture rather than a crash.
    void cutOrDamagedViews() {
        const QByteArray whole = bytesOf(TempLibrary::original("k6.jpg"));
        QVERIFY(!whole.isEmpty());
        TempLibrary library(false);
        QVERIFY(library.write("cut.jpg", whole.left(whole.size() / 2)));
        auto cut = SafeFile::openRegular(library.file("cut.jpg"));
        QVERIFY(cut);
        // Boxes larger than the view: it is decoded whole, by this decoder.
        QVERIFY(!VistaFigura::decodifica(*cut, QSize(480, 480), std::nullopt, 600,
                                         QStringLiteral("cut")));
        QByteArray broken = whole;
        for (qsizetype i = whole.size() / 3; i < whole.size() / 3 + 64; ++i)
            broken[i] = char(0xff);
        const std::optional<QImage> damaged = decodeBytes(broken);
        QVERIFY(damaged); // a colour JPEG still: decoded as far as it goes, or given up
    }
};

QTEST_GUILESS_MAIN(tst_JpegDecoder)
#include "tst_JpegDecoder.moc"

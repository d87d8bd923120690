// SPDX-License-Identifier: GPL-3.0-or-later
// What a teacher may bring as a drawing, and what is refused with which
// reason: not a picture, too small, empty or of one colour, an SVG that
// reaches outside itself, a picture too large to decode whole.

#include "support/DisegniDiProva.h"
#include "support/ProcessMemory.h"
#include "support/TempLibrary.h"
#include "support/TestMain.h"

#include "common/class_figures/DisegnoInsegnante.h"
#include "common/class_figures/RiferimentiSvg.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using DisegnoInsegnante::daByte;

namespace {

QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The PNG chunk checksum (CRC-32, as zlib computes it).
quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (char c : bytes) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QImage tinta(QSize size, QColor colour) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

QByteArray svg(const QByteArray& corpo, const QByteArray& prima = {}) {
    return prima +
           "<svg xmlns=\"http://www.w3.org/2000/svg\" "
           "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"200\" height=\"200\">" +
           corpo + "</svg>";
}

QByteArray jpeg(const QImage& image, bool progressiva = false) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPEG");
    writer.setProgressiveScanWrite(progressiva);
    writer.write(image);
    return bytes;
}

// A JPEG with comment segments after its start marker, `byte` of them in all.
QByteArray conCommenti(const QByteArray& jpeg, qsizetype byte) {
    QByteArray commenti;
    for (qsizetype fatti = 0; fatti < byte; fatti += 65533)
        commenti += QByteArray("\xFF\xFE\xFF\xFF", 4) + QByteArray(65533, 'x');
    return jpeg.left(2) + commenti + jpeg.mid(2);
}

QByteArray dati(const char* tipo, const QByteArray& bytes) {
    return QByteArray("data:") + tipo + ";base64," + bytes.toBase64();
}

const QByteArray forma = "<path d=\"M 20 20 L 180 40 L 90 170 Z\" fill=\"#E53935\"/>"
                         "<circle cx=\"150\" cy=\"150\" r=\"20\" fill=\"#1E88E5\"/>";

} // namespace

class tst_DisegnoInsegnante : public QObject {
    Q_OBJECT

private slots:
    void refusedWithReason_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("parole");
        QTest::newRow("text") << QByteArray("Cara maestra, ecco il mio disegno.\n")
                              << "non è un'immagine";
        QTest::newRow("a picture cut short")
            << png(DisegniDiProva::motivo()).left(60) << "non è un'immagine";
        QTest::newRow("63 px high")
            << png(DisegniDiProva::motivo().scaled(300, 63)) << "almeno 64 punti";
        QTest::newRow("transparent only")
            << png(tinta({300, 300}, Qt::transparent)) << "vuoto o di un solo colore";
        QTest::newRow("one colour")
            << png(tinta({300, 200}, QColor(200, 30, 30))) << "vuoto o di un solo colore";
        QTest::newRow("SVG, nothing drawn") << svg("") << "vuoto o di un solo colore";
        QTest::newRow("SVG, image from a file")
            << svg(forma + "<image href=\"/etc/passwd\" width=\"10\" height=\"10\"/>")
            << "fuori dal file (/etc/passwd)";
        QTest::newRow("SVG, xlink image from the web")
            << svg(forma + "<image xlink:href=\"http://example.org/a.png\" width=\"9\" "
                           "height=\"9\"/>")
            << "fuori dal file (http://example.org/a.png)";
        QTest::newRow("SVG, use of another file") << svg(forma + "<use href=\"altro.svg#figura\"/>")
                                                  << "fuori dal file (altro.svg#figura)";
        QTest::newRow("SVG, fill from another file")
            << svg("<rect width=\"100\" height=\"50\" fill=\"url(pattern.svg#p)\"/>" + forma)
            << "fuori dal file (pattern.svg#p)";
        QTest::newRow("SVG, style sheet import")
            << svg("<style>@import url(stile.css);</style>" + forma) << "fuori dal file (@import)";
        QTest::newRow("SVG, external entity")
            << svg(forma + "<text>&x;</text>",
                   "<!DOCTYPE svg [<!ENTITY x SYSTEM \"file:///etc/hostname\">]>")
            << "fuori dal file";
        QTest::newRow("SVG, style sheet instruction")
            << svg(forma, "<?xml-stylesheet href=\"stile.css\"?>") << "fuori dal file";
        const QByteArray fuori = svg(forma + "<image href=\"/etc/hostname\" width=\"9\" "
                                             "height=\"9\"/>");
        QTest::newRow("SVG compressed")
            << QByteArray("\x1f\x8b\x08\x00", 4) + qCompress(fuori) << "compresso";
        QTest::newRow("SVG holding an SVG that reaches outside")
            << svg(forma + "<image href=\"" + dati("image/svg+xml", fuori) +
                   "\" width=\"9\" height=\"9\"/>")
            << "fuori dal file (data:image/svg+xml";
        QTest::newRow("SVG holding an SVG under a picture's name")
            << svg(forma + "<image href=\"" + dati("image/png", fuori) +
                   "\" width=\"9\" height=\"9\"/>")
            << "fuori dal file (data:image/png";
        QTest::newRow("SVG of 17 MB")
            << svg(forma + "<!--" + QByteArray(17 * 1024 * 1024, ' ') + "-->")
            << "al massimo 16 MB";
        QTest::newRow("JPEG cut short")
            << jpeg(DisegniDiProva::motivo()).left(jpeg(DisegniDiProva::motivo()).size() / 3)
            << "rovinata";
        QTest::newRow("JPEG with 5 MB of comments")
            << conCommenti(jpeg(DisegniDiProva::motivo()), 5 * 1024 * 1024) << "troppi dati";
        QTest::newRow("progressive JPEG 6000x6000")
            << jpeg(tinta({6000, 6000}, QColor(30, 140, 60)), true) << "JPEG progressiva";
        QImage puntini = tinta({300, 300}, Qt::white);
        for (QPoint p : {QPoint(150, 150), QPoint(152, 150), QPoint(150, 151), QPoint(151, 151)})
            puntini.setPixelColor(p, Qt::black);
        QTest::newRow("four dots on a sheet") << png(puntini) << "troppo piccolo";
    }
    void refusedWithReason() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, parole);
        const auto lettura = daByte(bytes);
        QVERIFY(!lettura.ok());
        QVERIFY2(lettura.motivo.contains(parole), qPrintable(lettura.motivo));
    }

    // What stays inside the file is allowed: its own fragments and data.
    void svgThatHoldsEverythingIsAccepted() {
        const QByteArray dentro =
            "<defs><linearGradient id=\"g\"><stop offset=\"0\" stop-color=\"#43A047\"/>"
            "<stop offset=\"1\" stop-color=\"#1E88E5\"/></linearGradient></defs>"
            "<rect x=\"10\" y=\"120\" width=\"60\" height=\"30\" fill=\"url(#g)\"/>" +
            forma + "<use href=\"#g\"/>";
        const auto lettura = daByte(svg(dentro));
        QVERIFY2(lettura.ok(), qPrintable(lettura.motivo));
        QCOMPARE(RiferimentiSvg::esterno(svg(dentro)), QString());
        // As an illustration program exports it: its own entities, a link,
        // a picture it holds, comments a JPEG of it may carry.
        const QByteArray esportato = svg(
            "<a href=\"http://example.org\">" + forma + "</a><text>&autore;</text><image href=\"" +
                dati("image/png", png(tinta({8, 8}, Qt::red))) + "\" width=\"8\" height=\"8\"/>",
            "<!DOCTYPE svg [<!ENTITY autore \"Classe 3B\">]>");
        QCOMPARE(RiferimentiSvg::esterno(esportato), QString());
        QVERIFY2(daByte(esportato).ok(), qPrintable(daByte(esportato).motivo));
        const auto commentata = daByte(conCommenti(jpeg(DisegniDiProva::motivo()), 200000));
        QVERIFY2(commentata.ok(), qPrintable(commentata.motivo));
        // A long comment before the drawing: more than is read to tell an SVG.
        const auto premessa = daByte(svg(forma, "<!--" + QByteArray(100000, ' ') + "-->"));
        QVERIFY2(premessa.ok(), qPrintable(premessa.motivo));
    }

    // Files made to take memory are refused before any reader holds them:
    // a JPEG's comments are counted before its reader keeps them, a large
    // SVG is known by its start before Qt's SVG reader reads it whole.
    void refusedBeforeAnyReaderHoldsThem_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("parole");
        QTest::newRow("JPEG with 63 MB of comments")
            << conCommenti(jpeg(DisegniDiProva::motivo()), 63 * 1024 * 1024) << "troppi dati";
        QTest::newRow("SVG after a comment of 60 MB")
            << svg(forma, "<!--" + QByteArray(60 * 1024 * 1024, 'x') + "-->") << "al massimo 16 MB";
    }
    void refusedBeforeAnyReaderHoldsThem() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, parole);
        QVERIFY(ProcessMemory::resetPeak());
        const long prima = ProcessMemory::peakKb();
        const auto lettura = daByte(bytes);
        const long picco = ProcessMemory::peakKb() - prima;
        QVERIFY2(picco < 64 * 1024, qPrintable(QString("%1 kB more at the peak").arg(picco)));
        QVERIFY2(lettura.motivo.contains(parole), qPrintable(lettura.motivo));
    }

    // Pictures too large to decode whole: a JPEG is read scaled down by its
    // decoder, anything else is refused from its header, unread.
    void hugePicturesNeverDecodeWhole_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("parole");
        // Read, scaled down, and found uniform.
        QTest::newRow("JPEG 10000x10000")
            << TempLibrary::uniformJpeg(10000, 10000) << "vuoto o di un solo colore";
        QTest::newRow("JPEG 10001x10000")
            << TempLibrary::uniformJpeg(10001, 10000) << "troppo grande";
        QTest::newRow("PNG 5000x5000, refused") << [] {
            // A PNG header that promises 5000 x 5000: refused before any pixel is read.
            QByteArray b = png(tinta({64, 64}, Qt::red));
            const quint32 w = qToBigEndian<quint32>(5000);
            b.replace(16, 4, reinterpret_cast<const char*>(&w), 4);
            b.replace(20, 4, reinterpret_cast<const char*>(&w), 4);
            const quint32 crc = qToBigEndian<quint32>(crc32(b.mid(12, 17)));
            b.replace(29, 4, reinterpret_cast<const char*>(&crc), 4);
            return b;
        }() << "troppo grande";
    }
    void hugePicturesNeverDecodeWhole() {
        QFETCH(QByteArray, bytes);
        QVERIFY(ProcessMemory::resetPeak());
        const long prima = ProcessMemory::peakKb();
        const auto lettura = daByte(bytes);
        QVERIFY(!lettura.ok());
        QFETCH(QString, parole);
        QVERIFY2(lettura.motivo.contains(parole), qPrintable(lettura.motivo));
        // Whole, the picture would take 400 MB, if only for a moment; scaled
        // down, under 50 MB, or under 100 MB with checked memory.
        const long picco = ProcessMemory::peakKb() - prima;
        QVERIFY2(picco < 200 * 1024, qPrintable(QString("%1 kB more at the peak").arg(picco)));
    }

    // A named pipe never keeps the reader waiting, a missing file says so.
    void filesThatAreNotPictures() {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("disegno.png");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(DisegnoInsegnante::leggi(fifo).motivo.contains("non è un'immagine"));
        QVERIFY(DisegnoInsegnante::leggi(dir.filePath("niente.png")).motivo.contains("non c'è"));
        QVERIFY(DisegnoInsegnante::leggi(dir.path()).motivo.contains("non è un'immagine"));
    }
};

VORTELIA_TEST_MAIN(tst_DisegnoInsegnante)
#include "tst_DisegnoInsegnante.moc"

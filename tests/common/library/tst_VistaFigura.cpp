// SPDX-License-Identifier: GPL-3.0-or-later
// One view read from its file: the smaller copy that boxes of its size use,
// and only while it still matches the view; pictures too large refused from
// their header; the library reading a letter from the copies.

#include "support/TempLibrary.h"
#include "support/TestMain.h"

#include "common/library/BibliotecaFigure.h"
#include "common/library/LetturaViste.h"
#include "common/library/VistaFigura.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtTest>

namespace {

// The view decoded for boxes of that side, through the copy when it may.
QImage decoded(const QString& view, const QString& copy, int lato,
               VistaFigura::CopieVerificate* verificate = nullptr) {
    auto file = SafeFile::openRegular(view);
    if (!file)
        return {};
    const QSize stored = VistaFigura::misura(*file);
    const PicturePtr p =
        VistaFigura::decodifica(*file, stored, SafeFile::openRegular(copy), lato, view, verificate);
    return p ? p->image() : QImage();
}

// The view as the library decodes it when there is no copy.
QImage scaledDown(const QString& view, int lato) {
    QImageReader reader(view);
    reader.setScaledSize(VistaFigura::misuraDecodificata(reader.size(), lato));
    return reader.read();
}

} // namespace

class tst_VistaFigura : public QObject {
    Q_OBJECT

private slots:
    // Boxes use the smallest copy that covers them, and the full view beyond.
    void copyThatCoversTheBoxes_data() {
        QTest::addColumn<int>("lato");
        QTest::addColumn<int>("copia"); // 0: none
        QTest::newRow("normal size") << 120 << 120;
        QTest::newRow("a little smaller") << 100 << 120;
        QTest::newRow("twice the pixels") << 240 << 240;
        QTest::newRow("full screen 1920x1080") << 277 << 300;
        QTest::newRow("full screen 3840x2160") << 554 << 0;
    }
    void copyThatCoversTheBoxes() {
        QFETCH(int, lato);
        QFETCH(int, copia);
        QCOMPARE(VistaFigura::latoCopia(lato), copia);
        const QString view = TempLibrary::original("k6.jpg");
        const QString copy = copia ? TempLibrary::original(QString("%1/k6.jpg").arg(copia))
                                   : TempLibrary::original("300/k6.jpg");
        const QImage image = decoded(view, copy, lato);
        if (copia)
            QCOMPARE(image, QImage(copy));
        else
            QCOMPARE(image, scaledDown(view, lato));
    }

    // A view replaced or damaged after its copies were made is read itself:
    // what the copy shows is no longer what the folder holds.
    void copyOfAnotherViewIsNotUsed_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("another picture") << "replaced";
        QTest::newRow("the same length, one byte changed") << "byte";
        QTest::newRow("cut short") << "cut";
    }
    void copyOfAnotherViewIsNotUsed() {
        QFETCH(QString, damage);
        TempLibrary library;
        QVERIFY(library.copySmallerCopies());
        QFile original(TempLibrary::original("d1.jpg"));
        QVERIFY(original.open(QIODevice::ReadOnly));
        QByteArray bytes = original.readAll();
        if (damage == "replaced") {
            QFile other(TempLibrary::original("d3.jpg"));
            QVERIFY(other.open(QIODevice::ReadOnly));
            bytes = other.readAll();
        } else if (damage == "byte") {
            bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x10);
        } else {
            bytes.truncate(bytes.size() / 2);
        }
        QVERIFY(library.write("d1.jpg", bytes));
        // Both with and without what earlier reads remembered.
        VistaFigura::CopieVerificate verificate;
        QCOMPARE(
            decoded(TempLibrary::original("d1.jpg"), library.file("120/d1.jpg"), 120, &verificate),
            QImage(library.file("120/d1.jpg")));
        const QImage image =
            decoded(library.file("d1.jpg"), library.file("120/d1.jpg"), 120, &verificate);
        if (damage == "cut") {
            QVERIFY(image.isNull());
        } else {
            QCOMPARE(image, scaledDown(library.file("d1.jpg"), 120));
            QVERIFY(image != QImage(library.file("120/d1.jpg")));
        }
    }

    // A copy that does not hold the whole view, or not at its side, is not used.
    void copyOfTheWrongShape() {
        TempLibrary library;
        QVERIFY(library.copySmallerCopies());
        const QImage copy(library.file("120/e2.jpg"));
        QImage narrow = copy.copy(0, 0, 120, 90);
        narrow.setText("Vista", QImageReader(library.file("120/e2.jpg")).text("Vista"));
        QVERIFY(library.write("120/e2.jpg", TempLibrary::encoded(narrow)));
        QCOMPARE(decoded(library.file("e2.jpg"), library.file("120/e2.jpg"), 120),
                 scaledDown(library.file("e2.jpg"), 120));
    }

    // A picture too large to decode in any reasonable time is refused from its
    // header, before a single pixel is decoded; one that is merely large is not.
    void hugePicturesRefusedFromTheHeader() {
        TempLibrary library(false);
        QVERIFY(library.write("giant", TempLibrary::uniformJpeg(20000, 20000)));
        QVERIFY(library.write("large", TempLibrary::uniformJpeg(2000, 2000)));
        auto giant = SafeFile::openRegular(library.file("giant"));
        auto large = SafeFile::openRegular(library.file("large"));
        QVERIFY(giant && large);
        QVERIFY(!VistaFigura::misura(*giant).isValid());
        QCOMPARE(VistaFigura::misura(*large), QSize(2000, 2000));
    }

    // A letter whose views are all far too large is unusable, and says so.
    void letterOfGiantPictures() {
        TempLibrary library;
        const QByteArray giant = TempLibrary::uniformJpeg(20000, 20000);
        for (int n = 1; n <= 8; ++n)
            QVERIFY(library.write(QString("g%1.jpg").arg(n), giant));
        BibliotecaFigure figure(library.folder(), 120);
        QCOMPARE(figure.verifica().inutilizzabili.size(), 8);
        QVERIFY(!figure.preparaLettera('g'));
        QVERIFY(figure.preparaLettera('h'));
    }

    // A check of the folder gives the same verdict as a set-up, and keeps
    // none of the pictures it decoded to reach it.
    void checkKeepsOnlyTheVerdict() {
        TempLibrary library;
        QVERIFY(library.copySmallerCopies());
        QFile view(library.file("c4.jpg"));
        QVERIFY(view.open(QIODevice::ReadOnly));
        const QByteArray bytes = view.readAll();
        view.close();
        QVERIFY(library.write("c4.jpg", bytes.left(bytes.size() / 2)));
        LetturaViste::Cartella cartella(library.jpg());
        LetturaViste::Modo setUp;
        setUp.tutte = true;
        LetturaViste::Modo check = setUp;
        check.soloEsito = true;
        for (QChar letter : {u'b', u'c'}) {
            const LetturaViste::Lettura read = LetturaViste::leggi(cartella, letter, 240, setUp);
            const LetturaViste::Lettura checked = LetturaViste::leggi(cartella, letter, 240, check);
            QCOMPARE(checked.inutilizzabili, read.inutilizzabili);
            QCOMPARE(checked.illeggibili, read.illeggibili);
            for (int n = 0; n < 8; ++n) {
                QVERIFY(!checked.voci[n].immagine);
                QCOMPARE(bool(read.voci[n].immagine), !read.inutilizzabili.contains(n + 1));
            }
        }
    }

    // The library shows the copies, and never a letter whose view cannot be
    // read now, however good its copies.
    void libraryReadsTheCopies() {
        TempLibrary library;
        QVERIFY(library.copySmallerCopies());
        BibliotecaFigure figure(library.folder(), 120);
        QVERIFY(figure.preparaLettera('m'));
        QCOMPARE(figure.immagine('m', 4)->image(), QImage(library.file("120/m4.jpg")));
        figure.impostaLatoPixel(277);
        QCOMPARE(figure.immagine('m', 4)->image(), QImage(library.file("300/m4.jpg")));
        QVERIFY(library.truncate("n5.jpg"));
        QVERIFY(!figure.preparaLettera('n'));
        QVERIFY(library.remove("p2.jpg"));
        QVERIFY(!figure.preparaLettera('p'));
    }

    // Pictures are decoded at what the JPEG decoder reaches by itself, an
    // eighth of the stored side, when that is close above the boxes' side.
    void decodedSizes() {
        QCOMPARE(VistaFigura::misuraDecodificata({480, 480}, 120), QSize(120, 120));
        QCOMPARE(VistaFigura::misuraDecodificata({480, 480}, 277), QSize(300, 300));
        QCOMPARE(VistaFigura::misuraDecodificata({480, 480}, 300), QSize(300, 300));
        QCOMPARE(VistaFigura::misuraDecodificata({480, 480}, 479), QSize(480, 480));
        // Far above the boxes: the boxes' side, however slowly.
        QCOMPARE(VistaFigura::misuraDecodificata({480, 480}, 70), QSize(70, 70));
        QCOMPARE(VistaFigura::misuraDecodificata({4000, 2000}, 240), QSize(240, 120));
        // A header that says 0 x 0, or boxes with no side yet: nothing to
        // decode, and no division by zero on the way.
        QVERIFY(!VistaFigura::misuraDecodificata({0, 0}, 240).isValid());
        QVERIFY(!VistaFigura::misuraDecodificata({480, 0}, 240).isValid());
        QVERIFY(!VistaFigura::misuraDecodificata({480, 480}, 0).isValid());
    }
};

VORTELIA_TEST_MAIN(tst_VistaFigura)
#include "tst_VistaFigura.moc"

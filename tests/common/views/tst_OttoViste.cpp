// SPDX-License-Identifier: GPL-3.0-or-later
// The eight views made from a teacher's drawing: each is the transform of
// view 1 its number promises, pixel for pixel (checked with Qt's own
// transforms), the drawing is trimmed and centred with the shipped margin,
// and the files are the views and their copies, named as the shipped ones.

#include "support/DisegniDiProva.h"
#include "support/TestMain.h"

#include "common/class_figures/DisegnoInsegnante.h"
#include "common/views/FileViste.h"
#include "common/views/ImprontaVista.h"
#include "common/views/OttoViste.h"

#include <QBuffer>
#include <QImageReader>
#include <QtTest>

using namespace DisegniDiProva;

namespace {

// The bounding box of the pixels that differ clearly from the box background.
QRect disegnato(const QImage& image) {
    const QRgb sfondo = OttoViste::sfondo.rgb();
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAbs(qRed(c) - qRed(sfondo)) + qAbs(qGreen(c) - qGreen(sfondo)) +
                    qAbs(qBlue(c) - qBlue(sfondo)) >
                60)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

} // namespace

class tst_OttoViste : public QObject {
    Q_OBJECT

private slots:
    void viewsAreExactTurnsAndMirrorsOfViewOne() {
        const auto lettura = DisegnoInsegnante::daByte([] {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            motivo().save(&buffer, "PNG");
            return bytes;
        }());
        QVERIFY2(lettura.ok(), qPrintable(lettura.motivo));
        const OttoViste::Viste viste = OttoViste::da(lettura.quadrato);
        const QImage uno = viste[0].convertToFormat(QImage::Format_RGB32);
        QCOMPARE(uno.size(), QSize(OttoViste::lato, OttoViste::lato));
        const QImage specchio = specchioVerticale(uno);
        const QImage attese[8] = {
            uno,      girata(uno, 90),      girata(uno, 180),      girata(uno, 270),
            specchio, girata(specchio, 90), girata(specchio, 180), girata(specchio, 270)};
        for (int i = 0; i < 8; ++i)
            QVERIFY2(viste[i].convertToFormat(QImage::Format_RGB32) ==
                         attese[i].convertToFormat(QImage::Format_RGB32),
                     qPrintable(QString("view %1").arg(i + 1)));
    }

    // The content fills the square less the shipped margin on its longer
    // side and sits in the middle, wherever it was on the sheet.
    void drawingIsTrimmedAndCentred_data() {
        QTest::addColumn<QRect>("dove");
        QTest::newRow("a small drawing in a corner") << QRect(10, 20, 120, 60);
        QTest::newRow("a tall drawing at the right") << QRect(900, 100, 80, 700);
    }
    void drawingIsTrimmedAndCentred() {
        QFETCH(QRect, dove);
        QImage foglio(1000, 1000, QImage::Format_ARGB32);
        foglio.fill(Qt::transparent);
        QPainter(&foglio).drawImage(dove, motivo().copy(DisegniDiProva::dove));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        foglio.save(&buffer, "PNG");
        const auto lettura = DisegnoInsegnante::daByte(bytes);
        QVERIFY2(lettura.ok(), qPrintable(lettura.motivo));
        const QRect box = disegnato(lettura.quadrato);
        const int interno = OttoViste::lato - 2 * OttoViste::margine;
        QVERIFY2(qAbs(qMax(box.width(), box.height()) - interno) <= 3,
                 qPrintable(QString("%1x%2").arg(box.width()).arg(box.height())));
        QVERIFY(qAbs(box.center().x() - OttoViste::lato / 2) <= 2);
        QVERIFY(qAbs(box.center().y() - OttoViste::lato / 2) <= 2);
        // The sheet's transparency became the box background.
        QCOMPARE(lettura.quadrato.pixel(2, 2), OttoViste::sfondo.rgb());
    }

    // The files are named as the shipped ones, and each copy carries the
    // fingerprint of its view and the side of its folder.
    void filesAreNamedAndFingerprintedAsTheShippedOnes() {
        QImage quadrato(OttoViste::lato, OttoViste::lato, QImage::Format_RGB32);
        quadrato.fill(OttoViste::sfondo);
        QPainter(&quadrato).drawImage(40, 40, motivo());
        const FileViste::File file = FileViste::di(QLatin1Char('q'), OttoViste::da(quadrato));
        QCOMPARE(file.size(), 8 * (1 + FileViste::latiCopie().size()));
        QCOMPARE(file.at(0).first, "q1.jpg");
        QCOMPARE(file.at(7).first, "q8.jpg");
        for (int k = 0; k < FileViste::latiCopie().size(); ++k) {
            const int side = FileViste::latiCopie().at(k);
            for (int n = 1; n <= 8; ++n) {
                const auto& [nome, bytes] = file.at(8 * (k + 1) + n - 1);
                QCOMPARE(nome, QString("%1/q%2.jpg").arg(side).arg(n));
                QBuffer buffer;
                buffer.setData(bytes);
                buffer.open(QIODevice::ReadOnly);
                QImageReader reader(&buffer, "JPEG");
                QCOMPARE(reader.size(), QSize(side, side));
                QCOMPARE(reader.text(ImprontaVista::chiave),
                         ImprontaVista::di(file.at(n - 1).second));
            }
        }
    }
};

VORTELIA_TEST_MAIN(tst_OttoViste)
#include "tst_OttoViste.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The check that a figure's eight views can be told apart: drawings with
// each kind of symmetry are refused and say which one, a drawing without
// any is accepted, and every shipped figure passes with room to spare.

#include "support/DisegniDiProva.h"
#include "support/TestMain.h"

#include "common/class_figures/NuovaFigura.h"
#include "common/class_figures/Simmetrie.h"
#include "common/views/FileViste.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using Simmetrie::Tipo;
using namespace DisegniDiProva;

Q_DECLARE_METATYPE(QList<Simmetrie::Tipo>)

namespace {

// The copies laid over the motif for each kind of symmetry.
QList<Copia> copie(const QString& simmetria) {
    if (simmetria == "vertical")
        return {specchioVerticale};
    if (simmetria == "horizontal")
        return {specchioOrizzontale};
    if (simmetria == "diagonal down")
        return {specchioDiscendente};
    if (simmetria == "diagonal up")
        return {specchioAscendente};
    if (simmetria == "half turn")
        return {giro(180)};
    if (simmetria == "quarter turn")
        return {giro(90), giro(180), giro(270)};
    return {giro(90),          giro(180),           giro(270),
            specchioVerticale, specchioOrizzontale, specchioDiscendente,
            specchioAscendente};
}

NuovaFigura provata(const QImage& disegno, QTemporaryDir& dir, const char* formato = "PNG") {
    const QString path = dir.filePath(QStringLiteral("disegno.") + QString(formato).toLower());
    if (!disegno.save(path, formato))
        return {};
    return NuovaFigura::da(path);
}

} // namespace

class tst_Simmetrie : public QObject {
    Q_OBJECT

private slots:
    // Each shipped figure's views, as a box at normal size shows them, are far
    // apart; the least distinct pair of the whole library sets the scale.
    void shippedFiguresAreFarAboveTheThreshold() {
        double minima = 1e9;
        QString dove;
        for (char c = 'a'; c <= 'z'; ++c) {
            QList<QByteArray> jpeg;
            for (int n = 1; n <= 8; ++n) {
                QFile file(QStringLiteral(VORTELIA_JPG_DIR "/") +
                           FileViste::nome(QLatin1Char(c), n));
                QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
                jpeg << file.readAll();
            }
            const Simmetrie::Esito esito = Simmetrie::esamina(Simmetrie::comeSiVedono(jpeg));
            QVERIFY2(esito.usabile(), qPrintable(QString(c) + ": " + esito.verdetto()));
            if (esito.minima < minima) {
                minima = esito.minima;
                dove = QStringLiteral("%1%2 - %1%3").arg(c).arg(esito.vistaA).arg(esito.vistaB);
            }
        }
        qInfo("least distinct pair of shipped views: %s, %.2f (threshold %.2f)", qPrintable(dove),
              minima, Simmetrie::soglia);
        QVERIFY(minima > 3 * Simmetrie::soglia);
    }

    // A drawing laid over its own turned or mirrored copies has that symmetry
    // and no other, and the verdict names it.
    void symmetricDrawingsAreRefusedWithTheirReason_data() {
        QTest::addColumn<QString>("simmetria");
        QTest::addColumn<QList<Tipo>>("attese");
        QTest::addColumn<QString>("parole");
        QTest::newRow("mirror, vertical axis")
            << "vertical" << QList<Tipo>{Tipo::AsseVerticale}
            << "la figura è uguale alla sua immagine allo specchio rispetto all'asse verticale";
        QTest::newRow("mirror, horizontal axis")
            << "horizontal" << QList<Tipo>{Tipo::AsseOrizzontale}
            << "la figura è uguale alla sua immagine allo specchio rispetto all'asse orizzontale";
        QTest::newRow("mirror, diagonal down")
            << "diagonal down" << QList<Tipo>{Tipo::DiagonaleDiscendente}
            << "rispetto alla diagonale che scende da sinistra a destra";
        QTest::newRow("mirror, diagonal up")
            << "diagonal up" << QList<Tipo>{Tipo::DiagonaleAscendente}
            << "rispetto alla diagonale che sale da sinistra a destra";
        QTest::newRow("half turn") << "half turn" << QList<Tipo>{Tipo::MezzoGiro}
                                   << "la figura è uguale a sé stessa girata di mezzo giro";
        QTest::newRow("quarter turn")
            << "quarter turn" << QList<Tipo>{Tipo::QuartoDiGiro, Tipo::MezzoGiro}
            << "la figura è uguale a sé stessa girata di un quarto di giro";
        QTest::newRow("every symmetry")
            << "every" << QList<Tipo>{Tipo::QuartoDiGiro,         Tipo::MezzoGiro,
                                      Tipo::AsseVerticale,        Tipo::AsseOrizzontale,
                                      Tipo::DiagonaleDiscendente, Tipo::DiagonaleAscendente}
            << "rispetto all'asse verticale";
    }
    void symmetricDrawingsAreRefusedWithTheirReason() {
        QFETCH(QString, simmetria);
        QFETCH(QList<Tipo>, attese);
        QFETCH(QString, parole);
        QTemporaryDir dir;
        const NuovaFigura figura = provata(conCopie(copie(simmetria)), dir);
        QVERIFY2(figura.letta(), qPrintable(figura.motivo));
        QVERIFY(!figura.usabile());
        QCOMPARE(figura.esito.simmetrie, attese);
        QVERIFY2(figura.verdetto().contains(parole), qPrintable(figura.verdetto()));
        QVERIFY(figura.verdetto().startsWith("Il disegno non si può usare"));
        // The threshold sits well above what JPEG noise leaves between equal views.
        qInfo("closest views %d and %d: %.2f", figura.esito.vistaA, figura.esito.vistaB,
              figura.esito.minima);
        QVERIFY(figura.esito.minima < Simmetrie::soglia / 2);
    }

    // The same drawing without its copies has no symmetry, in each format.
    void asymmetricDrawingIsAccepted_data() {
        QTest::addColumn<QString>("formato");
        QTest::newRow("PNG with transparency") << "PNG";
        QTest::newRow("JPEG") << "JPEG";
    }
    void asymmetricDrawingIsAccepted() {
        QFETCH(QString, formato);
        QTemporaryDir dir;
        QImage disegno = motivo();
        if (formato == "JPEG") { // no transparency: white paper around the motif
            QImage carta(disegno.size(), QImage::Format_RGB32);
            carta.fill(Qt::white);
            QPainter(&carta).drawImage(0, 0, disegno);
            disegno = carta;
        }
        const NuovaFigura figura = provata(disegno, dir, qPrintable(formato));
        QVERIFY2(figura.usabile(), qPrintable(figura.verdetto()));
        QCOMPARE(figura.verdetto(), "Il disegno si può usare: le otto viste sono tutte diverse.");
        QVERIFY(figura.esito.minima > 3 * Simmetrie::soglia);
    }

    // A symmetry that only a few pixels break still looks symmetric to a pupil.
    void almostSymmetricIsStillRefused() {
        QImage disegno = conCopie({specchioVerticale});
        QPainter(&disegno).fillRect(QRect(240, 40, 3, 3), Qt::black);
        QTemporaryDir dir;
        const NuovaFigura figura = provata(disegno, dir);
        QCOMPARE(figura.esito.simmetrie, QList<Tipo>{Tipo::AsseVerticale});
    }

    // Which views a symmetry makes equal, checked against the numbering:
    // views 1-4 turn clockwise, 5-8 are view 1 mirrored, then turned.
    void pairsNameTheirSymmetry() {
        QCOMPARE(Simmetrie::tipoDellaCoppia(0, 1), Tipo::QuartoDiGiro);
        QCOMPARE(Simmetrie::tipoDellaCoppia(0, 3), Tipo::QuartoDiGiro);
        QCOMPARE(Simmetrie::tipoDellaCoppia(1, 3), Tipo::MezzoGiro);
        QCOMPARE(Simmetrie::tipoDellaCoppia(0, 4), Tipo::AsseVerticale);
        QCOMPARE(Simmetrie::tipoDellaCoppia(0, 6), Tipo::AsseOrizzontale);
        QCOMPARE(Simmetrie::tipoDellaCoppia(1, 5), Tipo::AsseVerticale);
        QCOMPARE(Simmetrie::tipoDellaCoppia(1, 7), Tipo::AsseOrizzontale);
        QCOMPARE(Simmetrie::tipoDellaCoppia(0, 5), Tipo::DiagonaleAscendente);
        QCOMPARE(Simmetrie::tipoDellaCoppia(0, 7), Tipo::DiagonaleDiscendente);
    }
};

VORTELIA_TEST_MAIN(tst_Simmetrie)
#include "tst_Simmetrie.moc"

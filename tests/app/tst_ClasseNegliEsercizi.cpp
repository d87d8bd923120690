// SPDX-License-Identifier: GPL-3.0-or-later
// The class's own figures in the exercises: a pupil who only looks at the
// pictures answers right in every family with them; one saved while the
// program runs is used from the next exercise on; a class folder that
// vanishes, or holds a broken view, leaves every exercise solvable with the
// shipped figures.

#include "support/DisegniDiProva.h"
#include "support/Pupil.h"
#include "support/TestBench.h"
#include "support/TestMain.h"

#include "common/class_figures/FigureClasse.h"
#include "common/class_figures/NuovaFigura.h"
#include "common/frame/FinestraEsercizio.h"
#include "common/platform/services/Picture.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/platform/widgets/PictureButton.h"
#include "exercises/rotation_find/TrovaRotazione.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A pupil's bench whose library tries the class figures of a fresh user
// folder before the shipped ones.
struct ConFigureClasse {
    QTemporaryDir utente;
    const FigureClasse classe{utente.path(), {}};
    TestBench bench;
    ConFigureClasse() { bench.figure.impostaClasse(classe.cartellePerLettera()); }
};

// Every picture the window shows, with the folder it came from.
QStringList cartelleMostrate(QWidget* window) {
    QStringList cartelle;
    for (ImageBox* box : window->findChildren<ImageBox*>())
        if (box->picture() && !box->picture()->file().isEmpty())
            cartelle << QFileInfo(box->picture()->file()).path();
    cartelle.removeDuplicates();
    return cartelle;
}

} // namespace

class tst_ClasseNegliEsercizi : public QObject {
    Q_OBJECT

    QTemporaryDir disegni_, modello_; // the drawing, and its figure saved for every letter

    // Gives every letter the class figure: a copy of the one saved once.
    void salvaPerOgniLettera(const FigureClasse& classe) {
        const QString da = modello_.path() + "/figure";
        QDirIterator it(da, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString a = classe.cartellaUtente() + "/figure" + file.mid(da.size());
            QVERIFY(QDir().mkpath(QFileInfo(a).path()));
            QVERIFY(QFile::copy(file, a));
        }
        QCOMPARE(classe.lettere().size(), 26);
    }

    // One exercise answered by looking at the screen; true when right.
    static bool rispondi(QWidget* w) { return Pupil::solve(qobject_cast<FinestraEsercizio*>(w)); }

private slots:
    void initTestCase() {
        const QString path = disegni_.filePath("classe.png");
        QVERIFY(DisegniDiProva::motivo().save(path));
        const NuovaFigura figura = NuovaFigura::da(path);
        QVERIFY2(figura.usabile(), qPrintable(figura.verdetto()));
        const FigureClasse modello(modello_.path(), {});
        for (char c = 'a'; c <= 'z'; ++c)
            QCOMPARE(modello.salva(QLatin1Char(c), figura.file(QLatin1Char(c))), QString());
    }

    void cleanup() { TestBench::closeAll(); }

    void everyFamilyWithTheClassFigure_data() {
        QTest::addColumn<int>("es");
        QTest::newRow("Trova la rotazione 1") << 2;
        QTest::newRow("Trova la rotazione 4") << 6;
        QTest::newRow("Indica il tipo di rotazione") << 4;
        QTest::newRow("Forma la rotazione 1") << 8;
        QTest::newRow("Forma la rotazione 6") << 13;
        for (int es : {1, 7, 14, 15})
            QTest::newRow(qPrintable(QString("Trova la simmetria, FormEs%1").arg(es))) << es;
    }
    void everyFamilyWithTheClassFigure() {
        QFETCH(int, es);
        ConFigureClasse f;
        salvaPerOgniLettera(f.classe);
        QWidget* w = f.bench.open<QWidget>(formEs(es));
        for (int giro = 0; giro < 8; ++giro) {
            const QStringList cartelle = cartelleMostrate(w);
            QCOMPARE(cartelle.size(), 1);
            QVERIFY2(cartelle.first().startsWith(f.utente.path() + "/figure/"),
                     qPrintable(cartelle.first()));
            QVERIFY2(rispondi(w), qPrintable(QString("round %1").arg(giro)));
            qobject_cast<FinestraEsercizio*>(w)->BottoneAvanti_Click();
        }
        QCOMPARE(f.bench.stato().NumeroErrati, 0);
        QCOMPARE(f.bench.stato().NumeroEsatti, 8);
    }

    // Saved while a window is open: the next exercise has it.
    void savedWhileRunning() {
        ConFigureClasse f;
        auto* w = f.bench.open<TrovaRotazione>(formEs(2));
        QCOMPARE(cartelleMostrate(w), QStringList{QStringLiteral(VORTELIA_JPG_DIR)});
        salvaPerOgniLettera(f.classe);
        QVERIFY(rispondi(w));
        w->BottoneAvanti_Click();
        QVERIFY(cartelleMostrate(w).first().startsWith(f.utente.path()));
        QVERIFY(rispondi(w));
    }

    // The class folder vanishes, or a view in it breaks: the exercise is
    // drawn with the shipped figure, never with a mixture, and is solvable.
    void vanishedOrBrokenFallsBack_data() {
        QTest::addColumn<QString>("guasto");
        QTest::newRow("folder gone") << "gone";
        QTest::newRow("a view cut short") << "cut";
        QTest::newRow("a view missing") << "missing";
    }
    void vanishedOrBrokenFallsBack() {
        QFETCH(QString, guasto);
        ConFigureClasse f;
        salvaPerOgniLettera(f.classe);
        auto* w = f.bench.open<TrovaRotazione>(formEs(5));
        QVERIFY(cartelleMostrate(w).first().startsWith(f.utente.path()));
        for (char c = 'a'; c <= 'z'; ++c) {
            const QString vista = f.utente.path() + QString("/figure/%1/%1%2.jpg").arg(c).arg(3);
            if (guasto == "cut")
                QVERIFY(QFile::resize(vista, 300));
            else if (guasto == "missing")
                QVERIFY(QFile::remove(vista));
        }
        if (guasto == "gone")
            QVERIFY(QDir(f.utente.path()).removeRecursively());
        for (int giro = 0; giro < 4; ++giro) {
            QVERIFY(rispondi(w));
            w->BottoneAvanti_Click();
            QCOMPARE(cartelleMostrate(w), QStringList{QStringLiteral(VORTELIA_JPG_DIR)});
        }
        QCOMPARE(f.bench.stato().NumeroErrati, 0);
    }
};

VORTELIA_TEST_MAIN(tst_ClasseNegliEsercizi)
#include "tst_ClasseNegliEsercizi.moc"

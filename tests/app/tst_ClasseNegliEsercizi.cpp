// SPDX-License-Identifier: GPL-3.0-or-later
// The class's own figures in the exercises: a pupil who only looks at the
// pictures answers right in every family with them; one saved while the
// program runs is used from the next exercise on; a class folder that
// vanishes, or holds a broken view, leaves every exercise solvable with the
// shipped figures.

#include "support/DisegniDiProva.h"
#include "support/TestBench.h"

#include "common/class_figures/FigureClasse.h"
#include "common/class_figures/NuovaFigura.h"
#include "common/platform/services/Picture.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/platform/widgets/PictureButton.h"
#include "exercises/rotation_build/FormaRotazione.h"
#include "exercises/rotation_find/TrovaRotazione.h"
#include "exercises/rotation_type/TipoRotazione.h"
#include "exercises/symmetry_find/TrovaSimmetria.h"
#include "support/SeeingPupil.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>

namespace {

// A pupil's bench whose library tries the class figures of a fresh user
// folder before the shipped ones.
struct ConFigureClasse {
    QTemporaryDir utente;
    const FigureClasse classe{utente.path(), {}};
    TestBench bench;
    ConFigureClasse() { bench.figure.impostaClasse(classe.cartellePerLettera()); }
};

QImage shown(const ImageBox* box) {
    return box->picture() ? box->picture()->image().convertToFormat(QImage::Format_RGB32)
                          : QImage();
}

// The candidate that clearly looks like the wanted picture, as a pupil's
// eye finds it; nullptr when none or two do.
ImageBox* simile(const QImage& wanted, const QList<ImageBox*>& candidates) {
    ImageBox* best = nullptr;
    double first = std::numeric_limits<double>::max(), second = first;
    for (ImageBox* box : candidates) {
        const double d = SeeingPupil::difference(wanted, shown(box));
        if (d < first) {
            second = first;
            first = d;
            best = box;
        } else if (d < second) {
            second = d;
        }
    }
    return first < 12 && second > 3 * first ? best : nullptr;
}

// The model mirrored in the window's axis, as seen on the screen.
QImage allo_specchio(const QImage& model, const Linea& asse) {
    if (asse.da.x() == asse.a.x())
        return model.mirrored(true, false);
    if (asse.da.y() == asse.a.y())
        return model.mirrored(false, true);
    const QImage turned = SeeingPupil::turned(model, 1);
    // The axis rising to the right swaps x with -y; falling, x with y.
    const bool sale = (asse.a.y() - asse.da.y()) * (asse.a.x() - asse.da.x()) < 0;
    return sale ? turned.mirrored(false, true) : turned.mirrored(true, false);
}

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
    bool rispondi(QWidget* w) {
        if (auto* t = qobject_cast<TrovaRotazione*>(w)) {
            ImageBox* scelta = SeeingPupil::answer(t);
            if (!scelta)
                return false;
            TestBench::click(scelta);
        } else if (auto* t = qobject_cast<TipoRotazione*>(w)) {
            ImageBox* scelta = SeeingPupil::answer(t);
            if (!scelta)
                return false;
            TestBench::click(scelta);
        } else if (auto* f = qobject_cast<FormaRotazione*>(w)) {
            for (int passo = 1; passo <= 3; ++passo) {
                // The sign shows the sense; then each view follows the last.
                const QImage ultima = shown(f->Image2[passo - 1]);
                ImageBox* scelta =
                    simile(SeeingPupil::turned(ultima, f->SensoOrario ? 1 : 3), f->Image1);
                if (!scelta)
                    return false;
                TestBench::click(scelta);
            }
        } else if (auto* s = qobject_cast<TrovaSimmetria*>(w)) {
            ImageBox* scelta =
                simile(allo_specchio(shown(s->Image2[0]), s->parametri().asse), s->Image1);
            if (!scelta)
                return false;
            TestBench::click(scelta);
        }
        return qobject_cast<FinestraEsercizio*>(w)->BottoneAvanti->isEnabled();
    }

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

QTEST_MAIN(tst_ClasseNegliEsercizi)
#include "tst_ClasseNegliEsercizi.moc"

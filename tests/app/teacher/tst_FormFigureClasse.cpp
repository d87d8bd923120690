// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's window: a drawing opened shows its eight views and the
// verdict, a usable one is saved as a letter's figure and marked among the
// 26, removed again, by mouse or keyboard, and a class folder that vanishes
// while the window is open leaves it working.

#include "doubles/ScriptedMessageBox.h"
#include "support/DisegniDiProva.h"
#include "support/TestMain.h"

#include "app/teacher/FormFigureClasse.h"
#include "common/platform/widgets/ImageBox.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString salvato(const QImage& image, const QTemporaryDir& dir, const QString& nome) {
    const QString path = dir.filePath(nome);
    image.save(path, "PNG");
    return path;
}

QImage primaVistaSpedita(char lettera) {
    return QImage(QStringLiteral(VORTELIA_JPG_DIR "/%1%2.jpg").arg(lettera).arg(1));
}

// The picture a box shows, at the size of a reference picture.
QImage mostrata(const ImageBox* box, QSize size) {
    return box->picture()
               ? box->picture()->image().scaled(size).convertToFormat(QImage::Format_RGB32)
               : QImage();
}

// Compared at the size the letters are shown at.
double differenza(const QImage& x, const QImage& y) {
    const QImage a = x.scaled(64, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage b = y.scaled(64, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double somma = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            somma += qAbs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    return somma / (a.width() * a.height());
}

} // namespace

class tst_FormFigureClasse : public QObject {
    Q_OBJECT

    ScriptedMessageBox messaggi;

private slots:
    void init() { messaggi.asked.clear(); }

    void openVerdictSaveRemove() {
        QTemporaryDir utente, disegni;
        FormFigureClasse finestra(FigureClasse(utente.path(), {}), VORTELIA_JPG_DIR, messaggi);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        for (ImageBox* box : finestra.Lettere) {
            QVERIFY(box->picture());
            QVERIFY(!box->bordered());
            QVERIFY(box->accessibleName().endsWith("figura del programma"));
        }
        QVERIFY(!finestra.BottoneSalva->isEnabled());
        QVERIFY(!finestra.BottoneTogli->isEnabled());

        // A symmetric drawing: its views and why it cannot be saved.
        finestra.setSceltaFile([&](QWidget*) {
            return salvato(DisegniDiProva::conCopie({DisegniDiProva::giro(180)}), disegni, "s.png");
        });
        QTest::mouseClick(finestra.BottoneApri, Qt::LeftButton);
        QVERIFY2(finestra.Verdetto->text().contains("girata di mezzo giro"),
                 qPrintable(finestra.Verdetto->text()));
        for (ImageBox* vista : finestra.Viste)
            QVERIFY(vista->picture());
        QVERIFY(!finestra.BottoneSalva->isEnabled());

        // One without symmetry, saved for g.
        finestra.apriDisegno(salvato(DisegniDiProva::motivo(), disegni, "m.png"));
        QVERIFY(finestra.Verdetto->text().startsWith("Il disegno si può usare"));
        QVERIFY(finestra.BottoneSalva->isEnabled());
        QTest::mouseClick(finestra.Lettere.at(6), Qt::LeftButton);
        QCOMPARE(finestra.lettera(), QChar('g'));
        QCOMPARE(finestra.BottoneSalva->text(), "Salva come figura della lettera g");
        QTest::mouseClick(finestra.BottoneSalva, Qt::LeftButton);
        QVERIFY2(finestra.Verdetto->text().startsWith("Salvata"),
                 qPrintable(finestra.Verdetto->text()));
        QVERIFY(QFile::exists(utente.path() + "/figure/g/g8.jpg"));
        ImageBox* g = finestra.Lettere.at(6);
        QVERIFY(g->bordered());
        QCOMPARE(g->accessibleName(), "Lettera g, figura della classe");
        const QImage spedita = primaVistaSpedita('g');
        QVERIFY(differenza(mostrata(g, spedita.size()), spedita) > 10);
        QVERIFY(differenza(mostrata(g, spedita.size()),
                           finestra.Viste.at(0)->picture()->image().scaled(spedita.size())) < 4);
        QVERIFY(finestra.BottoneTogli->isEnabled());

        // Asked first: "No" keeps it; "Sì" removes it and the shipped figure is back.
        QTest::mouseClick(finestra.BottoneTogli, Qt::LeftButton);
        QCOMPARE(messaggi.asked.size(), 1);
        QVERIFY(messaggi.asked.first().text.contains("lettera g"));
        QVERIFY(g->bordered() && QFile::exists(utente.path() + "/figure/g/g8.jpg"));
        messaggi.answer(MessageBoxService::Answer::Yes);
        QTest::mouseClick(finestra.BottoneTogli, Qt::LeftButton);
        QVERIFY(finestra.Verdetto->text().contains("torna ad avere la figura del programma"));
        QVERIFY(!g->bordered());
        QVERIFY(differenza(mostrata(g, spedita.size()), spedita) < 4);
        QVERIFY(!QFile::exists(utente.path() + "/figure/g"));
    }

    // Picking a letter and saving with the keyboard alone.
    void keyboardAlone() {
        QTemporaryDir utente, disegni;
        FormFigureClasse finestra(FigureClasse(utente.path(), {}), VORTELIA_JPG_DIR, messaggi);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        finestra.apriDisegno(salvato(DisegniDiProva::motivo(), disegni, "m.png"));
        finestra.Lettere.at(3)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(finestra.Lettere.at(3), Qt::Key_Space);
        QCOMPARE(finestra.lettera(), QChar('d'));
        finestra.BottoneSalva->setFocus(Qt::TabFocusReason);
        QTest::keyClick(finestra.BottoneSalva, Qt::Key_Return);
        QVERIFY(QFile::exists(utente.path() + "/figure/d/d1.jpg"));
        // Every control has a name a screen reader can say.
        QCOMPARE(finestra.SceltaLettera->accessibleName(), "Lettera");
        QCOMPARE(finestra.Viste.at(4)->accessibleName(), "Vista 5");
        QCOMPARE(finestra.Lettere.at(3)->accessibleName(), "Lettera d, figura della classe");
    }

    // The window scales as the others do: twice as large, everything twice
    // as large, fonts too.
    void scalesWithTheWindow() {
        QTemporaryDir utente;
        FormFigureClasse finestra(FigureClasse(utente.path(), {}), VORTELIA_JPG_DIR, messaggi);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        const QRect lettera = finestra.Lettere.at(0)->geometry();
        const QRect salva = finestra.BottoneSalva->geometry();
        const qreal punti = finestra.Verdetto->font().pointSizeF();
        finestra.resize(finestra.size() * 2);
        QTRY_COMPARE(finestra.Lettere.at(0)->width(), 2 * lettera.width());
        QCOMPARE(finestra.BottoneSalva->width(), 2 * salva.width());
        QCOMPARE(finestra.Verdetto->font().pointSizeF(), 2 * punti);
    }

    // The class folder disappears while the window is open: the window shows
    // the shipped figures again, says there is nothing to remove, and a save
    // makes the folder anew.
    void classFolderVanishes() {
        QTemporaryDir casa, disegni;
        const QString utente = casa.filePath("dati");
        FormFigureClasse finestra(FigureClasse(utente, {}), VORTELIA_JPG_DIR, messaggi);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        finestra.apriDisegno(salvato(DisegniDiProva::motivo(), disegni, "m.png"));
        finestra.scegliLettera('k');
        finestra.BottoneSalva_Click();
        QVERIFY(finestra.Lettere.at(10)->bordered());

        QVERIFY(QDir(utente).removeRecursively());
        finestra.BottoneTogli_Click();
        QVERIFY2(finestra.Verdetto->text().contains("non ha una figura della classe"),
                 qPrintable(finestra.Verdetto->text()));
        QVERIFY(!finestra.Lettere.at(10)->bordered());
        QVERIFY(finestra.Lettere.at(10)->picture());

        finestra.BottoneSalva_Click();
        QVERIFY(finestra.Verdetto->text().startsWith("Salvata"));
        QVERIFY(QFile::exists(utente + "/figure/k/k8.jpg"));

        // Nor does a vanished shipped folder stop it: the letters show a placeholder.
        QTemporaryDir vuota;
        FormFigureClasse senza(FigureClasse(utente, {}), vuota.filePath("jpg"), messaggi);
        QVERIFY(senza.Lettere.at(0)->isMissing());
        QVERIFY(senza.Lettere.at(10)->picture()); // the class's own is there
    }
};

VORTELIA_TEST_MAIN(tst_FormFigureClasse)
#include "tst_FormFigureClasse.moc"

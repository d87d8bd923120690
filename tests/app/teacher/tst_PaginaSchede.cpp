// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheets' page: what it asks for, the PDF saved where the teacher
// says, the preview, and a sheet with no exercise refused.
#include "app/teacher/PaginaSchede.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const FontiScheda programma{QStringLiteral(VORTELIA_APP_DIR), {}};

} // namespace

class tst_PaginaSchede : public QObject {
    Q_OBJECT

private slots:
    void theCountsMakeTheRequest() {
        PaginaSchede pagina(programma, 5);
        pagina.Quanti[1]->setValue(4);
        pagina.Quanti[13]->setValue(3);
        pagina.Versioni->setValue(2);
        const RichiestaScheda r = pagina.richiesta();
        QCOMPARE(r.esercizi.size(), 2);
        QCOMPARE(r.esercizi[0].finestra, FinestraId::FormEs2);
        QCOMPARE(r.esercizi[1].quanti, 3);
        QCOMPARE(r.versioni, 2);
        QCOMPARE(r.seme, quint64(5));
    }

    void savePdfWritesTheSheetWhereTheTeacherSays() {
        QTemporaryDir dir;
        PaginaSchede pagina(programma, 5);
        pagina.Quanti[3]->setValue(1);
        pagina.setSceltaFile([&](QWidget*) { return dir.filePath("s.pdf"); });
        QTest::mouseClick(pagina.BottoneSalva, Qt::LeftButton);
        QVERIFY2(QFile::exists(dir.filePath("s.pdf")), qPrintable(pagina.Esito->text()));
    }

    void noExerciseIsSaidAndNothingIsAskedFor() {
        PaginaSchede pagina(programma, 5);
        bool chiesto = false;
        pagina.setSceltaFile([&](QWidget*) {
            chiesto = true;
            return QString();
        });
        QVERIFY(!pagina.salvaPdf());
        QVERIFY(!chiesto);
        QVERIFY(pagina.Esito->text().contains("nessun esercizio"));
    }

    void thePreviewShowsTheFirstPage() {
        PaginaSchede pagina(programma, 5);
        pagina.Quanti[0]->setValue(1);
        QVERIFY(pagina.aggiornaAnteprima());
        QVERIFY(!pagina.Anteprima->pixmap().isNull());
    }

    void withoutClassFiguresTheirBoxIsOff() {
        PaginaSchede pagina(programma, 5);
        QVERIFY(!pagina.UsaFigureClasse->isEnabled());
    }

    void everyCountIsNamedForAScreenReader() {
        PaginaSchede pagina(programma, 5);
        for (QSpinBox* quanti : pagina.Quanti)
            QVERIFY(!quanti->accessibleName().isEmpty());
    }
};

VORTELIA_TEST_MAIN(tst_PaginaSchede)
#include "tst_PaginaSchede.moc"

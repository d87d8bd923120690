// SPDX-License-Identifier: GPL-3.0-or-later
// The class record's page: the period chosen, sorting by numbers, a
// pupil's page opened by Enter or a double click and closed again, the
// files saved where the teacher says, the notes, the keyboard and names.
#include "support/TestMain.h"
#include "support/VociDiProva.h"
#include "support/Windows.h"

#include "app/teacher/record/PaginaAlunnoRegistro.h"
#include "app/teacher/record/PaginaRegistro.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace VociDiProva;
using Periodo = IntervalloDate::Periodo;

namespace {

const QStringList note{QStringLiteral("Il file aula2.vreg non si legge: è danneggiato.")};

// The names down the view, as sorted now.
QStringList nomi(const PaginaRegistro& p) {
    QStringList n;
    for (int r = 0; r < p.Griglia->model()->rowCount(); ++r)
        n << p.Griglia->model()->index(r, 0).data().toString();
    return n;
}

QString cella(const PaginaRegistro& p, int riga, int colonna) {
    return p.Griglia->model()->index(riga, colonna).data().toString();
}

} // namespace

class tst_PaginaRegistro : public QObject {
    Q_OBJECT

private slots:
    void thePeriodChoosesTheAnswers() {
        PaginaRegistro p(settimana(), classe, {}, oggi);
        QCOMPARE(cella(p, 0, 2), QStringLiteral("5"));
        p.Periodo->setCurrentIndex(int(Periodo::Oggi));
        QCOMPARE(p.intervallo(), IntervalloDate(oggi, oggi));
        QCOMPARE(cella(p, 0, 2), QStringLiteral("4"));
        QCOMPARE(p.Esito->text(), QStringLiteral("Risposte il 10/12/2026."));
    }

    void aColumnSortsByItsNumbers() {
        QList<VoceRegistro> voci;
        for (int i = 0; i < 10; ++i)
            voci << voce({classe[0], 2, alle(oggi, QTime(9, i))});
        for (int i = 0; i < 9; ++i)
            voci << voce({classe[1], 2, alle(oggi, QTime(10, i))});
        voci << voce({classe[2], 2, alle(oggi, QTime(11, 0))});
        PaginaRegistro p(voci, classe, {}, oggi);
        p.Griglia->sortByColumn(2, Qt::DescendingOrder);
        QCOMPARE(nomi(p), QStringList({classe[0], classe[1], classe[2]}));
        p.Misura->setCurrentIndex(1);
        QCOMPARE(cella(p, 0, 2), QStringLiteral("100%"));
    }

    // Sorted by name backwards, the view's first row is the list's last.
    void enterOpensThePupilOnTheRowAndBackComesBack() {
        PaginaRegistro p(settimana(), classe, {}, oggi);
        p.Griglia->sortByColumn(0, Qt::DescendingOrder);
        p.show();
        QVERIFY(Windows::activate(&p));
        p.Griglia->setFocus();
        p.Griglia->setCurrentIndex(p.Griglia->model()->index(1, 3));
        QTest::keyClick(p.Griglia, Qt::Key_Return);
        QVERIFY(p.paginaAlunno());
        QCOMPARE(p.paginaAlunno()->pagina().alunno, QStringLiteral("Marco Neri"));
        QCOMPARE(p.paginaAlunno()->pagina().intervallo, p.intervallo());
        QVERIFY(p.paginaAlunno()->isVisible());
        QVERIFY(!p.Vista->isVisible());
        QTest::mouseClick(p.paginaAlunno()->BottoneIndietro, Qt::LeftButton);
        QVERIFY(!p.paginaAlunno());
        QVERIFY(p.Vista->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), p.Griglia);
    }

    void aDoubleClickOpensThePupil() {
        PaginaRegistro p(settimana(), classe, {}, oggi);
        p.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        const QModelIndex luca = p.Griglia->model()->index(1, 0);
        const QPoint dove = p.Griglia->visualRect(luca).center();
        // A double click is the second press of a click, as a mouse gives it.
        QTest::mouseClick(p.Griglia->viewport(), Qt::LeftButton, {}, dove);
        QTest::mouseDClick(p.Griglia->viewport(), Qt::LeftButton, {}, dove);
        QVERIFY(p.paginaAlunno());
        QCOMPARE(p.paginaAlunno()->pagina().alunno, classe[1]);
    }

    void theFilesGoWhereTheTeacherSays() {
        QTemporaryDir dir;
        PaginaRegistro p(settimana(), classe, {}, oggi);
        p.Classe->setText(QStringLiteral("Classe 3ª B"));
        QStringList proposti;
        p.setSceltaFile([&](QWidget*, const QString& proposto) {
            proposti << proposto;
            return dir.filePath(proposto);
        });
        QTest::mouseClick(p.BottoneRisposte, Qt::LeftButton);
        QTest::mouseClick(p.BottoneGriglia, Qt::LeftButton);
        QTest::mouseClick(p.BottoneStampa, Qt::LeftButton);
        QCOMPARE(proposti, QStringList({"risposte 2026-12-07 2026-12-13.csv",
                                        "griglia 2026-12-07 2026-12-13.csv",
                                        "griglia 2026-12-07 2026-12-13.pdf"}));
        const auto inizio = [&](const QString& nome, int quanti) {
            QFile f(dir.filePath(nome));
            return f.open(QIODevice::ReadOnly) ? f.read(quanti) : QByteArray();
        };
        QCOMPARE(inizio(proposti[0], 7), QByteArray("\xEF\xBB\xBF"
                                                    "data"));
        QCOMPARE(inizio(proposti[1], 9), QByteArray("\xEF\xBB\xBF"
                                                    "alunno"));
        QCOMPARE(inizio(proposti[2], 4), QByteArray("%PDF"));
        QCOMPARE(p.Esito->text(),
                 QStringLiteral("Griglia salvata in %1.").arg(dir.filePath(proposti[2])));
    }

    void aFileThatCannotBeWrittenIsSaid() {
        QTemporaryDir dir;
        PaginaRegistro p(settimana(), classe, {}, oggi);
        p.setSceltaFile([&](QWidget*, const QString&) { return dir.path(); });
        QVERIFY(!p.esportaRisposte());
        QVERIFY2(p.Esito->text().contains("cartella"), qPrintable(p.Esito->text()));
        p.setSceltaFile([](QWidget*, const QString&) { return QString(); });
        QVERIFY(!p.esportaGriglia());
    }

    void theNotesOfTheReadingAreShown() {
        PaginaRegistro p(settimana(), classe, note, oggi);
        QCOMPARE(p.Note->text(), note.first());
        QCOMPARE(p.Note->accessibleName(), note.first());
    }

    void theKeyboardReachesEveryControlInOrder() {
        PaginaRegistro p(settimana(), classe, note, oggi);
        p.Periodo->setCurrentIndex(int(Periodo::TraDueDate));
        p.show();
        QVERIFY(Windows::activate(&p));
        const QList<QWidget*> giro = Windows::tabChain(p.Periodo);
        const QList<QWidget*> attesi{p.Periodo,
                                     p.Dal,
                                     p.Al,
                                     p.Misura,
                                     p.Classe,
                                     p.Griglia,
                                     p.BottoneRisposte,
                                     p.BottoneGriglia,
                                     p.BottoneStampa};
        QList<QWidget*> visti;
        for (QWidget* w : giro)
            for (QWidget* c : attesi)
                if ((w == c || c->isAncestorOf(w)) && !visti.contains(c))
                    visti << c;
        QCOMPARE(visti, attesi);
    }

    void everyControlHasAName() {
        PaginaRegistro p(settimana(), classe, note, oggi);
        p.show();
        QCOMPARE(Windows::unnamed(&p), QStringList());
        p.apriAlunno(classe[0]);
        QCOMPARE(Windows::unnamed(&p), QStringList());
    }
};

VORTELIA_TEST_MAIN(tst_PaginaRegistro)
#include "tst_PaginaRegistro.moc"

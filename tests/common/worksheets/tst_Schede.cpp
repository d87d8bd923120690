// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheets: the layout and its key, the versions and their draws, the
// same bytes from the same seed, and every request refused with its reason.
#include "support/TempLibrary.h"
#include "support/TestMain.h"

#include "common/worksheets/Impaginazione.h"
#include "common/worksheets/Schede.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(RichiestaScheda)

namespace {

EsercizioStampato finto(FamigliaScheda famiglia, int candidati, QList<int> risposte) {
    EsercizioStampato e{.famiglia = famiglia, .riga = {nullptr, nullptr, nullptr, nullptr}};
    for (int i = 0; i < candidati; ++i)
        e.candidati << nullptr;
    e.risposte = std::move(risposte);
    return e;
}

RichiestaScheda richiesta(QList<RichiestaScheda::Voce> voci, int versioni = 1, quint64 seme = 7) {
    RichiestaScheda r;
    r.esercizi = std::move(voci);
    r.versioni = versioni;
    r.seme = seme;
    r.titolo = QStringLiteral("Classe 3ª B, 12 dicembre");
    return r;
}

const FontiScheda programma{QStringLiteral(VORTELIA_APP_DIR), {}};

QByteArray letto(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

FascicoloScheda preparato(const RichiestaScheda& r) {
    auto fatto = Schede::prepara(r, programma);
    if (const QString* motivo = std::get_if<QString>(&fatto))
        qWarning("%s", qPrintable(*motivo));
    return std::get<FascicoloScheda>(fatto);
}

} // namespace

class TestSchede : public QObject {
    Q_OBJECT

private slots:
    void noExerciseRunsOverTheEndOfItsPage() {
        QList<EsercizioStampato> esercizi;
        for (int i = 0; i < 20; ++i)
            esercizi << finto(FamigliaScheda::TrovaRotazione, 8, {0});
        const PaginazioneScheda p = Impaginazione::impagina(esercizi);
        QCOMPARE(p.esercizi.size(), 20);
        QVERIFY(p.pagineEsercizi > 1);
        for (const PostoEsercizio& posto : p.esercizi) {
            QVERIFY(posto.blocco.top() >= layoutScheda.altoIntestazione);
            QVERIFY(posto.blocco.bottom() < layoutScheda.area.height());
            for (const QRect& r : posto.candidati)
                QVERIFY(r.right() < layoutScheda.area.width());
        }
    }

    void exercisesAreNumberedInOrderAndPagesOnlyGrow() {
        QList<EsercizioStampato> esercizi;
        for (int i = 0; i < 9; ++i)
            esercizi << finto(FamigliaScheda::FormaRotazione, 4, {0, 1, 2});
        const PaginazioneScheda p = Impaginazione::impagina(esercizi);
        for (qsizetype i = 1; i < p.esercizi.size(); ++i) {
            QCOMPARE(p.esercizi[i].numero, int(i) + 1);
            const PostoEsercizio& prima = p.esercizi[i - 1];
            const PostoEsercizio& dopo = p.esercizi[i];
            QVERIFY(dopo.pagina > prima.pagina || dopo.blocco.top() > prima.blocco.bottom());
        }
    }

    void theKeyGivesTheLettersByNumber() {
        const QStringList righe =
            Impaginazione::chiave({finto(FamigliaScheda::TrovaRotazione, 4, {1}),
                                   finto(FamigliaScheda::FormaRotazione, 8, {3, 0, 7})});
        QCOMPARE(righe, QStringList({QStringLiteral("1. B"), QStringLiteral("2. D, A, H")}));
    }

    void sixtyKeyLinesFitTheKeyPage() {
        const QList<QRect> righe = Impaginazione::righeChiave(RichiestaScheda::massimoEsercizi);
        for (const QRect& r : righe)
            QVERIFY(QRect(QPoint(0, 0), layoutScheda.area).contains(r));
    }

    void versionsHaveTheSameExercisesWithOtherDraws() {
        const FascicoloScheda f =
            preparato(richiesta({{FinestraId::FormEs2, 3}, {FinestraId::FormEs14, 2}}, 2));
        QCOMPARE(f.versioni.size(), 2);
        const VersioneScheda& a = f.versioni[0];
        const VersioneScheda& b = f.versioni[1];
        QCOMPARE(a.fila, QStringLiteral("Fila A"));
        QCOMPARE(b.fila, QStringLiteral("Fila B"));
        QCOMPARE(a.esercizi.size(), 5);
        bool diverse = false;
        for (qsizetype i = 0; i < a.esercizi.size(); ++i) {
            QCOMPARE(a.esercizi[i].finestra, b.esercizi[i].finestra);
            diverse |= a.esercizi[i].riga.first() != b.esercizi[i].riga.first() ||
                       a.esercizi[i].risposte != b.esercizi[i].risposte;
        }
        QVERIFY(diverse);
    }

    void everyFamilyReadsItsWindow() {
        const FascicoloScheda f = preparato(richiesta({{FinestraId::FormEs3, 1},
                                                       {FinestraId::FormEs4, 1},
                                                       {FinestraId::FormEs11, 1},
                                                       {FinestraId::FormEs7, 1}}));
        const QList<EsercizioStampato>& e = f.versioni.first().esercizi;
        QCOMPARE(e[0].candidati.size(), 8);
        QVERIFY(e[0].segno);
        QCOMPARE(e[1].didascalie.size(), 2);
        QCOMPARE(e[2].risposte.size(), 3);
        QVERIFY(e[3].asse.has_value());
        QCOMPARE(e[3].caselleSimmetria.size(), 2);
    }

    void picturesPrintAtNoLessThan250DotsPerInch() {
        const FascicoloScheda f = preparato(richiesta({{FinestraId::FormEs5, 1}}));
        const double pollici = layoutScheda.lato / 254.0;
        for (const PicturePtr& p : f.versioni.first().esercizi.first().candidati)
            QVERIFY2(p->image().width() / pollici >= 250,
                     qPrintable(QString::number(p->image().width())));
    }

    void theSameSeedGivesTheSameBytes() {
        QTemporaryDir dir;
        const RichiestaScheda r =
            richiesta({{FinestraId::FormEs9, 2}, {FinestraId::FormEs1, 2}}, 2);
        QCOMPARE(Schede::scrivi(dir.filePath("a.pdf"), r, programma), QString());
        QCOMPARE(Schede::scrivi(dir.filePath("b.pdf"), r, programma), QString());
        QVERIFY(letto(dir.filePath("a.pdf")).startsWith("%PDF"));
        QCOMPARE(letto(dir.filePath("a.pdf")), letto(dir.filePath("b.pdf")));
    }

    void anotherSeedGivesAnotherSheet() {
        QTemporaryDir dir;
        QCOMPARE(Schede::scrivi(dir.filePath("a.pdf"), richiesta({{FinestraId::FormEs6, 2}}, 1, 1),
                                programma),
                 QString());
        QCOMPARE(Schede::scrivi(dir.filePath("b.pdf"), richiesta({{FinestraId::FormEs6, 2}}, 1, 2),
                                programma),
                 QString());
        QVERIFY(letto(dir.filePath("a.pdf")) != letto(dir.filePath("b.pdf")));
    }

    void aRequestOutOfItsLimitsIsRefused_data() {
        QTest::addColumn<RichiestaScheda>("r");
        QTest::addColumn<QString>("parola");
        QTest::newRow("none") << richiesta({}) << "nessun esercizio";
        QTest::newRow("menu") << richiesta({{FinestraId::FormMenu, 1}}) << "non è un esercizio";
        QTest::newRow("zero") << richiesta({{FinestraId::FormEs2, 0}}) << "da 1 a 20";
        QTest::newRow("21") << richiesta({{FinestraId::FormEs2, 21}}) << "da 1 a 20";
        QTest::newRow("61") << richiesta({{FinestraId::FormEs2, 20},
                                          {FinestraId::FormEs3, 20},
                                          {FinestraId::FormEs4, 20},
                                          {FinestraId::FormEs5, 1}})
                            << "al massimo 60";
        QTest::newRow("5 versions") << richiesta({{FinestraId::FormEs2, 1}}, 5) << "da 1 a 4";
    }
    void aRequestOutOfItsLimitsIsRefused() {
        QFETCH(RichiestaScheda, r);
        QFETCH(QString, parola);
        QTemporaryDir dir;
        const QString motivo = Schede::scrivi(dir.filePath("s.pdf"), r, programma);
        QVERIFY2(motivo.contains(parola), qPrintable(motivo));
        QVERIFY(!QFile::exists(dir.filePath("s.pdf")));
    }

    void theClassFiguresAskedForWhereThereAreNone() {
        RichiestaScheda r = richiesta({{FinestraId::FormEs2, 1}});
        r.figureClasse = true;
        QTemporaryDir dir;
        QVERIFY(Schede::scrivi(dir.filePath("s.pdf"), r, programma).contains("figure sue"));
        QVERIFY(!QFile::exists(dir.filePath("s.pdf")));
    }

    void aFolderInPlaceOfTheFileIsSaid() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("s.pdf"));
        QVERIFY(
            Schede::scrivi(dir.filePath("s.pdf"), richiesta({{FinestraId::FormEs2, 1}}), programma)
                .contains("cartella"));
    }

    void noReadablePictureIsNeverPrinted() {
        const TempLibrary vuota(false);
        QTemporaryDir dir;
        const QString motivo =
            Schede::scrivi(dir.filePath("s.pdf"), richiesta({{FinestraId::FormEs2, 1}}),
                           FontiScheda{vuota.folder(), {}});
        QVERIFY2(motivo.contains("jpg"), qPrintable(motivo));
        QVERIFY(!QFile::exists(dir.filePath("s.pdf")));
    }

    void aDamagedLetterIsLeftOut() {
        // Every letter but one is unreadable: each exercise shows that one.
        const TempLibrary biblioteca;
        for (char c = 'b'; c <= 'z'; ++c)
            QVERIFY(biblioteca.truncate(QStringLiteral("%1%2.jpg").arg(c).arg(c % 8 + 1)));
        auto fatto = Schede::prepara(richiesta({{FinestraId::FormEs5, 3}}),
                                     FontiScheda{biblioteca.folder(), {}});
        const FascicoloScheda* f = std::get_if<FascicoloScheda>(&fatto);
        QVERIFY(f);
        for (const EsercizioStampato& e : f->versioni.first().esercizi)
            QVERIFY(e.riga.first()->file().contains("jpg/a"));
    }
};

VORTELIA_TEST_MAIN(TestSchede)
#include "tst_Schede.moc"

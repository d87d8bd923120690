// SPDX-License-Identifier: GPL-3.0-or-later
// The class's list as typed, pasted or loaded: trimmed and composed names,
// a spreadsheet's first column without its header, and each refusal with
// the line it is about.
#include "common/keys/NomiClasse.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

class tst_NomiClasse : public QObject {
    Q_OBJECT

    QTemporaryDir cartella_;

    QString file(const char* nome, const QByteArray& byte) {
        const QString percorso = cartella_.filePath(QString::fromLatin1(nome));
        QFile f(percorso);
        if (!f.open(QIODevice::WriteOnly) || f.write(byte) != byte.size())
            qFatal("cannot write %s", nome);
        return percorso;
    }

private slots:
    void namesAreTrimmedAndComposed() {
        const NomiClasse nomi = NomiClasse::daTesto(u"  Anna \r\n\n\tLuca\rNicolo\u0300\n"_qs);
        QVERIFY2(nomi.valida(), qPrintable(nomi.errore));
        QCOMPARE(nomi.nomi, QStringList({"Anna", "Luca", u"Nicol\u00f2"_qs}));
    }

    void aSpreadsheetGivesItsFirstColumnWithoutTheHeader() {
        const NomiClasse nomi = NomiClasse::daTesto(
            "Alunno;Classe\nRossi Mario;4B\n\"Bianchi, \"\"Ugo\"\"\",4B\nVerdi,4B\n");
        QVERIFY2(nomi.valida(), qPrintable(nomi.errore));
        QCOMPARE(nomi.nomi, QStringList({"Rossi Mario", "Bianchi, \"Ugo\"", "Verdi"}));
        // Only a first line is a header: a pupil may be called so further down.
        QCOMPARE(NomiClasse::daTesto("Anna\nNome").nomi, QStringList({"Anna", "Nome"}));
        QCOMPARE(NomiClasse::daTesto("Cognome  e nome\nAnna").nomi, QStringList({"Anna"}));
    }

    void theSameNameInAnotherCaseIsRefusedWithItsLines() {
        QCOMPARE(NomiClasse::daTesto("Luca\nAnna\nMarco\n\nanna\n").errore,
                 u"«Anna» e «anna» sono lo stesso nome (righe 2 e 5)."_qs);
        // Composed in one, decomposed in the other: the same letters.
        QVERIFY(!NomiClasse::daTesto(u"Nicol\u00f2\nNICOLO\u0300"_qs).valida());
    }

    void limitsAreRefusedNamingTheLine() {
        QStringList classe;
        for (int i = 0; i < NomiClasse::massimo; ++i)
            classe.append(QStringLiteral("Alunno %1").arg(i));
        QVERIFY(NomiClasse::daElenco(classe).valida());
        classe.append("Uno di troppo");
        QVERIFY(NomiClasse::daElenco(classe).errore.contains("al massimo 60"));

        const QString lungo(NomiClasse::lunghezzaMassima, u'a');
        QVERIFY(NomiClasse::daTesto(lungo).valida());
        const QString errore = NomiClasse::daTesto("Anna\n" + lungo + "x").errore;
        QVERIFY2(errore.contains("riga 2") && errore.contains("41"), qPrintable(errore));

        const QString controllo = QStringLiteral("Anna\nLu%1ca").arg(QChar(1));
        QVERIFY(NomiClasse::daTesto(controllo).errore.contains("riga 2"));
        QVERIFY(NomiClasse::daTesto("Anna\nRossi\tMario").errore.contains("due colonne"));
        QVERIFY(!NomiClasse::daTesto(" \nnome\n;;\n").valida());
    }

    void aListAlreadySplitKeepsItsCommas() {
        QCOMPARE(NomiClasse::daElenco({" Rossi, Mario ", "", "Verdi"}).nomi,
                 QStringList({"Rossi, Mario", "Verdi"}));
    }

    void aFileIsReadAsUtf8WithOrWithoutItsMark() {
        const NomiClasse nomi =
            NomiClasse::daFile(file("bom.csv", "\xEF\xBB\xBFnome;classe\r\nNiccol\xC3\xB2;4B\r\n"));
        QVERIFY2(nomi.valida(), qPrintable(nomi.errore));
        QCOMPARE(nomi.nomi, QStringList({u"Niccol\u00f2"_qs}));
        QVERIFY(NomiClasse::daFile(file("latin1.txt", "Niccol\xF2\n")).errore.contains("UTF-8"));
    }

    void anUnfitFileIsRefused() {
        QVERIFY(NomiClasse::daFile(cartella_.filePath("manca.txt")).errore.contains("non c'è"));
        QVERIFY(NomiClasse::daFile(file("grande.txt", QByteArray(NomiClasse::byteMassimi + 1, 'a')))
                    .errore.contains("64 KB"));
        QVERIFY(NomiClasse::daFile(cartella_.path()).errore.contains("non è un file"));
#ifdef Q_OS_UNIX
        // A FIFO would block the reading for good: refused without opening.
        const QString fifo = cartella_.filePath("fifo.txt");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(NomiClasse::daFile(fifo).errore.contains("non è un file"));
#endif
    }
};

QTEST_GUILESS_MAIN(tst_NomiClasse)
#include "tst_NomiClasse.moc"

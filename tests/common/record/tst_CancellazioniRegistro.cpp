// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/record/RegistroDiProva.h"

#include "common/record/CancellazioniRegistro.h"

using namespace RegistroDiProva;

Q_DECLARE_METATYPE(Cancellazione)

namespace {

// Entry i on the i/8-th day of December, eight a day.
VoceRegistro delGiorno(int i) {
    VoceRegistro v = voce(i);
    v.quando = QDateTime(QDate(2026, 12, 1).addDays(i / 8), QTime(9, i % 8)).toMSecsSinceEpoch();
    return v;
}

} // namespace

class TestCancellazioniRegistro : public QObject {
    Q_OBJECT

private slots:
    void cancellaPerSempre_data();
    void cancellaPerSempre();
};

void TestCancellazioniRegistro::cancellaPerSempre_data() {
    QTest::addColumn<Cancellazione>("cancellazione");
    QTest::addColumn<QList<int>>("restano");
    QList<int> senzaIlTerzo, dalTerzoGiorno;
    for (int i = 0; i < 40; ++i) {
        if (i % 5 != 2)
            senzaIlTerzo << i;
        if (i >= 16)
            dalTerzoGiorno << i;
    }
    QTest::newRow("un alunno") << Cancellazione{Cancellazione::Tipo::Alunno,
                                                segreto + QStringLiteral(" 2"),
                                                {}}
                               << senzaIlTerzo;
    QTest::newRow("prima di un giorno")
        << Cancellazione{Cancellazione::Tipo::PrimaDi, {}, QDate(2026, 12, 3)} << dalTerzoGiorno;
    QTest::newRow("tutto") << Cancellazione{} << QList<int>();
}

// Half the entries in the lab's folder, half still on this PC: the erased
// ones are gone from both, no file left holds one, and none comes back when
// the PC copies what it kept. (How many entries a copy holds depends on the
// copier's pace: a copy of kept entries alone may stay as it was.)
void TestCancellazioniRegistro::cancellaPerSempre() {
    QFETCH(Cancellazione, cancellazione);
    QFETCH(QList<int>, restano);
    Aula aula;
    {
        auto registro = aula.apri();
        for (int i = 0; i < 20; ++i)
            registro->annota(delGiorno(i));
        QVERIFY(registro->attendi(10000));
    }
    const QString via = aula.cartelle.registro + QStringLiteral(".via");
    QVERIFY(QDir().rename(aula.cartelle.registro, via));
    {
        auto registro = aula.apri();
        for (int i = 20; i < 40; ++i)
            registro->annota(delGiorno(i));
        QVERIFY(registro->attendi(10000));
    }
    QVERIFY(QDir().rename(via, aula.cartelle.registro));

    QCOMPARE(cancellaRegistro(aula.cartelle, aula.chiave(), cancellazione), QString());
    QCOMPARE(numeri(aula.leggi().voci), restano);
    // The lab's folder alone: no file there holds an erased entry.
    for (const int n : numeri(aula.leggi({QString(), aula.cartelle.registro}).voci))
        QVERIFY2(restano.contains(n), qPrintable(QString::number(n)));
    QVERIFY(aula.apri()->attendi(10000));
    QCOMPARE(numeri(aula.leggi().voci), restano);
}

QTEST_GUILESS_MAIN(TestCancellazioniRegistro)

#include "tst_CancellazioniRegistro.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// What `vortelia --impostazioni` prints: each value in force and where it
// came from, the warnings, and all of it a settings file of the same values.

#include "CartelleProva.h"

#include "common/settings/DescrizioneImpostazioni.h"

#include <QtTest>

namespace {

// A school that locks one key and sets another, a teacher who sets two
// more, a folder QSettings would misread, and a file with a fault.
void classe(const CartelleProva& cartelle) {
    CartelleProva::scrivi(cartelle.scuola(0), "[suoni]\nvolume[$i]=30\n[menu]\nesercizi=FormEs2\n");
    CartelleProva::scrivi(cartelle.scuola(1), "[suoni]\nattivi=forse\n");
    CartelleProva::scrivi(cartelle.insegnante(), "[suoni]\nvolume=70\n[classe]\nblocco=true\n"
                                                 "[figure]\ncartella=\"/srv/a;b, c \\\"3ª\\\"\"\n");
}

} // namespace

class tst_DescrizioneImpostazioni : public QObject {
    Q_OBJECT

private slots:
    void eachValueSaysWhereItCameFrom() {
        const CartelleProva cartelle;
        classe(cartelle);
        const QStringList righe = descriviImpostazioni(leggiImpostazioni(cartelle.fonti()))
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const QStringList attese = {
            QStringLiteral("[suoni]"),
            QStringLiteral("attivi=true ; predefinito"),
            QStringLiteral("volume=30 ; bloccato dalla scuola: ") + cartelle.scuola(0),
            QStringLiteral("esercizi=FormEs2 ; ") + cartelle.scuola(0),
            QStringLiteral("blocco=true ; ") + cartelle.insegnante(),
            QStringLiteral("cartella= ; predefinito (vuoto: la cartella dei dati dell'utente)"),
            QStringLiteral("; Avvisi:"),
            QStringLiteral("; vortelia: ") + cartelle.insegnante() +
                QStringLiteral(
                    ": [suoni] volume=70 non conta: la scuola blocca la chiave: vale 30"),
            QStringLiteral("; vortelia: ") + cartelle.scuola(1) +
                QStringLiteral(": [suoni] attivi=forse non è true né false: vale true"),
        };
        for (const QString& attesa : attese)
            QVERIFY2(righe.contains(attesa), qPrintable(attesa));
        for (const char* gruppo : {"[suoni]", "[menu]", "[classe]", "[registro]", "[figure]"})
            QCOMPARE(righe.count(QString::fromLatin1(gruppo)), 1);
    }

    // Read back as the only settings file, it gives the same values and no warning.
    void theTextIsASettingsFileOfTheSameValues_data() {
        QTest::addColumn<bool>("conFile");
        QTest::newRow("the defaults") << false;
        QTest::newRow("a class's settings") << true;
    }
    void theTextIsASettingsFileOfTheSameValues() {
        QFETCH(bool, conFile);
        const CartelleProva cartelle, copia;
        if (conFile)
            classe(cartelle);
        const ImpostazioniLette lette = leggiImpostazioni(cartelle.fonti());
        CartelleProva::scrivi(copia.insegnante(), descriviImpostazioni(lette).toUtf8());
        const ImpostazioniLette rilette = leggiImpostazioni(copia.fonti());
        QCOMPARE(rilette.avvisi, QStringList());
        QCOMPARE(rilette.valori, lette.valori);
        QCOMPARE(lette.valori.volume, conFile ? 30 : 100);
    }
};

QTEST_GUILESS_MAIN(tst_DescrizioneImpostazioni)
#include "tst_DescrizioneImpostazioni.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The settings page of the teacher's area: what it shows, what it saves,
// what the school locked, and that one exercise always stays.

#include "app/teacher/PaginaImpostazioni.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

namespace {

// A page on settings the test holds, saving into them.
struct Fixture {
    PaginaImpostazioni::Stato stato;
    QList<Impostazioni> salvate;
    QString rifiuto; // what a save answers
    int letture = 0;
    std::unique_ptr<PaginaImpostazioni> pagina;

    void apri() {
        pagina = std::make_unique<PaginaImpostazioni>(
            [this] {
                ++letture;
                return stato;
            },
            [this](const Impostazioni& scelte) {
                if (rifiuto.isEmpty()) {
                    salvate << scelte;
                    stato.valori = scelte;
                }
                return rifiuto;
            });
    }
};

} // namespace

class tst_PaginaImpostazioni : public QObject {
    Q_OBJECT

private slots:
    void showsWhatIsInForceAndSavesTheChoices() {
        Fixture f;
        f.stato.valori.volume = 40;
        f.stato.valori.esercizi = {1, 2, 3};
        f.stato.valori.cartellaFigure = QStringLiteral("/srv/classe 3ª");
        f.apri();
        PaginaImpostazioni& p = *f.pagina;
        QCOMPARE(p.Volume->value(), 40);
        QVERIFY(p.SuoniAttivi->isChecked() && !p.Blocco->isChecked());
        QCOMPARE(p.CartellaFigure->text(), QStringLiteral("/srv/classe 3ª"));
        for (int n = 1; n <= 15; ++n)
            QCOMPARE(p.Esercizi.at(n - 1)->isChecked(), n <= 3);
        QVERIFY(!p.modificate());

        QSignalSpy salvate(&p, &PaginaImpostazioni::salvate);
        p.Volume->setValue(70);
        p.Blocco->setChecked(true);
        p.Esercizi.at(1)->setChecked(false);
        QVERIFY(p.modificate());
        p.BottoneSalva->click();
        QCOMPARE(f.salvate.size(), 1);
        QCOMPARE(f.salvate[0].volume, 70);
        QVERIFY(f.salvate[0].blocco);
        QCOMPARE(f.salvate[0].esercizi, (QList<int>{1, 3}));
        QCOMPARE(salvate.count(), 1);
        QCOMPARE(f.letture, 2); // read again, as saved
        QVERIFY(!p.modificate());
        QVERIFY(p.Esito->text().startsWith(QLatin1String("Salvate")));
    }

    void aFailedSaveSaysWhyAndKeepsTheChoices() {
        Fixture f;
        f.rifiuto = QStringLiteral("Le impostazioni non sono state salvate: il disco è pieno.");
        f.apri();
        QSignalSpy salvate(f.pagina.get(), &PaginaImpostazioni::salvate);
        f.pagina->SchermoIntero->setChecked(true);
        QVERIFY(!f.pagina->salva());
        QCOMPARE(f.pagina->Esito->text(), f.rifiuto);
        QCOMPARE(salvate.count(), 0);
        QVERIFY(f.pagina->modificate() && f.pagina->SchermoIntero->isChecked());
    }

    void whatTheSchoolLockedIsGreyedAndSaysSo() {
        Fixture f;
        f.stato.bloccate = {QStringLiteral("suoni/volume"), QStringLiteral("menu/esercizi")};
        f.stato.avvisi = {QStringLiteral("vortelia: /etc/xdg/Vortelia/Vortelia.conf: volume")};
        f.apri();
        PaginaImpostazioni& p = *f.pagina;
        QVERIFY(!p.Volume->isEnabled());
        QVERIFY(p.SuoniAttivi->isEnabled());
        for (QCheckBox* box : std::as_const(p.Esercizi))
            QVERIFY(!box->isEnabled());
        const QList<QLabel*> labels = p.findChildren<QLabel*>();
        const auto dice = [&labels](const QString& testo) {
            return std::count_if(labels.begin(), labels.end(), [&testo](QLabel* l) {
                return l->text() == testo + QStringLiteral(" (impostato dalla scuola)");
            });
        };
        QCOMPARE(dice(QStringLiteral("Volume:")), 1);
        QCOMPARE(dice(QStringLiteral("Esercizi nel menù")), 1);
        QVERIFY(p.Avvisi->toPlainText().contains(f.stato.avvisi.first()));
    }

    void theLastExerciseCannotBeUnticked() {
        Fixture f;
        f.apri();
        PaginaImpostazioni& p = *f.pagina;
        for (int n = 1; n < 15; ++n)
            p.Esercizi.at(n - 1)->setChecked(false);
        QVERIFY(!p.Esercizi.at(14)->isEnabled());
        p.Esercizi.at(14)->click();
        QCOMPARE(p.scelte().esercizi, QList<int>{15});
        p.Esercizi.at(3)->setChecked(true);
        QVERIFY(p.Esercizi.at(14)->isEnabled());
        for (int n = 1; n <= 15; ++n)
            p.Esercizi.at(n - 1)->setChecked(true);
        QVERIFY(p.scelte().esercizi.isEmpty()); // all of them: none named
    }
};

VORTELIA_TEST_MAIN(tst_PaginaImpostazioni)
#include "tst_PaginaImpostazioni.moc"

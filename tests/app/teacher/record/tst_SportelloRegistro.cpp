// SPDX-License-Identifier: GPL-3.0-or-later
// The record's page in the teacher's area: switched on once with the class
// and a password, the recovery code shown once; opened by the password
// only, slowed after wrong tries; the recovery code setting a new one;
// erasing asked once and final; closing forgets the key.
#include "doubles/ManualClock.h"
#include "doubles/ScriptedMessageBox.h"
#include "support/TestMain.h"
#include "support/VociDiProva.h"

#include "app/teacher/record/PaginaRegistro.h"
#include "app/teacher/record/PannelliRegistro.h"
#include "app/teacher/record/PannelloCancellazione.h"
#include "app/teacher/record/SportelloRegistro.h"

#include "common/keys/ChiaviRegistro.h"
#include "common/record/RegistroClasse.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using Answer = MessageBoxService::Answer;

namespace {

const QString password = QStringLiteral("lavagna-verde");

// The pupils in the grid, as sorted now.
QStringList alunni(const PaginaRegistro& p) {
    QStringList n;
    for (int r = 0; r < p.Griglia->model()->rowCount(); ++r)
        if (p.Griglia->model()->index(r, 2).data().toString() != QStringLiteral("0"))
            n << p.Griglia->model()->index(r, 0).data().toString();
    return n;
}

} // namespace

class tst_SportelloRegistro : public QObject {
    Q_OBJECT

    // A record switched on once for the class, with two answers of Anna's
    // and one of Bruno's; each test works on a copy.
    QTemporaryDir modello_;
    QString codice_;
    QTemporaryDir cartella_;
    ManualClock orologio_;
    ScriptedMessageBox messaggi_;

    CartelleRegistro cartelle() const {
        const QString qui = cartella_.filePath(QStringLiteral("registro"));
        return {qui, qui};
    }

    std::unique_ptr<SportelloRegistro> sportello() {
        return std::make_unique<SportelloRegistro>(AccessoRegistro(cartelle()), messaggi_,
                                                   &orologio_, QDate(2026, 12, 10));
    }

    PaginaRegistro* apri(SportelloRegistro& s, const QString& con = password) {
        s.apertura()->Password->setText(con);
        s.apertura()->BottoneApri->click();
        return s.registro();
    }

private slots:
    void initTestCase() {
        const QString qui = modello_.filePath(QStringLiteral("registro"));
        AccessoRegistro accesso(CartelleRegistro{qui, qui});
        const AccessoRegistro::Attivazione fatto =
            accesso.attiva({QStringLiteral("Anna"), QStringLiteral("Bruno")}, password);
        QVERIFY2(fatto.errore.isEmpty(), qPrintable(fatto.errore));
        codice_ = fatto.codiceRecupero;
        QString errore;
        const auto chiavi = ChiaviRegistro::leggiPubbliche(
            ChiaviRegistro::leggiFile(CartelleRegistro{qui, qui}, &errore), &errore);
        QVERIFY2(chiavi, qPrintable(errore));
        ManualClock orologio;
        orologio.utc = VociDiProva::alle(QDate(2026, 12, 9), QTime(9, 0));
        auto registro =
            RegistroClasse::apri(CartelleRegistro{qui, qui}, *chiavi, orologio, &errore);
        QVERIFY2(registro, qPrintable(errore));
        for (const char* alunno : {"Anna", "Anna", "Bruno"}) {
            VoceRegistro v = VociDiProva::voce({alunno, 2, orologio.utc});
            v.id.clear();
            registro->annota(v);
            orologio.advance(60'000);
        }
        QVERIFY(registro->attendi(10'000));
    }

    void init() {
        QVERIFY(cartella_.isValid());
        QDir(cartelle().registro).removeRecursively();
        QDir().mkpath(cartelle().registro);
        const QDir da(modello_.filePath(QStringLiteral("registro")));
        for (const QString& nome : da.entryList(QDir::Files | QDir::Hidden))
            QVERIFY(QFile::copy(da.filePath(nome), QDir(cartelle().registro).filePath(nome)));
        messaggi_.asked.clear();
    }

    void switchingOnShowsTheCodeOnceThenAsksThePassword() {
        QDir(cartelle().registro).removeRecursively();
        auto s = sportello();
        PannelloAttivazione* a = s->attivazione();
        a->Nomi->setPlainText(QStringLiteral(" Carla \n\nDario\n"));
        a->Password->setText(password);
        a->Ripeti->setText(password + QLatin1Char('x'));
        a->BottoneAttiva->click();
        QVERIFY(a->Esito->text().contains(QStringLiteral("non sono uguali")));
        QVERIFY(!QFile::exists(QDir(cartelle().registro).filePath(ChiaviRegistro::nomeFile())));

        a->Ripeti->setText(password);
        a->BottoneAttiva->click();
        QVERIFY(QRegularExpression(QStringLiteral("^([A-Z2-9]{4}-){5}[A-Z2-9]{4}$"))
                    .match(a->Codice->text())
                    .hasMatch());
        QVERIFY(a->Password->text().isEmpty());
        a->BottoneFatto->click();
        PaginaRegistro* p = apri(*s);
        QVERIFY(p);
        QCOMPARE(p->griglia().rowCount(), 2);
    }

    void onlyThePasswordOpensAndGuessesAreSlowed() {
        auto s = sportello();
        for (int i = 0; i < 3; ++i) {
            QVERIFY(!apri(*s, QStringLiteral("sbagliata%1").arg(i)));
            QVERIFY(s->apertura()->Esito->text().contains(QStringLiteral("non è giusta")));
        }
        QVERIFY(!apri(*s));
        QVERIFY(s->apertura()->Esito->text().contains(QStringLiteral("Troppi tentativi")));
        orologio_.advance(60'000);
        PaginaRegistro* p = apri(*s);
        QVERIFY(p);
        QCOMPARE(alunni(*p), (QStringList{"Anna", "Bruno"}));
        QVERIFY(s->apertura()->Password->text().isEmpty());
    }

    void theRecoveryCodeSetsANewPassword() {
        auto s = sportello();
        PannelloApertura* a = s->apertura();
        a->Codice->setText(codice_.toLower().replace(QLatin1Char('-'), QLatin1Char(' ')));
        a->Nuova->setText(QStringLiteral("gesso-bianco"));
        a->Ripeti->setText(QStringLiteral("gesso-bianco"));
        a->BottoneCambia->click();
        QVERIFY(s->registro());
        s->chiudi();
        QVERIFY(!s->registro());
        QVERIFY(!apri(*s));
        QVERIFY(apri(*s, QStringLiteral("gesso-bianco")));
    }

    void erasingAPupilAsksOnceAndIsFinal() {
        auto s = sportello();
        PaginaRegistro* p = apri(*s);
        QVERIFY(p);
        p->BottoneCancella->click();
        PannelloCancellazione* c = s->cancellazione();
        QVERIFY(c);
        c->Alunno->setCurrentText(QStringLiteral("Anna"));
        c->BottoneAlunno->click(); // unscripted: No
        QCOMPARE(messaggi_.asked.size(), 1);
        QVERIFY(messaggi_.asked[0].text.contains(QStringLiteral("tutte le risposte di Anna")));
        messaggi_.answer(Answer::Yes);
        c->BottoneAlunno->click();
        QCOMPARE(messaggi_.asked.size(), 2);
        QVERIFY(s->registro());
        QCOMPARE(alunni(*s->registro()), QStringList{"Bruno"});
        s->chiudi();
        QCOMPARE(alunni(*apri(*sportello())), QStringList{"Bruno"});
    }
};

VORTELIA_TEST_MAIN(tst_SportelloRegistro)
#include "tst_SportelloRegistro.moc"

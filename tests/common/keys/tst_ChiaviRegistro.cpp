// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's keys file: made for a class, opened with the password or the
// recovery code however typed, given a new password or class, and refused
// with its reason when damaged, swapped or made to cost too much to open.
#include "common/keys/ChiaviRegistro.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <sodium.h>

namespace {

const QString password = QStringLiteral("gatto-sul-tetto");

// A message sealed for `pubblica` opens with the key pair: the keys work.
bool sigillaEApre(const ChiavePrivata& chiave) {
    const QByteArray messaggio("risposta");
    QByteArray sigillato(messaggio.size() + crypto_box_SEALBYTES, Qt::Uninitialized);
    QByteArray aperto(messaggio.size(), Qt::Uninitialized);
    const auto u = [](QByteArray& b) { return reinterpret_cast<unsigned char*>(b.data()); };
    const auto c = [](const QByteArray& b) {
        return reinterpret_cast<const unsigned char*>(b.constData());
    };
    crypto_box_seal(u(sigillato), c(messaggio), quint64(messaggio.size()), c(chiave.pubblica()));
    return crypto_box_seal_open(u(aperto), c(sigillato), quint64(sigillato.size()),
                                c(chiave.pubblica()), c(chiave.privata())) == 0 &&
           aperto == messaggio;
}

ChiavePrivata altraCoppia() {
    QByteArray pubblica(32, 0), privata(32, 0);
    crypto_box_keypair(reinterpret_cast<unsigned char*>(pubblica.data()),
                       reinterpret_cast<unsigned char*>(privata.data()));
    return {pubblica, privata};
}

QByteArray cambiato(const QByteArray& file, const std::function<void(QJsonObject&)>& cambia) {
    QJsonObject radice = QJsonDocument::fromJson(file).object();
    cambia(radice);
    return QJsonDocument(radice).toJson();
}

} // namespace

class tst_ChiaviRegistro : public QObject {
    Q_OBJECT

    // One key pair for all: each making or opening costs Argon2's time.
    ChiaviRegistro::Attivazione attivazione_;

private slots:
    void initTestCase() {
        QVERIFY(sodium_init() >= 0);
        attivazione_ = ChiaviRegistro::crea({"Anna", " Luca ", "Marco"}, password);
        QVERIFY2(attivazione_.errore.isEmpty(), qPrintable(attivazione_.errore));
    }

    void aPupilsPcReadsTheClassAndThePublicKeyOnly() {
        QString errore;
        const auto pubbliche = ChiaviRegistro::leggiPubbliche(attivazione_.file, &errore);
        QVERIFY2(pubbliche, qPrintable(errore));
        QCOMPARE(pubbliche->classe, QStringList({"Anna", "Luca", "Marco"}));
        QCOMPARE(pubbliche->pubblica.size(), ChiavePrivata::lunghezza);
    }

    void thePasswordOpensTheKeyPair() {
        QString errore;
        const ChiavePrivata chiave = ChiaviRegistro::apri(attivazione_.file, password, &errore);
        QVERIFY2(chiave.valida(), qPrintable(errore));
        QVERIFY(sigillaEApre(chiave));
        QVERIFY(!attivazione_.file.contains(chiave.privata().toBase64()));
    }

    void aWrongPasswordIsRefused() {
        QString errore;
        QVERIFY(!ChiaviRegistro::apri(attivazione_.file, "gatto-sul-tett0", &errore).valida());
        QCOMPARE(errore, "La password non è giusta.");
    }

    void theRecoveryCodeOpensTypedInLowerCaseWithBlanks() {
        const QString digitato = attivazione_.codiceRecupero.toLower().replace(u'-', u' ');
        QString errore;
        const ChiavePrivata chiave =
            ChiaviRegistro::apriConCodice(attivazione_.file, digitato, &errore);
        QVERIFY2(chiave.valida(), qPrintable(errore));
        QVERIFY(sigillaEApre(chiave));
        QVERIFY(!ChiaviRegistro::apriConCodice(attivazione_.file, "ABCD", &errore).valida());
        QVERIFY(errore.contains("24"));
    }

    void aNewPasswordReplacesTheOld() {
        QString errore;
        const ChiavePrivata chiave =
            ChiaviRegistro::apriConCodice(attivazione_.file, attivazione_.codiceRecupero, &errore);
        const QByteArray nuovo = ChiaviRegistro::conNuovaPassword(attivazione_.file, chiave,
                                                                  "cane-in-giardino", &errore);
        QVERIFY2(!nuovo.isEmpty(), qPrintable(errore));
        QVERIFY(!ChiaviRegistro::apri(nuovo, password, &errore).valida());
        const ChiavePrivata riaperta = ChiaviRegistro::apri(nuovo, "cane-in-giardino", &errore);
        QVERIFY2(riaperta.valida(), qPrintable(errore));
        QCOMPARE(riaperta.privata(), chiave.privata());
        QVERIFY(ChiaviRegistro::conNuovaPassword(attivazione_.file, chiave, "corta", &errore)
                    .isEmpty());
        QVERIFY(errore.contains("almeno 8"));
    }

    void anotherFilesKeyGetsNoNewPassword() {
        QString errore;
        QVERIFY(ChiaviRegistro::conNuovaPassword(attivazione_.file, altraCoppia(),
                                                 "cane-in-giardino", &errore)
                    .isEmpty());
        QVERIFY(errore.contains("non è quella"));
    }

    void aNewClassKeepsTheKeys() {
        QString errore;
        const QByteArray nuovo =
            ChiaviRegistro::conClasse(attivazione_.file, {"Zoe", "Ugo"}, &errore);
        QVERIFY2(!nuovo.isEmpty(), qPrintable(errore));
        const auto prima = ChiaviRegistro::leggiPubbliche(attivazione_.file);
        const auto dopo = ChiaviRegistro::leggiPubbliche(nuovo);
        QCOMPARE(dopo->classe, QStringList({"Zoe", "Ugo"}));
        QCOMPARE(dopo->pubblica, prima->pubblica);
        QVERIFY(ChiaviRegistro::conClasse(attivazione_.file, {"Zoe", "zoe"}, &errore).isEmpty());
        QVERIFY(errore.contains("stesso nome"));
    }

    void aBadClassOrShortPasswordMakesNoKeys() {
        QVERIFY(ChiaviRegistro::crea({"Anna", "ANNA"}, password).errore.contains("stesso nome"));
        QVERIFY(ChiaviRegistro::crea({}, password).errore.contains("nessun nome"));
        const auto corta = ChiaviRegistro::crea({"Anna"}, "1234567");
        QVERIFY(corta.errore.contains("almeno 8"));
        QVERIFY(corta.file.isEmpty());
    }

    void anUnfitFileIsRefusedWithItsReason_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("motivo");
        const QByteArray buono = attivazione_.file;
        const auto costo = [&](const char* copia, const char* campo, double valore) {
            return cambiato(buono, [=](QJsonObject& r) {
                QJsonObject c = r.value(copia).toObject();
                c[campo] = valore;
                r[copia] = c;
            });
        };
        QTest::newRow("not JSON") << QByteArray("{\"formato\": ") << "non è un file delle chiavi";
        QTest::newRow("another program's")
            << QByteArray("{\"name\": \"x\", \"version\": 1}") << "non è un file delle chiavi";
        QTest::newRow("over 1 MB")
            << buono + QByteArray(1024 * 1024, ' ') << "non è un file delle chiavi";
        QTest::newRow("later version")
            << cambiato(buono, [](QJsonObject& r) { r["versione"] = 2; }) << "più nuova";
        QTest::newRow("short public key")
            << cambiato(buono, [](QJsonObject& r) { r["pubblica"] = "AAAA"; }) << "rovinato";
        QTest::newRow("a name twice") << cambiato(buono, [](QJsonObject& r) {
            r["classe"] = QJsonArray{"Ugo", "ugo"};
        }) << "rovinato";
        QTest::newRow("no code copy")
            << cambiato(buono, [](QJsonObject& r) { r.remove("conCodice"); }) << "rovinato";
        QTest::newRow("8 GiB of memory")
            << costo("conPassword", "memoria", 8.0 * (1 << 30)) << "fuori misura";
        QTest::newRow("1000 passes") << costo("conCodice", "operazioni", 1000) << "fuori misura";
        QTest::newRow("half a pass") << costo("conPassword", "operazioni", 2.5) << "fuori misura";
    }

    // Refused before any key is stretched: a hostile file costs nothing.
    void anUnfitFileIsRefusedWithItsReason() {
        QFETCH(QByteArray, file);
        QFETCH(QString, motivo);
        QString errore;
        QVERIFY(!ChiaviRegistro::leggiPubbliche(file, &errore));
        QVERIFY2(errore.contains(motivo), qPrintable(errore));
        errore.clear();
        QVERIFY(!ChiaviRegistro::apri(file, password, &errore).valida());
        QVERIFY2(errore.contains(motivo), qPrintable(errore));
    }

    void anotherPublicKeyInTheFileIsDamage() {
        const QByteArray scambiato = cambiato(attivazione_.file, [](QJsonObject& r) {
            r["pubblica"] = QString::fromLatin1(altraCoppia().pubblica().toBase64());
        });
        QVERIFY(ChiaviRegistro::leggiPubbliche(scambiato));
        QString errore;
        QVERIFY(!ChiaviRegistro::apri(scambiato, password, &errore).valida());
        QVERIFY2(errore.contains("rovinato"), qPrintable(errore));
    }
};

QTEST_GUILESS_MAIN(tst_ChiaviRegistro)
#include "tst_ChiaviRegistro.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the class record's tests share: a local folder and, for a lab, a
// record's folder beside it, a teacher's key pair, and entries whose every
// field differs from the next one's.

#include "doubles/ManualClock.h"
#include "doubles/RecordingAnnotazione.h"

#include "common/record/CartelleRegistro.h"
#include "common/record/ChiavePrivata.h"
#include "common/record/ChiaviPubbliche.h"
#include "common/record/LetturaRegistro.h"
#include "common/record/RegistroClasse.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sodium.h>

#include <algorithm>

namespace RegistroDiProva {

inline const QString segreto = QStringLiteral("Ludovica Segretissima");
inline const QString finestraSegreta = QStringLiteral("FormEsNascosta");

// Entry i of a test: its time unique and out of order, so that reading sorts.
inline VoceRegistro voce(int i, const QString& alunno = segreto) {
    VoceRegistro v;
    v.tipo = i % 7 == 3 ? VoceRegistro::Tipo::Inizio : VoceRegistro::Tipo::Risposta;
    v.quando = 1'765'000'000'000 + (qint64(i) * 7919 % 10007) * 1000;
    v.alunno = QStringLiteral("%1 %2").arg(alunno).arg(i % 5);
    v.finestra = finestraSegreta + QString::number(i % 15 + 1);
    v.lettera = QChar(u'a' + i % 26);
    v.figuraClasse = i % 3 == 0;
    v.mostrato = QStringLiteral("rotazione di 90° n. %1").arg(i);
    v.scelto = QString::number(i % 4 + 1);
    v.giusta = i % 2 == 0;
    v.primoTentativo = i % 3 != 1;
    v.millisecondi = 1000 + i;
    return v;
}

inline QList<VoceRegistro> perTempo(QList<VoceRegistro> voci) {
    std::stable_sort(voci.begin(), voci.end(), [](const VoceRegistro& a, const VoceRegistro& b) {
        return a.quando < b.quando;
    });
    return voci;
}

// The numbers i whose entries were read.
inline QList<int> numeri(const QList<VoceRegistro>& voci) {
    QList<int> n;
    for (const VoceRegistro& v : voci)
        n << v.millisecondi - 1000;
    std::sort(n.begin(), n.end());
    return n;
}

inline QList<int> daA(int primo, int ultimo) {
    QList<int> n;
    for (int i = primo; i <= ultimo; ++i)
        n << i;
    return n;
}

struct Aula {
    QTemporaryDir radice;
    CartelleRegistro cartelle;
    QByteArray pubblica, privata;
    ManualClock orologio;
    QStringList classe{QStringLiteral("Anna"), QStringLiteral("Luca")};

    explicit Aula(bool condivisa = true) {
        cartelle.locale = radice.filePath(QStringLiteral("locale"));
        cartelle.registro =
            condivisa ? radice.filePath(QStringLiteral("registro")) : cartelle.locale;
        QDir().mkpath(cartelle.locale);
        QDir().mkpath(cartelle.registro);
        // The keys live in the record's folder: that tells the share is there.
        QFile chiavi(QDir(cartelle.registro).filePath(QStringLiteral("chiavi.json")));
        chiavi.open(QIODevice::WriteOnly);
        chiavi.write("{}");
        pubblica.resize(32);
        privata.resize(32);
        if (sodium_init() < 0 ||
            crypto_box_keypair(reinterpret_cast<unsigned char*>(pubblica.data()),
                               reinterpret_cast<unsigned char*>(privata.data())) != 0)
            qFatal("no key pair");
    }

    QString risposte() const {
        return QDir(cartelle.registro).filePath(QStringLiteral("risposte"));
    }
    ChiaviPubbliche chiavi() const { return {pubblica, classe}; }
    ChiavePrivata chiave() const { return ChiavePrivata(pubblica, privata); }

    std::unique_ptr<RegistroClasse> apri(const CartelleRegistro& altre) {
        QString avviso;
        auto r = RegistroClasse::apri(altre, chiavi(), orologio, &avviso);
        if (!r)
            qWarning("%s", qPrintable(avviso));
        return r;
    }
    std::unique_ptr<RegistroClasse> apri() { return apri(cartelle); }

    LetturaRegistro leggi(const CartelleRegistro& altre) const {
        return LetturaRegistro::leggi(altre, chiave(), classe);
    }
    LetturaRegistro leggi() const { return leggi(cartelle); }

    // Writes entries primo..ultimo and waits until they are stored.
    void annota(RegistroClasse& r, int primo, int ultimo) {
        for (int i = primo; i <= ultimo; ++i)
            r.annota(voce(i));
    }
};

} // namespace RegistroDiProva

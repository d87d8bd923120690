// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordRows.h"

#include "BenchServices.h"

#include "support/VociDiProva.h"

#include "app/teacher/record/PaginaAlunnoRegistro.h"
#include "app/teacher/record/PaginaRegistro.h"
#include "common/platform/services/Clock.h"
#include "common/record/ChiavePrivata.h"
#include "common/record/ChiaviPubbliche.h"
#include "common/record/CopiaLaboratorio.h"
#include "common/record/FileVoci.h"
#include "common/record/FormatoVoce.h"
#include "common/record/LetturaRegistro.h"
#include "common/record/RegistroClasse.h"
#include "common/record/SigilloCorsa.h"
#include "common/reports/RiepilogoClasse.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sodium.h>

namespace Bench {

namespace {

// The least any count does: every answer looked at once, its pupil
// compared.
int barePass(const QList<VoceRegistro>& voci, const QString& alunno) {
    int n = 0;
    for (const VoceRegistro& v : voci)
        n += v.alunno == alunno && v.giusta;
    return n;
}

// The teacher's key pair, made afresh.
ChiavePrivata nuovaChiave() {
    QByteArray pubblica(32, Qt::Uninitialized), privata(32, Qt::Uninitialized);
    if (sodium_init() < 0 ||
        crypto_box_keypair(reinterpret_cast<unsigned char*>(pubblica.data()),
                           reinterpret_cast<unsigned char*>(privata.data())) != 0)
        qFatal("no key pair");
    return ChiavePrivata(pubblica, privata);
}

// The lab's folder as 30 PCs leave it, one pupil at each: a run and a file
// of sealed entries each.
void scriviCopie(const QString& registro, QList<VoceRegistro> voci, const QStringList& classe,
                 const QByteArray& pubblica) {
    QDir().mkpath(CopiaLaboratorio::cartella(registro));
    std::vector<SigilloCorsa> corse;
    QList<QByteArray> file;
    QList<quint64> numeri(classe.size(), 0);
    for (qsizetype i = 0; i < classe.size(); ++i) {
        corse.push_back(*SigilloCorsa::nuovo(pubblica));
        file << FileVoci::intestazione(corse.back().corsa(), corse.back().sigillo());
    }
    for (qsizetype i = 0; i < voci.size(); ++i) {
        VoceRegistro& v = voci[i];
        // Random ids in the program; distinct ones here.
        v.id = QByteArray(16, '\0');
        memcpy(v.id.data(), &i, sizeof i);
        const qsizetype pc = classe.indexOf(v.alunno);
        const quint64 n = numeri[pc]++;
        file[pc] += FileVoci::record(n, corse[size_t(pc)].sigilla(n, FormatoVoce::scrivi(v)));
    }
    for (qsizetype i = 0; i < classe.size(); ++i) {
        QFile f(QDir(CopiaLaboratorio::cartella(registro))
                    .filePath(CopiaLaboratorio::nome(corse[size_t(i)].corsa(), 0)));
        f.open(QIODevice::WriteOnly);
        f.write(file[i]);
    }
    QFile chiavi(QDir(registro).filePath(QStringLiteral("chiavi.json")));
    chiavi.open(QIODevice::WriteOnly);
}

// What annota() adds on the user-interface thread, per entry, beside one
// unbuffered append of the same bytes to a file.
void benchAnnota(const Options& o, Table& table) {
    const QStringList classe = VociDiProva::trenta();
    const QList<VoceRegistro> voci = VociDiProva::annoDiTrenta(1);
    const ChiavePrivata chiave = nuovaChiave();
    QTemporaryDir radice;
    const CartelleRegistro cartelle{radice.filePath(QStringLiteral("locale")),
                                    radice.filePath(QStringLiteral("locale"))};
    SystemClock orologio;
    QString avviso;
    auto registro = RegistroClasse::apri(cartelle, {chiave.pubblica(), classe}, orologio, &avviso);
    QFile scritto(radice.filePath(QStringLiteral("scritto")));
    scritto.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
    const QByteArray record = FileVoci::record(0, FormatoVoce::scrivi(voci[0])) +
                              QByteArray(SigilloCorsa::aggiunta, '\0');
    constexpr int perCampione = 500;
    QList<double> annota, bare;
    for (int c = 0; c < o.checks * 3; ++c) {
        annota << microseconds([&] {
                      for (int i = 0; i < perCampione; ++i)
                          registro->annota(voci[(c * perCampione + i) % voci.size()]);
                  }) / perCampione;
        bare << microseconds([&] {
                    for (int i = 0; i < perCampione; ++i)
                        scritto.write(record);
                }) / perCampione;
        registro->attendi(10000);
    }
    table.add(measured(
        QStringLiteral("class record: annota() on the user-interface thread, per entry"),
        QStringLiteral("us"), annota, median(bare), QStringLiteral("< 100 us"), below(100)));
}

// The teacher's reading of a school year from 30 PCs' copies, and the grid
// counted from it.
void benchLettura(const Options& o, Table& table, const QList<VoceRegistro>& voci,
                  const QStringList& classe) {
    const ChiavePrivata chiave = nuovaChiave();
    QTemporaryDir radice;
    const CartelleRegistro cartelle{radice.filePath(QStringLiteral("locale")),
                                    radice.filePath(QStringLiteral("registro"))};
    scriviCopie(cartelle.registro, voci, classe, chiave.pubblica());
    const IntervalloDate anno =
        IntervalloDate::periodo(IntervalloDate::Periodo::AnnoScolastico, VociDiProva::oggi);
    QList<double> lettura, conGriglia, bare;
    volatile qsizetype seen = 0;
    for (int i = 0; i < o.checks; ++i) {
        LetturaRegistro letti;
        lettura << microseconds([&] { letti = LetturaRegistro::leggi(cartelle, chiave, classe); }) /
                       1000;
        if (letti.voci.size() != voci.size())
            qFatal("read %lld entries of %lld", qlonglong(letti.voci.size()),
                   qlonglong(voci.size()));
        conGriglia << lettura.last() +
                          microseconds([&] {
                              seen =
                                  seen +
                                  RiepilogoClasse::calcola(letti.voci, classe, anno).alunni.size();
                          }) / 1000;
        bare << microseconds([&] {
                    const QDir dir(CopiaLaboratorio::cartella(cartelle.registro));
                    for (const QString& nome : dir.entryList(QDir::Files)) {
                        QFile f(dir.filePath(nome));
                        f.open(QIODevice::ReadOnly);
                        seen = seen + f.readAll().size();
                    }
                }) / 1000;
    }
    const QString quante = QString::number(voci.size());
    table.add(
        measured(QStringLiteral("class record: %1 entries read from 30 PCs' files").arg(quante),
                 QStringLiteral("ms"), lettura, median(bare), QString(), {}));
    table.add(measured(
        QStringLiteral("class record: %1 entries read from 30 PCs' files, then the grid")
            .arg(quante),
        QStringLiteral("ms"), conGriglia, median(bare), QStringLiteral("< 1000 ms"), below(1000)));
}

} // namespace

void benchRecord(const Options& o, Table& table) {
    using namespace VociDiProva;
    // 280 answers a school day for each of 30 pupils, 1 September to 10
    // December: some 600,000.
    const QList<VoceRegistro> voci = annoDiTrenta(280);
    const QStringList classe = trenta();
    QList<double> grid, pupil, bare;
    volatile int seen = 0;
    for (int i = 0; i < o.checks; ++i) {
        PaginaRegistro* pagina = nullptr;
        grid << microseconds([&] {
                    pagina = new PaginaRegistro(voci, classe, {}, oggi);
                    pagina->Periodo->setCurrentIndex(int(IntervalloDate::Periodo::AnnoScolastico));
                }) / 1000;
        pupil << microseconds([&] { pagina->apriAlunno(classe[int(i) % 30]); }) / 1000;
        delete pagina;
        bare << microseconds([&] { seen = seen + barePass(voci, classe[int(i) % 30]); }) / 1000;
    }
    const QString quante = QString::number(voci.size());
    table.add(measured(
        QStringLiteral("class record grid, %1 answers of 30 pupils, a school year").arg(quante),
        QStringLiteral("ms"), grid, median(bare), QStringLiteral("< 500 ms"), below(500)));
    table.add(measured(QStringLiteral("a pupil's record page from %1 answers").arg(quante),
                       QStringLiteral("ms"), pupil, median(bare), QStringLiteral("< 200 ms"),
                       below(200)));
    benchAnnota(o, table);
    benchLettura(o, table, voci, classe);
}

} // namespace Bench

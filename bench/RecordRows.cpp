// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordRows.h"

#include "BenchServices.h"

#include "support/VociDiProva.h"

#include "app/teacher/PaginaAlunnoRegistro.h"
#include "app/teacher/PaginaRegistro.h"

#include <QComboBox>

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
}

} // namespace Bench

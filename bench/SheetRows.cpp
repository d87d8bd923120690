// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetRows.h"

#include "common/worksheets/Schede.h"

#include <QImageReader>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

namespace Bench {

namespace {

// Every family, 20 exercises in all, as a teacher's check might have them.
RichiestaScheda foglio(quint64 seme) {
    RichiestaScheda r;
    r.esercizi = {{FinestraId::FormEs2, 4}, {FinestraId::FormEs3, 3},  {FinestraId::FormEs4, 3},
                  {FinestraId::FormEs8, 3}, {FinestraId::FormEs11, 3}, {FinestraId::FormEs1, 2},
                  {FinestraId::FormEs14, 2}};
    r.versioni = 2;
    r.seme = seme;
    return r;
}

// Plain Qt: as many full-size views read and drawn on 14 A4 pages of a PDF.
void bareSheet(const QString& folder, const QString& pdf) {
    QPdfWriter writer(pdf);
    writer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter(&writer);
    const int side = writer.width() / 9;
    for (int n = 0; n < 2 * 20 * 8; ++n) {
        if (n > 0 && n % 24 == 0)
            writer.newPage();
        const QImage image = QImageReader(jpg(folder, n / 8 % 26, n % 8 + 1)).read();
        painter.drawImage(QRect((n % 8) * side, (n % 24) / 8 * side * 2, side, side), image);
    }
}

} // namespace

void benchWorksheet(const Options& o, Table& table, Services& s) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("scheda.pdf"));
    QList<double> sheet, bare;
    for (int i = 0; i < o.checks; ++i) {
        sheet << microseconds([&] {
                     Schede::scrivi(pdf, foglio(quint64(i)), FontiScheda{s.folder, {}});
                 }) / 1000;
        bare << microseconds([&] { bareSheet(s.folder, pdf); }) / 1000;
    }
    table.add(measured(QStringLiteral("worksheet, 20 exercises x 2 versions and keys, to PDF"),
                       QStringLiteral("ms"), sheet, median(bare), QStringLiteral("< 3000 ms"),
                       below(3000)));
}

} // namespace Bench

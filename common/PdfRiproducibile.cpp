// SPDX-License-Identifier: GPL-3.0-or-later
#include "PdfRiproducibile.h"

#include <QMarginsF>
#include <QPdfWriter>

namespace PdfRiproducibile {

void imposta(QPdfWriter& scrittore, const QString& titolo, int margine,
             QPageLayout::Orientation verso) {
    const double mm = margine / 10.0;
    scrittore.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), verso, QMarginsF(mm, mm, mm, mm),
                                        QPageLayout::Millimeter));
    scrittore.setResolution(1200);
    scrittore.setCreator(QStringLiteral("Vortelia"));
    scrittore.setTitle(titolo);
}

QByteArray senzaData(QByteArray documento) {
    static const QByteArray chiave = "/CreationDate (";
    const qsizetype inizio = documento.indexOf(chiave);
    if (inizio < 0)
        return documento;
    const qsizetype da = inizio + chiave.size();
    const qsizetype fine = documento.indexOf(')', da);
    if (fine < 0)
        return documento;
    // D:YYYYMMDDHHmmSS and then Z, or an offset from UTC such as +01'00'.
    QByteArray fissa = "D:20000101000000";
    const qsizetype resto = fine - da - fissa.size();
    fissa += resto == 7 ? QByteArray("+00'00'") : QByteArray(std::max<qsizetype>(resto, 0), 'Z');
    if (fissa.size() == fine - da)
        documento.replace(da, fissa.size(), fissa);
    return documento;
}

} // namespace PdfRiproducibile

// SPDX-License-Identifier: GPL-3.0-or-later
// A PDF's date of making is fixed without moving a byte after it.
#include "common/PdfRiproducibile.h"

#include <QtTest>

class tst_PdfRiproducibile : public QObject {
    Q_OBJECT

private slots:
    void theCreationDateIsFixedWithoutMovingAByte() {
        const QByteArray a = "<< /CreationDate (D:20261210081144Z) >>";
        const QByteArray b = "<< /CreationDate (D:20240101120000+01'00') >>";
        QCOMPARE(PdfRiproducibile::senzaData(a),
                 QByteArray("<< /CreationDate (D:20000101000000Z) >>"));
        QCOMPARE(PdfRiproducibile::senzaData(b).size(), b.size());
        QCOMPARE(PdfRiproducibile::senzaData(b),
                 PdfRiproducibile::senzaData("<< /CreationDate (D:20991231235959-05'00') >>"));
    }
};

QTEST_GUILESS_MAIN(tst_PdfRiproducibile)
#include "tst_PdfRiproducibile.moc"

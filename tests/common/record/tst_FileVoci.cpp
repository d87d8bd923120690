// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/record/FileVoci.h"

#include <QTest>

using Esito = FileVoci::Letto::Esito;

class TestFileVoci : public QObject {
    Q_OBJECT

private slots:
    void iLimitiDelFormato_data();
    void iLimitiDelFormato();
};

void TestFileVoci::iLimitiDelFormato_data() {
    QTest::addColumn<QByteArray>("byte");
    QTest::addColumn<Esito>("esito");
    QTest::addColumn<int>("record");
    QTest::addColumn<bool>("troncato");
    const QByteArray testa = FileVoci::intestazione(QByteArray(16, 'r'), QByteArray(80, 's'));
    QByteArray tre = testa;
    for (quint64 n = 0; n < 3; ++n)
        tre += FileVoci::record(n, QByteArray(40, char('a' + n)));
    const QByteArray lungo = FileVoci::record(3, QByteArray(FileVoci::massimoRecord + 1, 'x'));
    QTest::newRow("intero") << tre << Esito::Buono << 3 << false;
    QTest::newRow("l'ultimo a metà")
        << tre + FileVoci::record(3, QByteArray(40, 'd')).left(30) << Esito::Buono << 3 << true;
    QTest::newRow("la testa dell'ultimo a metà")
        << tre + QByteArray(5, '\0') << Esito::Buono << 3 << true;
    QTest::newRow("un record troppo lungo") << tre + lungo << Esito::Danneggiato << 3 << false;
    QByteArray altro = tre;
    altro[3] = '2';
    QTest::newRow("un altro formato") << altro << Esito::Estraneo << 0 << false;
    QTest::newRow("solo mezza testa") << testa.left(60) << Esito::Estraneo << 0 << false;
    QTest::newRow("troppo grande")
        << tre + QByteArray(FileVoci::massimoFile, '\0') << Esito::Troppo << 0 << false;
}

// A file cut short loses only its last record; one past the limits, or of
// another format, is refused.
void TestFileVoci::iLimitiDelFormato() {
    QFETCH(QByteArray, byte);
    QFETCH(Esito, esito);
    QFETCH(int, record);
    QFETCH(bool, troncato);
    const FileVoci::Letto l = FileVoci::leggi(byte);
    QCOMPARE(l.esito, esito);
    QCOMPARE(l.record.size(), record);
    QCOMPARE(l.troncato, troncato);
    for (int n = 0; n < record; ++n) {
        QCOMPARE(l.record[n].n, quint64(n));
        QCOMPARE(l.record[n].cifrato.toByteArray(), QByteArray(40, char('a' + n)));
    }
}

QTEST_GUILESS_MAIN(TestFileVoci)

#include "tst_FileVoci.moc"

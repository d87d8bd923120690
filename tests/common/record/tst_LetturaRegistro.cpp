// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/record/RegistroDiProva.h"

#include "common/record/CopiaLaboratorio.h"
#include "common/record/FileVoci.h"

#include <sys/stat.h>

using namespace RegistroDiProva;

class TestLetturaRegistro : public QObject {
    Q_OBJECT

private slots:
    void iFileEstraneiSonoSaltatiConUnaNota();
};

// In the lab's folder, beside the good files of ten entries: whatever else
// lies there is left out, each with a note naming it, and the reading never
// waits on a FIFO.
void TestLetturaRegistro::iFileEstraneiSonoSaltatiConUnaNota() {
    Aula aula;
    {
        auto registro = aula.apri();
        aula.annota(*registro, 0, 9);
        QVERIFY(registro->attendi(10000));
    }
    const QDir risposte(aula.risposte());
    // One file or more: the writer copies what has come so far each time.
    const QStringList buoni = risposte.entryList(QDir::Files);
    QVERIFY(!buoni.isEmpty());
    QFile buono(risposte.filePath(buoni[0]));
    QVERIFY(buono.open(QIODevice::ReadOnly));
    const QByteArray byte = buono.readAll();
    const QByteArray corsa = byte.mid(4, 16);
    const auto scrivi = [&](const QString& nome, const QByteArray& contenuto) {
        QFile f(risposte.filePath(nome));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenuto);
    };
    const auto altra = [](char c) { return CopiaLaboratorio::nome(QByteArray(16, c), 0); };
    QStringList estranei;
    estranei << QStringLiteral(".%1.tmp-1a2b3c").arg(buoni[0]);
    scrivi(estranei.last(), byte.left(50));
    estranei << altra('\x01');
    scrivi(estranei.last(), QByteArrayLiteral("%PDF-1.4 un altro programma, non il registro: ") +
                                QByteArray(200, ' '));
    estranei << altra('\x02');
    scrivi(estranei.last(), FileVoci::intestazione(QByteArray(16, '\x02'), QByteArray(80, '\x07')) +
                                FileVoci::record(0, QByteArray(60, 'x')));
    estranei << CopiaLaboratorio::nome(corsa, 0x10);
    QByteArray danneggiato = byte;
    danneggiato[danneggiato.size() - 1] = char(danneggiato.back() ^ 0x20);
    scrivi(estranei.last(), danneggiato);
    estranei << altra('\x03');
    scrivi(estranei.last(), byte);
    QVERIFY(QFile(risposte.filePath(estranei.last())).resize(FileVoci::massimoFile + 1));
    estranei << altra('\x04');
    QCOMPARE(::mkfifo(QFile::encodeName(risposte.filePath(estranei.last())).constData(), 0644), 0);
    estranei << altra('\x05');
    QVERIFY(QFile::link(buono.fileName(), risposte.filePath(estranei.last())));
    estranei << QStringLiteral("appunti.txt");
    scrivi(estranei.last(), QByteArrayLiteral("da ricordare"));

    const LetturaRegistro lettura = aula.leggi();
    QCOMPARE(numeri(lettura.voci), daA(0, 9));
    QCOMPARE(lettura.note.size(), estranei.size());
    for (const QString& nome : estranei)
        QVERIFY2(lettura.note.filter(QStringLiteral("«%1»").arg(nome)).size() == 1,
                 qPrintable(nome + QLatin1Char('\n') + lettura.note.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestLetturaRegistro)

#include "tst_LetturaRegistro.moc"

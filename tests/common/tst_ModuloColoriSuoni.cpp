// SPDX-License-Identifier: GPL-3.0-or-later
// The answer sounds: one of four applauses, or the wrong-answer sound.

#include "support/TestBench.h"
#include "support/TestMain.h"

#include "common/ModuloColoriSuoni.h"

#include <QFileInfo>
#include <QtTest>

class tst_ModuloColoriSuoni : public QObject {
    Q_OBJECT

private slots:
    void suonoEsattoPicksOneOfFour() {
        const QString folder = QStringLiteral(VORTELIA_APP_DIR);
        for (int k = 1; k <= 4; ++k) {
            TestBench bench;
            bench.rnd.scriptDraws({{k - 1, 4}});
            ModuloColoriSuoni::SuonoEsatto(bench.ctx());
            QCOMPARE(bench.rnd.taken(), 1);
            QCOMPARE(bench.suoni.played,
                     QStringList{folder + QStringLiteral("/suoni/si%1.wav").arg(k)});
        }
        TestBench bench;
        bench.rnd.script({ScriptedRandom::justBelowOne});
        ModuloColoriSuoni::SuonoEsatto(bench.ctx());
        QCOMPARE(bench.suoni.played, QStringList{folder + QStringLiteral("/suoni/si4.wav")});
    }

    void suonoErratoTakesNoValue() {
        TestBench bench;
        ModuloColoriSuoni::SuonoErrato(bench.ctx());
        QCOMPARE(bench.rnd.taken(), 0);
        QCOMPARE(bench.suoni.played, QStringList{QStringLiteral(VORTELIA_APP_DIR "/suoni/no.wav")});
    }

    void soundFilesExist() {
        const QStringList paths =
            ModuloColoriSuoni::percorsiSuoni(QStringLiteral(VORTELIA_APP_DIR));
        QCOMPARE(paths.size(), 5);
        for (const QString& path : paths)
            QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
    }
};

VORTELIA_TEST_MAIN(tst_ModuloColoriSuoni)
#include "tst_ModuloColoriSuoni.moc"

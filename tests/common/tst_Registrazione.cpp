// SPDX-License-Identifier: GPL-3.0-or-later
// Who plays, for the class record: nothing handed on with the record off or
// before a pupil is chosen; a start and an end for each pupil, dated and
// signed; a record with no names is as off, and says so once.

#include "doubles/ManualClock.h"
#include "doubles/RecordingAnnotazione.h"
#include "support/TestMain.h"

#include "common/Registrazione.h"

#include <QtTest>

namespace {

VoceRegistro voce(VoceRegistro::Tipo tipo, qint64 quando, const QString& alunno) {
    VoceRegistro v;
    v.tipo = tipo;
    v.quando = quando;
    v.alunno = alunno;
    return v;
}

} // namespace

class tst_Registrazione : public QObject {
    Q_OBJECT

    ManualClock orologio;
    RecordingAnnotazione registro;

private slots:
    void init() { registro.voci.clear(); }

    void offHandsNothing() {
        Registrazione spento({}, orologio);
        QVERIFY(!spento.chiedeAlunno());
        spento.inizia("Anna");
        spento.annota({});
        spento.finisci();
        QVERIFY(!spento.attiva());
        QVERIFY(registro.voci.isEmpty());
    }

    void aStartAndAnEndForEachPupil() {
        Registrazione acceso({&registro, {"Anna", "Bruno"}}, orologio);
        QVERIFY(acceso.chiedeAlunno());
        acceso.annota({}); // nobody chosen yet
        QVERIFY(registro.voci.isEmpty());
        acceso.inizia("Anna");
        orologio.advance(1000);
        acceso.inizia("Bruno"); // Anna's turn ends with it
        orologio.advance(1000);
        acceso.finisci();
        acceso.finisci();
        const qint64 t = orologio.utc;
        using T = VoceRegistro::Tipo;
        QCOMPARE(
            registro.voci,
            (QList<VoceRegistro>{voce(T::Inizio, t - 2000, "Anna"), voce(T::Fine, t - 1000, "Anna"),
                                 voce(T::Inizio, t - 1000, "Bruno"), voce(T::Fine, t, "Bruno")}));
        QVERIFY(!acceso.attiva());
    }

    void noNamesIsAsOff() {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("elenco della classe"));
        Registrazione vuoto({&registro, {}}, orologio);
        QVERIFY(!vuoto.chiedeAlunno());
        vuoto.inizia("Anna");
        QVERIFY(registro.voci.isEmpty());
    }
};

VORTELIA_TEST_MAIN(tst_Registrazione)
#include "tst_Registrazione.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// One pupil at one lab PC, for the lab's end-to-end test: the pupils'
// program with this PC's settings and class record, as main() connects
// them, played offscreen by a pupil who looks at the pictures. It prints a
// line per answer once the window has judged it, "FormEs6;3;giusta", so
// that the test knows every answer whose face the pupil saw.
//
// Usage: lab_pupil NAME ANSWERS   (0: start, copy what waits, end; -1: play
//        until killed)
#include "support/Pupil.h"
#include "support/TestBench.h"

#include "app/RegistroDelSistema.h"
#include "common/frame/FinestraEsercizio.h"
#include "common/platform/services/Clock.h"
#include "common/platform/widgets/PictureButton.h"
#include "common/record/RegistroClasse.h"
#include "common/settings/LetturaImpostazioni.h"

#include <QApplication>
#include <QDateTime>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

int gioca(TestBench& bench, int risposte, QTextStream& out) {
    if (risposte < 0)
        risposte = std::numeric_limits<int>::max();
    int data = 0;
    for (int giro = 0; data < risposte; ++giro) {
        const int numero = giro % 15 + 1;
        auto* w = bench.open<FinestraEsercizio>(formEs(numero));
        if (!w || !Pupil::waitForExercise(w))
            return 3;
        // The build windows take three right clicks an exercise: passed over.
        if (Pupil::picksPerExercise(w) != 1)
            continue;
        for (int esercizio = 0; esercizio < 3 && data < risposte; ++esercizio) {
            // Every other exercise starts with a wrong answer.
            QList<QWidget*> clic;
            if (QWidget* sbagliata = Pupil::wrongAnswer(w); sbagliata && esercizio % 2 == 0)
                clic << sbagliata;
            clic << Pupil::rightAnswers(w).value(0);
            for (QWidget* c : std::as_const(clic)) {
                if (!c || data >= risposte)
                    return c ? 0 : 3;
                // Each answer a moment of its own: the record sorts by them.
                bench.orologio.utc =
                    std::max(bench.orologio.utc + 1, QDateTime::currentMSecsSinceEpoch());
                TestBench::click(c);
                out << "FormEs" << numero << ';' << Pupil::place(w, c) << ';'
                    << (c == clic.last() ? "giusta" : "sbagliata") << Qt::endl;
                ++data;
            }
            TestBench::click(w->BottoneAvanti);
            TestBench::flush();
        }
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList argomenti = QApplication::arguments();
    if (argomenti.size() != 3)
        return 2;
    QTextStream out(stdout), err(stderr);
    const SystemClock orologio;
    const RegistroDelSistema registro(leggiImpostazioni(FontiImpostazioni::delSistema()).valori,
                                      orologio, err);
    if (!registro.inUso().annotazione)
        return 4;
    int esito = 0;
    {
        TestBench bench(registro.inUso());
        bench.orologio.utc = orologio.utcMilliseconds();
        if (!bench.chiSei(argomenti[1]))
            return 5;
        esito = gioca(bench, argomenti[2].toInt(), out);
    }
    // What a program at its end waits for: the PC's database, then the share.
    static_cast<RegistroClasse*>(registro.inUso().annotazione)->attendi(10'000);
    return esito;
}

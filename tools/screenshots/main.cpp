// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the start window, the menu and every exercise window, each in the
// middle of an exercise, to PNG files: `screenshots <out-dir> [scale | WIDTHxHEIGHT]`
// (a display scale factor, or every window resized to that size).

#include "doubles/RecordingSoundPlayer.h"
#include "doubles/ScriptedMessageBox.h"
#include "support/Pupil.h"
#include "support/TestBench.h"

#include "app/CatalogoFinestre.h"
#include "app/Programma.h"
#include "common/frame/FinestraEsercizio.h"
#include "common/library/BibliotecaFigure.h"
#include "common/platform/services/ClockRandom.h"
#include "common/platform/widgets/ImageBox.h"
#include "exercises/rotation_build/FormaRotazione.h"
#include "exercises/rotation_find/TrovaRotazione.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

namespace {

// A pupil halfway through: one wrong answer in the find-the-rotation windows,
// the right one elsewhere, and in the build windows a pick of a fixed box and,
// unless that was right, one right pick already in the row.
void playAWhile(FinestraEsercizio* w) {
    if (qobject_cast<TrovaRotazione*>(w)) {
        TestBench::click(Pupil::wrongAnswer(w));
    } else if (auto* build = qobject_cast<FormaRotazione*>(w)) {
        // A fixed box: the pictures of every window show the same state.
        build->Image1_Click(build->Image1.back()->index() == 7 ? 4 : 0);
        if (build->ProssimaCasella == 1)
            TestBench::click(Pupil::rightAnswers(w).first());
    } else {
        TestBench::click(Pupil::rightAnswers(w).first());
    }
}

QString fileName(FinestraId id) {
    switch (id) {
    case FinestraId::FormAvvio:
        return QStringLiteral("FormAvvio");
    case FinestraId::FormMenu:
        return QStringLiteral("FormMenu");
    case FinestraId::FormChiSei:
        return QStringLiteral("FormChiSei");
    default:
        return QStringLiteral("FormEs%1").arg(int(id) - int(FinestraId::FormEs1) + 1);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: screenshots <out-dir> [scale | WIDTHxHEIGHT]\n");
        return 2;
    }
    const QByteArray option = argc > 2 ? QByteArray(argv[2]) : QByteArray();
    QSize size;
    if (const QList<QByteArray> wh = option.split('x'); wh.size() == 2)
        size = QSize(wh[0].toInt(), wh[1].toInt());
    else if (!option.isEmpty())
        qputenv("QT_SCALE_FACTOR", option);
    QApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);

    ClockRandom rnd;
    rnd.seed(20261208);
    ScriptedMessageBox messaggi; // no question is asked here
    RecordingSoundPlayer suoni;
    SoundSwitch interruttore(suoni);
    const QString folder = QApplication::applicationDirPath();
    BibliotecaFigure figure(folder);
    Programma programma(rnd, messaggi, interruttore, figure, folder, creaFinestra, [] {});

    for (int i = int(FinestraId::FormAvvio); i <= int(FinestraId::FormEs15); ++i) {
        const auto id = FinestraId(i);
        programma.mostra(id);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QWidget* window = programma.finestraCorrente();
        if (size.isValid()) {
            window->resize(size);
            for (int k = 0; k < 100 && window->size() != size; ++k)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            QCoreApplication::sendPostedEvents();
        }
        if (auto* esercizio = qobject_cast<FinestraEsercizio*>(window)) {
            // Counts start from zero in every window, as they do for a pupil.
            esercizio->MenuAzzera_Click();
            playAWhile(esercizio);
        }
        QCoreApplication::processEvents();
        const QString path = out + QLatin1Char('/') + fileName(id) + QStringLiteral(".png");
        if (!window->grab().save(path)) {
            std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

// Renders the start window, the menu and every exercise window, each in the
// middle of an exercise, to PNG files: `screenshots <out-dir> [scale | WIDTHxHEIGHT]`
// (a display scale factor, or every window resized to that size).

#include "app/CatalogoFinestre.h"
#include "app/Programma.h"
#include "common/Estrazioni.h"
#include "common/FigureLibrary.h"
#include "common/FinestraEsercizio.h"
#include "common/StatoCondiviso.h"
#include "common/platform/ClockRandom.h"
#include "common/platform/ImageBox.h"
#include "common/platform/MessageBoxService.h"
#include "common/platform/SoundPlayer.h"
#include "exercises/rotation_build/FormaRotazione.h"
#include "exercises/rotation_find/TrovaRotazione.h"
#include "exercises/rotation_type/TipoRotazione.h"
#include "exercises/symmetry_find/TrovaSimmetria.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

namespace {

class Silence : public SoundPlayer {
public:
    void play(const QString&) override {}
};

class NoQuestions : public MessageBoxService {
public:
    Answer show(QWidget*, const Request&) override { return Answer::No; }
};

// A pupil halfway through: one wrong answer, and in the build windows one
// right pick already in the row.
void playAWhile(QWidget* window, StatoCondiviso& stato) {
    if (auto* w = qobject_cast<TrovaRotazione*>(window)) {
        for (ImageBox* box : w->Image1)
            if (Estrazioni::numeroTag(*box) != stato.FiguraGiusta) {
                w->Image1_Click(box->index());
                break;
            }
    } else if (auto* w = qobject_cast<FormaRotazione*>(window)) {
        w->Image1_Click(w->Image1.back()->index() == 7 ? 4 : 0);
        for (ImageBox* box : w->Image1)
            if (Estrazioni::numeroTag(*box) == stato.FiguraGiusta && w->ProssimaCasella == 1)
                w->Image1_Click(box->index());
    } else if (auto* w = qobject_cast<TrovaSimmetria*>(window)) {
        for (ImageBox* box : w->Image1)
            if (Estrazioni::numeroTag(*box) == w->FiguraSimmetrica)
                w->Image1_Click(box->index());
    } else if (auto* w = qobject_cast<TipoRotazione*>(window)) {
        w->SensoOrario ? w->Image1_Click() : w->Image3_Click();
    }
}

QString fileName(FinestraId id) {
    switch (id) {
    case FinestraId::FormAvvio:
        return QStringLiteral("FormAvvio");
    case FinestraId::FormMenu:
        return QStringLiteral("FormMenu");
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
    NoQuestions messaggi;
    Silence suoni;
    const QString folder = QApplication::applicationDirPath();
    FigureLibrary figure(folder);
    Programma programma(rnd, messaggi, suoni, figure, folder, creaFinestra, [] {});

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
        // Counts start from zero in every window, as they do for a pupil.
        if (auto* esercizio = qobject_cast<FinestraEsercizio*>(window))
            esercizio->MenuAzzera_Click();
        playAWhile(window, programma.stato());
        QCoreApplication::processEvents();
        const QString path = out + QLatin1Char('/') + fileName(id) + QStringLiteral(".png");
        if (!window->grab().save(path)) {
            std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

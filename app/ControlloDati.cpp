// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlloDati.h"

#include "common/Contesto.h"
#include "common/Modulo1.h"
#include "common/platform/system/ApplicationFolder.h"

#include <QDir>
#include <QWidget>

#include <chrono>
#include <condition_variable>
#include <mutex>

// What the reading thread and the window's thread share; the thread keeps it
// alive, so a thread left behind at the end never touches freed memory.
struct ControlloDati::Condiviso {
    std::atomic_bool interrompi{false};
    std::mutex mutex;
    std::condition_variable fatto;
    bool finito = false;      // guarded by mutex
    bool abbandonato = false; // guarded by mutex: the receiver is going away
};

ControlloDati::ControlloDati(Contesto& ctx, std::function<QWidget*()> finestra)
    : ctx_(ctx), finestra_(std::move(finestra)), condiviso_(std::make_shared<Condiviso>()) {}

ControlloDati::~ControlloDati() {
    if (!lettore_.joinable())
        return;
    std::unique_lock lock(condiviso_->mutex);
    condiviso_->abbandonato = true;
    condiviso_->interrompi = true;
    const bool finito = condiviso_->fatto.wait_for(lock, std::chrono::seconds(2),
                                                   [this] { return condiviso_->finito; });
    lock.unlock();
    if (finito)
        lettore_.join();
    else
        lettore_.detach();
}

void ControlloDati::avvia() {
    if (lettore_.joinable() || concluso_)
        return;
    lettore_ = std::thread([condiviso = condiviso_, cartella = ctx_.figure.cartella(),
                            lato = ctx_.figure.latoPixel(), ricevente = this] {
        const VerificaFigure::Esito esito =
            VerificaFigure::verifica(cartella, lato, &condiviso->interrompi);
        const std::lock_guard lock(condiviso->mutex);
        condiviso->finito = true;
        condiviso->fatto.notify_all();
        if (!condiviso->abbandonato)
            QMetaObject::invokeMethod(
                ricevente, [ricevente, esito] { ricevente->concludi(esito); },
                Qt::QueuedConnection);
    });
}

void ControlloDati::concludi(const VerificaFigure::Esito& esito) {
    lettore_.join();
    concluso_ = true;
    riferisci(ctx_, finestra_(), esito);
    emit finito();
}

void ControlloDati::controlla(Contesto& ctx, QWidget* parent) {
    riferisci(ctx, parent, ctx.figure.verifica());
}

void ControlloDati::riferisci(Contesto& ctx, QWidget* parent, const VerificaFigure::Esito& esito) {
    if (esito.inutilizzabili.isEmpty() || esito.interrotto)
        return;
    const QString folder = ctx.figure.cartella();
    const QString text = esito.lettereUtilizzabili > 0
                             ? messaggioMancanti(esito.inutilizzabili, folder)
                             : messaggioNessunaFigura(folder);
    Modulo1::informa(ctx, parent, text);
}

QString ControlloDati::messaggioMancanti(const QStringList& files, const QString& folder) {
    const QString where = QDir::toNativeSeparators(ApplicationFolder::shown(folder));
    const qsizetype mancanti = files.size();
    QString which = files.mid(0, fileNominati).join(QStringLiteral(", "));
    if (const qsizetype altre = mancanti - fileNominati; altre == 1)
        which += QStringLiteral(" e un'altra");
    else if (altre > 1)
        which += QStringLiteral(" e altre %1").arg(altre);
    if (mancanti == 1)
        return QStringLiteral("Manca 1 immagine nella cartella %1 (%2): gli esercizi con questa "
                              "figura non si possono svolgere.")
            .arg(where, which);
    return QStringLiteral("Mancano %1 immagini nella cartella %2 (%3): gli esercizi con queste "
                          "figure non si possono svolgere.")
        .arg(mancanti)
        .arg(where, which);
}

QString ControlloDati::messaggioNessunaFigura(const QString& folder) {
    return QStringLiteral("Nella cartella %1 non ci sono le immagini delle figure: gli esercizi "
                          "non si possono svolgere.")
        .arg(QDir::toNativeSeparators(ApplicationFolder::shown(folder)));
}

QString ControlloDati::messaggioFigurePerse(const QString& folder) {
    return QStringLiteral("Le immagini delle figure non si possono più leggere dalla cartella %1: "
                          "si torna al menù. Quando la cartella sarà di nuovo disponibile, gli "
                          "esercizi si potranno riaprire.")
        .arg(QDir::toNativeSeparators(ApplicationFolder::shown(folder)));
}

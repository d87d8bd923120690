// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/library/BibliotecaFigure.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <thread>

class QWidget;
struct Contesto;

// The check of the figure pictures that the program makes once it has
// started. The pictures are read on a thread of their own, so the start
// window and "Avvio" answer at once whatever the folder holds (a file that
// never finishes opening, hundreds of huge pictures); what was found is said
// once, over whichever window is open then. The exercises never wait for it:
// each one reads its own pictures at its set-up.
class ControlloDati : public QObject {
    Q_OBJECT

public:
    // finestra: the window that is open when the message is shown.
    ControlloDati(Contesto& ctx, std::function<QWidget*()> finestra);
    // Asks the reading to stop and waits for it a little; a reading stuck in
    // the file system is left behind, never waited for.
    ~ControlloDati() override;
    ControlloDati(const ControlloDati&) = delete;
    ControlloDati& operator=(const ControlloDati&) = delete;

    void avvia();
    bool concluso() const { return concluso_; }

    // The same check on the calling thread.
    static void controlla(Contesto& ctx, QWidget* parent);

    // At most this many files are named in the message.
    static constexpr int fileNominati = 5;
    static QString messaggioMancanti(const QStringList& files, const QString& folder);
    static QString messaggioNessunaFigura(const QString& folder);
    static QString messaggioFigurePerse(const QString& folder);

signals:
    void finito();

private:
    struct Condiviso;

    static void riferisci(Contesto& ctx, QWidget* parent, const VerificaFigure::Esito& esito);
    void concludi(const VerificaFigure::Esito& esito);

    Contesto& ctx_;
    std::function<QWidget*()> finestra_;
    std::shared_ptr<Condiviso> condiviso_;
    std::thread lettore_;
    bool concluso_ = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AccessoRegistro.h"
#include "PaginaRegistro.h"
#include "PannelloCancellazione.h"

#include "common/keys/TentativiPassword.h"
#include "common/platform/services/Clock.h"

#include <QDate>
#include <QPointer>
#include <QWidget>

class MessageBoxService;
class PannelloApertura;
class PannelloAttivazione;
class QStackedLayout;

// "Registro", the teacher's area's page on the class record: switching it
// on where it is not, else the password; once opened, the class at a
// glance and a pupil's page, and erasing. The key opened stays in memory
// until the record is closed or the area goes.
class SportelloRegistro : public QWidget {
    Q_OBJECT

public:
    // orologio: what times the password's tries; none: the system's.
    SportelloRegistro(AccessoRegistro accesso, MessageBoxService& messaggi,
                      const Clock* orologio = nullptr, QDate oggi = QDate::currentDate(),
                      QWidget* parent = nullptr);
    ~SportelloRegistro() override;

    PannelloAttivazione* attivazione() const { return attivazione_; }
    PannelloApertura* apertura() const { return apertura_; }
    // The record's pages once opened, else none.
    PaginaRegistro* registro() const { return registro_; }
    PannelloCancellazione* cancellazione() const { return cancellazione_; }

    // Forgets the key: the password is asked again.
    void chiudi();

private:
    void attiva(const QStringList& nomi, const QString& password);
    void apri(const QString& password);
    void recupera(const QString& codice, const QString& nuova);
    // Reads the record with the key and shows the class at a glance.
    void mostraRegistro(const QString& esito = {});
    void mostraCancellazione();
    void cancella(const Cancellazione& cancellazione, const QString& descrizione);
    // Whether the guesser must still wait; says so.
    bool attesa();

    AccessoRegistro accesso_;
    MessageBoxService& messaggi_;
    SystemClock sistema_;
    TentativiPassword tentativi_;
    QDate oggi_;
    ChiavePrivata chiave_;
    QStringList classe_;
    QStackedLayout* pile_;
    PannelloAttivazione* attivazione_;
    PannelloApertura* apertura_;
    QPointer<PaginaRegistro> registro_;
    QPointer<PannelloCancellazione> cancellazione_;
};

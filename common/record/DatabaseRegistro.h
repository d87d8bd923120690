// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <optional>
#include <utility>

class QSqlDatabase;
class QSqlQuery;

// This PC's database of sealed entries, in the local folder: the runs with
// their sealed keys, the entries of each, and since when entries wait to be
// copied to the lab's folder. Each thread opens it on a connection of its
// own. It holds nothing a pupil's program could read back.
class DatabaseRegistro {
public:
    static QString nomeFile(); // "registro.sqlite"

    // `nome` names this thread's connection; nothing is opened yet.
    DatabaseRegistro(const QString& cartella, const QString& nome);
    ~DatabaseRegistro();
    DatabaseRegistro(const DatabaseRegistro&) = delete;
    DatabaseRegistro& operator=(const DatabaseRegistro&) = delete;

    // Opens, creating the file and its tables when `crea`; may be tried again.
    bool apri(bool crea = true);
    bool aperto() const { return aperto_; }

    struct Riga {
        QByteArray corsa;
        quint64 n = 0;
        QByteArray cifrato;
    };

    // One transaction: the entry and its run, kept once.
    bool aggiungi(const QByteArray& corsa, const QByteArray& sigillo, quint64 n,
                  const QByteArray& cifrato);
    // One transaction for a whole run's entries (a journal brought in).
    bool aggiungiCorsa(const QByteArray& corsa, const QByteArray& sigillo, const QList<Riga>& voci);

    // Run id to sealed key.
    QList<std::pair<QByteArray, QByteArray>> corse();
    // In the order of run and number; only those not yet copied when asked.
    QList<Riga> voci(bool soloDaCopiare = false);
    // Copied rows leave the database: the lab's folder keeps them.
    bool copiate(const QByteArray& corsa, const QList<quint64>& numeri);
    // Erased rows; runs left with no entry go too.
    bool elimina(const QList<Riga>& righe);
    bool eliminaTutto();

    // Since when (ms UTC) entries wait to be copied; none when nothing waits.
    std::optional<qint64> attesaDal();
    bool impostaAttesa(std::optional<qint64> dal);

    bool integro();

private:
    void chiudi();
    bool svuotaGiornale();
    bool eliminaNumeri(const QByteArray& corsa, const QList<quint64>& numeri);

    QString percorso_;
    QString nome_;
    bool aperto_ = false;
    std::unique_ptr<QSqlDatabase> db_;
    std::unique_ptr<QSqlQuery> corsa_;
    std::unique_ptr<QSqlQuery> voce_;
};

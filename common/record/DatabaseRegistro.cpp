// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatabaseRegistro.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

QString DatabaseRegistro::nomeFile() {
    return QStringLiteral("registro.sqlite");
}

DatabaseRegistro::DatabaseRegistro(const QString& cartella, const QString& nome)
    : percorso_(QDir(cartella).filePath(nomeFile())), nome_(nome) {}

DatabaseRegistro::~DatabaseRegistro() {
    corsa_.reset();
    voce_.reset();
    if (db_) {
        db_->close();
        db_.reset();
        QSqlDatabase::removeDatabase(nome_);
    }
}

bool DatabaseRegistro::apri(bool crea) {
    if (aperto_)
        return true;
    if (!crea && !QFileInfo(percorso_).isFile())
        return false;
    if (!db_) {
        db_ = std::make_unique<QSqlDatabase>(
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome_));
        db_->setDatabaseName(percorso_);
        // A second program on this PC (the teacher's reading) waits its turn.
        db_->setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    }
    if (!db_->open())
        return false;
    QSqlQuery q(*db_);
    const char* schema[] = {
        "PRAGMA journal_mode=WAL",
        "PRAGMA synchronous=NORMAL",
        // What is erased is overwritten, not only let go.
        "PRAGMA secure_delete=ON",
        "CREATE TABLE IF NOT EXISTS corse(corsa BLOB PRIMARY KEY, sigillo BLOB NOT NULL) "
        "WITHOUT ROWID",
        "CREATE TABLE IF NOT EXISTS voci(corsa BLOB NOT NULL, n INTEGER NOT NULL, "
        "cifrato BLOB NOT NULL, copiata INTEGER NOT NULL DEFAULT 0, PRIMARY KEY(corsa, n)) "
        "WITHOUT ROWID",
        "CREATE TABLE IF NOT EXISTS stato(chiave TEXT PRIMARY KEY, valore INTEGER)",
    };
    for (const char* s : schema)
        if (!q.exec(QString::fromLatin1(s))) {
            db_->close();
            return false;
        }
    corsa_ = std::make_unique<QSqlQuery>(*db_);
    voce_ = std::make_unique<QSqlQuery>(*db_);
    if (!corsa_->prepare(
            QStringLiteral("INSERT OR IGNORE INTO corse(corsa, sigillo) VALUES (?, ?)")) ||
        !voce_->prepare(
            QStringLiteral("INSERT OR IGNORE INTO voci(corsa, n, cifrato) VALUES (?, ?, ?)"))) {
        corsa_.reset();
        voce_.reset();
        db_->close();
        return false;
    }
    aperto_ = true;
    return true;
}

void DatabaseRegistro::chiudi() {
    // A disk full or gone read-only: opened again on the next try.
    corsa_.reset();
    voce_.reset();
    db_->close();
    aperto_ = false;
}

bool DatabaseRegistro::aggiungi(const QByteArray& corsa, const QByteArray& sigillo, quint64 n,
                                const QByteArray& cifrato) {
    return aggiungiCorsa(corsa, sigillo, {Riga{corsa, n, cifrato}});
}

bool DatabaseRegistro::aggiungiCorsa(const QByteArray& corsa, const QByteArray& sigillo,
                                     const QList<Riga>& voci) {
    if (!aperto_ || !db_->transaction())
        return false;
    corsa_->bindValue(0, corsa);
    corsa_->bindValue(1, sigillo);
    bool ok = corsa_->exec();
    for (const Riga& r : voci) {
        if (!ok)
            break;
        voce_->bindValue(0, corsa);
        voce_->bindValue(1, qint64(r.n));
        voce_->bindValue(2, r.cifrato);
        ok = voce_->exec();
    }
    if (ok && db_->commit())
        return true;
    db_->rollback();
    chiudi();
    return false;
}

QList<std::pair<QByteArray, QByteArray>> DatabaseRegistro::corse() {
    QList<std::pair<QByteArray, QByteArray>> c;
    if (!aperto_)
        return c;
    QSqlQuery q(*db_);
    q.setForwardOnly(true);
    if (q.exec(QStringLiteral("SELECT corsa, sigillo FROM corse")))
        while (q.next())
            c.append({q.value(0).toByteArray(), q.value(1).toByteArray()});
    return c;
}

QList<DatabaseRegistro::Riga> DatabaseRegistro::voci(bool soloDaCopiare) {
    QList<Riga> v;
    if (!aperto_)
        return v;
    QSqlQuery q(*db_);
    q.setForwardOnly(true);
    if (q.exec(soloDaCopiare
                   ? QStringLiteral("SELECT corsa, n, cifrato FROM voci WHERE copiata = 0 "
                                    "ORDER BY corsa, n")
                   : QStringLiteral("SELECT corsa, n, cifrato FROM voci ORDER BY corsa, n")))
        while (q.next())
            v.append({q.value(0).toByteArray(), quint64(q.value(1).toLongLong()),
                      q.value(2).toByteArray()});
    return v;
}

bool DatabaseRegistro::eliminaNumeri(const QByteArray& corsa, const QList<quint64>& numeri) {
    QSqlQuery segna(*db_), via(*db_);
    // Marked first, then deleted: the two in one transaction.
    if (!segna.prepare(QStringLiteral("UPDATE voci SET copiata = 1 WHERE corsa = ? AND n = ?")) ||
        !via.prepare(QStringLiteral("DELETE FROM voci WHERE corsa = ? AND n = ?")))
        return false;
    for (quint64 n : numeri) {
        segna.bindValue(0, corsa);
        segna.bindValue(1, qint64(n));
        via.bindValue(0, corsa);
        via.bindValue(1, qint64(n));
        if (!segna.exec() || !via.exec())
            return false;
    }
    return true;
}

bool DatabaseRegistro::copiate(const QByteArray& corsa, const QList<quint64>& numeri) {
    if (!aperto_ || !db_->transaction())
        return false;
    if (eliminaNumeri(corsa, numeri) && db_->commit())
        return true;
    db_->rollback();
    return false;
}

bool DatabaseRegistro::elimina(const QList<Riga>& righe) {
    if (!aperto_ || !db_->transaction())
        return false;
    bool ok = true;
    for (const Riga& r : righe)
        ok = ok && eliminaNumeri(r.corsa, {r.n});
    QSqlQuery q(*db_);
    ok = ok && q.exec(QStringLiteral(
                   "DELETE FROM corse WHERE corsa NOT IN (SELECT DISTINCT corsa FROM voci)"));
    if (ok && db_->commit())
        return svuotaGiornale();
    db_->rollback();
    return false;
}

bool DatabaseRegistro::svuotaGiornale() {
    // SQLite's own log keeps old pages until they are written back.
    QSqlQuery q(*db_);
    return q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
}

bool DatabaseRegistro::eliminaTutto() {
    if (!aperto_ || !db_->transaction())
        return false;
    QSqlQuery q(*db_);
    if (q.exec(QStringLiteral("DELETE FROM voci")) && q.exec(QStringLiteral("DELETE FROM corse")) &&
        q.exec(QStringLiteral("DELETE FROM stato")) && db_->commit())
        return svuotaGiornale();
    db_->rollback();
    return false;
}

std::optional<qint64> DatabaseRegistro::attesaDal() {
    if (!aperto_)
        return std::nullopt;
    QSqlQuery q(*db_);
    if (q.exec(QStringLiteral("SELECT valore FROM stato WHERE chiave = 'attesaDal'")) && q.next())
        return q.value(0).toLongLong();
    return std::nullopt;
}

bool DatabaseRegistro::impostaAttesa(std::optional<qint64> dal) {
    if (!aperto_)
        return false;
    QSqlQuery q(*db_);
    if (!dal)
        return q.exec(QStringLiteral("DELETE FROM stato WHERE chiave = 'attesaDal'"));
    q.prepare(
        QStringLiteral("INSERT OR REPLACE INTO stato(chiave, valore) VALUES ('attesaDal', ?)"));
    q.bindValue(0, *dal);
    return q.exec();
}

bool DatabaseRegistro::integro() {
    if (!aperto_)
        return false;
    QSqlQuery q(*db_);
    return q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next() &&
           q.value(0).toString() == QStringLiteral("ok");
}

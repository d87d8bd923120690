// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/views/FileViste.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The class's own figures: for each letter a folder of its eight views and
// their copies, laid out as the shipped ones, under figure/<letter>/ in a
// data folder. The teacher's own (the user's data folder) win over the
// school's (a system data folder), and those over the figures the program
// ships, letter by letter. A letter is saved and removed whole: its new
// folder is written beside the old one and swapped in by one rename, so a
// reader finds the old views or the new ones, never a mixture.
class FigureClasse {
public:
    enum class Origine { Programma, Scuola, Insegnante };

    // utente: where the teacher's figures go (none when empty); scuola: read
    // only, first wins. perTutti: what is saved is for every user of the PC
    // (the school's folder), not the teacher's alone.
    FigureClasse(QString utente, QStringList scuola, bool perTutti = false);
    // The user's data folder and the system's (XDG_DATA_HOME, XDG_DATA_DIRS);
    // ulteriore: a further folder of the letters' folders (a school's share),
    // read after the teacher's own and before the school's.
    static FigureClasse delSistema(const QString& ulteriore = {});
    void setUlteriore(QString cartella) { ulteriore_ = std::move(cartella); }
    QString ulteriore() const { return ulteriore_; }

    QString cartellaUtente() const { return utente_; }
    QStringList cartelleScuola() const { return scuola_; }

    // The folder of the letter's views in a data folder.
    static QString cartellaLettera(const QString& base, QChar lettera);
    // The folders of the letter's class figures, the one to use first: the
    // teacher's, then the school's. A reader tries them in turn and falls
    // back on the shipped figure.
    QStringList cartelleLettera(QChar lettera) const;
    // The same as a function, for a reader handed the class's folders.
    std::function<QStringList(QChar)> cartellePerLettera() const {
        return [classe = *this](QChar lettera) { return classe.cartelleLettera(lettera); };
    }
    // The folder whose views of the letter are used, empty for the shipped ones.
    QString cartellaUsata(QChar lettera) const;
    Origine origine(QChar lettera) const;
    // The letters that have a figure of the class, in order.
    QList<QChar> lettere() const;
    // The letters' folders that are there but that this user cannot read.
    QStringList illeggibili() const;

    // Both give an empty text when done, otherwise why nothing was changed.
    QString salva(QChar lettera, const FileViste::File& file) const;
    QString togli(QChar lettera) const;

    // Writes a letter's files into a new folder; tests put faults in here.
    using Scrittura = std::function<bool(const QString&, const FileViste::File&, QString*)>;
    void setScrittura(Scrittura scrittura) { scrittura_ = std::move(scrittura); }

private:
    // Where the letter's figure may be, the one to use first.
    QStringList posti(QChar lettera) const;

    QString utente_;
    QString ulteriore_;
    QStringList scuola_;
    bool perTutti_;
    Scrittura scrittura_;
};

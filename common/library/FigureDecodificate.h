// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LetturaViste.h"
#include "VistaFigura.h"
#include "common/views/ConvenzioneFigure.h"

#include <QChar>
#include <QHash>
#include <QList>
#include <QString>

#include <map>

// What the library knows of the pictures: which folder each letter is read
// from, the pictures of the last few letters as decoded for the boxes, the
// files found unusable until they change, and the copies found faithful.
// Pictures are known by their path, so a letter read from another folder has
// pictures of its own. A letter's reading asks it what was read before.
class FigureDecodificate : public LetturaViste::GiaLette {
public:
    // How many letters keep their pictures decoded, and how much memory the
    // letters before the last one may take: in full screen their pictures are
    // large, and decoding them again is quick.
    static constexpr int lettereTenute = 4;
    static constexpr qsizetype byteTenuti = 6 * 1024 * 1024;

    FigureDecodificate(const QString& cartella, int lato) : nomi_(cartella), lato_(lato) {}

    // The side, in device pixels, the pictures are decoded at; at another
    // side those decoded are no use any more.
    int lato() const { return lato_; }
    void impostaLato(int lato);

    // The folder the letter is read from now, and that picture's path in it.
    LetturaViste::Cartella& nomiDi(QChar lettera);
    QString percorso(QChar lettera, int numero) const;
    // From now on the letter is read from the class folder, or the shipped
    // one when empty; pictures read from the other folder are let go.
    void scegli(QChar lettera, const QString& cartellaClasse);
    // The letter is read from a class folder now.
    bool daClasse(QChar lettera) const { return scelte_.contains(lettera); }

    // The picture decoded from that very file, if it is kept.
    const LetturaViste::Voce* gia(QChar lettera, int numero,
                                  const VistaFigura::Firma& firma) const override;
    // The file was found unusable and has not changed since.
    bool scartato(QChar lettera, int numero, const VistaFigura::Firma& firma) const override;
    // Both for the letter, copied for another thread to look up.
    LetturaViste::GiaLetteCopiate copiaDi(QChar lettera) const;

    // Remembers what reading the letter found: the files unusable on their
    // own, and, when all can be shown, its pictures, kept as the most recent.
    void ricorda(QChar lettera, const LetturaViste::Lettura& letta, bool mostrabile);
    // One picture decoded again.
    void aggiungi(QChar lettera, int numero, LetturaViste::Voce voce);
    PicturePtr immagine(QChar lettera, int numero) const;
    bool decodificata(QChar lettera, int numero) const;
    // Which view a picture on show is, null when it is none of the library's.
    std::pair<QChar, int> vista(const PicturePtr& picture) const;
    // The letter is in use: it stays while older ones are let go.
    void tieni(QChar lettera);
    // The letters in use, the most recent last.
    const QList<QChar>& recenti() const { return recenti_; }

    VistaFigura::CopieVerificate& verificate() { return verificate_; }

private:
    qsizetype byteDi(QChar lettera) const;

    LetturaViste::Cartella nomi_;
    int lato_;
    std::map<QString, LetturaViste::Cartella> classe_; // each class folder of a letter, by path
    QHash<QChar, QString> scelte_;                     // the class folder a letter is read from now
    QHash<QString, LetturaViste::Voce> decodificate_;  // the recent letters' pictures, by path
    QHash<QString, VistaFigura::Firma> scartati_;      // files found unusable, until they change
    QHash<QString, std::pair<QChar, int>> viste_;      // which view each picture shows, by path
    QList<QChar> recenti_;                             // most recent last
    VistaFigura::CopieVerificate verificate_;
};

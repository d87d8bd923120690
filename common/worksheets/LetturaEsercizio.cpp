// SPDX-License-Identifier: GPL-3.0-or-later
#include "LetturaEsercizio.h"

#include "common/StatoCondiviso.h"
#include "common/frame/Estrazioni.h"
#include "common/platform/widgets/ImageBox.h"
#include "exercises/rotation_build/FormaRotazione.h"
#include "exercises/rotation_find/TrovaRotazione.h"
#include "exercises/rotation_type/TipoRotazione.h"
#include "exercises/symmetry_find/TrovaSimmetria.h"

#include <QLabel>

namespace LetturaEsercizio {

namespace {

QList<ImageBox*> caselle(const QList<QWidget*>& controlli) {
    QList<ImageBox*> trovate;
    for (QWidget* w : controlli)
        trovate << qobject_cast<ImageBox*>(w);
    return trovate;
}

QList<PicturePtr> figure(const QList<ImageBox*>& boxes) {
    QList<PicturePtr> trovate;
    for (const ImageBox* box : boxes)
        trovate << (box ? box->picture() : nullptr);
    return trovate;
}

// The place, in the order read, of the candidate whose tag names that picture.
int conTag(const QList<ImageBox*>& candidati, int numero) {
    for (qsizetype i = 0; i < candidati.size(); ++i)
        if (Estrazioni::numeroTag(*candidati[i]) == numero)
            return int(i);
    return -1;
}

EsercizioStampato trova(const TrovaRotazione& w, const StatoCondiviso& stato) {
    const QList<ImageBox*> candidati = caselle(w.controlliInOrdine());
    EsercizioStampato e{.famiglia = FamigliaScheda::TrovaRotazione,
                        .riga = figure(w.Image2),
                        .candidati = figure(candidati),
                        .risposte = {conTag(candidati, stato.FiguraGiusta)}};
    if (!w.Image3.isEmpty())
        e.segno = w.Image3.first()->picture();
    return e;
}

EsercizioStampato forma(const FormaRotazione& w, const StatoCondiviso& stato) {
    const QList<ImageBox*> candidati = caselle(w.controlliInOrdine());
    EsercizioStampato e{.famiglia = FamigliaScheda::FormaRotazione,
                        .riga = {w.Image2[0]->picture(), nullptr, nullptr, nullptr},
                        .segno = w.Image3[w.SensoOrario ? 0 : 1]->picture(),
                        .candidati = figure(candidati)};
    // The three views to pick, one quarter turn after the other.
    int numero = stato.FiguraGiusta;
    for (int passo = 0; passo < 3; ++passo) {
        e.risposte << conTag(candidati, numero);
        numero = Estrazioni::passo(numero, w.SensoOrario);
    }
    return e;
}

EsercizioStampato simmetria(const TrovaSimmetria& w) {
    const QList<ImageBox*> candidati = caselle(w.controlliInOrdine());
    return {.famiglia = FamigliaScheda::TrovaSimmetria,
            .riga = {w.Image2[0]->picture(), nullptr},
            .caselleSimmetria = {w.parametri().modello, w.parametri().risposta},
            .asse = w.parametri().asse,
            .candidati = figure(candidati),
            .risposte = {conTag(candidati, w.FiguraSimmetrica)}};
}

EsercizioStampato tipo(const TipoRotazione& w) {
    EsercizioStampato e{.famiglia = FamigliaScheda::TipoRotazione, .riga = figure(w.Image2)};
    // The two signs as the pupil reads them, each with the name under it.
    const QList<ImageBox*> segni = caselle(w.controlliInOrdine());
    for (qsizetype i = 0; i < segni.size(); ++i) {
        const bool orario = segni[i] == w.Image1;
        e.candidati << segni[i]->picture();
        e.didascalie << w.Label3[orario ? 0 : 1]->text();
        if (orario == w.SensoOrario)
            e.risposte << int(i);
    }
    return e;
}

} // namespace

EsercizioStampato leggi(const FinestraEsercizio& finestra, const StatoCondiviso& stato) {
    EsercizioStampato e;
    if (const auto* w = qobject_cast<const TrovaRotazione*>(&finestra))
        e = trova(*w, stato);
    else if (const auto* f = qobject_cast<const FormaRotazione*>(&finestra))
        e = forma(*f, stato);
    else if (const auto* s = qobject_cast<const TrovaSimmetria*>(&finestra))
        e = simmetria(*s);
    else if (const auto* t = qobject_cast<const TipoRotazione*>(&finestra))
        e = tipo(*t);
    e.finestra = finestra.id();
    return e;
}

bool completo(const EsercizioStampato& esercizio) {
    // The views the row shows; the rest of it are boxes to fill.
    const int mostrate = esercizio.famiglia == FamigliaScheda::TrovaRotazione  ? 3
                         : esercizio.famiglia == FamigliaScheda::TipoRotazione ? 4
                                                                               : 1;
    if (esercizio.riga.size() < mostrate || esercizio.candidati.isEmpty())
        return false;
    for (int i = 0; i < mostrate; ++i)
        if (!esercizio.riga[i])
            return false;
    for (const PicturePtr& p : esercizio.candidati)
        if (!p)
            return false;
    for (int r : esercizio.risposte)
        if (r < 0)
            return false;
    return !esercizio.risposte.isEmpty();
}

} // namespace LetturaEsercizio

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EsercizioStampato.h"

// What the sheet says, for a pupil of eight: one instruction per family.
struct TestoFamiglia {
    FamigliaScheda famiglia;
    const char* istruzione; // UTF-8
};

inline constexpr TestoFamiglia testiScheda[] = {
    {FamigliaScheda::TrovaRotazione, "La figura gira. Come sarà dopo? Cerchia la lettera giusta."},
    {FamigliaScheda::FormaRotazione,
     "Fai girare la figura come dice la freccia: scrivi in ordine le lettere nelle caselle."},
    {FamigliaScheda::TrovaSimmetria,
     "La riga rossa è uno specchio. Che cosa si vede nello specchio? Cerchia la lettera."},
    {FamigliaScheda::TipoRotazione,
     "Come gira la figura? Cerchia la lettera della freccia giusta."},
};

inline constexpr const char* nomeCognome = "Nome e cognome: ______________________________";
inline constexpr const char* titoloChiave = "Soluzioni";

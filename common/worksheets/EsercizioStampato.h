// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/FinestraId.h"
#include "common/frame/LayoutCornice.h"
#include "common/platform/services/Picture.h"

#include <QList>
#include <QPoint>
#include <QStringList>

#include <optional>

// The four kinds of exercise window, each printed in its own way.
enum class FamigliaScheda { TrovaRotazione, FormaRotazione, TrovaSimmetria, TipoRotazione };

// One exercise as its window showed it: the pictures, where the window had
// them, and which candidates answer it.
struct EsercizioStampato {
    FinestraId finestra = FinestraId::FormEs1;
    FamigliaScheda famiglia = FamigliaScheda::TrovaRotazione;
    // The top row: the views, a null picture for an empty box. For the
    // symmetry, the model and the answer box.
    QList<PicturePtr> riga{};
    // The sign of turning beside the row, when the window shows one.
    PicturePtr segno{};
    // The symmetry's model and answer boxes and its axis, in the window's twips.
    QList<QPoint> caselleSimmetria{};
    std::optional<Linea> asse{};
    // The candidates in the order the pupil reads them, each lettered A, B ...
    QList<PicturePtr> candidati{};
    // Under the candidates, when the window writes something (the signs' names).
    QStringList didascalie{};
    // The right candidates, in the order they are picked.
    QList<int> risposte{};
};

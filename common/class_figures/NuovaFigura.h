// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Simmetrie.h"
#include "common/views/FileViste.h"
#include "common/views/OttoViste.h"

#include <QByteArray>
#include <QString>

// A teacher's drawing on its way to become a figure: read, made into its
// eight views, and checked that the views can be told apart.
struct NuovaFigura {
    QString motivo; // why the drawing cannot be read; empty when it was
    OttoViste::Viste viste;
    Simmetrie::Esito esito;

    bool letta() const { return motivo.isEmpty(); }
    bool usabile() const { return letta() && esito.usabile(); }
    // What the teacher is told about the drawing.
    QString verdetto() const { return letta() ? esito.verdetto() : motivo; }
    // The files to save under that letter.
    FileViste::File file(QChar lettera) const { return FileViste::di(lettera, viste); }

    static NuovaFigura da(const QString& percorso);
    // From a path as the system spells it, bytes that need not be UTF-8.
    static NuovaFigura daPercorsoDiSistema(const QByteArray& percorso);
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/record/Annotazione.h"

#include <QList>

// Keeps every entry handed to the class record, in order.
class RecordingAnnotazione : public Annotazione {
public:
    void annota(const VoceRegistro& voce) override { voci << voce; }

    // The entries of one kind.
    QList<VoceRegistro> of(VoceRegistro::Tipo tipo) const {
        QList<VoceRegistro> found;
        for (const VoceRegistro& voce : voci)
            if (voce.tipo == tipo)
                found << voce;
        return found;
    }

    QList<VoceRegistro> voci;
};

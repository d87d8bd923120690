// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/views/ConvenzioneFigure.h"
#include "VistaFigura.h"
#include "common/platform/system/CaseInsensitiveFolder.h"

#include <QChar>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace LetturaViste {

// The picture folder, names matched without regard to case, and the smaller
// copies of the views beside them.
class Cartella {
public:
    explicit Cartella(QString percorso);

    QString percorso() const { return cartella_.path(); }
    // The file of the picture; `nome` gets its name as the folder spells it.
    std::optional<VistaFigura::FileAperto> apri(QChar lettera, int numero, QString* nome = nullptr);
    // The picture's path as the program names it, whatever the case on disk.
    QString chiave(QChar lettera, int numero) const;
    // The smaller copy that boxes of side `lato` use, when there is one.
    std::optional<VistaFigura::FileAperto> apriCopia(QChar lettera, int numero, int lato) const;

private:
    CaseInsensitiveFolder cartella_;
    // The paths of the letters' views, made once: a set-up looks pictures
    // up by path many times. Shared by the copies made for other threads.
    std::shared_ptr<const std::vector<QString>> chiavi_;
};

} // namespace LetturaViste

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LayoutImpostazioni.h"

#include <QColor>
#include <QString>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// A folder on a page of the teacher's area: typed in its field, or chosen
// with "Scegli...".
struct CampoCartella {
    // Asks for a folder, starting from the present one; empty: none chosen.
    using Scelta = std::function<QString(QWidget*, const QString& attuale)>;

    // nome: what a screen reader calls the field; vuoto: what an empty one
    // means; sfondo: the page's colour.
    CampoCartella(QWidget* pagina, const RigaCartella& dove, const QString& nome,
                  const QString& vuoto, QRgb sfondo, Scelta scelta);

    QLabel* etichetta;
    QLineEdit* campo;
    QPushButton* scegli;
};

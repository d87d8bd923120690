// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "OttoViste.h"

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

// A figure's views as files: each view a JPEG named by letter and number
// (a1.jpg ... a8.jpg), and beside it, in folders named by their side
// (120/a1.jpg ...), smaller copies that carry the fingerprint of the view
// they were made from.
namespace FileViste {

// The sides of the smaller copies.
QList<int> latiCopie();

// "a1.jpg"
QString nome(QChar lettera, int numero);

// The view as its JPEG file holds it.
QByteArray codifica(const QImage& vista);

// The copy of that side of a view's file: the view as the JPEG decoder
// scales it down by eighths, kept in full colour. Empty when the view does
// not decode.
QByteArray copia(const QByteArray& vista, int side);

// Every file of a letter: its path relative to the views' folder and its bytes,
// the views first. Empty when a copy cannot be made.
using File = QList<std::pair<QString, QByteArray>>;
File di(QChar lettera, const OttoViste::Viste& viste);

// Writes the files into the folder (which holds the copies' folders);
// false, with the file that failed in `errore`, when one cannot be written.
bool scrivi(const QString& cartella, const File& file, QString* errore = nullptr);

} // namespace FileViste

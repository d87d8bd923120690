// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

class QComboBox;
class QFont;
class QIODevice;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;
class QWidget;

// What the record's pages are built from, alike on both.
namespace TabelleRegistro {

constexpr unsigned sfondoPagina = 0xE8F1FA;

// A label on the page's background, its text on one line's middle.
QLabel* etichetta(QWidget* parent, const QString& testo, QRect dove, const QFont& font);
QComboBox* scelta(QWidget* parent, const QString& nome, QRect dove, const QStringList& voci);
QPushButton* bottone(QWidget* parent, const QString& testo, QRect dove);
// A table the keyboard walks with the arrows and leaves with Tab, a row
// at a time, read by a screen reader under its name.
void comeTabella(QTableView& tabella, const QString& nome);
// A read-only table with these heads; the first column stretches.
QTableWidget* tabella(QWidget* parent, const QString& nome, const QStringList& teste, QRect dove);
void riga(QTableWidget& tabella, int r, const QStringList& celle);
// Where to save a file: the system's dialog, starting from `proposto`.
QString sceltaFile(QWidget* parent, const QString& proposto);
// What `scrivi` writes, saved whole in `file`; Esito says "<fatto> in
// <file>." or why not. True when saved.
bool salva(QLabel& esito, const QString& file, const std::function<QString(QIODevice&)>& scrivi,
           const QString& fatto);

} // namespace TabelleRegistro

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QColor>
#include <QList>
#include <QString>

#include <functional>

class FigureClasse;
class ImageBox;
class QLabel;
class QWidget;

// The 26 letters' figures on the class figures' page, each as the exercises
// use it now, the class's own framed and their names marked; a figure
// pressed picks its letter.
class GrigliaLettere {
public:
    // sfondo: the page's colour, under the names that are not marked.
    GrigliaLettere(QWidget& pagina, QRgb sfondo, std::function<void(QChar)> scelta);

    // Shows whose figure each letter has; cartellaViste: the shipped views.
    void mostra(const FigureClasse& classe, const QString& cartellaViste);

    QList<ImageBox*> lettere; // a to z
    QList<QLabel*> nomi;      // under each figure

private:
    QRgb sfondo_;
};

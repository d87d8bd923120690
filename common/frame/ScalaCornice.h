// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>

class BibliotecaFigure;
class ColouredArea;
class FigureMemorizzate;
class QWidget;

// What follows the scale a frame is shown at: the arrow pointer of the
// controls that have it, and the figure pictures, decoded for the pixels
// their boxes have on the screen now. It follows the area's scale, and the
// window's showing and moves to another screen, on its own.
class ScalaCornice : public QObject {
public:
    ScalaCornice(ColouredArea& area, FigureMemorizzate& memorizzate, BibliotecaFigure& figure);

    // Gives the control the arrow pointer, grown with the window.
    void conCursoreFreccia(QWidget* control);
    // After a change of scale or of screen.
    void adatta();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ColouredArea& area_;
    FigureMemorizzate& memorizzate_;
    BibliotecaFigure& figure_;
    QList<QWidget*> conCursore_;
    bool ridecodificaAttesa_ = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>

#include <functional>

class QPagedPaintDevice;

// The pages of a report, in tenths of a millimetre from the printable
// area's corner: blocks go down the page and one that does not fit starts
// the next, below the head drawn again, so a row is never cut. Run once
// without a device to count the pages, then on the device with that count
// for the footer's "Pagina 1 di 2".
class FoglioRegistro {
public:
    // dispositivo null: counts only. piede: the footer's text before the
    // page number.
    FoglioRegistro(QPagedPaintDevice* dispositivo, QSize area, int totalePagine, QString piede);
    ~FoglioRegistro();

    // Drawn at the top of every page, from y 0; returns its height.
    void setTestata(std::function<int(FoglioRegistro&)> testata);
    // Makes room for `altezza` on this page; false when none can be had
    // (the block is taller than a page).
    bool spazio(int altezza);
    void nuovaPagina();
    int y() const { return y_; }
    void avanza(int altezza) { y_ += altezza; }
    int larghezza() const { return area_.width(); }
    int pagine() const { return pagina_; }
    // The painter on the page, or none when counting.
    QPainter* painter() { return painter_.isActive() ? &painter_ : nullptr; }

    // The report's title and the line below it; returns their height.
    int titoli(const QString& titolo, const QString& sotto);
    void testo(const QRect& dove, const QString& testo, int allineamento, qreal punti,
               bool grassetto = false, QColor colore = Qt::black);
    void riquadro(const QRect& dove, QColor sfondo);
    void linea(int y, QColor colore = Qt::gray);
    // Ends the last page with its footer.
    void fine();

private:
    void piede();

    QPagedPaintDevice* dispositivo_;
    QPainter painter_;
    QSize area_;
    int totale_;
    QString piede_;
    std::function<int(FoglioRegistro&)> testata_;
    int pagina_ = 1;
    int y_ = 0;
    bool finito_ = false;
};

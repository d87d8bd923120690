// SPDX-License-Identifier: GPL-3.0-or-later
#include "FoglioRegistro.h"

#include <QPagedPaintDevice>

namespace {

constexpr int altezzaPiede = 60;

} // namespace

FoglioRegistro::FoglioRegistro(QPagedPaintDevice* dispositivo, QSize area, int totalePagine,
                               QString piede)
    : dispositivo_(dispositivo), area_(area), totale_(totalePagine), piede_(std::move(piede)) {
    if (dispositivo_ && painter_.begin(dispositivo_)) {
        // Tenths of a millimetre, whatever the device's resolution.
        const qreal s = dispositivo_->logicalDpiX() / 254.0;
        painter_.scale(s, s);
    }
}

FoglioRegistro::~FoglioRegistro() {
    fine();
}

void FoglioRegistro::setTestata(std::function<int(FoglioRegistro&)> testata) {
    testata_ = std::move(testata);
    y_ = testata_(*this);
}

bool FoglioRegistro::spazio(int altezza) {
    if (y_ + altezza <= area_.height() - altezzaPiede)
        return true;
    nuovaPagina();
    return y_ + altezza <= area_.height() - altezzaPiede;
}

void FoglioRegistro::nuovaPagina() {
    piede();
    ++pagina_;
    if (dispositivo_ && painter_.isActive())
        dispositivo_->newPage();
    y_ = testata_ ? testata_(*this) : 0;
}

void FoglioRegistro::testo(const QRect& dove, const QString& testo, int allineamento, qreal punti,
                           bool grassetto, QColor colore) {
    if (!painter())
        return;
    QFont font(QStringLiteral("Liberation Sans"));
    // Points to tenths of a millimetre: the painter's unit.
    font.setPixelSize(qRound(punti * 254.0 / 72.0));
    font.setBold(grassetto);
    painter_.setFont(font);
    painter_.setPen(colore);
    painter_.drawText(dove, allineamento, testo);
}

int FoglioRegistro::titoli(const QString& titolo, const QString& sotto) {
    testo(QRect(0, 0, larghezza(), 90), titolo, Qt::AlignLeft | Qt::AlignVCenter, 16, true);
    testo(QRect(0, 90, larghezza(), 60), sotto, Qt::AlignLeft | Qt::AlignVCenter, 10);
    return 170;
}

void FoglioRegistro::riquadro(const QRect& dove, QColor sfondo) {
    if (painter())
        painter_.fillRect(dove, sfondo);
}

void FoglioRegistro::linea(int y, QColor colore) {
    if (!painter())
        return;
    painter_.setPen(QPen(colore, 3));
    painter_.drawLine(0, y, area_.width(), y);
}

void FoglioRegistro::piede() {
    const QRect dove(0, area_.height() - altezzaPiede + 15, area_.width(), altezzaPiede - 15);
    testo(dove, piede_, Qt::AlignLeft | Qt::AlignBottom, 8, false, Qt::darkGray);
    testo(dove, QStringLiteral("Pagina %1 di %2").arg(pagina_).arg(totale_),
          Qt::AlignRight | Qt::AlignBottom, 8, false, Qt::darkGray);
}

void FoglioRegistro::fine() {
    if (finito_)
        return;
    finito_ = true;
    piede();
    if (painter_.isActive())
        painter_.end();
}

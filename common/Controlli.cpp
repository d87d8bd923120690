// SPDX-License-Identifier: GPL-3.0-or-later
#include "Controlli.h"

#include "common/platform/widgets/FitLabel.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPalette>

namespace Controlli {

QFont arial(qreal points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont msSansSerif(qreal points, bool bold) {
    QFont font;
    // The condensed DejaVu face comes closest to the narrow bitmap font the
    // layouts were drawn for, so sub-captions fit their labels.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans Condensed"),
                      QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont carattere(const Carattere& c) {
    return c.faccia == Carattere::Faccia::Arial ? arial(c.punti, c.grassetto)
                                                : msSansSerif(c.punti, c.grassetto);
}

namespace {

QLabel* prepara(QLabel* label, QRect rect, const QFont& font, std::optional<QRgb> background,
                Qt::Alignment alignment) {
    label->setGeometry(rect);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(alignment);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, background
                                           ? QColor(*background)
                                           : QGuiApplication::palette().color(QPalette::Button));
    palette.setColor(QPalette::WindowText, QGuiApplication::palette().color(QPalette::WindowText));
    label->setPalette(palette);
    return label;
}

} // namespace

QLabel* etichetta(QWidget* parent, const QString& caption, QRect rect, const QFont& font,
                  std::optional<QRgb> background, Qt::Alignment alignment) {
    return prepara(new QLabel(caption, parent), rect, font, background, alignment);
}

QLabel* etichettaNumero(QWidget* parent, const QString& caption, QRect rect, const QFont& font,
                        std::optional<QRgb> background, Qt::Alignment alignment) {
    return prepara(new FitLabel(caption, parent), rect, font, background, alignment);
}

} // namespace Controlli

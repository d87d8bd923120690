// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <optional>

class QLabel;
class QWidget;

// Small factories for the controls every window is built from.
namespace Controlli {

QFont arial(qreal points, bool bold = true);
QFont msSansSerif(qreal points, bool bold = true);

// A font as the layout tables name it.
struct Carattere {
    enum class Faccia { Arial, MsSansSerif };
    Faccia faccia;
    qreal punti;
    bool grassetto = true;
};
QFont carattere(const Carattere& c);

// Labels wrap their captions and keep their own background when the window
// is recoloured; without a colour they have the toolkit's label background.
QLabel* etichetta(QWidget* parent, const QString& caption, QRect rect, const QFont& font,
                  std::optional<QRgb> background,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

// A label for a count: the same, but its number is always drawn whole.
QLabel* etichettaNumero(QWidget* parent, const QString& caption, QRect rect, const QFont& font,
                        std::optional<QRgb> background,
                        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

constexpr QRgb ciano = 0x00FFFF; // qRgb(0, 255, 255)

} // namespace Controlli

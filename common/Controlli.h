#pragma once

#include <QColor>
#include <QCursor>
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

// A stored picture compiled into the program, by name ("faccia_si").
QString figuraMemorizzata(const QString& name);

// Labels wrap their captions and keep their own background when the window
// is recoloured; without a colour they have the toolkit's label background.
QLabel* etichetta(QWidget* parent, const QString& caption, QRect rect, const QFont& font,
                  std::optional<QRgb> background,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

// The arrow pointer shown over "avanti" and over the clickable signs.
QCursor cursoreFreccia();

constexpr QRgb ciano = 0x00FFFF; // qRgb(0, 255, 255)

} // namespace Controlli

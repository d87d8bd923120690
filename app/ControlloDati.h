#pragma once

#include <QString>

class QWidget;
struct Contesto;

// The check of the figure pictures that the program makes once it has started.
namespace ControlloDati {

// Reads every picture; when some are missing or unreadable, says so once.
void controlla(Contesto& ctx, QWidget* parent);

QString messaggioMancanti(int mancanti, const QString& folder);
QString messaggioNessunaFigura(const QString& folder);

} // namespace ControlloDati

#include "ControlloDati.h"

#include "common/Contesto.h"
#include "common/FigureLibrary.h"
#include "common/Modulo1.h"
#include "common/platform/ApplicationFolder.h"

#include <QDir>

namespace ControlloDati {

QString messaggioMancanti(int mancanti, const QString& folder) {
    const QString where = QDir::toNativeSeparators(ApplicationFolder::shown(folder));
    if (mancanti == 1)
        return QStringLiteral("Manca 1 immagine nella cartella %1: gli esercizi con questa figura "
                              "non si possono svolgere.")
            .arg(where);
    return QStringLiteral("Mancano %1 immagini nella cartella %2: gli esercizi con queste figure "
                          "non si possono svolgere.")
        .arg(mancanti)
        .arg(where);
}

QString messaggioNessunaFigura(const QString& folder) {
    return QStringLiteral("Nella cartella %1 non ci sono le immagini delle figure: gli esercizi "
                          "non si possono svolgere.")
        .arg(QDir::toNativeSeparators(ApplicationFolder::shown(folder)));
}

void controlla(Contesto& ctx, QWidget* parent) {
    const int mancanti = ctx.figure.verifica();
    if (mancanti == 0)
        return;
    const QString folder = ctx.figure.folder();
    const QString text = ctx.figure.qualcheLettera() ? messaggioMancanti(mancanti, folder)
                                                     : messaggioNessunaFigura(folder);
    Modulo1::informa(ctx, parent, text);
}

} // namespace ControlloDati

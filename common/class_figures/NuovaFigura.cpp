// SPDX-License-Identifier: GPL-3.0-or-later
#include "NuovaFigura.h"

#include "DisegnoInsegnante.h"

NuovaFigura NuovaFigura::da(const QString& percorso) {
    NuovaFigura figura;
    const DisegnoInsegnante::Lettura lettura = DisegnoInsegnante::leggi(percorso);
    if (!lettura.ok()) {
        figura.motivo = lettura.motivo;
        return figura;
    }
    figura.viste = OttoViste::da(lettura.quadrato);
    // Judged on the files a pupil's boxes will show, JPEG noise and all.
    QList<QByteArray> jpeg;
    for (const QImage& vista : figura.viste)
        jpeg << FileViste::codifica(vista);
    figura.esito = Simmetrie::esamina(Simmetrie::comeSiVedono(jpeg));
    return figura;
}

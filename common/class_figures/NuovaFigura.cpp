// SPDX-License-Identifier: GPL-3.0-or-later
#include "NuovaFigura.h"

#include "DisegnoInsegnante.h"

namespace {

NuovaFigura daLettura(const DisegnoInsegnante::Lettura& lettura) {
    NuovaFigura figura;
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

} // namespace

NuovaFigura NuovaFigura::da(const QString& percorso) {
    return daLettura(DisegnoInsegnante::leggi(percorso));
}

NuovaFigura NuovaFigura::daPercorsoDiSistema(const QByteArray& percorso) {
    return daLettura(DisegnoInsegnante::leggiDiSistema(percorso));
}

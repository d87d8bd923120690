// SPDX-License-Identifier: GPL-3.0-or-later
#include "MisureViste.h"

#include <QtGlobal>

namespace MisureViste {

QSize lati(QSize s) {
    return {qMax(s.width(), s.height()), qMin(s.width(), s.height())};
}

QList<int> fuoriMisura(const std::array<QSize, ConvenzioneFigure::viste>& misure) {
    const auto abbastanza = [](QSize s) { return lati(s).height() >= latoMinimo; };
    const auto vicine = [](QSize a, QSize b) {
        const QSize x = lati(a), y = lati(b);
        return qAbs(x.width() - y.width()) <= tolleranza &&
               qAbs(x.height() - y.height()) <= tolleranza;
    };
    const int viste = int(misure.size());
    int riferimento = -1, migliore = 0;
    for (int i = 0; i < viste; ++i) {
        if (!misure[i].isValid() || !abbastanza(misure[i]))
            continue;
        int simili = 0;
        for (QSize altra : misure)
            simili += altra.isValid() && abbastanza(altra) && vicine(misure[i], altra);
        if (simili > migliore) {
            migliore = simili;
            riferimento = i;
        }
    }
    QList<int> fuori;
    for (int i = 0; i < viste; ++i)
        if (misure[i].isValid() &&
            (riferimento < 0 || !abbastanza(misure[i]) || !vicine(misure[i], misure[riferimento])))
            fuori << i + 1;
    return fuori;
}

} // namespace MisureViste

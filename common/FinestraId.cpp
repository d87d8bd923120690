// SPDX-License-Identifier: GPL-3.0-or-later
#include "FinestraId.h"

const char* titoloEsercizio(FinestraId id) {
    switch (id) {
    case FinestraId::FormEs1:
        return "Trova la simmetria - asse verticale";
    case FinestraId::FormEs2:
        return "Trova la rotazione - 1";
    case FinestraId::FormEs3:
        return "Trova la rotazione - 2";
    case FinestraId::FormEs4:
        return "Indica il tipo di rotazione";
    case FinestraId::FormEs5:
        return "Trova la rotazione - 3";
    case FinestraId::FormEs6:
        return "Trova la rotazione - 4";
    case FinestraId::FormEs7:
        return "Trova la simmetria - asse orizzontale";
    case FinestraId::FormEs8:
        return "Forma la rotazione - 1";
    case FinestraId::FormEs9:
        return "Forma la rotazione - 2";
    case FinestraId::FormEs10:
        return "Forma la rotazione - 3";
    case FinestraId::FormEs11:
        return "Forma la rotazione - 4";
    case FinestraId::FormEs12:
        return "Forma la rotazione - 5";
    case FinestraId::FormEs13:
        return "Forma la rotazione - 6";
    case FinestraId::FormEs14:
        return "Trova la simmetria - asse diagonale - 1";
    case FinestraId::FormEs15:
        return "Trova la simmetria - asse diagonale - 2";
    case FinestraId::FormAvvio:
    case FinestraId::FormMenu:
    case FinestraId::FormChiSei:
        break;
    }
    return "";
}

int numeroDaNome(QStringView nome) {
    static constexpr QStringView prefisso = u"FormEs";
    if (!nome.startsWith(prefisso) || nome.size() > prefisso.size() + 2)
        return 0;
    const QStringView cifre = nome.sliced(prefisso.size());
    // "FormEs02" is not a window's name.
    if (cifre.isEmpty() || cifre.front() == u'0')
        return 0;
    int numero = 0;
    for (QChar c : cifre) {
        if (c < u'0' || c > u'9')
            return 0;
        numero = numero * 10 + (c.unicode() - u'0');
    }
    return numero <= 15 ? numero : 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Impaginazione.h"

#include <algorithm>

namespace Impaginazione {

namespace {

// The symmetry's boxes and axis, as the window has them, scaled so that
// a box is as large as a printed view; from (0, 0).
struct Simmetria {
    QList<QRect> caselle;
    QLine asse;
    int alto = 0;
};

Simmetria simmetria(const EsercizioStampato& e, const LayoutScheda& l) {
    const double scala = double(l.lato) / misureCornice.latoFigura;
    const auto su = [scala](int twips) { return int(twips * scala + 0.5); };
    QRect tutto;
    for (const QPoint& p : e.caselleSimmetria)
        tutto |= QRect(p, QSize(misureCornice.latoFigura, misureCornice.latoFigura));
    Simmetria s;
    for (const QPoint& p : e.caselleSimmetria)
        s.caselle << QRect(su(p.x() - tutto.left()), su(p.y() - tutto.top()), l.lato, l.lato);
    if (e.asse) {
        const QPoint da = e.asse->da - tutto.topLeft();
        const QPoint a = e.asse->a - tutto.topLeft();
        s.asse = QLine(su(da.x()), su(da.y()), su(a.x()), su(a.y()));
    }
    s.alto = su(tutto.height());
    return s;
}

} // namespace

PostoEsercizio posto(const EsercizioStampato& e, int alto, const LayoutScheda& l) {
    PostoEsercizio p;
    p.testo = QRect(0, alto, l.area.width(), l.altoTesto);
    int y = alto + l.altoTesto;
    if (e.famiglia == FamigliaScheda::TrovaSimmetria) {
        const Simmetria s = simmetria(e, l);
        for (const QRect& r : s.caselle)
            p.riga << r.translated(0, y);
        p.asse = s.asse.translated(0, y);
        y += s.alto;
    } else {
        for (qsizetype i = 0; i < e.riga.size(); ++i)
            p.riga << QRect(int(i) * l.passo, y, l.lato, l.lato);
        if (e.segno)
            p.segno = QRect(int(e.riga.size()) * l.passo + l.distaccoSegno,
                            y + (l.lato - l.latoSegno) / 2, l.latoSegno, l.latoSegno);
        y += l.lato;
    }
    y += l.sottoRiga;
    const int passo = e.candidati.size() == 2 ? l.passoSegni : l.passo;
    for (qsizetype i = 0; i < e.candidati.size(); ++i) {
        const int x = int(i) * passo;
        p.candidati << QRect(x, y, l.lato, l.lato);
        p.lettere << QRect(x, y + l.lato, l.lato, l.altoLettera);
        if (i < e.didascalie.size())
            p.didascalie << QRect(x - l.passo / 2, y + l.lato + l.altoLettera, l.lato + l.passo,
                                  l.altoDidascalia);
    }
    y += l.lato + l.altoLettera + (e.didascalie.isEmpty() ? 0 : l.altoDidascalia);
    p.blocco = QRect(0, alto, l.area.width(), y - alto);
    return p;
}

PaginazioneScheda impagina(const QList<EsercizioStampato>& esercizi, const LayoutScheda& l) {
    PaginazioneScheda fatta;
    int pagina = 0;
    int alto = l.altoIntestazione;
    for (qsizetype i = 0; i < esercizi.size(); ++i) {
        PostoEsercizio p = posto(esercizi[i], alto, l);
        // One that does not fit starts the next page, unless it is alone on its page.
        if (p.blocco.bottom() >= l.area.height() && alto > l.altoIntestazione) {
            ++pagina;
            alto = l.altoIntestazione;
            p = posto(esercizi[i], alto, l);
        }
        p.pagina = pagina;
        p.numero = int(i) + 1;
        alto = p.blocco.bottom() + 1 + l.traEsercizi;
        fatta.esercizi << p;
    }
    fatta.pagineEsercizi = esercizi.isEmpty() ? 0 : pagina + 1;
    return fatta;
}

QChar lettera(int i) {
    return QChar(char16_t(u'A' + i));
}

QStringList chiave(const QList<EsercizioStampato>& esercizi) {
    QStringList righe;
    for (qsizetype i = 0; i < esercizi.size(); ++i) {
        QStringList lettere;
        for (int r : esercizi[i].risposte)
            lettere << QString(lettera(r));
        righe << QStringLiteral("%1. %2").arg(i + 1).arg(lettere.join(QStringLiteral(", ")));
    }
    return righe;
}

QList<QRect> righeChiave(int quante, const LayoutScheda& l) {
    const int alto = l.altoIntestazione + l.sopraChiave;
    const int perColonna = std::max(1, (l.area.height() - alto) / l.altoRigaChiave);
    const int larga = l.area.width() / l.colonneChiave;
    QList<QRect> righe;
    for (int i = 0; i < quante; ++i)
        righe << QRect((i / perColonna) * larga, alto + (i % perColonna) * l.altoRigaChiave, larga,
                       l.altoRigaChiave);
    return righe;
}

} // namespace Impaginazione

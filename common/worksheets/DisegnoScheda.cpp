// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisegnoScheda.h"

#include "TestiScheda.h"
#include "common/Controlli.h"

#include <QPainter>

namespace DisegnoScheda {

namespace {

// A type size in the painter's units, whatever the device's resolution.
QFont carattere(double punti, bool grassetto) {
    QFont font = Controlli::arial(punti, grassetto);
    font.setPixelSize(int(punti * 254.0 / 72.0 + 0.5));
    return font;
}

QString istruzione(FamigliaScheda famiglia) {
    for (const TestoFamiglia& t : testiScheda)
        if (t.famiglia == famiglia)
            return QString::fromUtf8(t.istruzione);
    return {};
}

// The key's page is the teacher's: it has no line for a name.
void intestazione(QPainter& p, const VersioneScheda& v, const QString& titolo, bool conNome,
                  const LayoutScheda& l) {
    const int largo = l.area.width();
    p.setPen(Qt::black);
    p.setFont(carattere(l.puntiTitolo, true));
    p.drawText(QRect(0, 0, largo, l.altoTitolo), Qt::AlignLeft | Qt::AlignVCenter, titolo);
    p.drawText(QRect(0, 0, largo, l.altoTitolo), Qt::AlignRight | Qt::AlignVCenter, v.fila);
    p.setFont(carattere(l.puntiTitolo, false));
    if (conNome)
        p.drawText(QRect(0, l.altoTitolo, largo, l.altoNome), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8(nomeCognome));
    p.setPen(QPen(Qt::black, l.spessoreRighello));
    p.drawLine(0, l.righello, largo, l.righello);
}

void casella(QPainter& p, const QRect& r, const PicturePtr& figura, const LayoutScheda& l) {
    if (figura)
        figura->paint(p, r);
    p.setPen(QPen(Qt::black, l.spessoreBordo));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

void esercizio(QPainter& p, const EsercizioStampato& e, const PostoEsercizio& posto,
               const LayoutScheda& l) {
    p.setPen(Qt::black);
    p.setFont(carattere(l.puntiIstruzione, true));
    p.drawText(posto.testo, Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("%1.  %2").arg(posto.numero).arg(istruzione(e.famiglia)));
    for (qsizetype i = 0; i < posto.riga.size() && i < e.riga.size(); ++i)
        casella(p, posto.riga[i], e.riga[i], l);
    if (posto.segno && e.segno)
        e.segno->paint(p, *posto.segno);
    if (posto.asse && e.asse) {
        // Dashed, so that in grey it is not taken for a box's edge; square
        // ends, so that it ends where the window's does.
        QPen penna(QColor(e.asse->colore), l.spessoreAsse, Qt::CustomDashLine, Qt::FlatCap);
        penna.setDashPattern({3.0, 1.0});
        p.setPen(penna);
        p.drawLine(*posto.asse);
    }
    for (qsizetype i = 0; i < posto.candidati.size(); ++i)
        e.candidati[i]->paint(p, posto.candidati[i]);
    p.setPen(Qt::black);
    p.setFont(carattere(l.puntiLettera, true));
    for (qsizetype i = 0; i < posto.lettere.size(); ++i)
        p.drawText(posto.lettere[i], Qt::AlignCenter, QString(Impaginazione::lettera(int(i))));
    p.setFont(carattere(l.puntiDidascalia, true));
    for (qsizetype i = 0; i < posto.didascalie.size(); ++i)
        p.drawText(posto.didascalie[i], Qt::AlignHCenter | Qt::AlignTop, e.didascalie[i]);
}

void chiave(QPainter& p, const VersioneScheda& v, const LayoutScheda& l) {
    p.setPen(Qt::black);
    p.setFont(carattere(l.puntiTitolo, true));
    p.drawText(QRect(0, l.altoIntestazione, l.area.width(), l.sopraChiave),
               Qt::AlignLeft | Qt::AlignTop, QString::fromUtf8(titoloChiave));
    const QStringList righe = Impaginazione::chiave(v.esercizi);
    const QList<QRect> posti = Impaginazione::righeChiave(int(righe.size()), l);
    p.setFont(carattere(l.puntiChiave, false));
    for (qsizetype i = 0; i < righe.size(); ++i)
        p.drawText(posti[i], Qt::AlignLeft | Qt::AlignVCenter, righe[i]);
}

} // namespace

void inDecimiDiMillimetro(QPainter& painter, const QRect& area, const LayoutScheda& l) {
    painter.setViewport(area);
    painter.setWindow(QRect(QPoint(0, 0), l.area));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

void pagina(QPainter& painter, const VersioneScheda& versione, int pagina, const QString& titolo,
            const LayoutScheda& l) {
    const bool chiaveQui = pagina >= versione.pagine.pagineEsercizi;
    intestazione(painter, versione, titolo, !chiaveQui, l);
    if (chiaveQui) {
        chiave(painter, versione, l);
        return;
    }
    for (qsizetype i = 0; i < versione.esercizi.size(); ++i)
        if (versione.pagine.esercizi[i].pagina == pagina)
            esercizio(painter, versione.esercizi[i], versione.pagine.esercizi[i], l);
}

} // namespace DisegnoScheda

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Schede.h"

#include "FinestreNascoste.h"
#include "common/FileIntero.h"
#include "common/PdfRiproducibile.h"
#include "common/library/BibliotecaFigure.h"
#include "common/platform/services/ClockRandom.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include <random>

namespace {

// The side the pictures are read at: the views' own, so that a printed view
// of 21 mm has some 580 dots per inch.
constexpr int latoStampa = 480;

QString titoloDi(const RichiestaScheda& richiesta) {
    return richiesta.titolo.trimmed().isEmpty()
               ? QStringLiteral("Classe: ________    Data: ________")
               : richiesta.titolo.simplified();
}

} // namespace

int FascicoloScheda::pagine() const {
    int n = 0;
    for (const VersioneScheda& v : versioni)
        n += v.totalePagine();
    return n;
}

namespace Schede {

std::variant<FascicoloScheda, QString> prepara(const RichiestaScheda& richiesta,
                                               const FontiScheda& fonti) {
    if (const QString motivo = richiesta.controlla(); !motivo.isEmpty())
        return motivo;
    if (richiesta.figureClasse && !fonti.cartelleClasse)
        return QStringLiteral("La classe non ha figure sue: si possono usare solo quelle "
                              "del programma.");
    ClockRandom rnd;
    std::seed_seq seme{std::uint32_t(richiesta.seme), std::uint32_t(richiesta.seme >> 32)};
    rnd.seed(seme);
    BibliotecaFigure figure(fonti.cartellaApplicazione, latoStampa);
    if (richiesta.figureClasse)
        figure.impostaClasse(fonti.cartelleClasse);
    FinestreNascoste finestre(fonti.cartellaApplicazione, rnd, figure);

    FascicoloScheda fascicolo{.titolo = titoloDi(richiesta), .versioni = {}};
    for (int v = 0; v < richiesta.versioni; ++v) {
        VersioneScheda versione;
        if (richiesta.versioni > 1)
            versione.fila = QStringLiteral("Fila %1").arg(QChar(char16_t(u'A' + v)));
        for (const RichiestaScheda::Voce& voce : richiesta.esercizi)
            for (int k = 0; k < voce.quanti; ++k) {
                std::optional<EsercizioStampato> e = finestre.prossimo(voce.finestra);
                if (!e)
                    return finestre.errore();
                versione.esercizi << std::move(*e);
            }
        versione.pagine = Impaginazione::impagina(versione.esercizi);
        fascicolo.versioni << std::move(versione);
    }
    return fascicolo;
}

QString disegna(QPagedPaintDevice& dispositivo, const FascicoloScheda& fascicolo) {
    QPainter painter;
    if (!painter.begin(&dispositivo))
        return QStringLiteral("La stampa non si può cominciare.");
    const QRect area(0, 0, dispositivo.width(), dispositivo.height());
    bool prima = true;
    for (const VersioneScheda& versione : fascicolo.versioni)
        for (int p = 0; p < versione.totalePagine(); ++p) {
            if (!prima && !dispositivo.newPage())
                return QStringLiteral("Una nuova pagina non si può cominciare.");
            prima = false;
            painter.save();
            DisegnoScheda::inDecimiDiMillimetro(painter, area);
            DisegnoScheda::pagina(painter, versione, p, fascicolo.titolo);
            painter.restore();
        }
    return painter.end() ? QString() : QStringLiteral("La stampa non si è potuta finire.");
}

QImage anteprima(const FascicoloScheda& fascicolo, int pagina, int larghezza) {
    const QSize area = layoutScheda.area;
    QImage immagine(larghezza, larghezza * area.height() / area.width(), QImage::Format_RGB32);
    immagine.fill(Qt::white);
    for (const VersioneScheda& versione : fascicolo.versioni) {
        if (pagina < versione.totalePagine()) {
            QPainter painter(&immagine);
            DisegnoScheda::inDecimiDiMillimetro(painter, immagine.rect());
            DisegnoScheda::pagina(painter, versione, pagina, fascicolo.titolo);
            break;
        }
        pagina -= versione.totalePagine();
    }
    return immagine;
}

QString scrivi(const QString& pdf, const FascicoloScheda& fascicolo) {
    QBuffer documento;
    documento.open(QIODevice::WriteOnly);
    {
        QPdfWriter scrittore(&documento);
        PdfRiproducibile::imposta(scrittore, fascicolo.titolo, layoutScheda.margine);
        if (QString motivo = disegna(scrittore, fascicolo); !motivo.isEmpty())
            return motivo;
    }
    return FileIntero::scrivi(pdf, PdfRiproducibile::senzaData(documento.data()));
}

QString scrivi(const QString& pdf, const RichiestaScheda& richiesta, const FontiScheda& fonti) {
    auto fatto = prepara(richiesta, fonti);
    if (const QString* motivo = std::get_if<QString>(&fatto))
        return *motivo;
    return scrivi(pdf, std::get<FascicoloScheda>(fatto));
}

} // namespace Schede

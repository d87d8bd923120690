// SPDX-License-Identifier: GPL-3.0-or-later
#include "Simmetrie.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

namespace Simmetrie {

namespace {

// A view as a map of the plane, centred, y downwards: views 1-4 are the
// quarter turn R applied 0-3 times, views 5-8 the same after the mirror M.
struct Mappa {
    int a, b, c, d;                    // (x, y) -> (a x + b y, c x + d y)
    Mappa dopo(const Mappa& o) const { // this ∘ o
        return {a * o.a + b * o.c, a * o.b + b * o.d, c * o.a + d * o.c, c * o.b + d * o.d};
    }
    Mappa inversa() const { // every map here has determinant ±1
        const int det = a * d - b * c;
        return {d * det, -b * det, -c * det, a * det};
    }
    bool operator==(const Mappa&) const = default;
};

constexpr Mappa identita{1, 0, 0, 1};
constexpr Mappa giro{0, -1, 1, 0};     // quarter turn clockwise on screen
constexpr Mappa specchio{-1, 0, 0, 1}; // mirror in a vertical axis

Mappa vista(int i) {
    Mappa m = i >= 4 ? specchio : identita;
    for (int k = 0; k < i % 4; ++k)
        m = giro.dopo(m);
    return m;
}

} // namespace

double distanza(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size() || x.isNull())
        return 255;
    qint64 somma = 0;
    for (int r = 0; r < x.height(); ++r) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(r));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(r));
        for (int c = 0; c < x.width(); ++c)
            somma += std::abs(qRed(p[c]) - qRed(q[c])) + std::abs(qGreen(p[c]) - qGreen(q[c])) +
                     std::abs(qBlue(p[c]) - qBlue(q[c]));
    }
    return double(somma) / (3.0 * x.width() * x.height());
}

OttoViste::Viste comeSiVedono(const QList<QByteArray>& vistejpeg) {
    OttoViste::Viste viste;
    for (int i = 0; i < OttoViste::numero && i < vistejpeg.size(); ++i) {
        QBuffer buffer;
        buffer.setData(vistejpeg.at(i));
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "JPEG");
        reader.setScaledSize(QSize(latoConfronto, latoConfronto));
        const QImage letta = reader.read();
        // A box stretches its picture over its background.
        QImage vista(latoConfronto, latoConfronto, QImage::Format_RGB32);
        vista.fill(OttoViste::sfondo);
        if (!letta.isNull()) {
            QPainter painter(&vista);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(QRect(0, 0, latoConfronto, latoConfronto), letta);
        }
        viste[i] = vista;
    }
    return viste;
}

Tipo tipoDellaCoppia(int i, int j) {
    const Mappa g = vista(i).inversa().dopo(vista(j));
    if (g == giro || g == giro.inversa())
        return Tipo::QuartoDiGiro;
    if (g == giro.dopo(giro))
        return Tipo::MezzoGiro;
    if (g == specchio)
        return Tipo::AsseVerticale;
    if (g == giro.dopo(giro).dopo(specchio))
        return Tipo::AsseOrizzontale;
    if (g == giro.dopo(specchio))
        return Tipo::DiagonaleAscendente; // (x, y) -> (-y, -x)
    return Tipo::DiagonaleDiscendente;    // (x, y) -> (y, x)
}

QString descrizione(Tipo tipo) {
    const QString specchio = QStringLiteral("la figura è uguale alla sua immagine allo specchio ");
    switch (tipo) {
    case Tipo::QuartoDiGiro:
        return QStringLiteral("la figura è uguale a sé stessa girata di un quarto di giro");
    case Tipo::MezzoGiro:
        return QStringLiteral("la figura è uguale a sé stessa girata di mezzo giro");
    case Tipo::AsseVerticale:
        return specchio + QStringLiteral("rispetto all'asse verticale");
    case Tipo::AsseOrizzontale:
        return specchio + QStringLiteral("rispetto all'asse orizzontale");
    case Tipo::DiagonaleDiscendente:
        return specchio + QStringLiteral("rispetto alla diagonale che scende da sinistra a destra");
    case Tipo::DiagonaleAscendente:
        return specchio + QStringLiteral("rispetto alla diagonale che sale da sinistra a destra");
    }
    return {};
}

QString Esito::verdetto() const {
    if (usabile())
        return QStringLiteral("Il disegno si può usare: le otto viste sono tutte diverse.");
    QStringList motivi;
    for (Tipo t : simmetrie)
        // A quarter turn brings a half turn with it: saying both adds nothing.
        if (!(t == Tipo::MezzoGiro && simmetrie.contains(Tipo::QuartoDiGiro)))
            motivi << descrizione(t);
    return QStringLiteral("Il disegno non si può usare: ") + motivi.join(QStringLiteral("; ")) +
           QStringLiteral(". Negli esercizi due viste sembrerebbero uguali.");
}

Esito esamina(const OttoViste::Viste& viste, double sogliaUsata) {
    Esito esito;
    esito.minima = std::numeric_limits<double>::max();
    for (int i = 0; i < OttoViste::numero; ++i)
        for (int j = i + 1; j < OttoViste::numero; ++j) {
            const double d = distanza(viste[i], viste[j]);
            if (d < esito.minima) {
                esito.minima = d;
                esito.vistaA = i + 1;
                esito.vistaB = j + 1;
            }
            const Tipo t = tipoDellaCoppia(i, j);
            if (d < sogliaUsata && !esito.simmetrie.contains(t))
                esito.simmetrie << t;
        }
    std::sort(esito.simmetrie.begin(), esito.simmetrie.end());
    return esito;
}

} // namespace Simmetrie

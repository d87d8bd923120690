// SPDX-License-Identifier: GPL-3.0-or-later
#include "GrigliaLettere.h"

#include "LayoutFigureClasse.h"

#include "common/Controlli.h"
#include "common/class_figures/FigureClasse.h"
#include "common/platform/services/Picture.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/views/ConvenzioneFigure.h"
#include "common/views/FileViste.h"

#include <QImageReader>
#include <QLabel>

namespace {

constexpr QRgb coloreClasse = 0xFFE082;

QString percorsoPrimaVista(const QString& cartella, QChar lettera) {
    return cartella + QLatin1Char('/') + FileViste::nome(lettera, 1);
}

// A letter's first view, small: read from its file at the side it is shown.
PicturePtr primaVista(const QString& percorso, int lato) {
    QImageReader reader(percorso);
    const QSize misura = reader.size();
    if (!misura.isValid() || qint64(misura.width()) * misura.height() > 10000LL * 10000)
        return nullptr;
    reader.setScaledSize(misura.scaled(lato * 2, lato * 2, Qt::KeepAspectRatio));
    return Picture::fromImage(reader.read());
}

} // namespace

GrigliaLettere::GrigliaLettere(QWidget& pagina, QRgb sfondo, std::function<void(QChar)> scelta)
    : sfondo_(sfondo) {
    const LayoutFigureClasse& l = layoutFigureClasse;
    for (int i = 0; i < ConvenzioneFigure::lettere; ++i) {
        const QChar lettera = ConvenzioneFigure::lettera(i);
        const QPoint dove = l.griglia + QPoint(i % l.colonne * l.passoLettera.width(),
                                               i / l.colonne * l.passoLettera.height());
        auto* box = new ImageBox(&pagina, std::int16_t(i));
        box->setGeometry(QRect(dove, QSize(l.latoLettera, l.latoLettera)));
        box->setPressable(true);
        QObject::connect(box, &ImageBox::clicked, &pagina, [scelta, lettera] { scelta(lettera); });
        lettere << box;
        nomi << Controlli::etichetta(
            &pagina, lettera,
            QRect(dove.x() - 6, dove.y() + l.latoLettera + 2, l.latoLettera + 12, l.altezzaNome),
            Controlli::arial(10), sfondo, Qt::AlignCenter);
    }
}

void GrigliaLettere::mostra(const FigureClasse& classe, const QString& cartellaViste) {
    const int lato = layoutFigureClasse.latoLettera;
    for (int i = 0; i < ConvenzioneFigure::lettere; ++i) {
        const QChar l = ConvenzioneFigure::lettera(i);
        const FigureClasse::Origine origine = classe.origine(l);
        const QString cartella = classe.cartellaUsata(l);
        PicturePtr vista =
            primaVista(percorsoPrimaVista(cartella.isEmpty() ? cartellaViste : cartella, l), lato);
        if (!vista && !cartella.isEmpty()) // the class's is unreadable: the shipped one is used
            vista = primaVista(percorsoPrimaVista(cartellaViste, l), lato);
        ImageBox* box = lettere.at(i);
        if (vista)
            box->setPicture(vista);
        else
            box->setMissing();
        const bool propria = origine != FigureClasse::Origine::Programma;
        const bool insegnante = origine == FigureClasse::Origine::Insegnante;
        box->setBordered(propria);
        const QString di = insegnante ? QStringLiteral("della classe")
                           : propria  ? QStringLiteral("della scuola")
                                      : QStringLiteral("del programma");
        box->setAccessibleName(QStringLiteral("Lettera %1, figura %2").arg(l).arg(di));
        QLabel* nome = nomi.at(i);
        nome->setText(propria
                          ? QStringLiteral("%1 (%2)").arg(l).arg(
                                insegnante ? QStringLiteral("classe") : QStringLiteral("scuola"))
                          : QString(l));
        nome->setAutoFillBackground(propria);
        QPalette p = nome->palette();
        p.setColor(QPalette::Window, QColor(propria ? coloreClasse : sfondo_));
        nome->setPalette(p);
    }
}

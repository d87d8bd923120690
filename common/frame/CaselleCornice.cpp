// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaselleCornice.h"

#include "common/FigureMemorizzate.h"
#include "common/platform/services/Twips.h"
#include "common/platform/widgets/ImageBox.h"
#include "common/platform/widgets/LineShape.h"

CaselleCornice::CaselleCornice(QWidget& area, FigureMemorizzate& memorizzate,
                               std::function<void(ImageBox&)> premuta)
    : area_(area), memorizzate_(memorizzate), premuta_(std::move(premuta)) {}

ImageBox* CaselleCornice::casella(QRect pixels, std::int16_t index) {
    auto* box = new ImageBox(&area_, index);
    box->setGeometry(pixels);
    // Connected first, so heard before whatever judges the click.
    if (premuta_)
        QObject::connect(box, &ImageBox::clicked, &area_,
                         [premuta = premuta_, box] { premuta(*box); });
    return box;
}

ImageBox* CaselleCornice::figura(QPoint twips, std::int16_t index, bool bordered,
                                 const QString& nome) {
    const int lato = misureCornice.latoFigura;
    ImageBox* box = casella(Twips::rect({twips, QSize(lato, lato)}), index);
    box->setBordered(bordered);
    box->setAccessibleName(nome);
    return box;
}

QList<ImageBox*> CaselleCornice::rigaSequenza(int topTwips) {
    QList<ImageBox*> row;
    for (int i = 0; i < 4; ++i) {
        const QPoint at(misureCornice.sinistraRiga + misureCornice.passoRiga * i, topTwips);
        row << figura(at, std::int16_t(i), true, QStringLiteral("Sequenza, casella %1").arg(i + 1));
    }
    return row;
}

QList<ImageBox*> CaselleCornice::candidati(const QList<QPoint>& twips,
                                           std::function<void(std::int16_t)> onClick) {
    QList<ImageBox*> made;
    for (qsizetype i = 0; i < twips.size(); ++i) {
        ImageBox* box = figura(twips[i], std::int16_t(i), false);
        QObject::connect(box, &ImageBox::clicked, &area_, onClick);
        made << box;
    }
    candidati_ << made;
    return made;
}

ImageBox* CaselleCornice::segno(QRect twips, const QString& picture, std::int16_t index) {
    ImageBox* box = casella(Twips::rect(twips), index);
    box->setPicture(memorizzate_.disegno(picture));
    if (picture == QLatin1String("senso_orario"))
        box->setAccessibleName(QStringLiteral("Senso orario"));
    else if (picture == QLatin1String("senso_antiorario"))
        box->setAccessibleName(QStringLiteral("Senso antiorario"));
    return box;
}

LineShape* CaselleCornice::linea(const Linea& linea) {
    auto* line = new LineShape(Twips::point(linea.da), Twips::point(linea.a), linea.spessore,
                               QColor(linea.colore), &area_);
    line->setAccessibleName(QStringLiteral("Linea di separazione"));
    return line;
}

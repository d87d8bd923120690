// SPDX-License-Identifier: GPL-3.0-or-later
#include "CampoCartella.h"

#include "common/Controlli.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CampoCartella::CampoCartella(QWidget* pagina, const RigaCartella& dove, const QString& nome,
                             const QString& vuoto, QRgb sfondo, Scelta scelta) {
    etichetta = Controlli::etichetta(pagina, QString(), dove.etichetta, Controlli::arial(10, false),
                                     sfondo, Qt::AlignLeft | Qt::AlignVCenter);
    campo = new QLineEdit(pagina);
    campo->setGeometry(dove.campo);
    campo->setPlaceholderText(vuoto);
    campo->setAccessibleName(nome);
    etichetta->setBuddy(campo);
    scegli = new QPushButton(QStringLiteral("Scegli..."), pagina);
    scegli->setGeometry(dove.scegli);
    scegli->setAccessibleName(QStringLiteral("Scegli: ") + nome);
    QObject::connect(scegli, &QPushButton::clicked, campo,
                     [pagina, campo = campo, scelta = std::move(scelta)] {
                         const QString cartella = scelta(pagina, campo->text());
                         if (!cartella.isEmpty())
                             campo->setText(cartella);
                     });
}

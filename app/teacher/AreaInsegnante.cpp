// SPDX-License-Identifier: GPL-3.0-or-later
#include "AreaInsegnante.h"

#include "common/Modulo1.h"
#include "common/platform/widgets/ScreenFit.h"
#include "common/platform/widgets/UniformScaler.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

// The pages' size at the normal scale.
constexpr QSize pagina{940, 620};

} // namespace

AreaInsegnante::AreaInsegnante(FullScreen schermoIntero, QWidget* parent)
    : QWidget(parent), schermoIntero_(std::move(schermoIntero)) {
    setWindowTitle(QStringLiteral("Area dell'insegnante - ") + Modulo1::titolo());
    setAccessibleName(QStringLiteral("Area dell'insegnante"));
    // The pages take all the room below the tabs, so that at the normal
    // size a page is exactly its stored size.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    testata_ = new QWidget(this);
    auto* riga = new QHBoxLayout(testata_);
    riga->setContentsMargins(0, 0, 0, 0);
    Schede = new QTabBar(testata_);
    Schede->setDrawBase(false);
    Schede->setAccessibleName(QStringLiteral("Pagine dell'area dell'insegnante"));
    riga->addWidget(Schede);
    riga->addStretch();
    BottoneChiudi = new QPushButton(QStringLiteral("Chiudi"), testata_);
    BottoneChiudi->setAccessibleName(QStringLiteral("Chiudi l'area dell'insegnante"));
    riga->addWidget(BottoneChiudi);
    layout->addWidget(testata_);
    Pagine = new QStackedWidget(this);
    layout->addWidget(Pagine, 1);
    connect(Schede, &QTabBar::currentChanged, Pagine, &QStackedWidget::setCurrentIndex);
    connect(BottoneChiudi, &QPushButton::clicked, this, &QWidget::close);
    carattereSchede_ = Schede->font();

    auto* f11 = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(f11, &QShortcut::activated, this, [this] { schermoIntero_.toggle(*this); });
    // From page to page, as in any window with tabs.
    for (const auto& [tasto, passo] :
         {std::pair{QKeySequence::NextChild, 1}, std::pair{QKeySequence::PreviousChild, -1}}) {
        auto* scorciatoia = new QShortcut(tasto, this);
        connect(scorciatoia, &QShortcut::activated, this, [this, passo = passo] {
            Schede->setCurrentIndex((Schede->currentIndex() + passo + Schede->count()) %
                                    std::max(1, Schede->count()));
        });
    }
}

void AreaInsegnante::aggiungiPagina(QWidget* pagina, const QString& titolo,
                                    std::function<bool()> chiusura) {
    Pagine->addWidget(pagina);
    Schede->addTab(titolo);
    if (chiusura)
        chiusure_ << std::move(chiusura);
}

void AreaInsegnante::mostraPagina(QWidget* pagina) {
    Schede->setCurrentIndex(Pagine->indexOf(pagina));
}

QWidget* AreaInsegnante::paginaCorrente() const {
    return Pagine->currentWidget();
}

void AreaInsegnante::adatta() {
    ScreenFit::place(*this, nullptr);
}

void AreaInsegnante::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The tabs grow with the pages below them.
    const qreal scala = UniformScaler::scaleFor(pagina, size());
    QFont font = carattereSchede_;
    font.setPointSizeF(carattereSchede_.pointSizeF() * std::max(scala, 0.5));
    Schede->setFont(font);
    BottoneChiudi->setFont(font);
}

void AreaInsegnante::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (isFullScreen())
            schermoIntero_.toggle(*this);
        else
            close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void AreaInsegnante::closeEvent(QCloseEvent* event) {
    for (const auto& chiusura : std::as_const(chiusure_))
        if (!chiusura()) {
            event->ignore();
            return;
        }
    QWidget::closeEvent(event);
}

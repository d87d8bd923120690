// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/platform/system/FullScreen.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

class QPushButton;
class QStackedWidget;
class QTabBar;

// The teacher's area: one window with a page for each of the teacher's jobs.
// It opens fitted to the screen, and its pages and their tabs grow and
// shrink with it; F11 puts it in full screen, Esc leaves full screen and
// otherwise closes it. The pupils' windows never lead here.
class AreaInsegnante : public QWidget {
    Q_OBJECT

public:
    explicit AreaInsegnante(FullScreen schermoIntero = FullScreen(), QWidget* parent = nullptr);

    // chiusura: asked before the area closes (a page with unsaved work may
    // keep it open); none: the page can always close.
    void aggiungiPagina(QWidget* pagina, const QString& titolo,
                        std::function<bool()> chiusura = {});
    void mostraPagina(QWidget* pagina);
    QWidget* paginaCorrente() const;

    // Sizes and places the area on its screen, as it opens.
    void adatta();

    QTabBar* Schede; // a tab per page, and "Chiudi" at their end
    QStackedWidget* Pagine;
    QPushButton* BottoneChiudi;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    FullScreen schermoIntero_;
    QList<std::function<bool()>> chiusure_;
    QFont carattereSchede_;
    QWidget* testata_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/platform/widgets/ColouredArea.h"
#include "common/reports/PaginaAlunno.h"

#include <functional>

class QChartView;
class QLabel;
class QPushButton;
class QTableWidget;

// A pupil's page of the class record: the totals, a row per exercise, the
// weeks of the exercise chosen there (or of them all), the chart of the
// share right at the first try week by week, "Stampa (PDF)…" and back.
class PaginaAlunnoRegistro : public ColouredArea {
    Q_OBJECT

public:
    // Where to save the PDF; tests answer in place of the file dialog.
    using SceltaFile = std::function<QString(QWidget*, const QString& proposto)>;

    PaginaAlunnoRegistro(PaginaAlunno pagina, QString classe, QWidget* parent = nullptr);
    void setSceltaFile(SceltaFile scelta) { sceltaFile_ = std::move(scelta); }
    const PaginaAlunno& pagina() const { return pagina_; }

    // Says how it went in Esito; true when saved.
    bool stampa();

    QLabel* Titolo;
    QLabel* Riepilogo;
    QTableWidget* Esercizi; // "Tutti gli esercizi", then one row per exercise
    QTableWidget* Settimane;
    QChartView* Grafico;
    QPushButton* BottoneStampa;
    QPushButton* BottoneIndietro;
    QLabel* Esito;

signals:
    void indietro();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void mostraSettimane(int riga);

    PaginaAlunno pagina_;
    QString classe_;
    SceltaFile sceltaFile_;
};

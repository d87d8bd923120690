// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PaginaAlunnoRegistro.h"

#include "common/reports/GrigliaClasse.h"
#include "common/reports/IntervalloDate.h"

#include <QDate>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>

class ColouredArea;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QIODevice;
class QSortFilterProxyModel;
class SceltaPeriodo;
class QStackedLayout;
class QTableView;

// "Registro", a page of the teacher's area: the class at a glance for a
// range of days, sortable by any column; Enter or a double click on a
// pupil opens the pupil's page in its place. The answers and the grid go
// out as CSV for a spreadsheet and the grid as a PDF for the council.
class PaginaRegistro : public QWidget {
    Q_OBJECT

public:
    // Where to save a file, proposed by name; tests answer in place of the
    // file dialog.
    using SceltaFile = std::function<QString(QWidget*, const QString& proposto)>;

    // note: what the reading passed over (files skipped, PCs missing), a
    // sentence each. oggi: the day the periods hold.
    PaginaRegistro(QList<VoceRegistro> voci, QStringList classe, QStringList note,
                   QDate oggi = QDate::currentDate(), QWidget* parent = nullptr);
    void setSceltaFile(SceltaFile scelta);

    IntervalloDate intervallo() const;
    const GrigliaClasse& griglia() const { return griglia_; }
    // The pupil's page open now, or none.
    PaginaAlunnoRegistro* paginaAlunno() const { return alunno_; }

    PaginaAlunnoRegistro* apriAlunno(const QString& nome);
    void chiudiAlunno();
    // Each says how it went in Esito; true when saved.
    bool esportaRisposte();
    bool esportaGriglia();
    bool stampaGriglia();

    ColouredArea* Vista; // the grid's page, under the pupil's when one is open
    QLabel* Titolo;
    QLineEdit* Classe;
    QComboBox* Periodo;
    QDateEdit* Dal;
    QDateEdit* Al;
    QComboBox* Misura;
    QTableView* Griglia;
    QLabel* Note;
    QLabel* Esito;
    QPushButton* BottoneRisposte;
    QPushButton* BottoneGriglia;
    QPushButton* BottoneStampa;
    QPushButton* BottoneChiudiRegistro;
    QPushButton* BottoneCancella;

signals:
    // The teacher closes the record (the password is asked again), or asks
    // to erase.
    void chiusuraChiesta();
    void cancellazioneChiesta();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void aggiorna();
    // The pupil on the view's row `riga`, as sorted now.
    QString alunnoSu(int riga) const;
    // Asks where, proposing "cosa DAL AL.estensione" for the range shown, and
    // saves there what `scrivi` writes; says `fatto` or the reason.
    bool esporta(const QString& cosa, const QString& estensione,
                 const std::function<QString(QIODevice&)>& scrivi, const QString& fatto);

    QList<VoceRegistro> voci_;
    QStringList classe_;
    SceltaPeriodo* periodo_;
    GrigliaClasse griglia_;
    QSortFilterProxyModel* ordine_;
    QStackedLayout* pile_;
    QPointer<PaginaAlunnoRegistro> alunno_;
    SceltaFile sceltaFile_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AnnotazioniRisposte.h"
#include "AttesaEsercizio.h"
#include "CaselleCornice.h"
#include "LayoutCornice.h"
#include "VerdettoCornice.h"
#include "common/FinestraId.h"
#include "common/platform/widgets/ColouredArea.h"

#include <QList>
#include <QMainWindow>

#include <memory>

class ImageBox;
class KeyboardMenuBar;
class QAction;
class ScalaCornice;
class TastieraEsercizio;
struct Contesto;

// What all fifteen exercise windows share: the counters and their labels, the
// two faces, "avanti", the menu bar and the way back to the menu. A family
// supplies the exercise (NuovoEsercizio) and the check of the pupil's answer.
class FinestraEsercizio : public QMainWindow, public ControlliVerdetto {
    Q_OBJECT

public:
    FinestraEsercizio(Contesto& ctx, FinestraId id, const QString& titolo,
                      const LayoutCornice& layout = {}, QWidget* parent = nullptr);
    ~FinestraEsercizio() override;

    FinestraId id() const { return id_; }
    // Where the frame's controls stand in this window.
    const LayoutCornice& layoutCornice() const { return layout_; }
    // The client area below the menu bar; its background is the window's colour.
    ColouredArea* area() const { return area_; }

    void Form_Activate();
    // A right answer: the face and the sound, the count, "avanti" enabled and
    // the answer controls disabled, in this order unless a window says
    // otherwise; then "avanti" has the focus.
    virtual void Esatto();
    void Errato();
    void BottoneAvanti_Click();
    void MenuAzzera_Click();
    void MenuInformazioni_Click();
    void mnuEsci_Click();
    void CaricaColori();
    // Recolours the window, draws the figure letter, deals its pictures to
    // the candidates and lets the family set up the rest. When the letter's
    // pictures are large, the rest comes once they are read on another
    // thread, and the answer controls wait disabled meanwhile.
    virtual void NuovoEsercizio();
    // A set-up is waiting for its letter's pictures.
    bool inAttesa() const { return attesa_.inAttesa(); }

    // The controls the pupil answers with, walked from index 0 upwards:
    // the candidates, unless the family answers in another way.
    virtual QList<QWidget*> controlliRisposta() const;
    // The same controls as the pupil reads them: rows from the top, each
    // from the left. The keyboard walks them, number key n answers with the
    // n-th, and a screen reader names candidates by their place in it.
    QList<QWidget*> controlliInOrdine() const;
    KeyboardMenuBar* barraMenu() const { return barraMenu_; }

    // Label1 ... BottoneAvanti, as the verdict made them (ControlliVerdetto).
    QAction* MenuAzzera;
    QAction* MenuInformazioni;
    QAction* mnuEsci;

protected:
    Contesto& ctx_;

    // The boxes and lines of the window's own layout.
    CaselleCornice& caselle() { return *caselle_; }
    // Gives the control the arrow pointer, grown with the window.
    void conCursoreFreccia(QWidget* control);

    // The family's own part of a new exercise, once the letter is drawn and
    // its pictures dealt.
    virtual void preparaEsercizio(QChar lettera) = 0;
    // What the exercise shows, in the family's words, for the class record:
    // read once it is set up. Here: the candidates' views in reading order.
    virtual QString descriviEsercizio() const;
    // The answer check of a candidate: the right one is copied into the
    // answer box and counts as right; any other counts as wrong.
    void giudicaCandidato(const ImageBox& scelto, int giusto, ImageBox& risposta);
    // The steps of Esatto, for a window that takes them in its own order:
    // the smiling face and the applause; one more right answer counted and written.
    void mostraEsatto();
    void contaEsatto();
    // "avanti", once enabled, takes the focus.
    void daiAvanti();

    void abilitaRisposte(bool abilitate);

    // The keyboard's own moves and answers (TastieraEsercizio).
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The rest of the set-up `turno`, once the letter is drawn and read.
    void completaEsercizio(quint64 turno, QChar lettera);

    FinestraId id_;
    LayoutCornice layout_;
    ColouredArea* area_;
    std::unique_ptr<CaselleCornice> caselle_;
    std::unique_ptr<ScalaCornice> scala_;
    KeyboardMenuBar* barraMenu_;
    std::unique_ptr<VerdettoCornice> verdetto_;
    TastieraEsercizio* tastiera_;
    AttesaEsercizio attesa_;
    AnnotazioniRisposte annotazioni_;
};

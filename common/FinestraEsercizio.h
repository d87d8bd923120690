// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FinestraId.h"
#include "LayoutCornice.h"
#include "common/platform/AreaColorata.h"

#include <QList>
#include <QMainWindow>
#include <QRect>

#include <cstdint>
#include <functional>

class ImageBox;
class KeyboardMenuBar;
class LineShape;
class PictureButton;
class QAction;
class QLabel;
struct Contesto;

// What all fifteen exercise windows share: the counters and their labels, the
// two faces, "avanti", the menu bar and the way back to the menu. A family
// supplies the exercise (NuovoEsercizio) and the check of the pupil's answer.
class FinestraEsercizio : public QMainWindow {
    Q_OBJECT

public:
    FinestraEsercizio(Contesto& ctx, FinestraId id, const QString& titolo,
                      const LayoutCornice& layout = {}, QWidget* parent = nullptr);

    FinestraId id() const { return id_; }
    // Where the frame's controls stand in this window.
    const LayoutCornice& layoutCornice() const { return layout_; }
    // The client area below the menu bar; its background is the window's colour.
    AreaColorata* area() const { return area_; }

    void Form_Activate();
    virtual void Esatto();
    void Errato();
    virtual void BottoneAvanti_Click();
    void MenuAzzera_Click();
    void MenuInformazioni_Click();
    void mnuEsci_Click();
    void CaricaColori();
    virtual void NuovoEsercizio() = 0;

    // The controls the pupil answers with, walked from index 0 upwards:
    // the candidates, unless the family answers in another way.
    virtual QList<QWidget*> controlliRisposta() const;
    // The same controls as the pupil reads them: rows from the top, each
    // from the left. The keyboard walks them, number key n answers with the
    // n-th, and a screen reader names candidates by their place in it.
    QList<QWidget*> controlliInOrdine() const;
    KeyboardMenuBar* barraMenu() const { return barraMenu_; }

    QLabel* Label1;
    QLabel* Label2;
    QLabel* EtichettaEsatti;
    QLabel* EtichettaErrati;
    PictureButton* ComandoIconaSi;
    PictureButton* ComandoIconaNo;
    PictureButton* BottoneAvanti;
    QAction* MenuAzzera;
    QAction* MenuInformazioni;
    QAction* mnuEsci;

protected:
    Contesto& ctx_;

    // A square figure box at (left, top), in twips. A screen reader names a
    // display box by `nome`; candidates are named by their place.
    ImageBox* casellaFigura(QPoint twips, std::int16_t index, bool bordered,
                            const QString& nome = {});
    // The row of four bordered figure boxes of the rotation windows, at this height.
    QList<ImageBox*> rigaSequenza(int topTwips);
    // The candidates, Image1(0..N-1): figure boxes without a border at these
    // places; a click on one reaches onClick with its index. Gives the boxes
    // just made; the window answers with all it made.
    QList<ImageBox*> candidati(const QList<QPoint>& twips,
                               std::function<void(std::int16_t)> onClick);
    // A stored picture in a box of its own, such as a rotation sign; the
    // signs are named by their sense of turning.
    ImageBox* casellaSegno(QRect twips, const QString& picture, std::int16_t index = 0);
    LineShape* linea(const Linea& linea);
    // Gives the control the arrow pointer, grown with the window.
    void conCursoreFreccia(QWidget* control);

    // The figure letter of a new exercise, its pictures read. Null when no
    // figure can be read any more: the pupil has been told and the menu is
    // back, so the set-up must stop there.
    QChar letteraEsercizio();

    // The steps the feedback procedures are made of.
    void mostraVerdetto(bool giusto);
    void contaEsatto();
    void abilitaRisposte(bool enabled);

    // Tab and Shift+Tab walk the answer controls in reading order, then
    // "avanti" when it is enabled.
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A window moved to a screen of another pixel ratio needs its pictures
    // decoded for that screen.
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Pictures and pointers for the scale the layout is shown at.
    void adattaAllaScala();
    // A counter's caption, and the name a screen reader announces with it.
    static void scriviContatore(QLabel* etichetta, const QString& nome, const QString& testo);
    void preparaTastiera();
    // Answers with a control as its click does; a solved exercise then
    // hands the keyboard to "avanti".
    void rispondiDaTastiera(QWidget* control);
    void avantiDaTastiera();
    bool spostaFocus(QWidget* from, int arrowKey);
    QList<QWidget*> cicloTab() const;

    FinestraId id_;
    LayoutCornice layout_;
    AreaColorata* area_;
    QList<ImageBox*> candidati_;
    QList<QWidget*> conCursore_;
    int altezzaMenu_;       // of the menu bar at the stored size
    qreal scalaMenu_ = 1.0; // of the menu bar's font
    KeyboardMenuBar* barraMenu_;
    bool tastieraPronta_ = false;
    bool soloAlt_ = false;
};

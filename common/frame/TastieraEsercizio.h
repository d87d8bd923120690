// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>

class KeyboardMenuBar;
class PictureButton;
class QKeyEvent;
class QWidget;

// An exercise window played with the keyboard alone: Tab and the arrows walk
// the answer controls in reading order, then "avanti" once it is enabled;
// Space, Enter or number key n answer; Enter on "avanti" draws the next
// exercise; Escape and F1 ask for the menu's way out and information, F10 and
// Alt alone open the menu bar.
class TastieraEsercizio : public QObject {
    Q_OBJECT

public:
    // finestra: the window the keys reach, which owns the keyboard.
    TastieraEsercizio(QWidget& finestra, PictureButton& avanti, KeyboardMenuBar& barra);

    // Takes the controls the pupil answers with, makes them pressable and
    // names the candidates by their place; once, when the window is first
    // activated.
    void prepara(const QList<QWidget*>& controlliRisposta);
    // What the window's own handlers do first; false leaves the event to them.
    bool focusNextPrevChild(bool inAvanti);
    bool keyPress(QKeyEvent* event);
    bool keyRelease(QKeyEvent* event);

signals:
    // Escape, and F1.
    void esci();
    void informazioni();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The answer controls as the pupil reads them: rows from the top, each from the left.
    QList<QWidget*> inOrdine() const;
    QList<QWidget*> cicloTab() const;
    bool spostaFocus(QWidget* da, int freccia);
    // Answers with a control as its click does; a solved exercise then
    // hands the keyboard to "avanti".
    void rispondi(QWidget* controllo);
    void premiAvanti();

    QWidget& finestra_;
    PictureButton& avanti_;
    KeyboardMenuBar& barra_;
    QList<QWidget*> controlli_;
    bool pronta_ = false;
    bool soloAlt_ = false;
};

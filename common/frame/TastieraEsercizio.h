// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>

class FinestraEsercizio;
class QKeyEvent;
class QWidget;

// An exercise window played with the keyboard alone: Tab and the arrows walk
// the answer controls in reading order, then "avanti" once it is enabled;
// Space, Enter or number key n answer; Enter on "avanti" draws the next
// exercise; Escape, F1, F10 and Alt alone reach the menu entries.
class TastieraEsercizio : public QObject {
    Q_OBJECT

public:
    explicit TastieraEsercizio(FinestraEsercizio& finestra);

    // Makes the answer controls pressable and names the candidates by their
    // place; once, when the window is first activated.
    void prepara();
    // What the window's own handlers do first; false leaves the event to them.
    bool focusNextPrevChild(bool next);
    bool keyPress(QKeyEvent* event);
    bool keyRelease(QKeyEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QWidget*> cicloTab() const;
    bool spostaFocus(QWidget* from, int arrowKey);
    // Answers with a control as its click does; a solved exercise then
    // hands the keyboard to "avanti".
    void rispondi(QWidget* control);
    void avanti();

    FinestraEsercizio& finestra_;
    bool pronta_ = false;
    bool soloAlt_ = false;
};

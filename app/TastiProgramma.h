// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <QWidget>

// The keys that act on the whole program, whatever window has the focus:
// Ctrl+M mutes and unmutes the sounds; the teacher's combination ends a
// program that pupils cannot quit, and the window on show cannot be closed
// by its user then.
class TastiProgramma : public QObject {
    Q_OBJECT

public:
    static QKeySequence tastoSilenzio() { return QKeySequence(Qt::CTRL | Qt::Key_M); }
    static QKeySequence tastoUscita() {
        return QKeySequence(Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_E);
    }

    // While blocked, the window on show may not be closed by its user.
    void setBloccato(bool bloccato) { bloccato_ = bloccato; }
    void setFinestra(QWidget* finestra) { finestra_ = finestra; }

signals:
    void silenzio();
    void uscita();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool bloccato_ = false;
    QPointer<QWidget> finestra_;
};

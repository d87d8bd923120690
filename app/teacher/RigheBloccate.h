// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QSet>
#include <QString>

class QWidget;

// The settings a page shows, and how the school's lock shows on them: a
// locked key's controls greyed, its text followed by "(impostato dalla
// scuola)".
class RigheBloccate {
public:
    // A setting on the page: the key ("suoni/volume"), the controls that
    // change it, and the text (a box's or a label's) that says when the
    // school set it.
    struct Riga {
        QString chiave;
        QList<QWidget*> controlli;
        QWidget* conTesto;
        QString testo;
    };

    RigheBloccate() = default;
    explicit RigheBloccate(QList<Riga> righe) : righe_(std::move(righe)) {}

    void mostra(const QSet<QString>& bloccate) const;

private:
    QList<Riga> righe_;
};

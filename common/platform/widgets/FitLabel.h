// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A label for a short caption that must be read whole, such as a count: a
// caption that fits is drawn as any label draws it; one that would run past
// the label's right edge is drawn on one line in a font just small enough,
// on the same baseline, in the label's own place and size.
class FitLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // The font the caption is drawn in now.
    QFont shownFont() const;

    // The font, or the largest smaller size of it (down to 4 points), in which
    // the caption fits on one line in that width, and that height when given.
    static QFont fitting(QFont font, const QString& caption, qreal width, qreal height = 0);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int room() const;
};

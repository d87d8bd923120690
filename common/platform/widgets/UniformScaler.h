// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QHash>
#include <QObject>
#include <QPointF>
#include <QRect>
#include <QSize>

class QWidget;

// A control that draws widths of its own (lines, frames, borders, pictures)
// and is told the factor its surface is shown at; a control is repainted
// when its factor changes.
class Scalable {
public:
    virtual ~Scalable() = default;
    void setScale(qreal scale);
    qreal scale() const { return scale_; }

private:
    qreal scale_ = 1.0;
};

// Shows a surface's controls at their stored geometry times one factor, the
// largest at which the stored size fits the surface, centred in it. Positions,
// sizes and fonts scale; at the stored size nothing is touched. A control is
// remembered as it was when the scaler first meets it, so controls are laid
// out in stored units and never know about the scale.
class UniformScaler : public QObject {
    Q_OBJECT

public:
    UniformScaler(QWidget* surface, QSize stored);

    QSize storedSize() const { return stored_; }
    qreal scale() const { return scale_; }
    QPointF offset() const { return offset_; }

    // Where a stored rectangle is shown on the surface now.
    QRect toSurface(const QRect& stored) const;
    static qreal scaleFor(QSize stored, QSize available);

    // Lays the controls out for the surface's present size.
    void apply();

signals:
    void scaleChanged(qreal scale);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Stored {
        QRect geometry;
        QFont font;
    };

    void place(QWidget& control, const Stored& stored) const;

    QWidget* surface_;
    QSize stored_;
    qreal scale_ = 1.0;
    QPointF offset_;
    QHash<const QObject*, Stored> controls_;
};

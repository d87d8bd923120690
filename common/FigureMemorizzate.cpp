#include "FigureMemorizzate.h"

#include <QGuiApplication>
#include <QPixmap>

QString FigureMemorizzate::percorso(const QString& name) {
    return QStringLiteral(":/pictures/") + name + QStringLiteral(".svg");
}

QIcon FigureMemorizzate::icona(const QString& name) {
    auto found = icone_.find(name);
    if (found == icone_.end())
        found = icone_.insert(name, QIcon(percorso(name)));
    return found.value();
}

PicturePtr FigureMemorizzate::disegno(const QString& name) {
    auto found = disegni_.find(name);
    if (found == disegni_.end())
        found = disegni_.insert(name, Picture::fromSvg(percorso(name)));
    return found.value();
}

QCursor FigureMemorizzate::cursoreFreccia() {
    if (!cursore_) {
        const qreal ratio = qMax<qreal>(1.0, qGuiApp->devicePixelRatio());
        const QPixmap pixmap = icona(QStringLiteral("cursore")).pixmap(QSize(32, 32), ratio);
        cursore_ = QCursor(pixmap, 1, 1);
    }
    return *cursore_;
}

#include "FigureLibrary.h"

#include "ImageBox.h"

#include <QImageReader>

FigureLibrary::FigureLibrary(QString applicationFolder)
    : applicationFolder_(std::move(applicationFolder)) {}

QString FigureLibrary::folder() const {
    return applicationFolder_ + QStringLiteral("/jpg");
}

QString FigureLibrary::path(QChar letter, int number) const {
    return folder() + QLatin1Char('/') + letter + QString::number(number) + QStringLiteral(".jpg");
}

PicturePtr FigureLibrary::picture(QChar letter, int number) {
    const QString file = path(letter, number);
    if (auto found = decoded_.constFind(file); found != decoded_.constEnd())
        return found.value();
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    PicturePtr picture = Picture::fromImage(reader.read());
    if (picture)
        decoded_.insert(file, picture);
    return picture;
}

void FigureLibrary::load(ImageBox& box, QChar letter, int number) {
    if (PicturePtr p = picture(letter, number))
        box.setPicture(std::move(p));
    else
        box.setMissing();
}

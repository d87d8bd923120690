#include "FigureLibrary.h"

#include "common/platform/ImageBox.h"

#include <QImageReader>

#include <algorithm>
#include <cmath>

FigureLibrary::FigureLibrary(QString applicationFolder, int pixelSide)
    : applicationFolder_(std::move(applicationFolder)), pixelSide_(pixelSide) {}

QString FigureLibrary::folder() const {
    return applicationFolder_ + QStringLiteral("/jpg");
}

QString FigureLibrary::path(QChar letter, int number) const {
    return folder() + QLatin1Char('/') + letter + QString::number(number) + QStringLiteral(".jpg");
}

QSize FigureLibrary::decodedSize(QSize stored, int side) {
    // The JPEG decoder scales by eighths at no cost; any other size costs a
    // second, slow resampling. So a picture is decoded at the smallest eighth
    // of its size that covers the boxes, if that is at most a quarter larger,
    // and the box draws it at its own size.
    const int longest = std::max(stored.width(), stored.height());
    const int eighths = std::clamp(int(std::ceil(8.0 * side / longest)), 1, 8);
    const QSize eighth((stored.width() * eighths + 7) / 8, (stored.height() * eighths + 7) / 8);
    if (std::max(eighth.width(), eighth.height()) * 4 <= side * 5)
        return eighth;
    return stored.scaled(side, side, Qt::KeepAspectRatio);
}

PicturePtr FigureLibrary::decode(const QString& file) const {
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    // A picture larger than the boxes need is decoded straight to that size,
    // so an oversized file costs neither time on every showing nor memory.
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > pixelSide_ || size.height() > pixelSide_))
        reader.setScaledSize(decodedSize(size, pixelSide_));
    return Picture::fromImage(reader.read(), file);
}

void FigureLibrary::tieni(QChar letter) {
    recenti_.removeOne(letter);
    recenti_.append(letter);
    if (recenti_.size() <= lettereTenute)
        return;
    const QChar oldest = recenti_.takeFirst();
    for (int n = 1; n <= viste; ++n)
        decoded_.remove(path(oldest, n));
}

PicturePtr FigureLibrary::decoded(const QString& file) {
    if (auto found = decoded_.constFind(file); found != decoded_.constEnd())
        return found.value();
    PicturePtr picture = decode(file);
    if (picture)
        decoded_.insert(file, picture);
    return picture;
}

PicturePtr FigureLibrary::picture(QChar letter, int number) {
    tieni(letter);
    return decoded(path(letter, number));
}

void FigureLibrary::setPixelSide(int pixelSide) {
    if (pixelSide == pixelSide_)
        return;
    pixelSide_ = pixelSide;
    decoded_.clear();
}

void FigureLibrary::redecode(ImageBox& box) {
    const PicturePtr shown = box.picture();
    if (!shown || shown->file().isEmpty())
        return;
    PicturePtr again = decoded(shown->file());
    if (again && again != shown)
        box.setPicture(std::move(again));
}

void FigureLibrary::load(ImageBox& box, QChar letter, int number) {
    if (PicturePtr p = picture(letter, number))
        box.setPicture(std::move(p));
    else
        box.setMissing();
}

int FigureLibrary::verifica() {
    int mancanti = 0;
    inutilizzabili_.clear();
    for (int l = 0; l < lettere; ++l) {
        const QChar letter(u'a' + l);
        bool completa = true;
        for (int n = 1; n <= viste; ++n)
            if (!decode(path(letter, n))) {
                ++mancanti;
                completa = false;
            }
        if (!completa)
            inutilizzabili_ << letter;
    }
    verificata_ = true;
    return mancanti;
}

bool FigureLibrary::letteraUtilizzabile(QChar letter) const {
    return !inutilizzabili_.contains(letter);
}

bool FigureLibrary::qualcheLettera() const {
    return !verificata_ || inutilizzabili_.size() < lettere;
}

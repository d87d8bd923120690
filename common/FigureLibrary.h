#pragma once

#include "common/platform/Picture.h"

#include <QChar>
#include <QHash>
#include <QString>

class ImageBox;

// The figure pictures: jpg/<letter><number>.jpg in the application folder.
// Each file is decoded at the size the boxes need on this screen and shared
// by every box that shows it; the pictures of the last few letters are kept,
// so memory stays small however long a class plays.
class FigureLibrary {
public:
    static constexpr int lettere = 26;
    static constexpr int viste = 8;

    // pixelSide: the side, in device pixels, of the pictures as boxes show them.
    explicit FigureLibrary(QString applicationFolder, int pixelSide = 240);

    QString folder() const;
    QString path(QChar letter, int number) const;

    // Null when the file is missing or cannot be decoded.
    PicturePtr picture(QChar letter, int number);

    // The side the boxes have on the screen now; pictures decoded at another
    // side are dropped, and boxes get the new ones through redecode().
    void setPixelSide(int pixelSide);
    int pixelSide() const { return pixelSide_; }
    // Gives the box its picture again, decoded at the present side.
    void redecode(ImageBox& box);
    // The size a picture stored at that size is decoded at for boxes of that side.
    static QSize decodedSize(QSize stored, int side);

    // Shows the picture in the box; a picture that cannot be read leaves a
    // visible placeholder rather than an empty box.
    void load(ImageBox& box, QChar letter, int number);

    // Reads every picture once; a letter with a picture that is missing or
    // cannot be decoded is left out of the draws from then on. Returns how
    // many pictures could not be read.
    int verifica();
    bool letteraUtilizzabile(QChar letter) const;
    bool qualcheLettera() const;

private:
    static constexpr int lettereTenute = 4;

    PicturePtr decode(const QString& file) const;
    PicturePtr decoded(const QString& file);
    void tieni(QChar letter);

    QString applicationFolder_;
    int pixelSide_;
    QHash<QString, PicturePtr> decoded_;
    QList<QChar> inutilizzabili_;
    QList<QChar> recenti_; // most recent last
    bool verificata_ = false;
};

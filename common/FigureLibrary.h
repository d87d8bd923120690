#pragma once

#include "Picture.h"

#include <QChar>
#include <QHash>
#include <QString>

class ImageBox;

// The figure pictures: jpg/<letter><number>.jpg in the application folder.
// Each file is decoded once and then shared by every box that shows it.
class FigureLibrary {
  public:
    explicit FigureLibrary(QString applicationFolder);

    QString folder() const;
    QString path(QChar letter, int number) const;

    // Null when the file is missing or cannot be decoded.
    PicturePtr picture(QChar letter, int number);

    // Shows the picture in the box; a picture that cannot be read leaves a
    // visible placeholder rather than an empty box.
    void load(ImageBox& box, QChar letter, int number);

  private:
    QString applicationFolder_;
    QHash<QString, PicturePtr> decoded_;
};

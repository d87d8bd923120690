// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/platform/services/Picture.h"
#include "common/platform/system/SafeFile.h"

#include <QFile>
#include <QSize>
#include <QString>

#include <QMutex>

#include <map>
#include <memory>
#include <optional>
#include <tuple>

// One view of a figure read from its file: opening it safely, its size from
// the header alone, and decoding it for boxes of a given side, from a smaller
// copy of the same view when there is a fresh one.
namespace VistaFigura {

// Tells a file apart from the one that was there before under the same name.
using Firma = SafeFile::Identity;

// Which copies were found to carry their view's fingerprint, so that a view
// is read whole to compare only once while neither file changes. Safe to use
// from the decoding threads.
class CopieVerificate {
public:
    bool note(const Firma& vista, const Firma& copia) const;
    void ricorda(const Firma& vista, const Firma& copia);

private:
    using Chiave = std::tuple<quint64, quint64, qint64, qint64, qint64>;
    static Chiave chiave(const Firma& f);

    mutable QMutex mutex_;
    std::map<Chiave, Firma> copie_; // by the view's signature
};

// A picture file opened for reading, only a regular file, without waiting.
using FileAperto = SafeFile::Opened;

// More pixels than this are refused from the header alone: decoding them,
// even scaled down, would hold the window for seconds.
constexpr qint64 pixelMassimi = 10000LL * 10000;

// The size the file's header gives, read without decoding the picture;
// invalid when the file has no readable header or is refused as too large.
QSize misura(FileAperto& file);

// The size a picture stored at that size is decoded at for boxes of that side;
// invalid when either is empty.
QSize misuraDecodificata(QSize stored, int lato);

// The side of the smaller copies that boxes of that side use, 0 for none:
// the smallest that still covers the boxes.
int latoCopia(int lato);
// Where the copy of that side of a view lives: the folder named by its side,
// in the views' folder.
QString percorsoCopia(const QString& cartella, int lato, const QString& nome);

// Decodes the view, whose header gave `stored`, for boxes of `lato` pixels.
// A copy is used when it carries the fingerprint of the view as it is now,
// has its shape, and decodes completely; otherwise the view itself is decoded. Null when the
// view cannot be decoded completely. `chiave` names the picture, so that it
// can be decoded again at another size.
// `verificate`, when given, spares comparing a copy found right before.
PicturePtr decodifica(FileAperto& vista, QSize stored, std::optional<FileAperto> copia, int lato,
                      const QString& chiave, CopieVerificate* verificate = nullptr);

} // namespace VistaFigura

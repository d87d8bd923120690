// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "VerificaFigure.h"
#include "common/platform/services/Picture.h"
#include "common/platform/system/SafeFile.h"

#include <QChar>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class FigureDecodificate;
class LavoriDiFondo;
class RidecodificaViste;
class QObject;
class RandomSource;
namespace LetturaViste {
struct Lettura;
} // namespace LetturaViste

// The figure pictures: jpg/<letter><number>.jpg in the application folder,
// names matched without regard to case (a copy from a FAT stick may read
// A1.JPG). The folder may change while the program runs (a stick pulled out,
// a share that drops, files overwritten), so an exercise reads its letter's
// pictures at its set-up and shows the letter only if all eight are usable.
// Each file is decoded at the size the boxes need on this screen and shared
// by every box that shows it; the pictures of the last few letters are kept,
// so memory stays small however long a class plays.
class BibliotecaFigure {
public:
    // latoPixel: the side, in device pixels, of the pictures as boxes show them.
    explicit BibliotecaFigure(QString cartellaApplicazione, int latoPixel = 240);
    ~BibliotecaFigure();
    BibliotecaFigure(const BibliotecaFigure&) = delete;
    BibliotecaFigure& operator=(const BibliotecaFigure&) = delete;

    QString cartella() const;
    // Where the letter's picture is read from now: the class's folder for the
    // letter when its figure is used, the shipped folder otherwise.
    QString percorso(QChar lettera, int numero) const;
    // The letter's pictures are read from a class folder now, not the shipped one.
    bool figuraClasse(QChar lettera) const;
    // The folders of a letter's class figures, the one to try first first.
    using CartelleClasse = std::function<QStringList(QChar lettera)>;
    // The class's own figures, tried before the shipped ones letter by letter.
    void impostaClasse(CartelleClasse cartelle);
    int latoPixel() const;

    // The side the boxes have on the screen now; pictures decoded at another
    // side are dropped, and boxes get the new ones through ridecodifica().
    void impostaLatoPixel(int lato);
    // The pictures that boxes show, decoded again at the present side, in
    // the same order, for `poi`; a picture whose file cannot be read now, or
    // that is not a figure view, is given back as it is. Large pictures are
    // decoded on another thread, while the boxes go on showing theirs: `poi`
    // gets them later, unless `contesto` has gone or the side has changed again.
    void ridecodifica(const QList<PicturePtr>& mostrate, const QObject* contesto,
                      std::function<void(const QList<PicturePtr>&)> poi);

    // The figure letter of an exercise that is being set up, "a" to "z", its
    // pictures read: one value from the generator for each letter drawn. A
    // letter whose pictures cannot all be read is set aside and another drawn,
    // which keeps the draw uniform over the letters that can be shown. Null
    // when no letter can be read any more.
    QChar estraiLettera(RandomSource& rnd);
    // The same for a set-up that must not hold the window: a letter whose
    // pictures are large enough to take more than a frame to decode is read
    // on another thread. `poi` gets the letter at once, or later on this
    // thread, unless `contesto` has gone or another letter has been asked for
    // meanwhile.
    void estraiLettera(RandomSource& rnd, const QObject* contesto, std::function<void(QChar)> poi);

    // Reads the letter's eight pictures for an exercise that is being set up:
    // true when all of them can be read now, decode completely and share one
    // size. Then immagine() gives them without reading a file.
    bool preparaLettera(QChar lettera);
    // A letter is being read on another thread.
    bool inLettura() const;
    // True when at least one letter can be shown now; large pictures are
    // judged from their headers, their set-up reads them whole.
    bool qualcheLettera();

    // The picture as decoded at the present side; one that is not (the side
    // has changed, or its letter was let go) is decoded now. Null when the
    // file is missing or cannot be decoded.
    PicturePtr immagine(QChar lettera, int numero);

    // Reads every picture once, on the calling thread, and says which cannot
    // be used (VerificaFigure does it for a folder on any thread).
    VerificaFigure::Esito verifica() const;

private:
    struct Attesa; // who waits for a letter read on another thread
    enum class Grandi { subito, rinvia, diFondo };

    // preparaLettera() for a set-up that must not hold the window: nothing
    // when the letter is read on another thread, and `poi` gets the verdict
    // later, on this thread, unless `contesto` has gone or another letter has
    // been asked for meanwhile.
    std::optional<bool> preparaSenzaAttendere(QChar lettera, const QObject* contesto,
                                              std::function<void(bool)> poi);

    // The folders the letter may be read from, in order: the class's, then
    // the shipped one (empty).
    QStringList cartelleDi(QChar lettera) const;
    // Tries them from the `da`-th on; nothing when large pictures are left
    // for later as `grandi` says.
    std::optional<bool> prova(QChar lettera, qsizetype da, Grandi grandi,
                              const std::shared_ptr<Attesa>& attesa);
    // Reads the letter from a class folder, or the shipped one when empty;
    // nothing when large pictures are left for later.
    std::optional<bool> preparaDa(QChar lettera, const QString& cartellaClasse, bool rinvia);
    // Reads on another thread what preparaDa left, from the `indice`-th folder.
    void leggiDiFondo(QChar lettera, qsizetype indice, const std::shared_ptr<Attesa>& attesa);
    // Keeps what was read; true when the letter can be shown.
    bool concludi(QChar lettera, const QString& cartellaClasse,
                  const std::optional<SafeFile::Identity>& prima,
                  const LetturaViste::Lettura& letta);

    QString cartellaApplicazione_;
    CartelleClasse classe_;
    std::unique_ptr<FigureDecodificate> figure_;
    // After figure_: destroyed first, it waits for work that uses it.
    std::unique_ptr<LavoriDiFondo> fondo_;
    std::unique_ptr<RidecodificaViste> ridecodifica_;
};

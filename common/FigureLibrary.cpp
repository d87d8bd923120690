// SPDX-License-Identifier: GPL-3.0-or-later
#include "FigureLibrary.h"

#include "common/platform/ImageBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QSize>

#include <algorithm>
#include <array>
#include <cmath>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int viste = FigureLibrary::viste;

// Tells a file apart from the one that was there before under the same name.
struct Firma {
    quint64 dispositivo = 0, nodo = 0;
    qint64 dimensione = -1, secondi = 0, nanosecondi = 0;
    bool operator==(const Firma&) const = default;
};

Firma firmaDi(const struct stat& st) {
    return {quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size), qint64(st.st_mtim.tv_sec),
            qint64(st.st_mtim.tv_nsec)};
}

struct Voce {
    PicturePtr immagine;
    QSize originale; // as the file holds it, before decoding to the boxes' size
    Firma firma;
};

// A picture file opened for reading. Only a regular file is opened, and the
// open itself never waits: a FIFO or a device named like a picture would
// block the reader for good.
struct FileAperto {
    std::unique_ptr<QFile> file;
    Firma firma;
};

std::optional<FileAperto> apri(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    auto file = std::make_unique<QFile>();
    if (!file->open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
        return std::nullopt;
    return FileAperto{std::move(file), firmaDi(st)};
}

// Hands a file to the decoder and notes whether the decoder asked for more
// than the file holds. A JPEG decoder that runs out of data paints the rest
// grey and reports success; a picture cut short is not a picture to show.
class LetturaSorvegliata : public QIODevice {
public:
    explicit LetturaSorvegliata(QIODevice& sorgente) : sorgente_(sorgente) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool oltreLaFine() const { return oltreLaFine_; }
    qint64 size() const override { return sorgente_.size(); }
    bool seek(qint64 pos) override { return QIODevice::seek(pos) && sorgente_.seek(pos); }

protected:
    qint64 readData(char* data, qint64 max) override {
        const qint64 letti = sorgente_.read(data, max);
        // Unbuffered, each read of the decoder is one call here: a read that
        // finds nothing more means the decoder wanted what was not there.
        if (letti == 0 && max > 0)
            oltreLaFine_ = true;
        return letti;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QIODevice& sorgente_;
    bool oltreLaFine_ = false;
};

// The one place where a file becomes a picture: decoded straight to the side
// the boxes need, so an oversized file costs neither time on every showing
// nor memory. Null picture when the file cannot be decoded completely.
// `chiave` is the picture's path as the program names it, kept with the
// picture so that it can be decoded again at another size.
Voce decodifica(FileAperto aperto, int lato, const QString& chiave) {
    LetturaSorvegliata sorgente(*aperto.file);
    QImageReader reader(&sorgente);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > lato || size.height() > lato))
        reader.setScaledSize(FigureLibrary::misuraDecodificata(size, lato));
    const bool jpeg = reader.format() == "jpeg"; // asked before reading: afterwards it is not known
    QImage image = reader.read();
    if (image.isNull() || (jpeg && sorgente.oltreLaFine()))
        return {nullptr, {}, aperto.firma};
    const QSize originale = size.isValid() ? size : image.size();
    return {Picture::fromImage(std::move(image), chiave), originale, aperto.firma};
}

// The sides of a picture, longer first: a view turned a quarter turn swaps
// width and height and is still the same size.
QSize lati(QSize s) {
    return {qMax(s.width(), s.height()), qMin(s.width(), s.height())};
}

// Which of a letter's read views cannot stand beside the others: one smaller
// than latoMinimo on a side, or of another size than most of the views.
// Views with an invalid size were not read and are left alone.
QList<int> fuoriMisura(const std::array<QSize, viste>& misure) {
    const auto abbastanza = [](QSize s) { return lati(s).height() >= FigureLibrary::latoMinimo; };
    const auto vicine = [](QSize a, QSize b) {
        const QSize x = lati(a), y = lati(b);
        return qAbs(x.width() - y.width()) <= FigureLibrary::tolleranza &&
               qAbs(x.height() - y.height()) <= FigureLibrary::tolleranza;
    };
    int riferimento = -1, migliore = 0;
    for (int i = 0; i < viste; ++i) {
        if (!misure[i].isValid() || !abbastanza(misure[i]))
            continue;
        int simili = 0;
        for (QSize altra : misure)
            simili += altra.isValid() && abbastanza(altra) && vicine(misure[i], altra);
        if (simili > migliore) {
            migliore = simili;
            riferimento = i;
        }
    }
    QList<int> fuori;
    for (int i = 0; i < viste; ++i)
        if (misure[i].isValid() &&
            (riferimento < 0 || !abbastanza(misure[i]) || !vicine(misure[i], misure[riferimento])))
            fuori << i + 1;
    return fuori;
}

QString nomeFile(QChar lettera, int numero) {
    return lettera + QString::number(numero) + QStringLiteral(".jpg");
}

// The names in the picture folder, so that a picture named in another case
// (A1.JPG) is found when the exact name is not there. The listing is read
// again only when the folder changes.
class Nomi {
public:
    explicit Nomi(QString cartella) : cartella_(std::move(cartella)) {}

    QString cartella() const { return cartella_; }

    // The file of the picture: the exact name when it opens, otherwise a
    // name that differs from it only in case.
    std::optional<FileAperto> apri(QChar lettera, int numero, QString* nome = nullptr) {
        const QString esatto = nomeFile(lettera, numero);
        if (nome)
            *nome = esatto;
        if (auto aperto = ::apri(cartella_ + QLatin1Char('/') + esatto))
            return aperto;
        aggiorna();
        const QString altro = nomi_.value(esatto);
        if (altro.isEmpty())
            return std::nullopt;
        if (nome)
            *nome = altro;
        return ::apri(cartella_ + QLatin1Char('/') + altro);
    }

private:
    void aggiorna() {
        struct stat st {};
        if (::stat(QFile::encodeName(cartella_).constData(), &st) != 0) {
            nomi_.clear();
            firma_ = {};
            return;
        }
        const Firma firma = firmaDi(st);
        if (firma == firma_)
            return;
        firma_ = firma;
        nomi_.clear();
        const QStringList voci = QDir(cartella_).entryList(
            QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString& voce : voci) {
            const QString minuscolo = voce.toLower();
            if (minuscolo != voce && !nomi_.contains(minuscolo))
                nomi_.insert(minuscolo, voce);
        }
    }

    QString cartella_;
    Firma firma_;
    QHash<QString, QString> nomi_; // a name not in lower case, by its lower-case form
};

// What reading one letter gave.
struct LetturaLettera {
    std::array<Voce, viste> voci;
    std::array<QString, viste> nomi; // as the folder spells them, or as expected when missing
    QList<int> inutilizzabili;       // picture numbers
    QList<int> illeggibili;          // those that do not decode at all
    bool interrotta = false;
};

// Reads a letter's eight pictures. `gia` gives a picture already decoded from
// the same file and `scartato` tells a file already found unusable, so that
// neither is decoded again. With `tutte` false, stops at the first picture
// that cannot be used; stops as soon as `interrompi` becomes true.
template <typename Gia, typename Scartato>
LetturaLettera leggiLettera(Nomi& nomi, QChar lettera, int lato, bool tutte, Gia gia,
                            Scartato scartato, const std::atomic_bool* interrompi = nullptr) {
    LetturaLettera esito;
    std::array<std::optional<FileAperto>, viste> aperti;
    // Opening first is cheap and finds a missing or known bad file before
    // any decoding.
    for (int i = 0; i < viste; ++i) {
        aperti[i] = nomi.apri(lettera, i + 1, &esito.nomi[i]);
        if (!aperti[i] || scartato(i + 1, aperti[i]->firma)) {
            esito.inutilizzabili << i + 1;
            if (aperti[i])
                esito.voci[i].firma = aperti[i]->firma;
            if (!tutte)
                return esito;
        }
    }
    std::array<QSize, viste> misure;
    for (int i = 0; i < viste; ++i) {
        if (!aperti[i] || esito.inutilizzabili.contains(i + 1))
            continue;
        if (interrompi && interrompi->load()) {
            esito.interrotta = true;
            return esito;
        }
        if (const Voce* voce = gia(i + 1, aperti[i]->firma))
            esito.voci[i] = *voce;
        else
            esito.voci[i] = decodifica(std::move(*aperti[i]), lato,
                                       nomi.cartella() + QLatin1Char('/') +
                                           nomeFile(lettera, i + 1));
        if (!esito.voci[i].immagine) {
            esito.inutilizzabili << i + 1;
            esito.illeggibili << i + 1;
            if (!tutte)
                return esito;
        } else {
            misure[i] = esito.voci[i].originale;
        }
    }
    for (int numero : fuoriMisura(misure)) {
        esito.inutilizzabili << numero;
        esito.voci[numero - 1].immagine = nullptr;
    }
    std::sort(esito.inutilizzabili.begin(), esito.inutilizzabili.end());
    return esito;
}

QChar letteraNumero(int l) {
    return QChar(u'a' + l);
}

} // namespace

struct FigureLibrary::Letture {
    explicit Letture(QString cartella) : nomi(std::move(cartella)) {}

    Nomi nomi;
    QHash<QString, Voce> decodificate; // the recent letters' pictures, by path
    QHash<QString, Firma> scartati;    // files found unusable, until they change
};

FigureLibrary::FigureLibrary(QString cartellaApplicazione, int latoPixel)
    : cartellaApplicazione_(std::move(cartellaApplicazione)), latoPixel_(latoPixel),
      letture_(std::make_unique<Letture>(cartella())) {}

FigureLibrary::~FigureLibrary() = default;

QString FigureLibrary::cartella() const {
    return cartellaApplicazione_ + QStringLiteral("/jpg");
}

QString FigureLibrary::percorso(QChar lettera, int numero) const {
    return cartella() + QLatin1Char('/') + nomeFile(lettera, numero);
}

void FigureLibrary::tieni(QChar lettera) {
    recenti_.removeOne(lettera);
    recenti_.append(lettera);
    if (recenti_.size() <= lettereTenute)
        return;
    const QChar piuVecchia = recenti_.takeFirst();
    for (int n = 1; n <= viste; ++n)
        letture_->decodificate.remove(percorso(piuVecchia, n));
}

bool FigureLibrary::preparaLettera(QChar lettera) {
    Letture& l = *letture_;
    const auto gia = [&](int n, const Firma& firma) -> const Voce* {
        const auto found = l.decodificate.constFind(percorso(lettera, n));
        return found != l.decodificate.constEnd() && found->firma == firma ? &found.value()
                                                                           : nullptr;
    };
    const auto scartato = [&](int n, const Firma& firma) {
        const auto found = l.scartati.constFind(percorso(lettera, n));
        return found != l.scartati.constEnd() && found.value() == firma;
    };
    const LetturaLettera letta = leggiLettera(l.nomi, lettera, latoPixel_, false, gia, scartato);
    // Only what a file holds by itself is remembered: a view of another size
    // than the others may be right once they are replaced.
    for (int n : letta.illeggibili)
        l.scartati.insert(percorso(lettera, n), letta.voci[n - 1].firma);
    if (!letta.inutilizzabili.isEmpty())
        return false;
    for (int n = 1; n <= viste; ++n) {
        l.scartati.remove(percorso(lettera, n));
        l.decodificate.insert(percorso(lettera, n), letta.voci[n - 1]);
    }
    tieni(lettera);
    return true;
}

bool FigureLibrary::qualcheLettera() {
    // The letters read last are the quickest to check again.
    QList<QChar> ordine(recenti_.rbegin(), recenti_.rend());
    for (int l = 0; l < lettere; ++l)
        if (!ordine.contains(letteraNumero(l)))
            ordine << letteraNumero(l);
    for (QChar lettera : ordine)
        if (preparaLettera(lettera))
            return true;
    return false;
}

PicturePtr FigureLibrary::immagine(QChar lettera, int numero) {
    tieni(lettera);
    const QString path = percorso(lettera, numero);
    if (auto found = letture_->decodificate.constFind(path);
        found != letture_->decodificate.constEnd())
        return found->immagine;
    auto aperto = letture_->nomi.apri(lettera, numero);
    if (!aperto)
        return nullptr;
    Voce voce = decodifica(std::move(*aperto), latoPixel_, path);
    if (voce.immagine)
        letture_->decodificate.insert(path, voce);
    return voce.immagine;
}

QSize FigureLibrary::misuraDecodificata(QSize stored, int lato) {
    // The JPEG decoder scales by eighths at no cost; any other size costs a
    // second, slow resampling. So a picture is decoded at the smallest eighth
    // of its size that covers the boxes, if that is at most a quarter larger,
    // and the box draws it at its own size.
    const int longest = std::max(stored.width(), stored.height());
    const int eighths = std::clamp(int(std::ceil(8.0 * lato / longest)), 1, 8);
    const QSize eighth((stored.width() * eighths + 7) / 8, (stored.height() * eighths + 7) / 8);
    if (std::max(eighth.width(), eighth.height()) * 4 <= lato * 5)
        return eighth;
    return stored.scaled(lato, lato, Qt::KeepAspectRatio);
}

void FigureLibrary::impostaLatoPixel(int lato) {
    if (lato == latoPixel_)
        return;
    latoPixel_ = lato;
    letture_->decodificate.clear();
}

void FigureLibrary::ridecodifica(ImageBox& box) {
    const PicturePtr shown = box.picture();
    if (!shown || shown->file().isEmpty())
        return;
    // The key is the program's own name of the file: <letter><number>.jpg.
    const QString nome = QFileInfo(shown->file()).completeBaseName();
    bool ok = false;
    const int numero = nome.mid(1).toInt(&ok);
    if (nome.isEmpty() || !ok)
        return;
    PicturePtr again = immagine(nome.at(0), numero);
    if (again && again != shown)
        box.setPicture(std::move(again));
}

void FigureLibrary::carica(ImageBox& box, QChar lettera, int numero) {
    if (PicturePtr p = immagine(lettera, numero))
        box.setPicture(std::move(p));
    else
        box.setMissing();
}

FigureLibrary::Esito FigureLibrary::verifica() const {
    return verifica(cartella(), latoPixel_);
}

FigureLibrary::Esito FigureLibrary::verifica(const QString& cartella, int latoPixel,
                                             const std::atomic_bool* interrompi) {
    Esito esito;
    Nomi nomi(cartella);
    const auto nessuna = [](int, const Firma&) -> const Voce* { return nullptr; };
    const auto mai = [](int, const Firma&) { return false; };
    for (int l = 0; l < lettere; ++l) {
        const LetturaLettera letta =
            leggiLettera(nomi, letteraNumero(l), latoPixel, true, nessuna, mai, interrompi);
        if (letta.interrotta) {
            esito.interrotto = true;
            break;
        }
        for (int n : letta.inutilizzabili)
            esito.inutilizzabili << letta.nomi[n - 1];
        if (letta.inutilizzabili.isEmpty())
            ++esito.lettereUtilizzabili;
    }
    return esito;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "FigureLibrary.h"

#include "VistaFigura.h"
#include "common/platform/ImageBox.h"
#include "common/platform/ParallelFor.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSize>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace {

using VistaFigura::FileAperto;
using VistaFigura::Firma;

constexpr int viste = FigureLibrary::viste;

struct Voce {
    PicturePtr immagine;
    QSize originale; // as the file holds it, before decoding to the boxes' size
    Firma firma;
};

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
        if (auto aperto = SafeFile::openRegular(cartella_ + QLatin1Char('/') + esatto))
            return aperto;
        aggiorna();
        const QString altro = nomi_.value(esatto);
        if (altro.isEmpty())
            return std::nullopt;
        if (nome)
            *nome = altro;
        return SafeFile::openRegular(cartella_ + QLatin1Char('/') + altro);
    }

    // The picture's path as the program names it, whatever the case on disk.
    QString chiave(QChar lettera, int numero) const {
        return cartella_ + QLatin1Char('/') + nomeFile(lettera, numero);
    }

    // The smaller copy that boxes of side `lato` use, when there is one.
    std::optional<FileAperto> apriCopia(QChar lettera, int numero, int lato) const {
        const int latoCopia = VistaFigura::latoCopia(lato);
        if (latoCopia == 0)
            return std::nullopt;
        return SafeFile::openRegular(
            VistaFigura::percorsoCopia(cartella_, latoCopia, nomeFile(lettera, numero)));
    }

private:
    void aggiorna() {
        const std::optional<Firma> adesso = SafeFile::identityOf(cartella_);
        if (!adesso) {
            nomi_.clear();
            firma_ = {};
            return;
        }
        const Firma firma = *adesso;
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

// Runs decodifica(0) ... decodifica(count - 1): on the idle threads too with
// `parallelo`, else one after the other, checking `interrompi` before each.
// False when interrupted.
// Views larger than this are decoded one at a time: decoding one takes
// several times its decoded size in memory for a while.
constexpr qint64 pixelInParallelo = 1024 * 1024;

bool piccole(const QList<QSize>& misure) {
    return std::all_of(misure.begin(), misure.end(),
                       [](QSize m) { return qint64(m.width()) * m.height() <= pixelInParallelo; });
}

template <typename Decodifica>
bool decodificaTutte(int count, bool parallelo, const std::atomic_bool* interrompi,
                     Decodifica decodifica) {
    if (parallelo) {
        ParallelFor::run(count, decodifica);
        return true;
    }
    for (int k = 0; k < count; ++k) {
        if (interrompi && interrompi->load())
            return false;
        decodifica(k);
    }
    return true;
}

// Reads a letter's eight pictures. `gia` gives a picture already decoded from
// the same file and `scartato` tells a file already found unusable, so that
// neither is decoded again. With `tutte` false, stops at the first picture
// that cannot be used, before decoding any when a header already tells;
// with `parallelo`, decodes on the idle threads too; stops as soon as
// `interrompi` becomes true.
template <typename Gia, typename Scartato>
LetturaLettera leggiLettera(Nomi& nomi, QChar lettera, int lato, bool tutte, bool parallelo,
                            Gia gia, Scartato scartato,
                            VistaFigura::CopieVerificate* verificate = nullptr,
                            const std::atomic_bool* interrompi = nullptr) {
    LetturaLettera esito;
    const auto finito = [&esito]() -> LetturaLettera& {
        std::sort(esito.inutilizzabili.begin(), esito.inutilizzabili.end());
        return esito;
    };
    std::array<std::optional<FileAperto>, viste> aperti;
    // Opening first is cheap and finds a missing or known bad file before
    // any decoding.
    for (int i = 0; i < viste; ++i) {
        aperti[i] = nomi.apri(lettera, i + 1, &esito.nomi[i]);
        if (aperti[i])
            esito.voci[i].firma = aperti[i]->identity;
        if (!aperti[i] || scartato(i + 1, aperti[i]->identity)) {
            esito.inutilizzabili << i + 1;
            aperti[i].reset();
            if (!tutte)
                return esito;
        }
    }
    // Then the sizes, from the headers alone: a view too large, too small or
    // unlike the others costs no decoding.
    std::array<QSize, viste> misure;
    QList<int> lavori; // the views to decode
    for (int i = 0; i < viste; ++i) {
        if (!aperti[i])
            continue;
        if (interrompi && interrompi->load()) {
            esito.interrotta = true;
            return esito;
        }
        if (const Voce* voce = gia(i + 1, aperti[i]->identity)) {
            esito.voci[i] = *voce;
            misure[i] = voce->originale;
            continue;
        }
        misure[i] = VistaFigura::misura(*aperti[i]);
        esito.voci[i].originale = misure[i];
        if (misure[i].isValid()) {
            lavori << i;
            continue;
        }
        esito.inutilizzabili << i + 1;
        esito.illeggibili << i + 1;
        if (!tutte)
            return esito;
    }
    for (int numero : fuoriMisura(misure)) {
        esito.inutilizzabili << numero;
        esito.voci[numero - 1].immagine = nullptr;
        lavori.removeOne(numero - 1);
    }
    if (!tutte && !esito.inutilizzabili.isEmpty())
        return finito();

    std::array<std::optional<FileAperto>, viste> copie;
    const auto decodifica = [&](int k) {
        const int i = lavori[k];
        esito.voci[i].immagine =
            VistaFigura::decodifica(*aperti[i], misure[i], std::move(copie[i]), lato,
                                    nomi.chiave(lettera, i + 1), verificate);
    };
    QList<QSize> daLeggere;
    for (int i : std::as_const(lavori)) {
        copie[i] = nomi.apriCopia(lettera, i + 1, lato);
        daLeggere << misure[i];
    }
    if (!decodificaTutte(int(lavori.size()), parallelo && piccole(daLeggere), interrompi,
                         decodifica)) {
        esito.interrotta = true;
        return esito;
    }
    for (int i : std::as_const(lavori))
        if (!esito.voci[i].immagine) {
            esito.inutilizzabili << i + 1;
            esito.illeggibili << i + 1;
        }
    return finito();
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
    VistaFigura::CopieVerificate verificate;
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
    const auto byteDi = [this](QChar l) {
        qsizetype n = 0;
        for (int numero = 1; numero <= viste; ++numero)
            if (auto found = letture_->decodificate.constFind(percorso(l, numero));
                found != letture_->decodificate.constEnd() && found->immagine)
                n += found->immagine->image().sizeInBytes();
        return n;
    };
    qsizetype prima = 0; // the letters before the last one
    for (qsizetype i = 0; i + 1 < recenti_.size(); ++i)
        prima += byteDi(recenti_[i]);
    while (recenti_.size() > 1 && (recenti_.size() > lettereTenute || prima > byteTenuti)) {
        const QChar piuVecchia = recenti_.takeFirst();
        prima -= byteDi(piuVecchia);
        for (int n = 1; n <= viste; ++n)
            letture_->decodificate.remove(percorso(piuVecchia, n));
    }
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
    const LetturaLettera letta =
        leggiLettera(l.nomi, lettera, latoPixel_, false, true, gia, scartato, &l.verificate);
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
    decodificaMancanti({{lettera, numero}});
    const auto found = letture_->decodificate.constFind(percorso(lettera, numero));
    return found != letture_->decodificate.constEnd() ? found->immagine : nullptr;
}

void FigureLibrary::decodificaMancanti(const QList<std::pair<QChar, int>>& quali) {
    Letture& l = *letture_;
    struct Lavoro {
        QChar lettera;
        int numero;
        FileAperto vista;
        QSize misura;
        std::optional<FileAperto> copia;
        PicturePtr immagine;
    };
    std::vector<Lavoro> lavori;
    for (const auto& [lettera, numero] : quali) {
        if (l.decodificate.contains(percorso(lettera, numero)) ||
            std::any_of(lavori.begin(), lavori.end(), [&](const Lavoro& x) {
                return x.lettera == lettera && x.numero == numero;
            }))
            continue;
        auto aperto = l.nomi.apri(lettera, numero);
        if (!aperto)
            continue;
        const QSize misura = VistaFigura::misura(*aperto);
        if (!misura.isValid())
            continue;
        lavori.push_back({lettera, numero, std::move(*aperto), misura,
                          l.nomi.apriCopia(lettera, numero, latoPixel_), nullptr});
    }
    QList<QSize> misure;
    for (const Lavoro& x : lavori)
        misure << x.misura;
    decodificaTutte(int(lavori.size()), piccole(misure), nullptr, [&](int k) {
        Lavoro& x = lavori[std::size_t(k)];
        x.immagine = VistaFigura::decodifica(x.vista, x.misura, std::move(x.copia), latoPixel_,
                                             l.nomi.chiave(x.lettera, x.numero), &l.verificate);
    });
    for (Lavoro& x : lavori)
        if (x.immagine)
            l.decodificate.insert(percorso(x.lettera, x.numero),
                                  {std::move(x.immagine), x.misura, x.vista.identity});
}

QSize FigureLibrary::misuraDecodificata(QSize stored, int lato) {
    return VistaFigura::misuraDecodificata(stored, lato);
}

void FigureLibrary::impostaLatoPixel(int lato) {
    if (lato == latoPixel_)
        return;
    latoPixel_ = lato;
    letture_->decodificate.clear();
}

void FigureLibrary::ridecodifica(const QList<ImageBox*>& boxes) {
    // Which picture each box shows, by the program's own name of its file:
    // <letter><number>.jpg.
    QList<std::pair<ImageBox*, std::pair<QChar, int>>> mostrate;
    for (ImageBox* box : boxes) {
        const PicturePtr shown = box->picture();
        if (!shown || shown->file().isEmpty())
            continue;
        const QString nome = QFileInfo(shown->file()).completeBaseName();
        bool ok = false;
        const int numero = nome.mid(1).toInt(&ok);
        if (!nome.isEmpty() && ok)
            mostrate.append({box, {nome.at(0), numero}});
    }
    QList<std::pair<QChar, int>> quali;
    for (const auto& m : std::as_const(mostrate))
        quali << m.second;
    // All at once, so that they are decoded side by side.
    decodificaMancanti(quali);
    for (const auto& [box, vista] : std::as_const(mostrate)) {
        PicturePtr again = immagine(vista.first, vista.second);
        if (again && again != box->picture())
            box->setPicture(std::move(again));
    }
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
        const LetturaLettera letta = leggiLettera(nomi, letteraNumero(l), latoPixel, true, false,
                                                  nessuna, mai, nullptr, interrompi);
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "BibliotecaFigure.h"

#include "LetturaViste.h"
#include "VistaFigura.h"
#include "common/platform/SafeFile.h"

#include <QHash>
#include <QPointer>
#include <QSize>

#include <algorithm>
#include <map>
#include <vector>

namespace {

using LetturaViste::Voce;
using VistaFigura::FileAperto;
using VistaFigura::Firma;

constexpr int viste = BibliotecaFigure::viste;

} // namespace

struct BibliotecaFigure::Letture {
    explicit Letture(QString cartella) : nomi(std::move(cartella)) {}

    LetturaViste::Cartella nomi;
    std::map<QString, LetturaViste::Cartella> classe; // each class folder of a letter, by path
    QHash<QChar, QString> scelte;                     // the class folder a letter is read from now
    QHash<QString, Voce> decodificate;                // the recent letters' pictures, by path
    QHash<QString, Firma> scartati;                   // files found unusable, until they change
    QHash<QString, std::pair<QChar, int>> viste;      // which view each picture shows, by path
    VistaFigura::CopieVerificate verificate;

    LetturaViste::Cartella& nomiDi(QChar lettera) {
        const auto scelta = scelte.constFind(lettera);
        return scelta == scelte.constEnd() ? nomi : classe.at(*scelta);
    }
};

BibliotecaFigure::BibliotecaFigure(QString cartellaApplicazione, int latoPixel)
    : cartellaApplicazione_(std::move(cartellaApplicazione)), latoPixel_(latoPixel),
      letture_(std::make_unique<Letture>(cartella())) {}

BibliotecaFigure::~BibliotecaFigure() = default;

QString BibliotecaFigure::cartella() const {
    return cartellaApplicazione_ + QStringLiteral("/jpg");
}

QString BibliotecaFigure::percorso(QChar lettera, int numero) const {
    return letture_->nomiDi(lettera).chiave(lettera, numero);
}

void BibliotecaFigure::impostaClasse(FigureClasse classe) {
    classe_ = std::move(classe);
}

void BibliotecaFigure::tieni(QChar lettera) {
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

struct BibliotecaFigure::Attesa {
    QPointer<const QObject> contesto;
    std::function<void(bool)> poi;
};

QStringList BibliotecaFigure::cartelleDi(QChar lettera) const {
    // The class's own figure first, whole from one folder; else the shipped one.
    QStringList cartelle;
    if (classe_)
        cartelle = classe_->cartelleLettera(lettera);
    cartelle << QString();
    return cartelle;
}

bool BibliotecaFigure::preparaLettera(QChar lettera) {
    return *prova(lettera, 0, Grandi::subito, nullptr);
}

std::optional<bool> BibliotecaFigure::preparaLettera(QChar lettera, const QObject* contesto,
                                                     std::function<void(bool)> poi) {
    fondo_.cancel(); // a letter asked for before is no longer wanted
    return prova(lettera, 0, Grandi::diFondo,
                 std::make_shared<Attesa>(Attesa{contesto, std::move(poi)}));
}

std::optional<bool> BibliotecaFigure::prova(QChar lettera, qsizetype da, Grandi grandi,
                                            const std::shared_ptr<Attesa>& attesa) {
    const QStringList cartelle = cartelleDi(lettera);
    for (qsizetype i = da; i < cartelle.size(); ++i) {
        const std::optional<bool> pronta =
            preparaDa(lettera, cartelle[i], grandi != Grandi::subito);
        if (!pronta) {
            if (grandi == Grandi::diFondo)
                leggiDiFondo(lettera, i, attesa);
            return std::nullopt;
        }
        if (*pronta)
            return true;
    }
    return false;
}

void BibliotecaFigure::scegli(QChar lettera, const QString& cartellaClasse) {
    Letture& l = *letture_;
    if (l.scelte.value(lettera) == cartellaClasse)
        return;
    // Pictures read from the other folder are no longer this letter's.
    for (int n = 1; n <= viste; ++n)
        l.decodificate.remove(percorso(lettera, n));
    if (cartellaClasse.isEmpty())
        l.scelte.remove(lettera);
    else
        l.scelte.insert(lettera, l.classe.try_emplace(cartellaClasse, cartellaClasse).first->first);
}

std::optional<bool> BibliotecaFigure::preparaDa(QChar lettera, const QString& cartellaClasse,
                                                bool rinvia) {
    Letture& l = *letture_;
    scegli(lettera, cartellaClasse);
    // Tells whether the class folder was swapped for a new save while read.
    const auto prima =
        cartellaClasse.isEmpty() ? std::nullopt : SafeFile::identityOf(cartellaClasse);
    const auto gia = [&](int n, const Firma& firma) -> const Voce* {
        const auto found = l.decodificate.constFind(percorso(lettera, n));
        return found != l.decodificate.constEnd() && found->firma == firma ? &found.value()
                                                                           : nullptr;
    };
    const auto scartato = [&](int n, const Firma& firma) {
        const auto found = l.scartati.constFind(percorso(lettera, n));
        return found != l.scartati.constEnd() && found.value() == firma;
    };
    const LetturaViste::Lettura letta = LetturaViste::leggi(l.nomiDi(lettera), lettera, latoPixel_,
                                                            {.tutte = false,
                                                             .parallelo = true,
                                                             .gia = gia,
                                                             .scartato = scartato,
                                                             .verificate = &l.verificate,
                                                             .interrompi = nullptr,
                                                             .soloEsito = false,
                                                             .rinvia = rinvia});
    if (letta.rinviata)
        return std::nullopt;
    return concludi(lettera, cartellaClasse, prima, letta);
}

void BibliotecaFigure::leggiDiFondo(QChar lettera, qsizetype indice,
                                    const std::shared_ptr<Attesa>& attesa) {
    Letture& l = *letture_;
    const QString cartellaClasse = cartelleDi(lettera).value(indice);
    const auto prima =
        cartellaClasse.isEmpty() ? std::nullopt : SafeFile::identityOf(cartellaClasse);
    // The other thread gets its own copies of what it looks up.
    std::array<std::optional<Voce>, viste> gia;
    std::array<std::optional<Firma>, viste> scartati;
    for (int n = 1; n <= viste; ++n) {
        gia[n - 1] = l.decodificate.contains(percorso(lettera, n))
                         ? std::optional(l.decodificate.value(percorso(lettera, n)))
                         : std::nullopt;
        scartati[n - 1] = l.scartati.contains(percorso(lettera, n))
                              ? std::optional(l.scartati.value(percorso(lettera, n)))
                              : std::nullopt;
    }
    const int lato = latoPixel_;
    fondo_.start([this, lettera, indice, attesa, cartellaClasse, prima, gia, scartati, lato,
                  nomi = l.nomiDi(lettera)](const std::atomic_bool& annullata) mutable {
        auto letta = std::make_shared<LetturaViste::Lettura>(LetturaViste::leggi(
            nomi, lettera, lato,
            {.tutte = false,
             .parallelo = true,
             .gia = [&gia](int n, const Firma& firma) -> const Voce* {
                 return gia[n - 1] && gia[n - 1]->firma == firma ? &*gia[n - 1] : nullptr;
             },
             .scartato = [&scartati](int n,
                                     const Firma& firma) { return scartati[n - 1] == firma; },
             .verificate = &letture_->verificate,
             .interrompi = &annullata,
             .soloEsito = false,
             .rinvia = false}));
        return std::function<void()>(
            [this, lettera, indice, attesa, cartellaClasse, prima, letta, lato] {
                if (letta->interrotta)
                    return;
                if (lato != latoPixel_ || cartelleDi(lettera).value(indice) != cartellaClasse) {
                    // Read for another size of box, or the class changed: again.
                    if (const auto pronta = prova(lettera, indice, Grandi::diFondo, attesa);
                        pronta && attesa->contesto)
                        attesa->poi(*pronta);
                    return;
                }
                scegli(lettera, cartellaClasse);
                std::optional<bool> pronta = concludi(lettera, cartellaClasse, prima, *letta);
                if (!*pronta)
                    pronta = prova(lettera, indice + 1, Grandi::diFondo, attesa);
                if (pronta && attesa->contesto)
                    attesa->poi(*pronta);
            });
    });
}

bool BibliotecaFigure::concludi(QChar lettera, const QString& cartellaClasse,
                                const std::optional<SafeFile::Identity>& prima,
                                const LetturaViste::Lettura& letta) {
    Letture& l = *letture_;
    // Only what a file holds by itself is remembered: a view of another size
    // than the others may be right once they are replaced.
    for (int n : letta.illeggibili)
        l.scartati.insert(percorso(lettera, n), letta.voci[n - 1].firma);
    if (!letta.inutilizzabili.isEmpty())
        return false;
    // Saved again meanwhile: its views may come from both saves.
    if (!cartellaClasse.isEmpty() && SafeFile::identityOf(cartellaClasse) != prima)
        return false;
    for (int n = 1; n <= viste; ++n) {
        l.scartati.remove(percorso(lettera, n));
        l.decodificate.insert(percorso(lettera, n), letta.voci[n - 1]);
        l.viste.insert(percorso(lettera, n), {lettera, n});
    }
    tieni(lettera);
    return true;
}

bool BibliotecaFigure::qualcheLettera() {
    // The letters read last are the quickest to check again.
    QList<QChar> ordine(recenti_.rbegin(), recenti_.rend());
    for (int l = 0; l < lettere; ++l)
        if (!ordine.contains(lettera(l)))
            ordine << lettera(l);
    for (QChar lettera : ordine)
        if (prova(lettera, 0, Grandi::rinvia, nullptr) != false)
            return true;
    return false;
}

PicturePtr BibliotecaFigure::immagine(QChar lettera, int numero) {
    tieni(lettera);
    decodificaMancanti({{lettera, numero}});
    const auto found = letture_->decodificate.constFind(percorso(lettera, numero));
    return found != letture_->decodificate.constEnd() ? found->immagine : nullptr;
}

void BibliotecaFigure::decodificaMancanti(const QList<std::pair<QChar, int>>& quali) {
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
        auto aperto = l.nomiDi(lettera).apri(lettera, numero);
        if (!aperto)
            continue;
        const QSize misura = VistaFigura::misura(*aperto);
        if (!misura.isValid())
            continue;
        lavori.push_back({lettera, numero, std::move(*aperto), misura,
                          l.nomiDi(lettera).apriCopia(lettera, numero, latoPixel_), nullptr});
    }
    QList<QSize> misure;
    for (const Lavoro& x : lavori)
        misure << x.misura;
    LetturaViste::decodificaTutte(
        int(lavori.size()), LetturaViste::piccole(misure), nullptr, [&](int k) {
            Lavoro& x = lavori[std::size_t(k)];
            x.immagine = VistaFigura::decodifica(x.vista, x.misura, std::move(x.copia), latoPixel_,
                                                 l.nomiDi(x.lettera).chiave(x.lettera, x.numero),
                                                 &l.verificate);
        });
    for (Lavoro& x : lavori)
        if (x.immagine) {
            l.decodificate.insert(percorso(x.lettera, x.numero),
                                  {std::move(x.immagine), x.misura, x.vista.identity});
            l.viste.insert(percorso(x.lettera, x.numero), {x.lettera, x.numero});
        }
}

void BibliotecaFigure::impostaLatoPixel(int lato) {
    if (lato == latoPixel_)
        return;
    latoPixel_ = lato;
    letture_->decodificate.clear();
}

QList<PicturePtr> BibliotecaFigure::ridecodifica(const QList<PicturePtr>& mostrate) {
    QList<std::pair<QChar, int>> quali;
    for (const PicturePtr& shown : mostrate)
        quali << (shown ? letture_->viste.value(shown->file()) : std::pair<QChar, int>());
    QList<std::pair<QChar, int>> daDecodificare;
    for (const auto& vista : std::as_const(quali))
        if (!vista.first.isNull())
            daDecodificare << vista;
    // All at once, so that they are decoded side by side.
    decodificaMancanti(daDecodificare);
    QList<PicturePtr> nuove;
    for (qsizetype i = 0; i < mostrate.size(); ++i) {
        PicturePtr again =
            quali[i].first.isNull() ? nullptr : immagine(quali[i].first, quali[i].second);
        nuove << (again ? again : mostrate[i]);
    }
    return nuove;
}

VerificaFigure::Esito BibliotecaFigure::verifica() const {
    return VerificaFigure::verifica(cartella(), latoPixel_);
}

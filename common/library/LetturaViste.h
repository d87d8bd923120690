// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CartellaViste.h"
#include "common/views/ConvenzioneFigure.h"
#include "VistaFigura.h"

#include <QChar>
#include <QList>
#include <QSize>
#include <QString>

#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <vector>

// Reading a letter's eight views from the picture folder: opening them,
// checking their sizes from the headers alone, and decoding them.
namespace LetturaViste {

// A view as read.
struct Voce {
    PicturePtr immagine;
    QSize originale; // as the file holds it, before decoding to the boxes' size
    VistaFigura::Firma firma;
};

// What reading one letter gave.
struct Lettura {
    std::array<Voce, ConvenzioneFigure::viste> voci;
    // As the folder spells them, or as expected when missing.
    std::array<QString, ConvenzioneFigure::viste> nomi;
    QList<int> inutilizzabili; // picture numbers
    QList<int> illeggibili;    // those that do not decode at all
    bool interrotta = false;
    bool rinviata = false; // nothing decoded: too many pixels for `rinvia`
};

// What a reading asks of what was read before, so that neither a picture
// already decoded from the same file nor a file already found unusable is
// decoded again.
class GiaLette {
public:
    virtual ~GiaLette() = default;
    // The picture decoded from that very file, if it is kept.
    virtual const Voce* gia(QChar lettera, int numero, const VistaFigura::Firma& firma) const = 0;
    // The file was found unusable and has not changed since.
    virtual bool scartato(QChar lettera, int numero, const VistaFigura::Firma& firma) const = 0;
};

// What was known of one letter, copied for another thread to look up.
class GiaLetteCopiate final : public GiaLette {
public:
    QChar lettera;
    std::array<std::optional<Voce>, ConvenzioneFigure::viste> voci;
    std::array<std::optional<VistaFigura::Firma>, ConvenzioneFigure::viste> scartati;

    const Voce* gia(QChar l, int numero, const VistaFigura::Firma& firma) const override;
    bool scartato(QChar l, int numero, const VistaFigura::Firma& firma) const override;
};

// How to read: `tutte` false stops at the first picture that cannot be used,
// before decoding any when a header already tells; `parallelo` decodes on
// the idle threads too; `lette`, when given, is asked what was read before;
// `interrompi` stops the reading as soon as it becomes true;
// `soloEsito` lets each picture go as soon as it has decoded, when only the
// verdict is wanted (a check of the whole folder then holds one at a time);
// `rinvia` stops before decoding when the views to decode have more pixels
// than pixelSubito, once their headers are found fine.
struct Modo {
    bool tutte = false;
    bool parallelo = false;
    const GiaLette* lette = nullptr;
    VistaFigura::CopieVerificate* verificate = nullptr;
    const std::atomic_bool* interrompi = nullptr;
    bool soloEsito = false;
    bool rinvia = false;
};

Lettura leggi(Cartella& cartella, QChar lettera, int lato, const Modo& modo);

// Views larger than this are decoded one at a time: decoding one takes
// several times its decoded size in memory for a while.
constexpr qint64 pixelInParallelo = 1024 * 1024;
bool piccole(const QList<QSize>& misure);
// All their pixels together.
qint64 pixel(const QList<QSize>& misure);
// Views with more pixels than this all together would hold the window for
// more than a frame while they decode (large photographs put in the folder):
// a set-up that must not wait reads them on another thread.
constexpr qint64 pixelSubito = 4 * 1024 * 1024;

// Runs decodifica(0) ... decodifica(count - 1): on the idle threads too with
// `parallelo`, else one after the other, checking `interrompi` before each.
// False when interrupted.
bool decodificaTutte(int count, bool parallelo, const std::atomic_bool* interrompi,
                     const std::function<void(int)>& decodifica);

// A view decoded on its own, outside a letter's reading (at a new side).
struct DaDecodificare {
    QChar lettera;
    int numero = 0;
    VistaFigura::FileAperto vista;
    QSize misura; // from the header
    std::optional<VistaFigura::FileAperto> copia;
    QString chiave;
    PicturePtr immagine; // null until decoded, or when it does not decode
};
// Opens the view and its copy, and reads its size, from the folder; nothing
// when it cannot be opened or has no usable header.
std::optional<DaDecodificare> daDecodificare(Cartella& cartella, QChar lettera, int numero,
                                             int lato);
QList<QSize> misure(const std::vector<DaDecodificare>& viste);
// Decodes them for boxes of `lato`, side by side when they are small; false
// when interrupted.
bool decodifica(std::vector<DaDecodificare>& viste, int lato,
                VistaFigura::CopieVerificate* verificate, const std::atomic_bool* interrompi);

} // namespace LetturaViste

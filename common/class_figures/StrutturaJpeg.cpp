// SPDX-License-Identifier: GPL-3.0-or-later
#include "StrutturaJpeg.h"

#include <algorithm>

namespace StrutturaJpeg {

namespace {

constexpr unsigned char marcatore = 0xFF;
constexpr unsigned char inizio = 0xD8, fine = 0xD9, scansione = 0xDA, commento = 0xFE;

bool riavvio(unsigned char m) {
    return m >= 0xD0 && m <= 0xD7;
}

// Start of frame: C0-CF but for the tables C4 (Huffman), C8 (reserved) and CC (arithmetic).
bool fotogramma(unsigned char m) {
    return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}

int byte(const QByteArray& b, qsizetype i) {
    return static_cast<unsigned char>(b.at(i));
}

// The frame's size and the coefficients of all its components, 2 bytes each,
// in whole blocks of 8 x 8 of the largest sampling.
void leggiFotogramma(const QByteArray& b, qsizetype at, qsizetype lunghezza, Esame& esame) {
    if (lunghezza < 8)
        return;
    const int altezza = byte(b, at + 3) << 8 | byte(b, at + 4);
    const int larghezza = byte(b, at + 5) << 8 | byte(b, at + 6);
    const int componenti = byte(b, at + 7);
    esame.misura = QSize(larghezza, altezza);
    if (lunghezza < 8 + 3 * componenti)
        return;
    int hMax = 1, vMax = 1;
    for (int c = 0; c < componenti; ++c) {
        hMax = std::max(hMax, byte(b, at + 9 + 3 * c) >> 4);
        vMax = std::max(vMax, byte(b, at + 9 + 3 * c) & 0xF);
    }
    qint64 coefficienti = 0;
    for (int c = 0; c < componenti; ++c) {
        const int h = std::max(1, byte(b, at + 9 + 3 * c) >> 4);
        const int v = std::max(1, byte(b, at + 9 + 3 * c) & 0xF);
        const qint64 blocchiX = (qint64(larghezza) * h / hMax + 7) / 8 + 1;
        const qint64 blocchiY = (qint64(altezza) * v / vMax + 7) / 8 + 1;
        coefficienti += blocchiX * blocchiY * 64;
    }
    esame.byteCoefficienti = coefficienti * 2;
}

} // namespace

Esame esamina(const QByteArray& b) {
    Esame esame;
    const qsizetype n = b.size();
    esame.jpeg =
        n >= 3 && byte(b, 0) == marcatore && byte(b, 1) == inizio && byte(b, 2) == marcatore;
    if (!esame.jpeg)
        return esame;
    qsizetype i = 2;
    while (i + 1 < n) {
        if (byte(b, i) != marcatore) {
            ++i; // not at a marker: what lies between segments is stepped over
            continue;
        }
        const unsigned char m = byte(b, i + 1);
        if (m == marcatore) {
            ++i; // fill bytes
            continue;
        }
        if (m == fine) {
            esame.intero = true;
            return esame;
        }
        if (riavvio(m) || m == 0x01 || m == 0x00) {
            i += 2;
            continue;
        }
        if (i + 3 >= n)
            break;
        const qsizetype lunghezza = byte(b, i + 2) << 8 | byte(b, i + 3);
        if (lunghezza < 2 || i + 2 + lunghezza > n)
            break;
        if (fotogramma(m)) {
            esame.progressivo =
                esame.progressivo || m == 0xC2 || m == 0xC6 || m == 0xCA || m == 0xCE;
            leggiFotogramma(b, i + 2, lunghezza, esame);
        } else if (m == commento || (m >= 0xE0 && m <= 0xEF)) {
            esame.byteMetadati += lunghezza;
        }
        i += 2 + lunghezza;
        if (m == scansione) {
            // The coded data, up to the next marker that is not a restart or stuffed byte.
            while (i + 1 < n && !(byte(b, i) == marcatore && byte(b, i + 1) != 0 &&
                                  !riavvio(byte(b, i + 1)) && byte(b, i + 1) != marcatore))
                ++i;
        }
    }
    return esame;
}

} // namespace StrutturaJpeg

// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormatoVoce.h"

#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

namespace FormatoVoce {

namespace {

constexpr quint8 formato = 1;
constexpr QDataStream::Version versione = QDataStream::Qt_6_4;
constexpr quint32 nullo = 0xffffffff;
// Past these, texts are not kept for sharing: a reading of odd entries
// does not grow without end.
constexpr size_t massimoTesti = 4096;
constexpr size_t massimoTesto = 256;

QByteArray utf8(const QString& testo) {
    return testo.isNull() ? QByteArray() : testo.toUtf8();
}

QString daUtf8(std::string_view byte) {
    return QString::fromUtf8(byte.data(), qsizetype(byte.size()));
}

// Reads what QDataStream wrote, in its layout for this version: numbers
// big-endian, a bool as one byte, a byte array as its length (all ones for
// a null one) and then its bytes.
// By hand, because a reading of a school year opens some 600,000 entries.
class Lettore {
public:
    explicit Lettore(QByteArrayView byte) : at_(byte.data()), fine_(byte.data() + byte.size()) {}

    bool finito() const { return ok_ && at_ == fine_; }

    template <typename T> T numero() {
        if (!ok_ || fine_ - at_ < qsizetype(sizeof(T))) {
            ok_ = false;
            return T();
        }
        const T n = qFromBigEndian<T>(at_);
        at_ += sizeof(T);
        return n;
    }

    bool vero() { return numero<quint8>() != 0; }

    // The bytes of a byte array or text; nothing for a null one.
    std::optional<std::string_view> pezzo() {
        const quint32 lunghezza = numero<quint32>();
        if (!ok_ || lunghezza == nullo)
            return std::nullopt;
        if (fine_ - at_ < qsizetype(lunghezza)) {
            ok_ = false;
            return std::nullopt;
        }
        const std::string_view p(at_, lunghezza);
        at_ += lunghezza;
        return p;
    }

    QByteArray byte() {
        const auto p = pezzo();
        return p ? QByteArray(p->data(), qsizetype(p->size())) : QByteArray();
    }

    QString testo(Testi* testi) {
        const auto p = pezzo();
        if (!p)
            return {};
        if (p->empty())
            return QString(QLatin1String(""));
        return testi ? testi->testo(*p) : daUtf8(*p);
    }

private:
    const char* at_;
    const char* fine_;
    bool ok_ = true;
};

} // namespace

QString Testi::testo(std::string_view utf8) {
    if (const auto visto = visti_.find(utf8); visto != visti_.end())
        return visto->second;
    QString t = daUtf8(utf8);
    if (visti_.size() < massimoTesti && utf8.size() <= massimoTesto)
        visti_.emplace(std::string(utf8), t);
    return t;
}

QByteArray scrivi(const VoceRegistro& v) {
    QByteArray byte;
    byte.reserve(160);
    QDataStream s(&byte, QIODevice::WriteOnly);
    s.setVersion(versione);
    // Texts as UTF-8: fewer bytes to seal and to open than QString's UTF-16.
    s << formato << quint8(v.tipo) << v.id << v.quando << utf8(v.alunno) << utf8(v.finestra)
      << quint16(v.lettera.unicode()) << v.figuraClasse << utf8(v.mostrato) << utf8(v.scelto)
      << v.giusta << v.primoTentativo << v.millisecondi;
    return byte;
}

std::optional<VoceRegistro> leggi(QByteArrayView byte, Testi* testi) {
    Lettore l(byte);
    const quint8 f = l.numero<quint8>();
    const quint8 tipo = l.numero<quint8>();
    if (f != formato || tipo < quint8(VoceRegistro::Tipo::Risposta) ||
        tipo > quint8(VoceRegistro::Tipo::Fine))
        return std::nullopt;
    VoceRegistro v;
    v.tipo = VoceRegistro::Tipo(tipo);
    v.id = l.byte();
    v.quando = l.numero<qint64>();
    v.alunno = l.testo(testi);
    v.finestra = l.testo(testi);
    v.lettera = QChar(l.numero<quint16>());
    v.figuraClasse = l.vero();
    v.mostrato = l.testo(testi);
    v.scelto = l.testo(testi);
    v.giusta = l.vero();
    v.primoTentativo = l.vero();
    v.millisecondi = l.numero<qint32>();
    if (!l.finito())
        return std::nullopt;
    return v;
}

} // namespace FormatoVoce

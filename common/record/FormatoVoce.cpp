// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormatoVoce.h"

#include <QDataStream>
#include <QIODevice>

namespace FormatoVoce {

namespace {

constexpr quint8 formato = 1;
constexpr QDataStream::Version versione = QDataStream::Qt_6_4;

} // namespace

QByteArray scrivi(const VoceRegistro& v) {
    QByteArray byte;
    byte.reserve(160);
    QDataStream s(&byte, QIODevice::WriteOnly);
    s.setVersion(versione);
    s << formato << quint8(v.tipo) << v.id << v.quando << v.alunno << v.finestra
      << quint16(v.lettera.unicode()) << v.figuraClasse << v.mostrato << v.scelto << v.giusta
      << v.primoTentativo << v.millisecondi;
    return byte;
}

std::optional<VoceRegistro> leggi(QByteArrayView byte) {
    const QByteArray dati = QByteArray::fromRawData(byte.data(), byte.size());
    QDataStream s(dati);
    s.setVersion(versione);
    quint8 f = 0, tipo = 0;
    quint16 lettera = 0;
    VoceRegistro v;
    s >> f >> tipo;
    if (f != formato || tipo < quint8(VoceRegistro::Tipo::Risposta) ||
        tipo > quint8(VoceRegistro::Tipo::Fine))
        return std::nullopt;
    v.tipo = VoceRegistro::Tipo(tipo);
    s >> v.id >> v.quando >> v.alunno >> v.finestra >> lettera >> v.figuraClasse >> v.mostrato >>
        v.scelto >> v.giusta >> v.primoTentativo >> v.millisecondi;
    if (s.status() != QDataStream::Ok || !s.atEnd())
        return std::nullopt;
    v.lettera = QChar(lettera);
    return v;
}

} // namespace FormatoVoce

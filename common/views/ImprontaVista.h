// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// A smaller copy of a view carries, in its header, what the view's file held
// when the copy was made: its length and a checksum of its bytes. A view
// replaced or damaged since then no longer matches, and its copy is not used.
namespace ImprontaVista {

inline constexpr char chiave[] = "Vista";

inline QString di(const QByteArray& vista) {
    return QString::number(vista.size()) + QLatin1Char(' ') + QString::number(qChecksum(vista), 16);
}

// The length the fingerprint gives, or -1: read before the view itself is.
inline qint64 lunghezza(const QString& impronta) {
    bool ok = false;
    const qint64 n = impronta.section(QLatin1Char(' '), 0, 0).toLongLong(&ok);
    return ok ? n : -1;
}

} // namespace ImprontaVista

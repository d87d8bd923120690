// SPDX-License-Identifier: GPL-3.0-or-later
#include "CodiceRecupero.h"

#include "common/record/Sodio.h"

#include <sodium.h>

#include <string_view>

namespace CodiceRecupero {

namespace {

constexpr char alfabeto[] = "23456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr quint32 lettere = sizeof(alfabeto) - 1;
static_assert(lettere == 30);

} // namespace

QString nuovo() {
    if (!sodioPronto())
        return {};
    QString codice;
    for (int i = 0; i < lunghezza; ++i) {
        if (i > 0 && i % 4 == 0)
            codice += u'-';
        // randombytes_uniform draws without the bias of a plain modulo.
        codice += QLatin1Char(alfabeto[randombytes_uniform(lettere)]);
    }
    return codice;
}

QString normalizzato(const QString& digitato) {
    QString codice;
    for (const QChar c : digitato) {
        if (c.isSpace() || c == u'-')
            continue;
        const char16_t u = c.toUpper().unicode();
        if (u > 127 || std::string_view(alfabeto).find(char(u)) == std::string_view::npos)
            return {};
        codice += QChar(u);
        if (codice.size() > lunghezza)
            return {};
    }
    return codice.size() == lunghezza ? codice : QString();
}

} // namespace CodiceRecupero

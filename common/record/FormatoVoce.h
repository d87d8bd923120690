// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "VoceRegistro.h"

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

// An entry as bytes, before sealing: a format byte, then the fields in a
// fixed QDataStream version, so that any later program reads them alike;
// texts as UTF-8 byte arrays.
namespace FormatoVoce {

// The texts that come again and again in a reading (a pupil's name, a
// window's): each kept once, shared by every entry that has it.
class Testi {
public:
    QString testo(std::string_view utf8);

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_map<std::string, QString, Hash, std::equal_to<>> visti_;
};

QByteArray scrivi(const VoceRegistro& voce);
// Nothing when the bytes are not a whole entry of this format. `testi`
// shares the texts between the entries of one reading.
std::optional<VoceRegistro> leggi(QByteArrayView byte, Testi* testi = nullptr);

} // namespace FormatoVoce

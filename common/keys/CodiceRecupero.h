// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The recovery code the teacher writes down when the record is switched on:
// it opens the keys when the password is forgotten. 24 characters of an
// alphabet with no look-alikes (no 0/O, 1/I/L, U), 117 random bits, in
// groups of four: "K7QH-M2XC-...".
namespace CodiceRecupero {

inline constexpr int lunghezza = 24;

// A new code, in groups of four joined by '-'; empty when libsodium cannot start.
QString nuovo();

// The code as typed (any case, with or without blanks and dashes) in its
// plain form, 24 characters upper case; empty when it is not a code.
QString normalizzato(const QString& digitato);

} // namespace CodiceRecupero

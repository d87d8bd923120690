// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// libsodium made ready once, before its first use: false when it cannot be
// (no source of randomness), and then no key is made or opened.
bool sodioPronto();

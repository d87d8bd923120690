// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/FinestraId.h"

class QWidget;
struct Contesto;

// Builds a fresh window for each opening: its controls from their stored properties.
QWidget* creaFinestra(FinestraId finestra, Contesto& ctx);

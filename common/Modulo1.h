// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class ClockRandom;
class Navigatore;
class QWidget;
struct Contesto;

// Start-up and the message boxes every window shares (the design names this
// module Modulo1).
namespace Modulo1 {

// The program's name: the title of its windows and of every message box.
QString titolo();
QString testoInformazioni();

// Seeds the generator from the clock and shows the start window.
void Main(ClockRandom& rnd, Navigatore& navigatore);

// A message box with the program's title and an OK button.
void informa(Contesto& ctx, QWidget* parent, const QString& text);
// A yes/no question with the program's title; true when the answer is yes.
bool chiedi(Contesto& ctx, QWidget* parent, const QString& text);

void MostraInformazioni(Contesto& ctx, QWidget* parent);
// Ends the program when the pupil says yes; on no nothing changes.
void ChiediUscita(Contesto& ctx, QWidget* parent);

} // namespace Modulo1

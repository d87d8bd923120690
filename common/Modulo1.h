#pragma once

#include <QString>

class ClockRandom;
class Navigatore;
class QWidget;
struct Contesto;

// Start-up and the two message boxes every window shares.
namespace Modulo1 {

// The title of every message box.
QString titolo();
QString testoInformazioni();

// Seeds the generator from the clock and shows the start window.
void Main(ClockRandom& rnd, Navigatore& navigatore);

void MostraInformazioni(Contesto& ctx, QWidget* parent);
// Ends the program when the pupil says yes; on no nothing changes.
void ChiediUscita(Contesto& ctx, QWidget* parent);

} // namespace Modulo1

#pragma once
// After a search: the word confirmation (a veto removes the word and searches
// again), laying or showing the move, and the computer's exchange or pass.
#include "game/Juego.h"

namespace tablerix {

void BuscarJugada(Juego& j);
void BuscarPrimeraJugada(Juego& j);
void CambiarOPasar(Juego& j);

// The computer's rack display from Atriles(2, ·): empty slots hidden.

}  // namespace tablerix

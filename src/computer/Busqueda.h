#pragma once
// The computer's move search on a board with words, and the opening search.
#include "game/Juego.h"

namespace tablerix {

// Search phase of BuscarJugada: fills the best-move record.
void BuscarMejorJugada(Juego& j);
// Search phase of BuscarPrimeraJugada: fills the best-move record for the empty board.
void BuscarMejorPrimeraJugada(Juego& j);

}  // namespace tablerix

#pragma once
// The computer's move search on a board with words, and the opening search.
#include "game/Juego.h"

namespace tablerix {

// Search phase only: fills the best-move record.
void BuscarMejorJugada(Juego& j);
// Opening search phase only: fills the best-move record for the empty board.
void BuscarMejorPrimeraJugada(Juego& j);

// Whole routines: search, word confirmation (a veto removes the word and
// searches again), then laying, showing, or CambiarOPasar.
void BuscarJugada(Juego& j);
void BuscarPrimeraJugada(Juego& j);

}  // namespace tablerix

#pragma once
// After a search: the word confirmation (a veto removes the word and searches
// again), laying or showing the move, and the computer's exchange or pass.
#include <vector>

#include "game/Juego.h"

namespace tablerix {

// The best move's new tiles in board order, from its first square and step. A
// letter takes a real tile of the rack while one is left, else the blank, as
// the rack is emptied after the move.
std::vector<FichaPrevia> FichasDeJugada(const Juego& j, int primera, int paso);

void BuscarJugada(Juego& j);
void BuscarPrimeraJugada(Juego& j);
void CambiarOPasar(Juego& j);

}  // namespace tablerix

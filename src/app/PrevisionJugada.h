#pragma once
// What OK would give for the tiles laid this turn, worked out on a scratch
// copy of the position by the real move check: no box, no letter chooser,
// no change to the game or its word list.
#include <string>

#include "game/Juego.h"

namespace tablerix {

// Each word with its points and the total ("CASA 6, AS 3: 9 puntos"), or the
// refusal's own text, or the first word the list does not know, or that a
// blank's letter is still to be chosen. Empty when no tile is laid this turn
// or it is not the player's turn to lay them.
std::string PrevisionJugada(const Juego& j);

}  // namespace tablerix

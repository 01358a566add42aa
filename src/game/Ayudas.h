#pragma once
// Play aids beyond the described game.
#include "game/Juego.h"

namespace tablerix {

// "Mezclar fichas" may run: the player's turn in a game in progress, outside
// exchange mode, with no tile laid this turn.
bool PuedeMezclar(const Juego& j);
// Shuffles the order of the player's rack display, as swaps by hand would.
void MezclarAtril(Juego& j);

}  // namespace tablerix

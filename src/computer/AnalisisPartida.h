#pragma once
// The game report's analysis: the move search at full strength, on scratch
// copies of the history's positions, silently. The game, its word list, its
// random generator and its log are left exactly as they were.
#include "game/Juego.h"
#include "game/ResumenPartida.h"

namespace tablerix {

// The turns up to the position on the board (later ones, which could be
// redone, are not part of the game so far).
ResumenPartida AnalizarPartida(const Juego& j);

// The report can be asked for once a turn has been played and no handler runs.
bool PuedeResumir(const Juego& j);

}  // namespace tablerix

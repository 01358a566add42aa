#pragma once
// Between the game on screen and a saved game's plain data.
#include "savegame/DatosPartida.h"

namespace tablerix {

// What a save writes: the fixed tiles, racks, bag, scores as shown, passes,
// stride and log. Tiles laid this turn are not in `Tablero`, so they are not in it.
DatosPartida CopiarPartida(const Juego& j);

// Puts a checked saved game on the board and the window: the player's turn of a
// game in progress, the level entry of its stride checked, the log's
// last-but-one line selected, then the rack display rebuilt by Deshacer.
void RestaurarPartida(Juego& j, const DatosPartida& d);

}  // namespace tablerix

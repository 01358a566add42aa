#pragma once
// A new game, and drawing tiles from the bag.
#include "game/Juego.h"

namespace tablerix {

void NuevaPartida(Juego& j);
// A square at rest holding the fixed letter `letra` (' ' for none), in Tablero
// and on the board: its premium back when empty, the tile colour when not.
void PonerCasillaFija(Juego& j, int casilla, char letra);
void RobarFichas(Juego& j, int p);

}  // namespace tablerix

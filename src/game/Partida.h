#pragma once
// A new game, and drawing tiles from the bag.
#include "game/Juego.h"

namespace tablerix {

void NuevaPartida(Juego& j);
void RobarFichas(Juego& j, int p);

}  // namespace tablerix

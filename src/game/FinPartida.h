#pragma once
// The end-of-game settlement.
#include "game/Juego.h"

namespace tablerix {

void FinPartida(Juego& j);

}  // namespace tablerix

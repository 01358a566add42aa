#pragma once
// The move recommendation for the player.
#include "game/Juego.h"

namespace tablerix {

void Recomendar(Juego& j);

}  // namespace tablerix

#pragma once
// The play aids' settings, remembered per user like the window's size.
#include "game/Juego.h"

namespace tablerix {

// The "Inteligencia" entry the player last chose, or the first start's.
int NivelRecordado();
// The remembered switches the game itself reads, once it has started.
void RecuperarAyudas(Juego& j);

}  // namespace tablerix

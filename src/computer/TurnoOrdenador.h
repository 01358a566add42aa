#pragma once
// The computer without a word: exchange or pass.
#include "game/Juego.h"

namespace tablerix {

void CambiarOPasar(Juego& j);

}  // namespace tablerix

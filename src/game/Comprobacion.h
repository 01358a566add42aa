#pragma once
// The move check: shape rules, words, inclusion question, score.
#include "game/Juego.h"

namespace tablerix {

void ComprobarJugada(Juego& j);

}  // namespace tablerix

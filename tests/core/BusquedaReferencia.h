#pragma once
// The computer's searches exactly as the rules describe their loops: every
// window against the whole list, every fitting word laid on trial and judged by
// the real move check. Slow; the fast searches must give the same results.
#include <cstdint>

#include "game/Juego.h"

namespace tablerix {

void BuscarMejorJugadaReferencia(Juego& j);
std::int16_t BuscarMejorPrimeraJugadaReferencia(Juego& j);

}  // namespace tablerix

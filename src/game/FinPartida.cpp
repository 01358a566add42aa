#include "game/FinPartida.h"

namespace tablerix {

// Placeholder until this routine is written.
void FinPartida(Juego&) {}

}  // namespace tablerix

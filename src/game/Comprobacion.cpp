#include "game/Comprobacion.h"

namespace tablerix {

// Placeholder until this routine is written.
void ComprobarJugada(Juego&) {}

}  // namespace tablerix

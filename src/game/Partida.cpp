#include "game/Partida.h"

namespace tablerix {

// Placeholder until this routine is written.
void NuevaPartida(Juego&) {}
void RobarFichas(Juego&, int) {}

}  // namespace tablerix

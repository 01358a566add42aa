#include "game/Puntuacion.h"

namespace tablerix {

// Placeholder until this routine is written.
int ValorLetra(const Juego&, char) { return 0; }
void PuntuarPalabra(Juego&, int, char) {}
void PuntuarLetra(Juego&, char, int) {}

}  // namespace tablerix
